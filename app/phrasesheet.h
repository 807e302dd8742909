#pragma once
// The printed phrase sheet: English, French and how to say it for each
// phrase, under the heading of its category, on as many pages as it takes.
// The window prints it and `tessaly-tool sheet` writes it as a PDF file.

#include "sheetphrases.h"

#include <QPageSize>
#include <vector>

class QPagedPaintDevice;

// Where each phrase (and each heading) lands: its page and its top, in the
// device's pixels. A phrase is never cut across two pages, and a heading
// never ends a page without its first phrase under it.
struct SheetBlockPlace {
    int page = 0;        // from 0
    double top = 0;
    double height = 0;
    int group = 0;
    int phrase = -1;     // -1 for the group's heading
};

// Lays the sheet out on `device`'s page and paints it, starting new pages as
// it goes; returns where every block went. An empty `groups` paints a page
// saying that there is nothing to print.
std::vector<SheetBlockPlace> PaintPhraseSheet(QPagedPaintDevice& device, const std::vector<SheetGroup>& groups);

// The sheet's margins, set on a printer or PDF writer before it is painted.
void SetSheetMargins(QPagedPaintDevice& device);

// The paper the user's country uses: Letter where letters are measured in
// inches (the United States and its neighbours), otherwise A4.
QPageSize LocalPaperSize();
