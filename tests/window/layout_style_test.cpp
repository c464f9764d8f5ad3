#include "ui/fonts.h"
#include "ui/layout_style.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace shoewise::testing {
namespace {

// A font engine that cannot stretch a face, as Windows' own: only moving the letters closer narrows a
// caption there. The stand-in face stretches here, so the window never shows that way.
class UnstretchableStyle : public LayoutStyle {
protected:
    int textWidth(const QFont& font, const QString& text) const override
    {
        QFont unstretched = font;
        unstretched.setStretch(QFont::Unstretched);
        return LayoutStyle::textWidth(unstretched, text);
    }
};

// Each caption gets the least narrowing that fits its room, and never more than down to the floor.
TEST(LayoutStyleNarrowing, WithoutStretchTheLettersMoveJustCloseEnough)
{
    const UnstretchableStyle style;
    const QFont font = windowFont(16, true);
    const QString caption = QStringLiteral("2,3,4,5,6,赤7");
    auto widthAt = [&](int spacing) {
        QFont spaced = font;
        spaced.setLetterSpacing(QFont::PercentageSpacing, spacing);
        return QFontMetrics(spaced).size(0, caption).width();
    };
    const int natural = widthAt(100);
    ASSERT_LT(widthAt(LayoutStyle::Narrowest), natural - 10);  // room for the rows below to differ

    for (const int room : {natural, natural - 1, widthAt(90), widthAt(80) - 1, widthAt(LayoutStyle::Narrowest),
             widthAt(LayoutStyle::Narrowest) - 1}) {
        SCOPED_TRACE(room);
        const QFont narrowed = style.narrowedToFit(font, caption, room);
        EXPECT_TRUE(narrowed.stretch() == QFont::AnyStretch || narrowed.stretch() == QFont::Unstretched)
            << "stretch " << narrowed.stretch();
        if (room >= natural) {
            EXPECT_EQ(narrowed, font);
            continue;
        }
        ASSERT_EQ(narrowed.letterSpacingType(), QFont::PercentageSpacing);
        const int spacing = qRound(narrowed.letterSpacing());
        if (room < widthAt(LayoutStyle::Narrowest)) {
            EXPECT_EQ(spacing, LayoutStyle::Narrowest);
            continue;
        }
        EXPECT_LE(widthAt(spacing), room);
        EXPECT_GT(widthAt(spacing + 1), room) << "spacing " << spacing << " narrows more than needed";
    }
}

}  // namespace
}  // namespace shoewise::testing
