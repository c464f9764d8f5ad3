#include "app/platform.h"

#include <QApplication>
#include <QImageReader>
#include <QProxyStyle>
#include <QStyleOption>

namespace shoewise {

namespace {

// Windows' own style keeps four pixels between a push button's edge and its caption. The layout was
// drawn for buttons whose caption has all but their three-pixel frame, and a 32-pixel caption in a
// 41-pixel button needs that room. Everything else is Windows' own look.
class ButtonCaptionStyle : public QProxyStyle {
public:
    static constexpr int Frame = 3;

    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element == SE_PushButtonContents)
            return option->rect.adjusted(Frame, Frame, -Frame, -Frame);
        return QProxyStyle::subElementRect(element, option, widget);
    }

    QSize sizeFromContents(
        ContentsType type, const QStyleOption* option, const QSize& contents, const QWidget* widget) const override
    {
        if (type == CT_PushButton)
            return contents.grownBy({Frame, Frame, Frame, Frame});
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }
};

}  // namespace

// Windows itself keeps a topmost window above the others, shows it without activating it and lets it
// place itself: nothing to settle before Qt starts.
void preparePlatform(int /*argc*/, char** /*argv*/)
{
}

void setUpPlatform()
{
    QApplication::setStyle(new ButtonCaptionStyle);
    // The image plugins are looked up here, on the main thread, before the chart's decode thread
    // needs them: the look-up matches file names with a pattern whose per-thread state MinGW's
    // runtime cannot free when a thread other than Qt's own ends, which crashes the program.
    QImageReader::supportedImageFormats();
}

}  // namespace shoewise
