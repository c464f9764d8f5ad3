#pragma once

#include "engine/count_track.h"

#include <QWidget>

#include <array>

namespace shoewise {

class AutoSizeLabel;
class CountPage;
class PageControl;

// Names the program, maps its fonts and keeps the layout left to right; call once after the
// application object exists.
void setUpApplication();

// The main window: the page control with every system's page, the strategy chart beside it and the
// footer. It owns every count track, one per slot, for the life of the program.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int SlotCount = 14;
    static constexpr QSize ClientSize {684, 551};

    explicit TForm1(QWidget* parent = nullptr);

    PageControl* pageControl() const { return pageControl_; }
    // The page of a slot (1-based), or nullptr for a slot that has no system.
    CountPage* page(int slot) const;
    const CountTrack& track(int slot) const { return tracks_.at(static_cast<std::size_t>(slot - 1)); }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Puts every track into its start state and every value label to its start text.
    void FormCreate();
    void centreOnScreen();

    bool frameCentred_ = false;
    std::array<CountTrack, SlotCount> tracks_ {};
    std::array<CountPage*, SlotCount> pages_ {};
    PageControl* pageControl_ = nullptr;
    QWidget* chart_ = nullptr;
    AutoSizeLabel* footer_ = nullptr;
};

}  // namespace shoewise
