#pragma once

#include <QLabel>

namespace shoewise {

// A label that is always exactly as wide as its text and keeps one edge where it was placed: a
// right-aligned label grows to the left, a left-aligned one to the right. Setting the text it already
// shows does nothing, so an unchanged value is neither relaid out nor announced again.
class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    // The left or right edge of `design` (by `alignment`) becomes the fixed edge; its top and height
    // stay; the width follows the text.
    AutoSizeLabel(const QString& text, const QRect& design, Qt::Alignment alignment, QWidget* parent = nullptr);

    void setValueText(const QString& text);
    bool keepsRightEdge() const { return keepRight_; }
    // The x of the fixed edge: the left edge, or one past the right edge.
    int anchorX() const { return anchorX_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    int anchorX_;
    int designHeight_;
    bool keepRight_;
};

}  // namespace shoewise
