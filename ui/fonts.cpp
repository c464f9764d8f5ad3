#include "ui/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

#include <future>
#include <system_error>

namespace shoewise {
namespace {

// The reading begun by preloadFontConfiguration(), until useWindowTypeface() waits for it.
std::future<void>& configurationRead()
{
    static std::future<void> read;
    return read;
}

}  // namespace

void preloadFontConfiguration()
{
    if (configurationRead().valid())
        return;
    try {
        configurationRead() = std::async(std::launch::async, [] { FcInit(); });
    } catch (const std::system_error&) {
        // No second thread to be had: Qt reads the configuration itself when it first needs a font.
    }
}

void useWindowTypeface()
{
    if (configurationRead().valid())
        configurationRead().get();
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
