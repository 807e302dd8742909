#pragma once
// A push button drawn entirely from a strip of three pictures (normal,
// pressed, hover) that lights up while the pointer rests on it.

#include "tooltip.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <memory>

// Where the pointer is, as far as the button knows.
enum class HoverState {
    Away,     // not over the button
    Arrived,  // over it, not yet rested
    Hovering, // rested on it: the hover picture shows
};

// What the pointer does to the button.
enum class HoverEvent { Moved, Rested, Left };

class CHoverButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Picture { Normal = 0, Pressed = 1, Hover = 2 };

    explicit CHoverButton(QWidget* parent = nullptr);

    // Loads the strip bitmap and resizes the button to one picture, keeping
    // its place. A missing bitmap leaves an empty strip and a 0 x 0 button.
    bool LoadFrameStrip(int bitmapId);
    void SetFrameStrip(const QPixmap& strip);

    // The tip has one tool, the button's rectangle at the first call; later
    // calls change its text. A null text changes nothing. The tip is also
    // the button's accessible description, and its name while the picture
    // shows no words.
    void SetTipText(const QString& text, bool activate);
    // The words drawn on the picture: what a screen reader reads as the
    // button's name. Empty for a picture of a glyph.
    void SetShownWords(const QString& words);
    void SetTipTextById(int stringId, bool activate);
    void ActivateTip(bool activate);

    QSize FrameSize() const { return frameSize; }
    HoverState State() const { return state; }
    // The picture the button shows now; pressed wins over hover.
    Picture CurrentPicture() const;
    // The tip, once some text or event has made it.
    const ToolTip* Tip() const { return tip.get(); }

    QSize sizeHint() const override { return frameSize; }

    // True while the button has a focus the mouse did not give it, which it
    // marks with a ring.
    bool ShowsFocusMark() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Apply(HoverEvent hoverEvent);
    ToolTip& EnsureTip();
    void DescribeForScreenReaders();

    QPixmap strip;
    QSize frameSize{0, 0};
    HoverState state = HoverState::Away;
    // The pointer counts as resting after this short pause on the button.
    QTimer restTimer;
    std::unique_ptr<ToolTip> tip;
    QString tipText;
    QString shownWords;
    bool focusFromMouse = false;
};
