#pragma once
// A caption drawn over the skin that never cuts its words: a text a little
// too wide for its box is drawn a size or two smaller on one line, and a text
// that fits in no such size wraps from the top, so its first line is whole.

#include <QLabel>

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The font the text is drawn in: the label's own, or the largest size
    // down to four fifths of it in which the text fits on one line.
    QFont ShownFont() const;
    // Whether the text is drawn on one line.
    bool FitsOneLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
