#include "ui/button_keys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace shoewise {

namespace {

// Hands the button Space in place of Enter, press and release alike, so both keys behave the same.
class EnterAsSpace : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers(), QStringLiteral(" "), key->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &space);
        return true;
    }
};

}  // namespace

void pressOnEnter(QAbstractButton& button)
{
    button.installEventFilter(new EnterAsSpace(&button));
}

}  // namespace shoewise
