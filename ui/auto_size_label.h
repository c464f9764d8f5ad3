#pragma once

#include <QLabel>

namespace shoewise {

// A label that is always exactly as wide as its text and keeps one edge where it was placed: a
// right-aligned label grows to the left, a left-aligned one to the right. Setting the text it already
// shows does nothing, so an unchanged value is not relaid out.
class AutoSizeLabel : public QLabel {
    Q_OBJECT

public:
    // The left or right edge of `design` (by `alignment`) becomes the fixed edge; its top and height
    // stay; the width follows the text.
    // The text is measured once, in `font`.
    AutoSizeLabel(const QString& text, const QRect& design, Qt::Alignment alignment, const QFont& font,
        QWidget* parent = nullptr);

    void setValueText(const QString& text);
    // Names the label for assistive tools as "title: text", renamed with every new text, so that a
    // screen reader's review of the window reads what the value is next to the value itself. Empty
    // leaves the name alone.
    void setAccessibleTitle(const QString& title);
    // Sets lines of a multi-line text this many pixels apart instead of the font's own line spacing,
    // which for the stand-in face is a pixel taller than the layout was made for.
    void setLinePitch(int pixels);
    int linePitch() const { return linePitch_; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();
    // Sizes the label to a text of the given natural size, keeping its fixed edge.
    void place(QSize natural);
    void nameForAccessibility();

    QString accessibleTitle_;
    int anchorX_;  // the fixed edge: the left edge, or one past the right edge
    int designHeight_;
    int linePitch_ = 0;
    bool keepRight_;
};

}  // namespace shoewise
