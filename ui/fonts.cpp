#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace shoewise {

void useWindowTypeface(const QStringList& faces)
{
    // Asked for a family that is not installed, the system's fallback would answer some Latin face and
    // a fixed-width Japanese one, after sorting its whole fallback list for every script and size.
    // Asking for an installed face gives one proportional gothic face and skips that work.
    QString face = faces.constLast();
    for (const QString& candidate : faces) {
        if (QFontDatabase::hasFamily(candidate)) {
            face = candidate;
            break;
        }
    }
    QFont font(face);
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
