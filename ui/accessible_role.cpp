#include "ui/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace shoewise {

namespace {

constexpr char RoleProperty[] = "shoewiseAccessibleRole";

QAccessibleInterface* ownRole(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(RoleProperty) : QVariant();
    return role.isValid() ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt())) : nullptr;
}

}  // namespace

void setAccessibleRole(QWidget& widget, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(ownRole);
        return true;
    }();
    Q_UNUSED(installed)
    widget.setProperty(RoleProperty, static_cast<int>(role));
}

}  // namespace shoewise
