#pragma once

#include <QWidget>

namespace shoewise {

class AutoSizeLabel;
class PageControl;

// Names the program, maps its fonts and keeps the layout left to right; call once after the
// application object exists.
void setUpApplication();

// The main window: the page control with every system's page, the strategy chart beside it and the
// footer. Each page owns its slot's count track, so a track lives exactly as long as its page.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize ClientSize {684, 551};

    explicit TForm1(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Centres the window. Each track starts in its start state, and each page writes it when first shown.
    void FormCreate();
    void centreOnScreen();

    bool frameCentred_ = false;
    PageControl* pageControl_ = nullptr;
    QWidget* chart_ = nullptr;
    AutoSizeLabel* footer_ = nullptr;
};

}  // namespace shoewise
