#pragma once
// Where the program reads its phrase book and where it keeps the user's
// favourites.
//
// The phrase book is read from the first of:
//   1. the folder given with --data: what the user asked for wins;
//   2. the current folder, when it holds the phrase files (how the program has
//      always been run, and how ./run starts it);
//   3. the installed data folder, ../share/tessaly from the executable's
//      folder, so that an installation moved to another prefix still works;
//   4. the current folder, whose missing files the window then reports.
//
// Favourites ("favorite.dat" and the work files "temp-*.dat" of its removals)
// are kept beside the phrase book when that folder may be written or already
// holds a "favorite.dat", and otherwise in the user's data folder,
// $XDG_DATA_HOME/tessaly (by default ~/.local/share/tessaly), which is made
// when the favourites are first used. The installed data folder belongs to the
// installation and is never written, not even by root.

#include <QString>

struct LocationSearch {
    QString dataOption;       // the --data folder; empty when not given
    QString currentFolder;
    QString executableFolder;
    QString userDataHome;     // $XDG_DATA_HOME, or ~/.local/share

    // The folders of this process; needs the application object.
    static LocationSearch ForThisProcess(const QString& dataOption);
};

struct DataLocation {
    QString dataFolder;        // absolute
    QString favouritesFolder;  // absolute; the data folder when kept beside it
};

DataLocation FindDataLocation(const LocationSearch& search);

// Whether `folder` holds the two phrase files the program cannot work without.
bool HoldsPhraseFiles(const QString& folder);

// Whether this process may make files in `folder`. A folder whose permissions
// let nobody write counts as read-only even for root, who could write anyway:
// its owner meant it to stay as it is.
bool FolderWritable(const QString& folder);
