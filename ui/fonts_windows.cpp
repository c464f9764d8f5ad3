#include "ui/fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>

#include <algorithm>

namespace shoewise {

QStringList windowFaces()
{
    // Windows names the face in Japanese on a Japanese system and in English elsewhere.
    QStringList faces {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic")};
    // Where neither is installed, the face the Linux build uses, shipped beside the program with its
    // licence; registered only then, as a face in memory costs start-up time and memory.
    const bool installed
        = std::ranges::any_of(faces, [](const QString& face) { return QFontDatabase::hasFamily(face); });
    const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/ipagp.ttf");
    if (!installed && QFontDatabase::addApplicationFont(shipped) < 0)
        qWarning("the Japanese face shipped with the program is missing: %s", qPrintable(shipped));
    faces.append(QStringLiteral("IPAPGothic"));
    return faces;
}

}  // namespace shoewise
