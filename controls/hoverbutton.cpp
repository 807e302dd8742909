#include "hoverbutton.h"

#include "platform/bitmaps.h"
#include "platform/resourcestrings.h"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kRestMilliseconds = 1;
const QColor kFocusDark(0x10, 0x20, 0x30);
constexpr int kButtonTool = 1;

struct Transition {
    HoverState from;
    HoverEvent event;
    HoverState to;
};

// Pairs not listed leave the state as it is: a move while over the button
// asks nothing more, a rest that comes after leaving is stale.
constexpr Transition kTransitions[] = {
    {HoverState::Away, HoverEvent::Moved, HoverState::Arrived},
    {HoverState::Arrived, HoverEvent::Rested, HoverState::Hovering},
    {HoverState::Arrived, HoverEvent::Left, HoverState::Away},
    {HoverState::Hovering, HoverEvent::Left, HoverState::Away},
};

} // namespace

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    restTimer.setSingleShot(true);
    restTimer.setInterval(kRestMilliseconds);
    connect(&restTimer, &QTimer::timeout, this, [this] { Apply(HoverEvent::Rested); });
}

bool CHoverButton::LoadFrameStrip(int bitmapId)
{
    SetFrameStrip(platform::LoadPixmap(bitmapId));
    return true;
}

void CHoverButton::SetFrameStrip(const QPixmap& newStrip)
{
    strip = newStrip;
    const QSize whole = strip.deviceIndependentSize().toSize();
    frameSize = QSize(whole.width() / 3, whole.height());
    resize(frameSize);
    update();
}

CHoverButton::Picture CHoverButton::CurrentPicture() const
{
    if (isDown())
        return Pressed;
    return state == HoverState::Hovering ? Hover : Normal;
}

bool CHoverButton::ShowsFocusMark() const
{
    return hasFocus() && !focusFromMouse;
}

void CHoverButton::focusInEvent(QFocusEvent* event)
{
    // A click gives the focus without a mark, as on the platform's own
    // buttons; the keyboard, or the window coming back, keeps it marked.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        focusFromMouse = event->reason() == Qt::MouseFocusReason;
    QAbstractButton::focusInEvent(event);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    if (strip.isNull())
        return;
    QPainter painter(this);
    // The source is in the strip's own pixels, finer than the button's on a
    // scaled display.
    const qreal ratio = strip.devicePixelRatio();
    const QRectF source(CurrentPicture() * frameSize.width() * ratio, 0, frameSize.width() * ratio,
                        frameSize.height() * ratio);
    painter.drawPixmap(QRectF(QPointF(0, 0), QSizeF(frameSize)), strip, source);
    if (ShowsFocusMark()) {
        // A dark ring with a white one inside shows on the dark header and
        // on the light panels alike.
        painter.setPen(QPen(kFocusDark, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void CHoverButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses the button as for every push button; Enter does too.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CHoverButton::Apply(HoverEvent hoverEvent)
{
    for (const Transition& transition : kTransitions) {
        if (transition.from == state && transition.event == hoverEvent) {
            state = transition.to;
            if (state == HoverState::Arrived)
                restTimer.start();
            else
                restTimer.stop();
            update();
            return;
        }
    }
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    Apply(HoverEvent::Moved);
    QAbstractButton::enterEvent(event);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    Apply(HoverEvent::Moved);
    QAbstractButton::mouseMoveEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    Apply(HoverEvent::Left);
    QAbstractButton::leaveEvent(event);
}

ToolTip& CHoverButton::EnsureTip()
{
    if (!tip)
        tip = std::make_unique<ToolTip>(this); // made inactive
    return *tip;
}

bool CHoverButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        EnsureTip().Show(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QAbstractButton::event(event);
}

void CHoverButton::SetTipText(const QString& text, bool activate)
{
    if (text.isNull())
        return;
    ToolTip& t = EnsureTip();
    t.AddTool(kButtonTool, rect(), text);
    t.SetToolText(kButtonTool, text);
    t.SetActive(activate);
    tipText = text;
    DescribeForScreenReaders();
}

void CHoverButton::SetShownWords(const QString& words)
{
    shownWords = words;
    DescribeForScreenReaders();
}

void CHoverButton::DescribeForScreenReaders()
{
    setAccessibleName(shownWords.isEmpty() ? tipText : shownWords);
    setAccessibleDescription(tipText);
}

void CHoverButton::SetTipTextById(int stringId, bool activate)
{
    const QString text = platform::LoadResourceString(stringId);
    if (!text.isEmpty())
        SetTipText(text, activate);
}

void CHoverButton::ActivateTip(bool activate)
{
    if (tip && tip->ToolCount() > 0)
        tip->SetActive(activate);
}
