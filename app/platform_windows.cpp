#include "app/platform.h"

#include "program.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QImageReader>

#include <algorithm>

namespace shoewise::platform {

namespace {

QStringList systemFaces()
{
    return {QString::fromUtf8(program::WindowsFaceJapanese), QString::fromUtf8(program::WindowsFace)};
}

}  // namespace

// Windows itself keeps a topmost window above the others, shows it without activating it and lets it
// place itself: nothing to choose, nothing to settle before Qt starts.
void prepare(int /*argc*/, char** /*argv*/)
{
}

void setUp()
{
    // The image plugins are looked up here, on the main thread, before the chart's decode thread
    // needs them: the look-up matches file names with a pattern whose per-thread state MinGW's
    // runtime cannot free when a thread other than Qt's own ends, which crashes the program.
    QImageReader::supportedImageFormats();
}

// Where neither system face is installed, the face the Linux build uses, shipped beside the program
// with its licence; registered only then, as a face in memory costs start-up time and memory.
void prepareFaces()
{
    if (std::ranges::any_of(systemFaces(), [](const QString& face) { return QFontDatabase::hasFamily(face); }))
        return;
    const QString shipped
        = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(program::ShippedFace);
    if (QFontDatabase::addApplicationFont(shipped) < 0)
        qWarning("the Japanese face shipped with the program is missing: %s", qPrintable(shipped));
}

QStringList windowFaces()
{
    return systemFaces() + QStringList {QString::fromUtf8(program::LinuxFace)};
}

// Windows shows a window without activating it and without flashing its task bar button.
void showWithoutAttention(QWindow& /*window*/)
{
}

}  // namespace shoewise::platform
