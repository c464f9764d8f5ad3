#pragma once

#include <QTabWidget>

namespace shoewise {

class CountPage;

// The page control: one row of tabs that scrolls when the captions do not fit, never elided, so
// every system's full name stays readable. Where a page stands inside the control's frame is the
// layout style's to say.
class PageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);

    void addPage(CountPage* page);
};

}  // namespace shoewise
