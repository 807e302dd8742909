#include "label.h"

#include "controlcolour.h"
#include "controlid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kFlashMilliseconds = 500;
constexpr int kLabelTool = 0;
} // namespace

CLabel::CLabel(QWidget* parent)
    : QLabel(parent),
      textColour(QApplication::palette().color(QPalette::WindowText)),
      backBrush(QApplication::palette().color(QPalette::Button)),
      plainBrush(QApplication::palette().color(QPalette::Button)),
      fontSpec(FontSpecFrom(QApplication::font())),
      drawingFont(FontFrom(fontSpec))
{
    // A static text reads from the top left and wraps at word ends.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void CLabel::Redraw()
{
    repaint();
}

CLabel& CLabel::FontChanged()
{
    drawingFont = FontFrom(fontSpec);
    Redraw();
    return *this;
}

CLabel& CLabel::SetTextColour(QColor colour)
{
    textColour = colour;
    Redraw();
    return *this;
}

CLabel& CLabel::SetBackgroundColour(QColor colour)
{
    backBrush = QBrush(colour);
    return *this;
}

CLabel& CLabel::SetBold(bool bold)
{
    fontSpec.weight = bold ? 700 : 400;
    return FontChanged();
}

CLabel& CLabel::SetItalic(bool italic)
{
    fontSpec.italic = italic;
    return FontChanged();
}

CLabel& CLabel::SetUnderline(bool underline)
{
    fontSpec.underline = underline;
    return FontChanged();
}

CLabel& CLabel::SetCharHeight(int pixels)
{
    fontSpec.height = -pixels;
    return FontChanged();
}

CLabel& CLabel::SetFaceName(const QString& name)
{
    fontSpec.faceName = name.left(FontSpec::kMaxFaceName);
    return FontChanged();
}

void CLabel::UpdateFrame()
{
    // The sunken edge wins where both are asked for, as it is the wider frame.
    if (staticEdge)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (thinBorder)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    else
        setFrameStyle(QFrame::NoFrame);
    setLineWidth(1);
}

CLabel& CLabel::SetStaticEdge(bool on)
{
    staticEdge = on;
    UpdateFrame();
    return *this;
}

CLabel& CLabel::SetThinBorder(bool on)
{
    thinBorder = on;
    UpdateFrame();
    return *this;
}

CLabel& CLabel::SetClickable(bool on)
{
    clickable = on;
    return *this;
}

CLabel& CLabel::SetHoverCursor(const QCursor& cursor)
{
    setCursor(cursor);
    return *this;
}

CLabel& CLabel::SetTextFlash(bool on)
{
    if (flashing) {
        setText(savedText);
        flashTimer.stop();
    }
    if (on) {
        savedText = text();
        flashPhase = false;
        flashing = true;
        flashTimer.start(kFlashMilliseconds, Qt::PreciseTimer, this);
        flashKind = FlashKind::Text;
    }
    return *this;
}

CLabel& CLabel::SetBackgroundFlash(bool on)
{
    if (flashing)
        flashTimer.stop();
    if (on) {
        flashPhase = false;
        flashing = true;
        flashTimer.start(kFlashMilliseconds, Qt::PreciseTimer, this);
        flashKind = FlashKind::Background;
    }
    return *this;
}

void CLabel::SetLabelTip(const QString& text, int displayMilliseconds)
{
    if (!tip) {
        tip = std::make_unique<ToolTip>(this);
        tip->AddTool(kLabelTool, rect(), text);
        tip->SetActive(true);
    } else {
        tip->SetToolText(kLabelTool, text);
    }
    if (displayMilliseconds != 0)
        tip->SetDisplayTime(displayMilliseconds);
}

QBrush CLabel::CurrentBrush() const
{
    return flashKind == FlashKind::Background && !flashPhase ? plainBrush : backBrush;
}

void CLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush background = ResolveChildBackground(this, resources::ControlKind::Static, CurrentBrush());
    if (background.style() != Qt::NoBrush)
        painter.fillRect(rect(), background);
    drawFrame(&painter);
    painter.setFont(drawingFont);
    painter.setPen(textColour);
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | wrap, text());
}

void CLabel::timerEvent(QTimerEvent* event)
{
    flashPhase = !flashPhase;
    if (flashKind == FlashKind::Text)
        setText(flashPhase ? QString() : savedText);
    else if (flashKind == FlashKind::Background)
        repaint();
    QLabel::timerEvent(event);
}

void CLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && parentWidget())
        QCoreApplication::postEvent(parentWidget(), new LabelRightClickEvent(ControlId(this)));
    if (clickable && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    // Otherwise the press goes on to the window, which may start a drag.
    QLabel::mousePressEvent(event);
}

void CLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (clickable && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

bool CLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && tip) {
        tip->Show(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QLabel::event(event);
}
