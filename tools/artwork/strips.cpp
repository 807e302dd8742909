#include "artwork.h"
#include "drawing.h"
#include "style.h"

#include "resources/buttonstrips.h"
#include "resources/resourceids.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace art {

namespace {

enum class Face {
    Category,     // a raised tile with a badge and the category's name
    Plain,        // a raised tile with a centred word
    Action,       // a blue button with a glyph and/or a word
    Round,        // a round button with a glyph
    WindowButton, // the small round buttons of the title band
    Pill,         // an outlined pill on the dark band
    Link,         // a word on the dark band
};

enum class Glyph { None, Star, Magnifier, Play, Snail, Cross, Dash };

enum class State { Normal = 0, Pressed = 1, Hover = 2 };

struct Design {
    int bitmapId;
    Face face;
    Glyph glyph;
    QColor badge;
};

const Design kDesigns[] = {
    {1133, Face::Category, Glyph::None, QColor(0x3a, 0x7c, 0xa5)},
    {1143, Face::Category, Glyph::None, QColor(0x4a, 0x8f, 0x6e)},
    {1138, Face::Category, Glyph::None, QColor(0x7a, 0x6a, 0xa8)},
    {1137, Face::Category, Glyph::None, QColor(0xc0, 0x7a, 0x38)},
    {1142, Face::Category, Glyph::None, QColor(0xb5, 0x5a, 0x7a)},
    {1134, Face::Category, Glyph::None, QColor(0x4d, 0x66, 0x80)},
    {1141, Face::Category, Glyph::None, QColor(0x2f, 0x8a, 0x8a)},
    {1140, Face::Category, Glyph::None, QColor(0xa8, 0x7a, 0x2e)},
    {1135, Face::Category, Glyph::None, QColor(0xc0, 0x3d, 0x35)},
    {1144, Face::Category, Glyph::None, QColor(0x5b, 0x78, 0xb8)},
    {169, Face::Plain, Glyph::None, QColor()},
    {1130, Face::WindowButton, Glyph::Cross, kRibbonRed},
    {156, Face::WindowButton, Glyph::Dash, kBlue},
    {166, Face::Pill, Glyph::None, QColor()},
    {150, Face::Link, Glyph::Star, QColor()},
    {148, Face::Link, Glyph::None, QColor()},
    {147, Face::Action, Glyph::Magnifier, QColor()},
    {157, Face::Action, Glyph::None, QColor()},
    {1136, Face::Action, Glyph::Star, QColor()},
    {1139, Face::Round, Glyph::Play, QColor()},
    {1131, Face::Round, Glyph::Snail, QColor()},
    {163, Face::Link, Glyph::None, QColor()},
    {164, Face::Link, Glyph::None, QColor()},
    {165, Face::Link, Glyph::None, QColor()},
};

// The words on a button's picture: the same words its program reads out as
// its name.
QString LabelOf(const Design& d)
{
    if (d.bitmapId == resources::kAboutCloseStrip)
        return QString::fromUtf16(resources::kAboutCloseWords);
    for (const resources::ButtonStrip& strip : resources::kButtonStrips)
        if (strip.bitmapId == d.bitmapId)
            return QString::fromUtf16(strip.shows);
    return {};
}

void DrawGlyph(QPainter& p, Glyph glyph, const QRectF& r, const QColor& colour, bool emphasised)
{
    switch (glyph) {
    case Glyph::Star: StarGlyph(p, r, colour, emphasised); break;
    case Glyph::Magnifier: MagnifierGlyph(p, r, colour); break;
    case Glyph::Play: PlayGlyph(p, r, colour); break;
    case Glyph::Snail: SnailGlyph(p, r, colour); break;
    case Glyph::Cross: CrossGlyph(p, r, colour); break;
    case Glyph::Dash: DashGlyph(p, r, colour); break;
    case Glyph::None: break;
    }
}

// Raised faces sink by a pixel when pressed.
QRectF Tile(QSize size, State state)
{
    const QRectF r(1, 1, size.width() - 2, size.height() - 3);
    return state == State::Pressed ? r.translated(0, 1) : r;
}

void CategoryFace(QPainter& p, QSize size, State state, const Design& d, bool withBadge)
{
    const QRectF r = Tile(size, state);
    switch (state) {
    case State::Normal: Panel(p, r, 7, kCard, QColor(0xee, 0xf3, 0xf8), QColor(0xb5, 0xc4, 0xd2)); break;
    case State::Hover: Panel(p, r, 7, QColor(0xff, 0xf8, 0xec), kAmberPale, kAmber); break;
    case State::Pressed: Panel(p, r, 7, QColor(0xd5, 0xe1, 0xec), QColor(0xe3, 0xeb, 0xf3), QColor(0x9f, 0xb3, 0xc6), false); break;
    }
    QRectF textArea = r;
    if (withBadge) {
        const qreal diameter = r.height() - 12;
        const QRectF badge(r.left() + 7, r.center().y() - diameter / 2, diameter, diameter);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(d.badge);
        p.drawEllipse(badge);
        p.restore();
        Text(p, badge, LabelOf(d).left(1), Sans(12, true), kOnDark);
        textArea.setLeft(badge.right() + 7);
        Text(p, textArea, LabelOf(d), Sans(13, true), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        Text(p, textArea, LabelOf(d), Sans(14, true), kInk, Qt::AlignCenter);
    }
}

void ActionFace(QPainter& p, QSize size, State state, const Design& d)
{
    const QRectF r = Tile(size, state);
    switch (state) {
    case State::Normal: Panel(p, r, 7, QColor(0x3d, 0x80, 0xbd), kBlue, kBlueDeep); break;
    case State::Hover: Panel(p, r, 7, QColor(0xf2, 0xb5, 0x5a), kAmber, QColor(0xc9, 0x85, 0x24)); break;
    case State::Pressed: Panel(p, r, 7, kBlueDeep, QColor(0x2a, 0x63, 0x9b), kNavyDeep, false); break;
    }
    const QString label = LabelOf(d);
    if (label.isEmpty()) {
        const qreal s = std::min(r.width(), r.height()) - 12;
        DrawGlyph(p, d.glyph, QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s), kOnDark,
                  state == State::Hover);
        return;
    }
    const QFont font = Sans(13, true);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(label);
    const qreal glyphSize = d.glyph == Glyph::None ? 0 : r.height() - 12;
    const qreal gap = glyphSize > 0 ? 5 : 0;
    const qreal left = r.center().x() - (glyphSize + gap + textWidth) / 2;
    if (glyphSize > 0)
        DrawGlyph(p, d.glyph, QRectF(left, r.center().y() - glyphSize / 2, glyphSize, glyphSize), kOnDark, false);
    Text(p, QRectF(left + glyphSize + gap, r.top(), textWidth + 2, r.height()), label, font, kOnDark,
         Qt::AlignLeft | Qt::AlignVCenter);
}

void RoundFace(QPainter& p, QSize size, State state, const Design& d)
{
    const qreal diameter = std::min(size.width(), size.height()) - 2;
    QRectF circle((size.width() - diameter) / 2, (size.height() - diameter) / 2, diameter, diameter);
    if (state == State::Pressed)
        circle.translate(0, 1);
    const QColor fill = state == State::Hover ? kAmber : state == State::Pressed ? kBlueDeep : kBlue;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(125), 1));
    QLinearGradient shade(circle.topLeft(), circle.bottomLeft());
    shade.setColorAt(0, fill.lighter(118));
    shade.setColorAt(1, fill);
    p.setBrush(shade);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
    DrawGlyph(p, d.glyph, circle, kOnDark, false);
}

