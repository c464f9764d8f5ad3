#pragma once

#include "engine/count_track.h"
#include "systems/system_def.h"

#include <QWidget>

#include <string>
#include <vector>

namespace shoewise {

class Announcer;
class AutoSizeLabel;

// One counting system's page, built entirely from its data: labels and buttons where the data puts
// them, every button bound to one operation on the page's own track. The page owns its track, so the
// track lives exactly as long as the widgets that show it. After every operation the page shows the
// track's values again; the labels hold nothing of their own. The track exists from the start, but
// the controls are made only the first time the page is shown: most pages are never opened at all.
class CountPage : public QWidget {
    Q_OBJECT

public:
    explicit CountPage(const systems::SystemDef& system, QWidget* parent = nullptr);

    const systems::SystemDef& system() const { return system_; }

    // Makes the labels and buttons the first time the page is shown, before they are shown with it.
    void setVisible(bool visible) override;

private:
    // What the page shows, as one line to be spoken: each value after its caption, in reading order.
    QString summary() const;
    void build();
    // Writes every value label from the track: cards left, running count, true count, aces left, bet.
    void showTrack();
    void run(systems::Operation operation, std::int32_t tag);
    void showBet(AutoSizeLabel& label) const;

    struct ValueLabel {
        systems::Role role = systems::Role::Text;
        AutoSizeLabel* label = nullptr;
        QString caption;  // empty for the bet, whose text says what it is
        QPoint designPlace;
    };

    const systems::SystemDef& system_;
    CountTrack track_;
    std::vector<ValueLabel> values_;  // in writing order
    std::vector<ValueLabel> readingOrder_;
    Announcer* announcer_ = nullptr;
    std::string decimalSeparator_;  // UTF-8, as the locale gives it
    bool built_ = false;
};

}  // namespace shoewise
