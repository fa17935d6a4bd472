#pragma once
// An album kept with its pages: the list and fields it was laid out from,
// the pages it put in order, and which of them the collector has changed
// since. Pure code: the library reads and writes the files.

#include "design/albumlayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace plenvik {

struct BewaardAlbum {
    IndelenVelden velden;
    QString lijst;       // the stamp list as it was put
    QString map;         // the folder the list's pictures are named from
    QStringList paginas; // the pages it put, in their order
    bool operator==(const BewaardAlbum &) const = default;
};

// The fingerprint of a page as put: of its design file without the album's
// line, and of its stamps' pictures file (empty for none).
QString albumVingerafdruk(const QByteArray &design, const QByteArray &pictures);

// How a page stands in the library towards an album laid out again.
enum class PaginaStaat {
    Ontbreekt,    // no page of that name
    AlsIngedeeld, // the album's page, as it was put
    Veranderd,    // the album's page, changed since it was put
    Eigen,        // a page the album did not lay out (of its own or another album's)
};

// What laying an album out again over the library does.
struct AlbumPlan {
    QStringList vervangen; // the album's pages as put, which the new ones replace
    QStringList veranderd; // the album's pages changed since
    QStringList eigen;     // pages the album did not lay out, under names it now takes
    QStringList over;      // the album's pages the new layout no longer has
    bool vraagt() const { return !veranderd.isEmpty() || !eigen.isEmpty() || !over.isEmpty(); }
};

// 'oud' the pages the album put last, 'nieuw' the names it now lays out.
AlbumPlan planAlbum(const QStringList &oud, const QStringList &nieuw, const std::function<PaginaStaat(const QString &)> &staat);

// The name a changed page is kept under: "<name> (eigen)", or with a number
// when that name is taken ("<name> (eigen 2)", ...).
QString eigenNaam(const QString &name, const std::function<bool(const QString &)> &taken);

} // namespace plenvik
