#pragma once
// Putting an album into the library: its pages, the copies of pages the
// collector changed, the pages it no longer has and its own file, as one
// (pagesave.h): after a kill at any moment the album and its pages are
// together, all old or all new.

#include "design/albumkept.h"
#include "design/pagedesign.h"
#include "library/pagefiles.h"

#include <QImage>
#include <functional>

namespace plenvik {

// How a page of the library stands towards album 'album' (albumkept.h).
PaginaStaat paginaStaat(const QString &folder, const QString &name, const QString &album);

struct AlbumZetten {
    BewaardAlbum album;
    // Page i of album.paginas, its picture and design; asked for one at a
    // time, so that a large album is never all in memory.
    std::function<std::pair<QImage, PageDesign>(int index)> pagina;
    // Pages kept under another name before the new ones take their place:
    // (page, name of its copy). The copy is the page's files byte for byte.
    QList<std::pair<QString, QString>> kopieen;
    QStringList weg; // pages removed
};

enum class ZetUitkomst { Gezet, Gestopt, Mislukt };

// 'goOn' is asked before each page is written; false stops the put with
// nothing changed. On Mislukt, 'error' says why where more can be said than
// that it failed.
ZetUitkomst putAlbumFiles(const QString &folder, const AlbumZetten &zetten, const std::function<bool(int done)> &goOn,
                          const SaveSteps &steps = {}, QString *error = nullptr);

} // namespace plenvik
