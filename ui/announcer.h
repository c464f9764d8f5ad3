#pragma once

#include <QWidget>

namespace shoewise {

// Has a screen reader speak a short text. Screen readers ignore renamed labels and speak renamed
// controls only while they have the focus, but they do speak a notification as it appears, focused
// or not. So this is a notification that takes no room and is never drawn: for every text it is
// hidden, renamed and shown again. A new text cuts the one still being spoken short.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Whether every text is also raised as a new text value of the announcer's parent, which is shown:
    // the form some platforms' accessibility bridges pass on to screen readers in place of a
    // notification's appearance. Set by the platform at start-up.
    static void alsoRaiseValueChange(bool raise);

    void announce(const QString& text);

private:
    static inline bool raiseValueChange_ = false;
};

}  // namespace shoewise
