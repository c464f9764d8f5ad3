#include "ui/fonts.h"

namespace shoewise {

void installFontSubstitutions()
{
    // Without this, fontconfig answers DejaVu Sans for Latin text and the fixed-width IPAGothic for
    // Japanese: two faces in one caption, neither proportional gothic.
    QFont::insertSubstitution(QString::fromUtf8(WindowFontFamily), QString::fromUtf8(StandInFontFamily));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QString::fromUtf8(StandInFontFamily));
}

QFont windowFont(int pixels, bool bold)
{
    QFont font(QString::fromUtf8(WindowFontFamily));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace shoewise
