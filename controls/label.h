#pragma once
// A static text in a colour and font of its own, which can flash its text or
// its background, show a cursor and a tool tip of its own, and tells its
// parent when it is right-clicked.

#include "fontspec.h"
#include "tooltip.h"

#include <QBasicTimer>
#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <memory>
#include <optional>

// Posted to a label's parent when the label is right-clicked: the first
// application-defined event number plus 100, carrying 0 and the label's id.
class LabelRightClickEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 100);
    explicit LabelRightClickEvent(int controlId) : QEvent(kType), controlId(controlId) {}
    const int firstParameter = 0;
    const int controlId;
};

class CLabel : public QLabel {
    Q_OBJECT
public:
    enum class FlashKind { None = 0, Text = 1, Background = 2 };

    explicit CLabel(QWidget* parent = nullptr);

    // Each setter returns the label, so calls chain.
    CLabel& SetTextColour(QColor colour);
    CLabel& SetBackgroundColour(QColor colour); // shows at the next repaint
    CLabel& SetBold(bool bold);
    CLabel& SetItalic(bool italic);
    CLabel& SetUnderline(bool underline);
    CLabel& SetCharHeight(int pixels);
    CLabel& SetFaceName(const QString& name); // longer names are cut to 31 characters
    CLabel& SetStaticEdge(bool on);
    CLabel& SetThinBorder(bool on);
    CLabel& SetClickable(bool on);
    CLabel& SetHoverCursor(const QCursor& cursor);
    CLabel& SetTextFlash(bool on);
    CLabel& SetBackgroundFlash(bool on);
    // Shows `text` over the whole label; a non-zero `displayMilliseconds` is how
    // long the tip then stays up.
    void SetLabelTip(const QString& text, int displayMilliseconds = 0);

    QColor TextColour() const { return textColour; }
    const FontSpec& FontDescription() const { return fontSpec; }
    const QFont& DrawingFont() const { return drawingFont; }
    FlashKind Flash() const { return flashKind; }
    bool FlashPhase() const { return flashPhase; }
    bool FlashTimerRunning() const { return flashTimer.isActive(); }
    // The brush the label answers with now: the plain one in the off phase of
    // a background flash, its background brush otherwise.
    QBrush CurrentBrush() const;
    const ToolTip* Tip() const { return tip.get(); }

signals:
    // A left click on a clickable label.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    CLabel& FontChanged();
    void Redraw();
    void UpdateFrame();

    QColor textColour;
    QBrush backBrush;
    QBrush plainBrush;
    FontSpec fontSpec;
    QFont drawingFont;
    QString savedText;
    bool flashPhase = false;
    bool flashing = false;
    FlashKind flashKind = FlashKind::None;
    QBasicTimer flashTimer;
    bool staticEdge = false;
    bool thinBorder = false;
    bool clickable = false;
    std::unique_ptr<ToolTip> tip;
};
