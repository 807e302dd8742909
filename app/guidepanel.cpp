#include "guidepanel.h"

#include "guidefile.h"
#include "transparentstatic.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The skin's deep blue: quieter than the French above it, still easy to read.
const QColor kGuideInk(0x24, 0x58, 0x8c);
constexpr int kGuideFontPixels = 13;
constexpr int kGap = 2;

QFont GuideFont()
{
    QFont font = CTransparentStatic::TextFont();
    font.setPixelSize(kGuideFontPixels);
    font.setItalic(true);
    return font;
}

} // namespace

GuidePanel::GuidePanel(QWidget* parent, QWidget* translation) : QLabel(parent), translation(translation)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFont(GuideFont());
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
    ShowGuideOf(0, {});
}

void GuidePanel::ShowGuideOf(int number, const QString& french)
{
    const std::optional<GuideRecord> guide = french.isEmpty() ? std::nullopt : ReadPhraseGuide(".", number);
    const QString respelling = guide ? QString::fromStdU16String(guide->respelling) : QString();
    ipa = guide ? QString::fromStdU16String(guide->ipa) : QString();
    setText(respelling);
    setToolTip(respelling.isEmpty() ? QString() : respelling + QStringLiteral("\n") + ipa);
    setAccessibleName(respelling.isEmpty() ? QStringLiteral("Pronunciation guide")
                                           : QStringLiteral("Say it: ") + respelling);
    setAccessibleDescription(ipa.isEmpty() ? QStringLiteral("Pronunciation guide")
                                           : QStringLiteral("Pronunciation guide; IPA: ") + ipa);
    setVisible(!respelling.isEmpty());
    PlaceUnder(french);
}

void GuidePanel::PlaceUnder(const QString& french)
{
    // The French is drawn from the top of its control and wraps there; the
    // guide takes the rest of the control's height.
    const QRect area = translation->geometry();
    const QRect frenchBounds = QFontMetrics(CTransparentStatic::TextFont())
                                   .boundingRect(QRect(0, 0, area.width(), area.height()),
                                                 Qt::AlignHCenter | Qt::TextWordWrap, french);
    const int top = area.top() + frenchBounds.height() + kGap;
    setGeometry(area.left(), top, area.width(), std::max(area.bottom() + 1 - top, fontMetrics().height()));
    update();
}

void GuidePanel::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(kGuideInk);
    const QFontMetrics metrics(font());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    // What does not fit is cut at a word with an ellipsis on one line; the
    // tool tip and the screen reader have it whole.
    if (metrics.boundingRect(rect(), flags, text()).height() <= height())
        painter.drawText(rect(), flags, text());
    else
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(text(), Qt::ElideRight, width()));
}
