#include "sheetprinting.h"

#include "mylistbox.h"
#include "phrasesheet.h"
#include "platform/printdialog.h"
#include "tessalydlg.h"

#include <QPrinter>
#include <QPrinterInfo>

std::vector<int> SheetPhraseNumbers(CTessalyDlg& window)
{
    PhraseBook& book = window.Book();
    std::vector<int> numbers = FavouritePhraseNumbers(book.FavouritesPath("favorite.dat"));
    if (!numbers.empty())
        return numbers;
    CMyListBox* list = window.PhraseList();
    // A row is found as selecting it finds it: by its text, cut as the
    // selection cuts it.
    for (int row = 0; row < list->RowCount(); ++row) {
        const std::u16string text = list->RowText(row).substr(0, PhraseBook::kSelectedTextUnits - 1);
        if (const std::optional<int> number = book.PhraseNumberOf(text))
            numbers.push_back(*number);
    }
    return numbers;
}

void PrintPhraseSheet(CTessalyDlg& window)
{
    const std::vector<SheetGroup> groups = GatherSheetPhrases(".", SheetPhraseNumbers(window));
    // The paper is the printer's own unless the user picks another; with no
    // printer (a PDF file), the paper of the user's country.
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull())
        printer.setPageSize(LocalPaperSize());
    SetSheetMargins(printer);
    printer.setDocName(QStringLiteral("French phrases"));
    if (!platform::ChoosePrinter(printer, &window))
        return;
    PaintPhraseSheet(printer, groups);
}
