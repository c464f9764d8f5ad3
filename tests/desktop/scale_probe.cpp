// Describes, at whatever scale the environment sets, how every caption fits its control and which
// controls overlap or run past their page, in words that do not depend on the scale: two runs at
// different scales must describe the same window. Fails on any clipped caption, overlap or reach past
// an edge that the layout does not have on purpose. Prints the style and the window's size in device
// pixels, can save screenshots of the X window, and with --hold stays open so that the X window itself
// can be examined.
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/auto_size_label.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextStream>
#include <QWindow>

#include <cmath>
#include <cstdio>

namespace {

using shoewise::AutoSizeLabel;

struct Fit {
    QSizeF needed;
    QRectF room;
};

// Judged in device pixels, where a clipped part of a pixel is a whole one lost: the caption needs every
// device pixel it reaches into, and has those its room's edges fall on, the edges being taken at their
// place in the window, as the window is drawn. At a whole-number scale that is the room times the scale.
// At a fractional one a box sized to its text in whole logical pixels can fall short of the text's
// line by a fraction of a device pixel, below the letters: less than half a pixel is not a cut.
bool fitsIn(qreal needed, qreal start, qreal end, qreal ratio)
{
    const qreal slack = ratio == std::floor(ratio) ? 0.01 : 0.5;
    return std::ceil(needed * ratio - slack) <= std::round(end * ratio) - std::round(start * ratio);
}

Fit labelFit(const QLabel& label)
{
    const QFontMetricsF metrics(label.font());
    QSizeF needed = metrics.size(0, label.text());
    if (const auto* autoSize = qobject_cast<const AutoSizeLabel*>(&label); autoSize && autoSize->linePitch() > 0)
        needed.setHeight(static_cast<qreal>(label.text().count(QLatin1Char('\n')) + 1) * autoSize->linePitch());
    return {needed, QRectF(label.contentsRect())};
}

Fit buttonFit(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QFontMetricsF metrics(button.font());
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return {QSizeF(metrics.horizontalAdvance(button.text()), metrics.height()), QRectF(contents)};
}

QString describe(const QString& where, const QWidget& widget, const Fit& fit, qreal ratio, QTextStream& detail)
{
    const QRectF room = fit.room.translated(widget.mapTo(widget.window(), QPoint()));
    const bool wide = fitsIn(fit.needed.width(), room.left(), room.left() + room.width(), ratio);
    const bool tall = fitsIn(fit.needed.height(), room.top(), room.top() + room.height(), ratio);
    detail << where << ' ' << widget.objectName() << " needs " << fit.needed.width() << 'x' << fit.needed.height()
           << " has " << fit.room.width() << 'x' << fit.room.height() << '\n';
    return QStringLiteral("%1 %2 width %3 height %4\n")
        .arg(where, widget.objectName(), wide ? u"fits" : u"clipped", tall ? u"fits" : u"clipped");
}

// Every label and button directly on `parent`: fit, overlap with each other, and reach past its edge.
QString describeControls(const QString& where, QWidget& parent, qreal ratio, QTextStream& detail)
{
    QString report;
    QList<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (auto* label = qobject_cast<QLabel*>(child)) {
            report += describe(where, *label, labelFit(*label), ratio, detail);
            controls << label;
        } else if (auto* button = qobject_cast<QPushButton*>(child)) {
            report += describe(where, *button, buttonFit(*button), ratio, detail);
            controls << button;
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (!parent.rect().contains(controls[i]->geometry()))
            report += QStringLiteral("%1 %2 runs past the edge\n").arg(where, controls[i]->objectName());
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            if (controls[i]->geometry().intersects(controls[j]->geometry()))
                report += QStringLiteral("%1 %2 overlaps %3\n")
                              .arg(where, controls[i]->objectName(), controls[j]->objectName());
    }
    return report;
}

// The overlaps the layout has on purpose. Each value label sits right under its caption or above the
// next one, and the stand-in face's line is a pixel or two taller than the box laid out for the
// original face, so the boxes meet while the letters stay apart. The first line of the first baccarat
// page's description is wider than the page and runs past its edge.
const QStringList Intended = {
    QStringLiteral("TabSheet9 Label50 overlaps Label23"),
    QStringLiteral("TabSheet9 Label51 overlaps Label58"),
    QStringLiteral("TabSheet9 Label84 overlaps Label85"),
    QStringLiteral("TabSheet13 Label52 overlaps Label36"),
    QStringLiteral("TabSheet13 Label53 overlaps Label59"),
    QStringLiteral("TabSheet13 Label86 overlaps Label87"),
    QStringLiteral("TabSheet10 Label26 overlaps Label60"),
    QStringLiteral("TabSheet10 Label26 overlaps Label90"),
    QStringLiteral("TabSheet10 Label27 overlaps Label91"),
    QStringLiteral("TabSheet10 Label28 runs past the edge"),
    QStringLiteral("TabSheet10 Label61 overlaps Label64"),
    QStringLiteral("TabSheet10 Label90 overlaps Label91"),
    QStringLiteral("TabSheet11 Label30 overlaps Label62"),
    QStringLiteral("TabSheet11 Label30 overlaps Label92"),
    QStringLiteral("TabSheet11 Label31 overlaps Label93"),
    QStringLiteral("TabSheet11 Label63 overlaps Label65"),
    QStringLiteral("TabSheet11 Label92 overlaps Label93"),
};

// Prints every clipped caption, overlap or reach past an edge that the layout does not have on
// purpose, and every intended one that is gone (the list above is then out of date); returns how many.
int faults(const QString& report)
{
    QStringList found;
    for (const QString& line : report.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.endsWith(u"width fits height fits"))
            found << line;
    int count = 0;
    for (const QString& line : found) {
        if (!Intended.contains(line)) {
            std::fprintf(stderr, "not laid out so: %s\n", qPrintable(line));
            ++count;
        }
    }
    for (const QString& line : Intended) {
        if (!found.contains(line)) {
            std::fprintf(stderr, "laid out so, but gone: %s\n", qPrintable(line));
            ++count;
        }
    }
    return count;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QTest::qWait(40);
}

}  // namespace

