#include "ui/auto_size_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace shoewise {

AutoSizeLabel::AutoSizeLabel(
    const QString& text, const QRect& design, Qt::Alignment alignment, const QFont& font, QWidget* parent)
    : QLabel(parent)
    , anchorX_(alignment & Qt::AlignRight ? design.x() + design.width() : design.x())
    , designHeight_(design.height())
    , keepRight_(alignment & Qt::AlignRight)
{
    setAlignment((keepRight_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setContentsMargins(0, 0, 0, 0);
    move(design.topLeft());
    setFont(font);  // while the text is still empty, so that the font change measures nothing
    setText(text);
    fitToText();
}

void AutoSizeLabel::setValueText(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    fitToText();
    nameForAccessibility();
}

void AutoSizeLabel::setAccessibleTitle(const QString& title)
{
    accessibleTitle_ = title;
    nameForAccessibility();
}

void AutoSizeLabel::nameForAccessibility()
{
    // With a name of its own, QLabel no longer offers its text; the name carries it instead.
    if (!accessibleTitle_.isEmpty())
        setAccessibleName(accessibleTitle_ + QStringLiteral(": ") + text());
}

void AutoSizeLabel::setLinePitch(int pixels)
{
    linePitch_ = pixels;
    place(size());  // the pitch changes only the height; the width is already measured
    update();
}

void AutoSizeLabel::paintEvent(QPaintEvent* event)
{
    if (linePitch_ <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    // Each line in a box one pitch high, drawn the way the style draws any label text, so alignment
    // and the disabled look stay Qt's own; a pitch below the font's height trims the box evenly.
    QPainter painter(this);
    const QStringList lines = text().split(QLatin1Char('\n'));
    const int top = (linePitch_ - fontMetrics().height()) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRect box(0, static_cast<int>(i) * linePitch_ + top, width(), fontMetrics().height());
        style()->drawItemText(
            &painter, box, static_cast<int>(alignment()), palette(), isEnabled(), lines.at(i), foregroundRole());
    }
}

void AutoSizeLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void AutoSizeLabel::fitToText()
{
    place(fontMetrics().size(0, text()));
}

void AutoSizeLabel::place(QSize natural)
{
    if (linePitch_ > 0)
        natural.setHeight(static_cast<int>(text().count(QLatin1Char('\n')) + 1) * linePitch_);
    const int width = natural.width();
    const int height = std::max(designHeight_, natural.height());
    const int left = keepRight_ ? anchorX_ - width : anchorX_;
    setGeometry(left, y(), width, height);
}

}  // namespace shoewise
