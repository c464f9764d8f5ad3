#include "ui/fonts.h"

#include <QFontDatabase>

namespace shoewise {

namespace {

// The family windowFont() asks for: the window's own where it is installed, else its stand-in.
QString& requestedFamily()
{
    static QString family = QString::fromUtf8(WindowFontFamily);
    return family;
}

}  // namespace

void installFontSubstitutions()
{
    // Without this, fontconfig answers DejaVu Sans for Latin text and the fixed-width IPAGothic for
    // Japanese: two faces in one caption, neither proportional gothic.
    QFont::insertSubstitution(QString::fromUtf8(WindowFontFamily), QString::fromUtf8(StandInFontFamily));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QString::fromUtf8(StandInFontFamily));
    // Asked for a family that is not installed, Qt has fontconfig sort its whole fallback list for
    // every script and size before it tries the substitute; asking for the face that will be used
    // skips that work at start-up and renders the same.
    if (!QFontDatabase::hasFamily(QString::fromUtf8(WindowFontFamily)))
        requestedFamily() = QString::fromUtf8(StandInFontFamily);
}

QFont windowFont(int pixels, bool bold)
{
    QFont font(requestedFamily());
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace shoewise
