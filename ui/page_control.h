#pragma once

#include <QTabWidget>

#include <cstdint>

class QToolButton;

namespace shoewise {

class CountPage;

// The page control: one row of tabs that scrolls when the captions do not fit, never elided, so
// every system's full name stays readable. Its scroll arrows are for the mouse: the tab row itself
// takes the focus and moves with the arrow keys, so Tab never stops on an arrow. Where a page stands
// inside the control's frame is the layout style's to say.
class PageControl : public QTabWidget {
    Q_OBJECT

public:
    enum class Scroll : std::uint8_t { Earlier, Later };

    explicit PageControl(QWidget* parent = nullptr);

    void addPage(CountPage* page);
    // The tab row's arrow that brings earlier or later tabs into view.
    QToolButton* scrollArrow(Scroll direction) const;
};

}  // namespace shoewise
