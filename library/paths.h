#pragma once
// Where pages and settings live, decided once at start-up; every file path
// of the program comes from here.
//
// Portable: the folder that holds the program is writable and holds
// "Voorbeelden" (a build, or a copy unpacked in the user's home). The
// library and the settings files stay beside the program.
//
// Installed: otherwise. The library is the user's own
// (~/.local/share/Plenvik/Voorbeelden), the settings files go in
// ~/.config/Plenvik, and the first start copies the installed example pages
// (<prefix>/share/plenvik/Voorbeelden) into the new library.

#include <QString>

namespace plenvik {

struct Paths {
    QString library;  // the page library folder
    QString settings; // the folder of Plenvik.ini and the other settings files
    bool portable = true;

    // A settings file by name, in the settings folder.
    QString settingsFile(const QString &name) const;
};

// Library and settings beside the program.
Paths portablePaths(const QString &programDir);

// The decision itself. dataHome and configHome are the user's standard
// folders (~/.local/share and ~/.config); tests pass folders of their own.
Paths decidePaths(const QString &programDir, const QString &dataHome, const QString &configHome);

// The same with the user's standard folders.
Paths decidePaths(const QString &programDir);

// Installed mode only, at start-up: makes the settings folder, and the
// library folder with the example pages in it when it does not exist yet.
// An existing library is never touched, so a page the user deleted does
// not come back. False when a folder could not be made.
bool prepareUserFolders(const Paths &paths, const QString &installedExamples);

// Why pages cannot be saved in the library folder, in the program's words
// ("de map bestaat niet", ...); empty when they can. Tried by writing and
// removing a file of the program's own there, so whatever stands in the
// way (rights, a read-only disk, a full one) shows.
QString libraryWriteProblem(const QString &folder);

} // namespace plenvik