int main(int argc, char* argv[])
{
    shoewise::Startup startup(argc, argv);
    const QStringList args = QApplication::arguments();
    auto option = [&](const QString& name) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
    };
    const QString reportPath = option(QStringLiteral("--report"));
    const QString shotPrefix = option(QStringLiteral("--shots"));
    if (reportPath.isEmpty()) {
        std::fputs("usage: scale_probe --report FILE [--shots PATH-PREFIX] [--hold]\n", stderr);
        return 2;
    }

    shoewise::MainWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fputs("the window was never shown\n", stderr);
        return 1;
    }
    const qreal ratio = form.devicePixelRatioF();
    const QSize device = form.windowHandle()->size() * ratio;

    QString detailText;
    QTextStream detail(&detailText);
    QString report = describeControls(QStringLiteral("window"), form, ratio, detail);
    shoewise::PageControl& pages = *form.findChild<shoewise::PageControl*>(QStringLiteral("PageControl1"));
    for (int index = 0; index < pages.count(); ++index) {
        pages.setCurrentIndex(index);
        report += describeControls(pages.widget(index)->objectName(), *pages.widget(index), ratio, detail);
    }

    QFile file(reportPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(reportPath));
        return 1;
    }
    file.write(report.toUtf8());
    file.close();
    std::fputs(qPrintable(detailText), stderr);

    if (!shotPrefix.isEmpty()) {
        // Pictures of what the X server shows, not of a fresh rendering: one integer and one baccarat page.
        QDir().mkpath(QFileInfo(shotPrefix).path());
        for (int index : {0, pages.count() - 2}) {
            pages.setCurrentIndex(index);
            settle();
            const QPixmap shot = form.screen()->grabWindow(form.winId());
            const QString path = QStringLiteral("%1-page%2.png").arg(shotPrefix).arg(index + 1);
            if (!shot.save(path)) {
                std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
                return 1;
            }
            std::printf("screenshot %s %dx%d\n", qPrintable(path), shot.width(), shot.height());
        }
        pages.setCurrentIndex(0);
    }

    // The platform's own style, under the program's proxy for it.
    const QStyle* style = form.style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    std::printf("style %s\nratio %g\ndevice-size %dx%d\n", style->metaObject()->className(), ratio, device.width(),
        device.height());
    std::fflush(stdout);
    if (faults(report) > 0)
        return 1;
    if (args.contains(QStringLiteral("--hold"))) {
        std::puts("ready");
        std::fflush(stdout);
        return QApplication::exec();
    }
    return 0;
}