void WindowButtonFace(QPainter& p, QSize size, State state, const Design& d)
{
    const QRectF circle(1, 1, size.width() - 2, size.height() - 2);
    const QColor fill = state == State::Normal ? QColor(255, 255, 255, 40)
                      : state == State::Hover  ? d.badge
                                               : d.badge.darker(130);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(fill);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
    DrawGlyph(p, d.glyph, circle, kOnDark, false);
}

void PillFace(QPainter& p, QSize size, State state, const Design& d)
{
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(state == State::Hover ? kAmber : QColor(255, 255, 255, 170), 1));
    const QBrush fill = state == State::Hover     ? QBrush(kAmber)
                      : state == State::Pressed ? QBrush(QColor(255, 255, 255, 60))
                                                : QBrush(Qt::NoBrush);
    p.setBrush(fill);
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.restore();
    Text(p, r, LabelOf(d), Sans(11, true), state == State::Hover ? kNavyDeep : kOnDark);
}

void LinkFace(QPainter& p, QSize size, State state, const Design& d)
{
    const QColor colour = state == State::Hover ? kAmber : state == State::Pressed ? kOnDarkSoft : kOnDark;
    const QFont font = Sans(11, true);
    const QString label = LabelOf(d);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(label);
    const qreal glyphSize = d.glyph == Glyph::None ? 0 : size.height() - 2;
    const qreal gap = glyphSize > 0 ? 4 : 0;
    const qreal left = (size.width() - glyphSize - gap - textWidth) / 2;
    if (glyphSize > 0)
        DrawGlyph(p, d.glyph, QRectF(left, 1, glyphSize, glyphSize), colour, state == State::Hover);
    const QRectF textArea(left + glyphSize + gap, 0, textWidth + 1, size.height());
    Text(p, textArea, label, font, colour, Qt::AlignLeft | Qt::AlignVCenter);
    if (state == State::Hover)
        p.fillRect(QRectF(textArea.left(), size.height() - 1, textWidth, 1), colour);
}

void DrawFace(QPainter& p, QSize size, State state, const Design& d)
{
    switch (d.face) {
    case Face::Category: CategoryFace(p, size, state, d, true); break;
    case Face::Plain: CategoryFace(p, size, state, d, false); break;
    case Face::Action: ActionFace(p, size, state, d); break;
    case Face::Round: RoundFace(p, size, state, d); break;
    case Face::WindowButton: WindowButtonFace(p, size, state, d); break;
    case Face::Pill: PillFace(p, size, state, d); break;
    case Face::Link: LinkFace(p, size, state, d); break;
    }
}

} // namespace

QImage DrawStrip(int bitmapId, QSize size, const QImage& skin, QPoint place)
{
    const Design* design = nullptr;
    for (const Design& d : kDesigns)
        if (d.bitmapId == bitmapId)
            design = &d;
    const int scale = qRound(skin.devicePixelRatio());
    QImage strip = Canvas(size, scale);
    strip.fill(Qt::magenta); // shows at once if a strip has no design
    if (!design)
        return strip;
    const QSize picture(size.width() / 3, size.height());
    QImage background = skin.copy(QRect(place * scale, picture * scale));
    background.setDevicePixelRatio(scale);
    QPainter p(&strip);
    for (State state : {State::Normal, State::Pressed, State::Hover}) {
        const int index = static_cast<int>(state);
        p.save();
        p.translate(index * picture.width(), 0);
        p.setClipRect(QRect(QPoint(0, 0), picture));
        p.drawImage(0, 0, background);
        DrawFace(p, picture, state, *design);
        p.restore();
    }
    return strip;
}

} // namespace art
