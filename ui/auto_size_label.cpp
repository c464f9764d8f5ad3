#include "ui/auto_size_label.h"

#include <QEvent>
#include <QFontMetrics>

namespace shoewise {

AutoSizeLabel::AutoSizeLabel(const QString& text, const QRect& design, Qt::Alignment alignment, QWidget* parent)
    : QLabel(text, parent)
    , anchorX_(alignment & Qt::AlignRight ? design.x() + design.width() : design.x())
    , designHeight_(design.height())
    , keepRight_(alignment & Qt::AlignRight)
{
    setAlignment((keepRight_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setContentsMargins(0, 0, 0, 0);
    move(design.topLeft());
    fitToText();
}

void AutoSizeLabel::setValueText(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    fitToText();
}

void AutoSizeLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void AutoSizeLabel::fitToText()
{
    const QSize natural = fontMetrics().size(0, text());
    const int width = natural.width();
    const int height = std::max(designHeight_, natural.height());
    const int left = keepRight_ ? anchorX_ - width : anchorX_;
    setGeometry(left, y(), width, height);
}

}  // namespace shoewise
