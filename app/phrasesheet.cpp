#include "phrasesheet.h"

#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// Sizes in points: the French large enough to show across a counter.
struct SheetStyle {
    QFont title;
    QFont heading;
    QFont english;
    QFont french;
    QFont guide;
    QFont footer;
};

QFont SheetFont(double points, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

SheetStyle MakeStyle()
{
    return {SheetFont(18, true), SheetFont(14, true), SheetFont(11), SheetFont(16, true), SheetFont(12, false, true),
            SheetFont(9)};
}

const QColor kHeadingInk(0x1e, 0x48, 0x6b);
const QColor kGuideInk(0x24, 0x58, 0x8c);
const QColor kSoftInk(0x5a, 0x6e, 0x80);

struct Line {
    const QFont* font;
    QColor ink;
    QString text;
};

class SheetPainter {
public:
    SheetPainter(QPagedPaintDevice& device, QPainter& painter)
        : device(device), painter(painter), width(device.width()), pageHeight(device.height()),
          footerHeight(Height({&style.footer, kSoftInk, QStringLiteral("1")}) * 2)
    {
    }

    std::vector<SheetBlockPlace> Paint(const std::vector<SheetGroup>& groups)
    {
        PaintFooter();
        PaintBlock({{&style.title, kHeadingInk, QStringLiteral("French phrases")}}, -1, -1);
        if (groups.empty())
            PaintBlock({{&style.english, kSoftInk, QStringLiteral("No phrases were chosen.")}}, -1, -1);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::vector<Line> heading = HeadingLines(groups[g]);
            // A heading goes to the next page rather than end this one alone.
            if (!groups[g].phrases.empty() && !Fits(Height(heading) + Height(PhraseLines(groups[g].phrases[0]))))
                NewPage();
            PaintBlock(heading, int(g), -1);
            for (std::size_t p = 0; p < groups[g].phrases.size(); ++p)
                PaintBlock(PhraseLines(groups[g].phrases[p]), int(g), int(p));
        }
        return places;
    }

private:
    std::vector<Line> HeadingLines(const SheetGroup& group) const
    {
        return {{&style.heading, kHeadingInk, QString::fromStdU16String(group.category)}};
    }

    std::vector<Line> PhraseLines(const SheetPhrase& phrase) const
    {
        std::vector<Line> lines{{&style.english, Qt::black, QString::fromStdU16String(phrase.english)},
                                {&style.french, Qt::black, QString::fromStdU16String(phrase.french)}};
        if (!phrase.respelling.empty())
            lines.push_back({&style.guide, kGuideInk, QString::fromStdU16String(phrase.respelling)});
        return lines;
    }

    QRectF Bounds(const Line& line) const
    {
        const QFontMetricsF metrics(*line.font, &device);
        return metrics.boundingRect(QRectF(0, 0, width, pageHeight), Qt::TextWordWrap, line.text);
    }

    double Height(const Line& line) const { return Bounds(line).height(); }

    double Height(const std::vector<Line>& lines) const
    {
        double height = Spacing();
        for (const Line& line : lines)
            height += Height(line);
        return height;
    }

    double Spacing() const { return QFontMetricsF(style.english, &device).height() * 0.8; }

    bool Fits(double height) const { return top + height <= pageHeight - footerHeight || top == 0; }

    void NewPage()
    {
        device.newPage();
        ++page;
        top = 0;
        PaintFooter();
    }

    void PaintBlock(const std::vector<Line>& lines, int group, int phrase)
    {
        const double height = Height(lines);
        if (!Fits(height))
            NewPage();
        places.push_back({page, top, height, group, phrase});
        double y = top;
        for (const Line& line : lines) {
            painter.setFont(*line.font);
            painter.setPen(line.ink);
            const QRectF bounds = Bounds(line);
            painter.drawText(QRectF(0, y, width, bounds.height()), Qt::TextWordWrap, line.text);
            y += bounds.height();
        }
        top += height;
    }

    void PaintFooter()
    {
        painter.setFont(style.footer);
        painter.setPen(kSoftInk);
        painter.drawText(QRectF(0, pageHeight - footerHeight / 2, width, footerHeight / 2), Qt::AlignRight,
                         QStringLiteral("Page %1").arg(page + 1));
    }

    QPagedPaintDevice& device;
    QPainter& painter;
    SheetStyle style = MakeStyle();
    double width;
    double pageHeight;
    double footerHeight;
    int page = 0;
    double top = 0;
    std::vector<SheetBlockPlace> places;
};

} // namespace

std::vector<SheetBlockPlace> PaintPhraseSheet(QPagedPaintDevice& device, const std::vector<SheetGroup>& groups)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return {};
    return SheetPainter(device, painter).Paint(groups);
}

QPageSize LocalPaperSize()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                       : QPageSize::A4);
}

void SetSheetMargins(QPagedPaintDevice& device)
{
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}
