#include "ui/fonts.h"

#include <fontconfig/fontconfig.h>

#include <future>
#include <system_error>

namespace shoewise {
namespace {

// The reading begun by preloadFontConfiguration(), until windowFaces() waits for it.
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

QStringList windowFaces()
{
    if (configurationRead().valid())
        configurationRead().get();
    // Debian has no alias for the face the captions were laid out in; the proportional Japanese
    // gothic face stands in for it.
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")};
}

}  // namespace shoewise
