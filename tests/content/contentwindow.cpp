#include "contentwindow.h"

#include "contentdata.h"

#include <filesystem>

ContentWindow::ContentWindow(ClipPlayer* clipPlayer)
    : book(WindowViews{list, subcategories, messages, hooks, clipPlayer ? *clipPlayer : player})
{
    for (const char* name : {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "data.idx", "data.dat"})
        std::filesystem::create_symlink(DataPath(name), name);
    hooks.book = &book;   // reads the keyword; selecting the first row is left to the tests
    book.OpenDataFiles();
}

int ContentWindow::ShowRow(int row)
{
    list.selected = row;
    book.ShowPhrase();
    return book.selectedPhrase;
}
