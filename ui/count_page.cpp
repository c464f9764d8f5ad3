#include "ui/count_page.h"

#include "ui/accessible_role.h"
#include "ui/announcer.h"
#include "ui/auto_size_label.h"
#include "ui/button_keys.h"
#include "ui/fonts.h"
#include "ui/layout_style.h"

#include <QAccessible>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <utility>

namespace shoewise {

using systems::Operation;
using systems::Role;

namespace {

QRect toRect(const systems::Geometry& g)
{
    return {g.left, g.top, g.width, g.height};
}

// The stand-in face runs a little wider than the one the captions were laid out in. A fixed text
// that would not fit its laid-out width is narrowed as the layout's style narrows captions, rather than
// cut off at the page edge or inside its button. Start-up installs that style; a widget drawn by
// another keeps its font.
void narrowToFit(QWidget& widget, const QString& text, int width)
{
    const auto* style = qobject_cast<const LayoutStyle*>(widget.style());
    if (!style)
        return;
    const QFont narrowed = style->narrowedToFit(widget.font(), text, width);
    if (narrowed != widget.font())
        widget.setFont(narrowed);
}

// The room the style leaves a push button's caption inside its frame.
int captionRoom(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

QString betText(Bet bet)
{
    return bet == Bet::Player ? QStringLiteral("BET ON PLAYER") : QStringLiteral("BET ON BANKER");
}

QColor betColor(Bet bet)
{
    return bet == Bet::Player ? QColor(0, 0, 255) : QColor(255, 0, 0);
}

}  // namespace

CountPage::CountPage(const systems::SystemDef& system, QWidget* parent)
    : QWidget(parent)
    , system_(system)
    , track_(system.rules)
    , decimalSeparator_(QLocale().decimalPoint().toStdString())
{
    setObjectName(QString::fromUtf8(system.page));
    // Named by its tab, so that changing page says which page it is.
    setAccessibleRole(*this, QAccessible::Pane);
    setAccessibleName(QString::fromUtf8(system.caption));
    announcer_ = new Announcer(this);  // after the page's own role, which must come first
}

void CountPage::setVisible(bool visible)
{
    if (visible && !built_)
        build();
    QWidget::setVisible(visible);
}

void CountPage::build()
{
    built_ = true;
    for (const systems::LabelDef& def : system_.labels) {
        auto* label = new AutoSizeLabel(QString::fromUtf8(def.text), toRect(def.geometry),
            def.align == systems::Align::Right ? Qt::AlignRight : Qt::AlignLeft,
            windowFont(def.font.pixels, def.font.bold), this);
        label->setObjectName(QString::fromUtf8(def.name));
        if (def.role == Role::Text) {
            const auto lines = static_cast<int>(std::ranges::count(def.text, '\n')) + 1;
            if (lines > 1)
                label->setLinePitch(def.geometry.height / lines);
            narrowToFit(*label, label->text(), def.geometry.width);
        }
        if (def.role == Role::Bet) {
            // The bet colour fills the whole box behind the text, whatever roles the parents use.
            label->setAutoFillBackground(true);
            label->setBackgroundRole(QPalette::Window);
            label->setForegroundRole(QPalette::WindowText);
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(palette);
        }
        if (def.role != Role::Text) {
            // Named after its caption on the page; the bet has none, as its text says what it is.
            const systems::LabelDef* caption = system_.label(def.caption);
            const QString title = caption ? QString::fromUtf8(caption->text) : QString();
            label->setAccessibleTitle(caption ? title : QStringLiteral("Bet"));
            values_.push_back({def.role, label, title, {def.geometry.left, def.geometry.top}});
        }
    }
    // Read out as the page is read: row by row from the top, each row from the left.
    readingOrder_ = values_;
    std::ranges::stable_sort(readingOrder_, [](const ValueLabel& a, const ValueLabel& b) {
        return std::pair(a.designPlace.y(), a.designPlace.x()) < std::pair(b.designPlace.y(), b.designPlace.x());
    });
    // Cards left first, as every operation writes them: the roles are declared in writing order.
    std::ranges::stable_sort(values_, {}, &ValueLabel::role);

    std::vector<std::pair<int, QPushButton*>> byTabOrder;
    for (const systems::ButtonDef& def : system_.buttons) {
        auto* button = new QPushButton(QString::fromUtf8(def.caption), this);
        button->setObjectName(QString::fromUtf8(def.name));
        button->setGeometry(toRect(def.geometry));
        button->setFont(windowFont(def.font.pixels, def.font.bold));
        narrowToFit(*button, button->text(), captionRoom(*button));
        button->setAutoDefault(false);
        pressOnEnter(*button);
        connect(button, &QPushButton::clicked, this,
            [this, operation = def.operation, tag = def.tag] { run(operation, tag); });
        byTabOrder.emplace_back(def.tabOrder, button);
    }
    std::ranges::stable_sort(byTabOrder, {}, &std::pair<int, QPushButton*>::first);
    for (std::size_t i = 1; i < byTabOrder.size(); ++i)
        setTabOrder(byTabOrder[i - 1].second, byTabOrder[i].second);
    showTrack();
}

void CountPage::run(Operation operation, std::int32_t tag)
{
    bool done = true;
    switch (operation) {
    case Operation::Card: track_.press(tag); break;
    case Operation::Ace: done = track_.pressAce(); break;  // a refused ace changes nothing and says nothing
    case Operation::Undo: track_.undo(); break;
    case Operation::Reset: track_.reset(); break;
    }
    showTrack();
    // Spoken only where an assistive tool listens: nobody else hears it, and a press must stay quick.
    if (done && QAccessible::isActive())
        announcer_->announce(summary());
}

QString CountPage::summary() const
{
    QStringList parts;
    for (const ValueLabel& value : readingOrder_) {
        parts.append(
            value.caption.isEmpty() ? value.label->text() : value.caption + QLatin1Char(' ') + value.label->text());
    }
    return parts.join(QStringLiteral(", "));
}

void CountPage::showTrack()
{
    for (const ValueLabel& value : values_) {
        auto show = [&](const NumberText& text) { value.label->setValueText(QString::fromUtf8(text.view())); };
        switch (value.role) {
        case Role::CardsLeft: show(track_.cardsLeftText()); break;
        case Role::RunningCount: show(track_.runningCountText(decimalSeparator_)); break;
        case Role::TrueCount: show(track_.trueCountText(decimalSeparator_)); break;
        case Role::AcesLeft: show(track_.acesLeftText()); break;
        case Role::Bet: showBet(*value.label); break;
        case Role::Text: break;
        }
    }
}

void CountPage::showBet(AutoSizeLabel& label) const
{
    label.setValueText(betText(track_.bet()));
    const QColor color = betColor(track_.bet());
    if (label.palette().color(QPalette::Window) != color) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, color);
        label.setPalette(palette);
    }
}

}  // namespace shoewise
