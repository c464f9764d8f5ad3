#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace shoewise {

void useWindowTypeface()
{
    // Asked for a family that is not installed, fontconfig answers DejaVu Sans for Latin text and the
    // fixed-width IPAGothic for Japanese, after sorting its whole fallback list for every script and
    // size. Asking for the stand-in itself gives one proportional gothic face and skips that work.
    const QString windowFamily = QStringLiteral("ＭＳ Ｐゴシック");
    QFont font(QFontDatabase::hasFamily(windowFamily) ? windowFamily : QStringLiteral("IPAPGothic"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    QGuiApplication::setFont(font);
}

QFont windowFont(int pixels, bool bold)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace shoewise
