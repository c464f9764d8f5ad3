#pragma once

#include <QFont>
#include <QProxyStyle>

namespace shoewise {

// The metrics the pages were laid out for, stated once for every platform over the style the platform
// draws with (or the one the user chose): how much of a push button its caption has, where a page
// stands inside the page control, and how a fixed caption too wide for its box is narrowed. The look
// is the platform style's own.
class LayoutStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The frame a push button keeps around its caption, on every side: a 32-pixel caption in a
    // 41-pixel button needs all of the rest.
    static constexpr int ButtonFrame = 3;
    // Between the page control's frame and its page, on the left and on the right. Above and below,
    // the page stands where the platform's style puts it.
    static constexpr int PageFrame = 4;
    // The narrowest a caption is drawn, in percent of its normal width: narrower letters are hard to read.
    static constexpr int Narrowest = 75;

    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(
        ContentsType type, const QStyleOption* option, const QSize& contents, const QWidget* widget) const override;

    // `font` narrowed just enough for `text` to fit `width` pixels, but never below Narrowest: first
    // stretched, and where the font engine cannot stretch the face, with its letters moved closer.
    // `font` itself where the text fits.
    QFont narrowedToFit(const QFont& font, const QString& text, int width) const;

protected:
    // How wide `text` comes out in `font`. Whether a stretch narrows the letters is the font engine's
    // matter: some engines ignore it.
    virtual int textWidth(const QFont& font, const QString& text) const;
};

}  // namespace shoewise
