#pragma once

#include <QWidget>

namespace shoewise {

// Has a screen reader speak a short text, focused or not, a new text cutting the one still being
// spoken short. Where Qt has the accessibility event made for it (6.8 on), every platform's bridge
// passes that on. Before it, screen readers ignore renamed labels and speak renamed controls only
// while they have the focus, but they do speak a notification as it appears: so this is one that
// takes no room and is never drawn, and for every text it is hidden, renamed and shown again. The
// build chooses the way by Qt's version.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

}  // namespace shoewise
