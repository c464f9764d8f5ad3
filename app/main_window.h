#pragma once

#include "program.h"

#include <QWidget>

namespace shoewise {

class AutoSizeLabel;
class PageControl;

// The main window: the page control with every system's page, the strategy chart beside it and the
// footer. Each page owns its slot's count track, so a track lives exactly as long as its page; each
// track starts in its start state, and each page writes it when first shown. The window is centred
// as it is made, and again once the window manager has framed it.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize ClientSize {program::WindowWidth, program::WindowHeight};
    // Windows gives a window a resizable frame unless told it is fixed; other systems ignore that hint.
    static constexpr Qt::WindowFlags Flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint
        | Qt::MSWindowsFixedSizeDialogHint;

    explicit MainWindow(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centreOnScreen();

    bool frameCentred_ = false;
    bool attentionKept_ = false;  // kept from being asked for, once the window is first shown
    PageControl* pageControl_ = nullptr;
    QWidget* chart_ = nullptr;
    AutoSizeLabel* footer_ = nullptr;
};

}  // namespace shoewise
