#pragma once

#include "app/tform1.h"
#include "open_pages.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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
        form = std::make_unique<TForm1>();
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

    void click(const QString& name, int times = 1)
    {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr);
        auto* page = qobject_cast<CountPage*>(b->parentWidget());
        ASSERT_NE(page, nullptr);
        if (form->pageControl()->currentWidget() != page)
            form->pageControl()->setCurrentWidget(page);
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

    std::unique_ptr<TForm1> form;
};

using Texts = std::vector<std::string>;

}  // namespace shoewise::testing
