#include "artwork.h"
#include "drawing.h"
#include "style.h"

#include "platform/dialogunits.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/dialogtemplate.h"

#include <QPainterPath>

namespace art {

namespace {

QRect TemplateRect(const resources::DialogTemplate& dialog, int controlId)
{
    const resources::TemplateControl* row = resources::FindTemplateControl(dialog, controlId);
    return row ? platform::DialogUnitsToPixels(QRect(row->x, row->y, row->width, row->height)) : QRect();
}

// A picture button takes the size of one picture of its strip, from the
// place its template gives it; the mark beside it must clear that.
QRect ButtonRect(int controlId)
{
    const QRect place = TemplateRect(resources::kMainTemplate, controlId);
    for (const resources::ButtonStrip& strip : resources::kButtonStrips)
        if (strip.controlId == controlId)
            return QRect(place.topLeft(), QSize(strip.width / 3, strip.height));
    return place;
}

// Everything below is laid out around the controls of the main template.
constexpr int kHeaderBottom = 100;
constexpr int kFooterTop = 506;
constexpr qreal kOutline = 26;

void Header(QPainter& p, QSize size)
{
    QLinearGradient band(0, 0, 0, kHeaderBottom);
    band.setColorAt(0, kNavyLight);
    band.setColorAt(1, kNavy);
    p.fillRect(QRect(0, 0, size.width(), kHeaderBottom), band);
    // A faint highlight along the top edge, where the light comes from.
    p.fillRect(QRect(0, 0, size.width(), 2), QColor(255, 255, 255, 40));
    p.fillRect(QRect(0, kHeaderBottom - 1, size.width(), 1), kNavyDeep);

    SpeechBubble(p, QRectF(118, 14, 30, 26), kOnDark);
    Ribbon(p, QRectF(126, 19, 14, 9));
    Text(p, QRectF(156, 10, 400, 30), QStringLiteral("French Phrase Book"), Sans(24, true), kOnDark,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRectF(400, 18, 220, 20), QStringLiteral("Speak it \u00B7 Hear it \u00B7 Travel"), Sans(12),
         kOnDarkSoft, Qt::AlignRight | Qt::AlignVCenter);

    // A shelf for the favourites and related links.
    const QRect links = TemplateRect(resources::kMainTemplate, resources::kFavouritesViewButton)
                            .united(TemplateRect(resources::kMainTemplate, resources::kRelatedButton));
    Panel(p, QRectF(links.adjusted(-8, -3, 8, 3)), 8, QColor(255, 255, 255, 28), QColor(255, 255, 255, 18),
          QColor(255, 255, 255, 50), false);

    const QRect version = TemplateRect(resources::kMainTemplate, resources::kVersionText);
    // Lined up with the version text's 15-pixel Arial, drawn from its top.
    Text(p, QRectF(version.left() - 58, version.top() + 2, 54, 16), QStringLiteral("Version"), Sans(12),
         kOnDarkSoft, Qt::AlignRight | Qt::AlignTop);
}

void Footer(QPainter& p, QSize size)
{
    QLinearGradient band(0, kFooterTop, 0, size.height());
    band.setColorAt(0, kNavy);
    band.setColorAt(1, kNavyDeep);
    p.fillRect(QRect(0, kFooterTop, size.width(), size.height() - kFooterTop), band);
    p.fillRect(QRect(0, kFooterTop, size.width(), 1), QColor(255, 255, 255, 45));
    Text(p, QRectF(40, 530, 640, 16),
         QStringLiteral("Phrases and recordings for travellers \u00B7 lexavant.example"), Sans(10),
         kOnDarkSoft, Qt::AlignCenter);
}

void HintColumn(QPainter& p)
{
    const QRectF column(14, 112, 124, 380);
    Panel(p, column, 12, kMist, QColor(0xdf, 0xe8, 0xf1), kCardLine);
    SpeechBubble(p, QRectF(column.left() + 14, column.top() + 14, 34, 30), kBlue);
    Ribbon(p, QRectF(column.left() + 24, column.top() + 20, 14, 10));
    Text(p, QRectF(column.left() + 54, column.top() + 12, 66, 34), QStringLiteral("How it\nworks"),
         Sans(13, true), kInk, Qt::AlignLeft | Qt::AlignVCenter);

    const QString steps[] = {
        QStringLiteral("Choose a category on the right."),
        QStringLiteral("Narrow it down with a sub category."),
        QStringLiteral("Select a phrase to see it in French."),
        QStringLiteral("Press play to hear it spoken."),
        QStringLiteral("Click a [word] in brackets to swap it for another."),
    };
    qreal y = column.top() + 62;
    int number = 1;
    for (const QString& step : steps) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(column.left() + 10, y + 1, 16, 16));
        p.restore();
        Text(p, QRectF(column.left() + 10, y + 1, 16, 16), QString::number(number++), Sans(10, true), kOnDark);
        Text(p, QRectF(column.left() + 32, y, 86, 60), step, Sans(11), kInk,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += 60;
    }
}

void PhraseCard(QPainter& p)
{
    const QRect list = TemplateRect(resources::kMainTemplate, resources::kPhraseList);
    const QRect caption = TemplateRect(resources::kMainTemplate, resources::kFirstCaption);
    const QRect translation = TemplateRect(resources::kMainTemplate, resources::kTranslationText);
    const QRect play = ButtonRect(resources::kPlayButton);

    Text(p, QRectF(list.left(), 108, 200, 24), QStringLiteral("PHRASES"), Sans(12, true), kInkSoft,
         Qt::AlignLeft | Qt::AlignVCenter);

    // The caption area: the captions and the subcategory or keyword box.
    const QRectF card(list.left() - 13, caption.top() - 12, list.width() + 26, list.bottom() - caption.top() + 22);
    Panel(p, card, 10, kCard, QColor(0xfb, 0xfb, 0xfa), kCardLine);
    const QRectF captionBand(card.left() + 1, card.top() + 1, card.width() - 2, list.top() - card.top() - 2);
    QPainterPath band;
    band.addRoundedRect(captionBand, 9, 9);
    p.save();
    p.setClipPath(band);
    p.fillRect(captionBand, kMist);
    p.restore();
    p.fillRect(QRectF(card.left() + 1, list.top() - 2, card.width() - 2, 1), kCardLine);

    // The translation panel under the list, with the play buttons at its left.
    // The slow-play button stands under the play button, where a language mark
    // would otherwise go: no mark is drawn, so no button ever covers one.
    const QRectF panel(card.left(), play.top() - 8, card.width(), translation.bottom() - play.top() + 4);
    Panel(p, panel, 10, QColor(0xf0, 0xf5, 0xfb), QColor(0xe3, 0xec, 0xf5), kCardLine);
}

void CategoryColumn(QPainter& p)
{
    const QRect first = TemplateRect(resources::kMainTemplate, resources::kBasicButton);
    const QRectF column(first.left() - 13, 104, first.width() + 26, kFooterTop - 104 - 6);
    Panel(p, column, 12, QColor(0xe4, 0xeb, 0xf2), QColor(0xd8, 0xe2, 0xec), kCardLine);
    Text(p, QRectF(column.left(), column.top() + 1, column.width(), 12), QStringLiteral("CATEGORIES"),
         Sans(10, true), kInkSoft, Qt::AlignCenter);
}

} // namespace

QRect MainControlRect(int controlId) { return TemplateRect(resources::kMainTemplate, controlId); }
QRect AboutControlRect(int controlId) { return TemplateRect(resources::kAboutTemplate, controlId); }

QImage DrawMainSkin(QSize size, int scale)
{
    QImage skin = Canvas(size, scale);
    skin.fill(Qt::black);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), kOutline, kOutline);

    QPainter p(&skin);
    p.setClipPath(outline);
    p.fillRect(skin.rect(), kIvory);
    Header(p, size);
    Footer(p, size);
    HintColumn(p);
    PhraseCard(p);
    CategoryColumn(p);
    p.setClipping(false);
    // A crisp rim keeps the anti-aliased edge from fading into the black.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavyDeep, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return skin;
}

} // namespace art
