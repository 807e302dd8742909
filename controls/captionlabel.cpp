#include "captionlabel.h"

#include <QFontInfo>
#include <QPainter>

namespace {

bool FitsWidth(const QFont& font, const QString& text, int width)
{
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

} // namespace

QFont CaptionLabel::ShownFont() const
{
    QFont shown = font();
    const int size = shown.pixelSize() > 0 ? shown.pixelSize() : QFontInfo(shown).pixelSize();
    const int width = contentsRect().width();
    for (int candidate = size; candidate * 5 >= size * 4; --candidate) {
        shown.setPixelSize(candidate);
        if (FitsWidth(shown, text(), width))
            return shown;
    }
    return font();
}

bool CaptionLabel::FitsOneLine() const
{
    return FitsWidth(ShownFont(), text(), contentsRect().width());
}

void CaptionLabel::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(ShownFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    const int flags = FitsOneLine() ? int(alignment()) | Qt::TextSingleLine
                                    : int(horizontal | Qt::AlignTop) | Qt::TextWordWrap;
    painter.drawText(contentsRect(), flags, text());
}
