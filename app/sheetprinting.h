#pragma once
// Printing the phrase sheet from the window (Ctrl+P): the favourites, or the
// phrases of the current list when there are none, through the desktop's
// print dialog.

#include <vector>

class CTessalyDlg;

// The phrase numbers the sheet holds: the stored favourites, else the rows
// of the phrase list.
std::vector<int> SheetPhraseNumbers(CTessalyDlg& window);

void PrintPhraseSheet(CTessalyDlg& window);
