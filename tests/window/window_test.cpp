#include "window_fixture.h"

#include "program.h"
#include "systems/catalogue.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>

namespace shoewise::testing {
namespace {

using Window = WindowTest;

TEST_F(Window, FixedTopmostWindowWithoutMaximise)
{
    EXPECT_EQ(form->windowTitle(), "Shoewise");
    EXPECT_EQ(form->size(), QSize(SHOEWISE_EXPECTED_WINDOW_WIDTH, SHOEWISE_EXPECTED_WINDOW_HEIGHT));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(form->testAttribute(Qt::WA_ShowWithoutActivating));
    // The icon's pixels, built into the program, are those of the installed pictures.
    for (int size : {16, 32, 48}) {
        const QImage picture(QStringLiteral(SHOEWISE_ICONS_DIR "/shoewise-%1.png").arg(size));
        ASSERT_FALSE(picture.isNull()) << size;
        EXPECT_EQ(form->windowIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
            picture.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << size;
    }
    // Name, version, authors and id as the build states them once; facts_once checks nothing else does.
    EXPECT_EQ(QApplication::applicationName(), program::Name);
    EXPECT_EQ(QApplication::applicationVersion(), program::Version);
    EXPECT_EQ(QGuiApplication::desktopFileName(), program::AppId);
    EXPECT_EQ(label("Label16")->text().toStdString(),
        std::string(program::Name) + " Ver." + program::Version + "  " + program::Authors);
}

TEST_F(Window, ControlsOnTheWindow)
{
    EXPECT_EQ(find<QWidget>("PageControl1")->geometry(), QRect(8, 8, 313, 505));
    EXPECT_EQ(find<QWidget>("Image1")->geometry(),
        QRect(328, 8, SHOEWISE_EXPECTED_CHART_WIDTH + 2, SHOEWISE_EXPECTED_CHART_HEIGHT + 2));
    QLabel* footer = label("Label16");
    EXPECT_EQ(footer->pos(), QPoint(248, 520));
    EXPECT_EQ(footer->font().pixelSize(), 21);
    EXPECT_TRUE(footer->font().bold());
    EXPECT_FALSE(footer->text().isEmpty());
}

TEST_F(Window, PagesInSlotOrderKoFirst)
{
    PageControl* pages = pageControl(*form);
    ASSERT_EQ(pages->count(), static_cast<int>(systems::Catalogue.size()));
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet2");
    int index = 0;
    int lastSlot = 0;
    for (const systems::SystemDef* system : systems::Catalogue) {
        EXPECT_GT(system->slot, lastSlot);
        lastSlot = system->slot;
        EXPECT_EQ(pages->widget(index)->objectName(), QString::fromUtf8(system->page));
        EXPECT_EQ(pages->tabText(index), QString::fromUtf8(system->caption));
        EXPECT_EQ(pageOfSlot(*form, system->slot), pages->widget(index));
        ++index;
    }
    EXPECT_TRUE(pages->usesScrollButtons());
    EXPECT_EQ(pages->elideMode(), Qt::ElideNone);
}

// Every page has the room it was laid out in, 4 pixels inside the page control's frame on either side.
TEST_F(Window, PageClientAreaHoldsEveryControl)
{
    PageControl* pages = pageControl(*form);
    for (const systems::SystemDef* system : systems::Catalogue) {
        QWidget* page = pageOfSlot(*form, system->slot);
        pages->setCurrentWidget(page);
        EXPECT_EQ(page->size(), QSize(305, 478)) << system->page;
        EXPECT_EQ(page->mapTo(pages, QPoint()).x(), 4) << system->page;
    }
}

// Every control of every page stands where its system's data puts it, with its font and tab order.
TEST_F(Window, EveryControlFollowsItsSystemData)
{
    for (const systems::SystemDef* system : systems::Catalogue) {
        QWidget* page = pageOfSlot(*form, system->slot);
        SCOPED_TRACE(system->page);
        for (const systems::LabelDef& def : system->labels) {
            auto* l = page->findChild<QLabel*>(QString::fromUtf8(def.name));
            ASSERT_NE(l, nullptr) << def.name;
            EXPECT_EQ(l->y(), def.geometry.top) << def.name;
            const bool right = def.align == systems::Align::Right;
            const int edge = right ? l->x() + l->width() : l->x();
            EXPECT_EQ(edge, right ? def.geometry.left + def.geometry.width : def.geometry.left) << def.name;
            EXPECT_EQ(l->font().pixelSize(), def.font.pixels) << def.name;
            EXPECT_EQ(l->font().bold(), def.font.bold) << def.name;
            EXPECT_EQ(l->focusPolicy(), Qt::NoFocus) << def.name;
            if (def.role == systems::Role::Text) {
                EXPECT_EQ(l->text(), QString::fromUtf8(def.text)) << def.name;
            }
        }
        std::vector<const systems::ButtonDef*> tabOrder;
        for (const systems::ButtonDef& def : system->buttons) {
            auto* b = page->findChild<QPushButton*>(QString::fromUtf8(def.name));
            ASSERT_NE(b, nullptr) << def.name;
            EXPECT_EQ(
                b->geometry(), QRect(def.geometry.left, def.geometry.top, def.geometry.width, def.geometry.height))
                << def.name;
            EXPECT_EQ(b->text(), QString::fromUtf8(def.caption)) << def.name;
            EXPECT_EQ(b->font().pixelSize(), def.font.pixels) << def.name;
            EXPECT_EQ(b->font().bold(), def.font.bold) << def.name;
            tabOrder.push_back(&def);
        }
        std::ranges::sort(tabOrder, {}, &systems::ButtonDef::tabOrder);
        for (std::size_t i = 1; i < tabOrder.size(); ++i) {
            auto* previous = page->findChild<QPushButton*>(QString::fromUtf8(tabOrder[i - 1]->name));
            EXPECT_EQ(previous->nextInFocusChain()->objectName(), QString::fromUtf8(tabOrder[i]->name));
        }
    }
}

// Tab, from the tab row, goes through the page's controls and back, never stopping on the tab row's
// scroll arrows; a tool button given to a tab keeps its stop.
TEST_F(Window, TabSkipsOnlyTheScrollArrows)
{
    PageControl* pages = pageControl(*form);
    pages->setCurrentIndex(0);
    ASSERT_TRUE(pages->scrollArrow(PageControl::Scroll::Later)->isEnabled()) << "no arrow to skip";
    auto* given = new QToolButton(pages->tabBar());
    given->setObjectName(QStringLiteral("GivenToTab"));
    pages->tabBar()->setTabButton(0, QTabBar::RightSide, given);
    pages->tabBar()->setFocus();
    QStringList stops;
    do {
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        stops << form->focusWidget()->objectName();
    } while (form->focusWidget() != pages->tabBar() && stops.size() < 20);
    const std::string seen = stops.join(u' ').toStdString();
    EXPECT_TRUE(stops.contains(QStringLiteral("GivenToTab"))) << seen;
    EXPECT_TRUE(stops.contains(QStringLiteral("Button7"))) << seen;
    EXPECT_FALSE(stops.contains(QStringLiteral("ScrollRightButton"))) << seen;
    EXPECT_EQ(form->focusWidget(), pages->tabBar()) << "Tab never came back to the tab row";
}

TEST_F(Window, NoPlaceholderEverShows)
{
    const QStringList placeholders = {"XXX", "-0.125", "-0.15", "Az", "AZ", "bcm"};
    for (QLabel* l : form->findChildren<QLabel*>())
        EXPECT_FALSE(placeholders.contains(l->text())) << l->objectName().toStdString();
}

TEST_F(Window, CaptionsRenderInTheProportionalGothic)
{
    for (const char* name : {"Label5", "Label4", "Label3", "Label16"})
        EXPECT_EQ(QFontInfo(label(name)->font()).family(), QStringLiteral(SHOEWISE_EXPECTED_FACE)) << name;
    for (const char* name : {"Button4", "Button7"})
        EXPECT_EQ(QFontInfo(button(name)->font()).family(), QStringLiteral(SHOEWISE_EXPECTED_FACE)) << name;
    EXPECT_EQ(QFontInfo(form->font()).family(), QStringLiteral(SHOEWISE_EXPECTED_FACE));
    EXPECT_EQ(form->font().pixelSize(), 12);
}

// The stand-in face is wider than the one the layout was made for; no caption may end up cut off. On
// every platform a button's caption has all of the button but a 3-pixel frame, as the layout was drawn.
TEST_F(Window, EveryCaptionFitsItsBox)
{
    for (const systems::SystemDef* system : systems::Catalogue) {
        QWidget* page = pageOfSlot(*form, system->slot);
        for (const systems::ButtonDef& def : system->buttons) {
            auto* b = page->findChild<QPushButton*>(QString::fromUtf8(def.name));
            QStyleOptionButton option;
            option.initFrom(b);
            const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            EXPECT_EQ(room, b->rect().marginsRemoved({3, 3, 3, 3})) << def.name;
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), room.width()) << def.name;
            EXPECT_LE(b->fontMetrics().height(), room.height()) << def.name;
        }
        for (const systems::LabelDef& def : system->labels) {
            auto* l = page->findChild<QLabel*>(QString::fromUtf8(def.name));
            EXPECT_GE(l->width(), l->fontMetrics().size(0, l->text()).width()) << def.name;
            if (def.role == systems::Role::Text) {
                EXPECT_LE(l->width(), def.geometry.width) << def.name;
            }
        }
    }
    QLabel* footer = label("Label16");
    EXPECT_GE(footer->height(), footer->fontMetrics().height());
    EXPECT_LE(footer->y() + footer->height(), SHOEWISE_EXPECTED_WINDOW_HEIGHT);
    EXPECT_LE(footer->x() + footer->width(), SHOEWISE_EXPECTED_WINDOW_WIDTH);
}

TEST(WindowLocale, DecimalSeparatorFollowsTheLocale)
{
    const struct {
        QLocale locale;
        const char* runningCount;
        const char* trueCount;
    } rows[] = {
        {QLocale(QLocale::German, QLocale::Germany), "-0,125", "-0,13"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "-0\u066b125", "-0\u066b13"},  // not ASCII: kept as it is
    };
    for (const auto& row : rows) {
        QLocale::setDefault(row.locale);
        MainWindow form;
        QLocale::setDefault(QLocale::c());
        openEveryPage(form);
        auto* button = form.findChild<QPushButton*>("Button10");
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form.findChild<QLabel*>("Label6")->text(), QString::fromUtf8(row.runningCount));
        EXPECT_EQ(form.findChild<QLabel*>("Label54")->text(), QString::fromUtf8(row.trueCount));
        EXPECT_EQ(form.findChild<QLabel*>("Label73")->text(), "415");
    }
}

