#include "transparentstatic.h"

#include "fontspec.h"
#include "textoptions.h"

#include <QFontMetrics>
#include <QPainter>

CTransparentStatic::CTransparentStatic(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

QFont CTransparentStatic::TextFont()
{
    // "Arial" is the face the program's font file provides while the main
    // window has it registered; without the file the system's Arial stands in.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kPhraseFontPixels);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void CTransparentStatic::paintEvent(QPaintEvent*)
{
    const QString shown = text();
    if (shown.isEmpty())
        return;
    const QtTextLayout layout = QtLayoutForOptions(DrawingOptionsForStyle(staticStyle));
    QPainter painter(this);
    painter.setFont(TextFont());
    painter.setPen(textColour);
    const QRect area = rect();
    const QString drawn = layout.elide == Qt::ElideNone
        ? shown
        : QFontMetrics(painter.font()).elidedText(shown, layout.elide, area.width(), layout.flags);
    painter.drawText(area, layout.flags, drawn);
}
