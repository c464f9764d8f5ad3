// What assistive tools are told, on every page: names of buttons and value labels, and which changes
// are announced. Announcements only flow where the platform has an accessibility bridge, so those
// tests skip offscreen; accessibility.sh runs them again on X with the bridge on, where they must run.
// The same as seen from outside the process is checked by atspi_check.py.
#include "app/tform1.h"
#include "systems/catalogue.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace shoewise {
namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QString titleOf(systems::Role role)
{
    switch (role) {
    case systems::Role::CardsLeft: return QStringLiteral("Cards Left in Shoe");
    case systems::Role::RunningCount: return QStringLiteral("Running Count");
    case systems::Role::TrueCount: return QStringLiteral("True Count");
    case systems::Role::AcesLeft: return QStringLiteral("A残数");
    case systems::Role::Bet: return QStringLiteral("Bet");
    case systems::Role::Text: break;
    }
    return {};
}

// Counts the name changes announced for each object while it is installed.
std::map<QObject*, int>* announcements = nullptr;
void countAnnouncement(QAccessibleEvent* event)
{
    if (announcements && event->type() == QAccessible::NameChanged)
        ++(*announcements)[event->object()];
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        QAccessible::installUpdateHandler(countAnnouncement);
        announcements = &heard;
    }
    void TearDown() override
    {
        announcements = nullptr;
        QAccessible::installUpdateHandler(nullptr);
    }

    template <typename T> T* find(const char* name) const
    {
        T* widget = form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void click(const char* name)
    {
        auto* b = find<QPushButton>(name);
        form->pageControl()->setCurrentWidget(b->parentWidget());
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<TForm1> form;
    std::map<QObject*, int> heard;
};

// Every button is named by its caption and every value label by what it holds and its current text,
// before any press and after a press on every page.
TEST_F(Accessibility, EveryControlIsNamedByWhatItShows)
{
    for (const systems::SystemDef* system : systems::Catalogue) {
        CountPage* page = form->page(system->slot);
        SCOPED_TRACE(system->page);
        const systems::ButtonDef* card = nullptr;
        for (const systems::ButtonDef& def : system->buttons) {
            EXPECT_EQ(accessibleName(page->findChild<QPushButton*>(QString::fromUtf8(def.name))),
                QString::fromUtf8(def.caption))
                << def.name;
            if (def.operation == systems::Operation::Card && def.tag != 0 && !card)
                card = &def;
        }
        ASSERT_NE(card, nullptr);
        for (bool pressed : {false, true}) {
            if (pressed)
                click(card->name.data());
            for (const systems::LabelDef& def : system->labels) {
                auto* label = page->findChild<QLabel*>(QString::fromUtf8(def.name));
                const QString expected = def.role == systems::Role::Text
                    ? label->text()
                    : titleOf(def.role) + QStringLiteral(": ") + label->text();
                EXPECT_EQ(accessibleName(label), expected) << def.name << (pressed ? " after a press" : "");
            }
        }
    }
    EXPECT_EQ(accessibleName(find<QLabel>("Label5")), "Running Count: -21");
}

class Announcements : public Accessibility {
protected:
    void SetUp() override
    {
        Accessibility::SetUp();
        if (qEnvironmentVariableIsSet("SHOEWISE_REQUIRE_ACCESSIBILITY")) {
            ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
                << "the accessibility bridge never came up";
        } else if (!QAccessible::isActive()) {
            GTEST_SKIP() << "this platform has no accessibility bridge";
        }
    }
};

TEST_F(Announcements, OnlyChangedValuesAreAnnounced)
{
    auto* running = find<QLabel>("Label5");
    auto* cards = find<QLabel>("Label67");
    click("Button5");  // 2..7: both change
    EXPECT_EQ(heard[running], 1);
    EXPECT_EQ(heard[cards], 1);
    click("Button4");  // 8,9: the running count stays
    EXPECT_EQ(heard[running], 1);
    EXPECT_EQ(heard[cards], 2);
    click("Button71");  // undo: the running count stays again
    click("Button7");  // reset: back to the start, announced once more
    EXPECT_EQ(heard[running], 2);
    EXPECT_EQ(heard[cards], 4);
    EXPECT_EQ(accessibleName(running), "Running Count: -22");
}

TEST_F(Announcements, BetChangeIsAnnouncedWithItsNewText)
{
    auto* bet = find<QLabel>("Label27");
    EXPECT_EQ(accessibleName(bet), "Bet: BET ON PLAYER");
    click("Button42");  // 5,7,8 takes the count below zero: the bet turns
    EXPECT_EQ(accessibleName(bet), "Bet: BET ON BANKER");
    EXPECT_EQ(heard[bet], 1);
    click("Button42");  // still banker: nothing new to say
    EXPECT_EQ(heard[bet], 1);
}

TEST_F(Accessibility, PagesAreTabsNamedByTheirCaptions)
{
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(form->pageControl()->tabBar());
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->role(), QAccessible::PageTabList);
    int index = 0;
    for (const systems::SystemDef* system : systems::Catalogue) {
        QAccessibleInterface* tab = tabs->child(index++);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), QString::fromUtf8(system->caption));
    }
}

}  // namespace
}  // namespace shoewise

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shoewise::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