TEST_F(Window, WorkSurvivesSwitchingPages)
{
    click("Button5", 2);
    click("Button2");
    click("Button5");
    EXPECT_EQ(texts({"Label67", "Label5", "Label71", "Label1"}), (Texts {"413", "-19", "415", "-31"}));
}

// A page makes its controls the first time its tab is opened and not before, and then shows what its
// track holds: the start texts, however late, and whatever was counted on another page meanwhile.
TEST(LatePages, MadeWhenTheirTabIsFirstOpenedShowingTheirStartTexts)
{
    using Values = std::vector<std::pair<const char*, const char*>>;
    const std::pair<const char*, Values> hiddenAtStart[] = {
        {"TabSheet12", {{"Label33", "-16"}, {"Label69", "416"}}},
        {"TabSheet1", {{"Label1", "-32"}, {"Label71", "416"}}},
        {"TabSheet3", {{"Label6", "0"}, {"Label54", "0"}, {"Label73", "416"}}},
        {"TabSheet4", {{"Label9", "0"}, {"Label55", "0"}, {"Label75", "416"}}},
        {"TabSheet5", {{"Label12", "0"}, {"Label56", "0"}, {"Label77", "416"}}},
        {"TabSheet6", {{"Label15", "-16"}, {"Label79", "416"}}},
        {"TabSheet7", {{"Label19", "0"}, {"Label57", "0"}, {"Label81", "416"}}},
        {"TabSheet8", {{"Label21", "-16"}, {"Label83", "416"}}},
        {"TabSheet9", {{"Label23", "0"}, {"Label58", "0"}, {"Label85", "416"}, {"Label25", "32"}}},
        {"TabSheet13", {{"Label36", "0"}, {"Label59", "0"}, {"Label87", "416"}, {"Label38", "32"}}},
        {"TabSheet14", {{"Label40", "-16"}, {"Label89", "416"}}},
        {"TabSheet10", {{"Label26", "0"}, {"Label27", "BET ON PLAYER"}, {"Label64", "0"}, {"Label91", "416"}}},
        {"TabSheet11", {{"Label30", "0"}, {"Label31", "BET ON PLAYER"}, {"Label65", "0"}, {"Label93", "416"}}},
    };
    auto controls = [](const QWidget& page) {
        return page.findChildren<QLabel*>().size() + page.findChildren<QPushButton*>().size();
    };
    auto controlsInData = [](const CountPage& page) {
        return static_cast<qsizetype>(page.system().labels.size() + page.system().buttons.size());
    };
    MainWindow form;
    form.show();
    PageControl* pages = pageControl(form);
    ASSERT_EQ(pages->count(), std::ssize(hiddenAtStart) + 1);
    const auto* first = qobject_cast<CountPage*>(pages->widget(0));
    ASSERT_EQ(controls(*first), controlsInData(*first));
    QTest::mouseClick(form.findChild<QPushButton*>("Button5"), Qt::LeftButton);

    for (int index = 1; index < pages->count(); ++index) {
        const auto& [name, values] = hiddenAtStart[index - 1];
        SCOPED_TRACE(name);
        const auto* page = qobject_cast<CountPage*>(pages->widget(index));
        ASSERT_EQ(page->objectName(), name);
        for (int later = index; later < pages->count(); ++later)
            EXPECT_EQ(controls(*pages->widget(later)), 0) << "page " << later + 1;
        pages->tabBar()->setCurrentIndex(index);
        EXPECT_EQ(controls(*page), controlsInData(*page));
        for (const auto& [label, text] : values) {
            auto* shown = page->findChild<QLabel*>(label);
            ASSERT_NE(shown, nullptr) << label;
            EXPECT_EQ(shown->text(), QString::fromUtf8(text)) << label;
            EXPECT_TRUE(shown->isVisible()) << label;
        }
    }
}

}  // namespace
}  // namespace shoewise::testing
