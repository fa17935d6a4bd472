#pragma once
// An album kept in the library beside its pages, "<Naam>.album": a text a
// collector can read and mend in any editor, UTF-8 with CR LF:
//   Plenvik album 1
//   Naam=Nederland
//   Titel=Nederland
//   Eerste paginanummer=1
//   Tussenruimte=5
//   Rijafstand=12
//   Marge=0.0
//   Elke uitgifte op een nieuwe pagina=0
//   Vervolgtekst= (vervolg)
//   Koppen boven de uitgiften=1
//   Grootte van de koppen=12
//   Kaders per pagina=20
//   Map=/home/anna/zegels
//   Pagina=Nederland 01
//   Pagina=Nederland 02
//   Lijst
//   = 1852 Koning Willem III
//   NVPH 1; 22; 26
// a field a line, in this order, each text as it is after its '='; the
// pages it put in their order; then the stamp list to the end of the file.
// Album.ini beside Plenvik.ini names the album put last.

#include "design/albumkept.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace plenvik {

inline constexpr char kAlbumExt[] = ".album";
inline constexpr char kLastAlbumFileName[] = "Album.ini";
// Bounded as a stamp list is: its list at most 1 MB, its pages at most one
// for each of the 10,000 frames; the fields and page names take the rest.
inline constexpr qsizetype kAlbumMaxBytes = 2 * 1024 * 1024;

QByteArray albumFileBytes(const BewaardAlbum &album);
// Nothing, with 'error' naming the line, for a file the program did not
// write as above.
std::optional<BewaardAlbum> parseAlbumFile(const QByteArray &data, QString *error = nullptr);

// The album of that name in the library; nothing when there is none or it
// cannot be read (with why in 'error').
std::optional<BewaardAlbum> readAlbum(const QString &folder, const QString &naam, QString *error = nullptr);
// The names of the albums kept in the library, in case-insensitive order.
QStringList listAlbums(const QString &folder);

// The album put last, kept in Album.ini; empty for none.
QString readLastAlbum(const QString &path);
bool writeLastAlbum(const QString &path, const QString &naam);

} // namespace plenvik
