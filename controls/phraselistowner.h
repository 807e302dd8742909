#pragma once
// What the phrase list needs of the window that owns it. The main window
// implements it and sets mainWindow while it initialises; tests use a fake.

class PhraseListOwner {
public:
    virtual ~PhraseListOwner() = default;
    // False in the favourites view, where the list offers no alternatives.
    virtual bool FavoriteButtonAdds() const = 0;
    // Shows the translation and loads the sound of the selected row's phrase.
    virtual void ShowSelectedPhrase() = 0;
};

// The process-wide pointer through which the phrase list reaches its owner.
extern PhraseListOwner* mainWindow;
