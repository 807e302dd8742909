#pragma once
// The phrase data of the main window over the committed data files, with
// fakes for its views: the content tests drive the same operations the
// window runs (LoadPhraseRange, ShowPhrase, SearchPhrases, ...) and read
// what the user would see.

#include "fakeviews.h"
#include "tempdir.h"

// A fresh current directory that links to the committed data files (the
// window opens them there, and makes its own favourites file there).
struct ContentWindow {
    // Clips go to `clipPlayer` when one is given, else to `player`.
    explicit ContentWindow(ClipPlayer* clipPlayer = nullptr);

    // Selects a row and shows it; the phrase number the window found.
    int ShowRow(int row);

    ScopedTempDir dir;
    FakeList list;
    FakeSubcategories subcategories;
    FakeMessages messages;
    FakeWindow hooks;
    FakePlayer player;
    PhraseBook book;
};
