#pragma once

#include "app/main_window.h"
#include "open_pages.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace shoewise::testing {

// Drives the real window as a user would: select the button's page, then click the button.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<MainWindow>();
        form->show();
        openEveryPage(*form);
    }

    template <typename T> T* find(const QString& name) const
    {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    std::string text(const QString& name) const
    {
        QLabel* l = label(name);
        return l ? l->text().toStdString() : std::string("<missing>");
    }

    // Opens a page as a user does: the tab row's arrows until the page's tab is wholly in view, then the tab.
    void openPage(QWidget* page)
    {
        auto* pages = find<PageControl>(QStringLiteral("PageControl1"));
        ASSERT_NE(pages, nullptr);
        const int index = pages->indexOf(page);
        ASSERT_GE(index, 0);
        QTabBar* bar = pages->tabBar();
        QToolButton* earlier = pages->scrollArrow(PageControl::Scroll::Earlier);
        QToolButton* later = pages->scrollArrow(PageControl::Scroll::Later);
        const int inView = earlier && earlier->isVisible() ? std::min(earlier->x(), later->x()) : bar->width();
        for (int step = 0; step < pages->count(); ++step) {
            const QRect tab = bar->tabRect(index);
            if (tab.left() < 0)
                QTest::mouseClick(earlier, Qt::LeftButton);
            else if (tab.right() >= inView)
                QTest::mouseClick(later, Qt::LeftButton);
            else
                break;
        }
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(pages->currentWidget(), page);
    }

    void click(const QString& name, int times = 1)
    {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr);
        if (!b->isVisible())
            openPage(b->parentWidget());
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(b, Qt::LeftButton);
    }

    // The texts of the named labels, in order: compared as one list so a failure shows them all.
    std::vector<std::string> texts(std::initializer_list<const char*> names) const
    {
        std::vector<std::string> result;
        for (const char* name : names)
            result.push_back(text(QString::fromUtf8(name)));
        return result;
    }

    std::unique_ptr<MainWindow> form;
};

using Texts = std::vector<std::string>;

}  // namespace shoewise::testing
