// The window at start, compared pixel for pixel with pictures committed in tests/window/pictures/:
// the whole window once, then the page control with each page opened by its tab. A picture that
// differs is saved beside a picture of where it differs (changed pixels red over a faded copy of the
// reference) under <build folder>/tests/pictures/, and both paths are printed.
//
// Each Qt release smooths the edges of glyphs in its own way, with the FreeType it comes with, so the
// references are kept per Qt release (qt6.4/ from Debian 12, qt6.8/ from Debian 13, qt6.11/ from
// Debian unstable): every pixel is still compared, and a caption one pixel off fails on each. On a Qt
// release without references the test says so and does not run.
//
// When a change is meant to alter what the window shows, renew the references on each release and
// commit them after looking at them:
//   SHOEWISE_RENEW_PICTURES=1 build/dev/tests/window_tests --gtest_filter='Pictures.*'
#include "window_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSysInfo>
#include <QVersionNumber>

namespace shoewise::testing {
namespace {

// The references of the Qt release the test runs on.
QDir referenceFolder()
{
    const QVersionNumber qt = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
    return QDir(QStringLiteral(SHOEWISE_PICTURES_DIR "/qt%1.%2").arg(qt.majorVersion()).arg(qt.minorVersion()));
}

// Empty when the picture matches its reference, else what differs and where to look.
std::string compareWithReference(const QImage& grabbed, const QString& name)
{
    const QDir folder = referenceFolder();
    const QString reference = folder.filePath(name + QStringLiteral(".png"));
    const QImage actual = grabbed.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("SHOEWISE_RENEW_PICTURES")) {
        folder.mkpath(QStringLiteral("."));
        // Most pages have few colours: a palette halves their files where it loses nothing.
        const QImage indexed = actual.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
        const QImage& stored = indexed.convertToFormat(QImage::Format_RGB32) == actual ? indexed : actual;
        return stored.save(reference, nullptr, 0) ? std::string() : "cannot write " + reference.toStdString();
    }

    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (expected.isNull())
        return "no reference picture " + reference.toStdString() + " for Qt " + qVersion();
    if (actual == expected)
        return {};
    const QDir out(QStringLiteral(SHOEWISE_PICTURES_OUT));
    out.mkpath(QStringLiteral("."));
    const QString actualPath = out.filePath(name + QStringLiteral(".png"));
    actual.save(actualPath);
    const std::string what
        = name.toStdString() + " differs from " + reference.toStdString() + "; now " + actualPath.toStdString();
    if (actual.size() != expected.size())
        return what + ", which has another size";
    QImage difference = expected;
    int changed = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const bool same = actual.pixel(x, y) == expected.pixel(x, y);
            changed += same ? 0 : 1;
            const int faded = 192 + qGray(expected.pixel(x, y)) / 4;
            difference.setPixel(x, y, same ? qRgb(faded, faded, faded) : qRgb(255, 0, 0));
        }
    }
    const QString differencePath = out.filePath(name + QStringLiteral("-difference.png"));
    difference.save(differencePath);
    return what + ", " + std::to_string(changed) + " pixels changed: " + differencePath.toStdString();
}

using Pictures = WindowTest;

TEST_F(Pictures, WindowAndEveryPageLookAsAtStart)
{
    if (QGuiApplication::platformName() != QStringLiteral("offscreen") || QSysInfo::kernelType() != u"linux")
        GTEST_SKIP() << "the references are taken on Linux's offscreen platform";
    // A Qt the project has not been taken on yet has nothing to compare with; CI builds only on Qt
    // releases whose references are committed, so there a missing folder is a fault.
    if (!referenceFolder().exists() && !qEnvironmentVariableIsSet("SHOEWISE_RENEW_PICTURES")) {
        const std::string missing = "no reference pictures for Qt " + std::string(qVersion()) + " in "
            + referenceFolder().path().toStdString();
        if (!qEnvironmentVariableIsEmpty("CI"))
            FAIL() << missing;
        GTEST_SKIP() << missing;
    }
    QCoreApplication::processEvents();
    auto expectLikeReference = [](QWidget& widget, const QString& name) {
        const std::string difference = compareWithReference(widget.grab().toImage(), name);
        EXPECT_TRUE(difference.empty()) << difference;
    };
    expectLikeReference(*form, form->objectName());
    auto* pages = find<QTabWidget>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    for (int index = 0; index < pages->count(); ++index) {
        QWidget* page = pages->widget(index);
        openPage(page);
        expectLikeReference(*pages, page->objectName());
    }
}

}  // namespace
}  // namespace shoewise::testing
