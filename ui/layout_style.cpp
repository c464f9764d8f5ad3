#include "ui/layout_style.h"

#include <QFontMetrics>
#include <QStyleOption>

#include <algorithm>

namespace shoewise {

QRect LayoutStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    switch (element) {
    case SE_PushButtonContents: return option->rect.adjusted(ButtonFrame, ButtonFrame, -ButtonFrame, -ButtonFrame);
    case SE_TabWidgetTabContents: {
        // QTabWidget places its page stack on this rectangle; the pane is what the style frames.
        const QRect pane = QProxyStyle::subElementRect(SE_TabWidgetTabPane, option, widget);
        QRect contents = QProxyStyle::subElementRect(element, option, widget);
        contents.setLeft(pane.left() + PageFrame);
        contents.setRight(pane.right() - PageFrame);
        return contents;
    }
    default: return QProxyStyle::subElementRect(element, option, widget);
    }
}

QSize LayoutStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& contents, const QWidget* widget) const
{
    if (type == CT_PushButton)
        return contents.grownBy({ButtonFrame, ButtonFrame, ButtonFrame, ButtonFrame});
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

QFont LayoutStyle::narrowedToFit(const QFont& font, const QString& text, int width) const
{
    const int natural = textWidth(font, text);
    if (natural <= width || natural == 0)
        return font;
    QFont narrowed = font;
    int stretch = std::max(Narrowest, width * 100 / natural);
    narrowed.setStretch(stretch);
    // Hinting makes the width only roughly proportional to the stretch: step down until it fits.
    const auto fits = [&] { return textWidth(narrowed, text) <= width; };
    while (stretch > Narrowest && !fits())
        narrowed.setStretch(--stretch);
    // Some font engines cannot narrow a face at all (Windows' own): the letters move closer instead.
    if (!fits()) {
        narrowed.setStretch(QFont::Unstretched);
        for (int spacing = 99; spacing >= Narrowest && !fits(); --spacing)
            narrowed.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    return narrowed;
}

int LayoutStyle::textWidth(const QFont& font, const QString& text) const
{
    return QFontMetrics(font).size(0, text).width();
}

}  // namespace shoewise
