// What assistive tools are told, on every page: names of the tabs, buttons and value labels, and when
// the page's values are announced; and which keys press a button. What a screen reader really speaks
// is checked by screen_reader.sh, the tree as seen from outside the process by atspi_check.py.
#include "app/main_window.h"
#include "app/startup.h"
#include "systems/catalogue.h"
#include "tests/desktop/assistive_client.h"
#include "tests/desktop/heard.h"
#include "tests/window/open_pages.h"
#include "ui/announcer.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

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

// Records what the page tells assistive tools after an operation, in each form a platform's bridge
// passes on: an announcement event, or the notification's appearance where Qt has no such event
// (heard); and any text value change of a page (heardAsValue), which a screen reader would speak as
// well. Every event still reaches the platform's own bridge.
class Listener : public QObject {
public:
    Listener() { previous_ = QAccessible::installUpdateHandler(&Listener::update); }
    ~Listener() override { QAccessible::installUpdateHandler(previous_); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            heard.push_back(static_cast<QWidget*>(watched)->accessibleName().toStdString());
        return false;
    }

    inline static std::vector<std::string> heard;
    inline static std::vector<std::string> heardAsValue;

private:
    static void update(QAccessibleEvent* event)
    {
        if (std::optional<std::string> text = testing::announcementOf(*event)) {
            EXPECT_TRUE(qobject_cast<Announcer*>(event->object())) << "announced by the page's notification";
            heard.push_back(*text);
        }
        if (event->type() == QAccessible::ValueChanged && qobject_cast<CountPage*>(event->object()))
            heardAsValue.push_back(static_cast<QAccessibleValueChangeEvent*>(event)->value().toString().toStdString());
        // Passed on to the platform's bridge as if no one had listened here.
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&Listener::update);
    }

    QAccessible::UpdateHandler previous_ = nullptr;
};

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<MainWindow>();
        for (Announcer* announcer : form->findChildren<Announcer*>())
            announcer->installEventFilter(&listener);
        form->show();
        testing::openEveryPage(*form);
        Listener::heard.clear();
        Listener::heardAsValue.clear();
        if (qEnvironmentVariableIsSet("SHOEWISE_EXPECT_ACCESSIBLE")) {
            testing::connectAssistiveClient(*form);
            ASSERT_TRUE(QTest::qWaitFor(QAccessible::isActive, 10'000)) << "the accessibility bridge never came on";
        }
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
        testing::pageControl(*form)->setCurrentWidget(b->parentWidget());
        QTest::mouseClick(b, Qt::LeftButton);
    }

    Listener listener;  // outlives the window it listens to
    std::vector<std::string>& heard = Listener::heard;
    std::unique_ptr<MainWindow> form;
};

// Every button is named by its caption and every value label by what it holds and its current text,
// before any press and after a press on every page.
TEST_F(Accessibility, EveryControlIsNamedByWhatItShows)
{
    for (const systems::SystemDef* system : systems::Catalogue) {
        CountPage* page = testing::pageOfSlot(*form, system->slot);
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

// One announcement per operation that did something, none at start-up or on a page change; and none
// at all where no assistive tool listens, as offscreen, where Qt has no accessibility bridge.
// accessibility.sh, and on Windows tests/windows/accessibility.sh, run these tests again with the
// bridge on.
TEST_F(Accessibility, EachOperationIsAnnouncedOnce)
{
    for (int index = 0; index < testing::pageControl(*form)->count(); ++index)
        testing::pageControl(*form)->setCurrentIndex(index);
    EXPECT_EQ(heard, std::vector<std::string> {});

    click("Button4");  // KO 8,9
    click("Button71");  // undo
    click("Button7");  // reset
    std::vector<std::string>& heardAsValue = Listener::heardAsValue;
    if (!QAccessible::isActive()) {
        EXPECT_EQ(heard, std::vector<std::string> {});
        EXPECT_EQ(heardAsValue, std::vector<std::string> {});
        return;
    }
    EXPECT_EQ(heard,
        (std::vector<std::string> {"Running Count -22, Cards Left in Shoe 415",
            "Running Count -22, Cards Left in Shoe 416", "Running Count -22, Cards Left in Shoe 416"}));
    EXPECT_EQ(heardAsValue, std::vector<std::string> {}) << "a screen reader would hear every count twice";

    heard.clear();
    heardAsValue.clear();
    for (int ace = 0; ace <= 32; ++ace)
        click("Button38");  // Advanced-Omega-II A: the 33rd is refused, silently
    ASSERT_EQ(heard.size(), 32U);
    EXPECT_EQ(heard.back(), "Running Count 0, True Count 0, Cards Left in Shoe 384, A残数 0");
    EXPECT_EQ(heardAsValue, std::vector<std::string> {});
}

// Enter presses a focused button like Space; no other key does anything to it.
TEST_F(Accessibility, OnlyEnterAndSpacePressAButton)
{
    auto* button = find<QPushButton>("Button4");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cards;
    } keys[] = {{Qt::Key_Space, Qt::NoModifier, 1}, {Qt::Key_Return, Qt::NoModifier, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, 1}, {Qt::Key_Down, Qt::NoModifier, 0}, {Qt::Key_Right, Qt::NoModifier, 0},
        {Qt::Key_Escape, Qt::NoModifier, 0}, {Qt::Key_A, Qt::NoModifier, 0}, {Qt::Key_8, Qt::NoModifier, 0}};
    for (const auto& key : keys) {
        const int before = find<QLabel>("Label67")->text().toInt();  // cards left
        QTest::keyClick(button, key.key, key.modifiers);
        EXPECT_EQ(before - find<QLabel>("Label67")->text().toInt(), key.cards) << QTest::toString(key.key);
    }
}

TEST_F(Accessibility, PagesAreTabsNamedByTheirCaptions)
{
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(testing::pageControl(*form)->tabBar());
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
    shoewise::Startup startup(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
