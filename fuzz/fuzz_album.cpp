// Any bytes as an album kept in the library. An accepted album has fields
// the window can take and page names the library can hold, and it reads
// back from the bytes the program writes for it as the same album.

#include "design/textsafe.h"
#include "library/albumfile.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<BewaardAlbum> a = parseAlbumFile(bytes);
    if (!a)
        return 0;
    const IndelenVelden &v = a->velden;
    if (!isPlainPageName(v.naam) || v.eerstePagina < 1 || v.eerstePagina > kMaxEerstePagina || v.margeTiende < 0
        || v.margeTiende > kMaxMargeTiende || v.layout.kadersPerPagina < kMinKadersPerPagina || v.layout.kadersPerPagina > kMaxKaders
        || v.vervolg.size() > kMaxVervolgTekens || a->paginas.size() > kListMaxFrames || a->lijst.toUtf8().size() > kListMaxBytes)
        std::abort();
    for (const QString &page : a->paginas)
        if (!isPlainPageName(page))
            std::abort();
    if (parseAlbumFile(albumFileBytes(*a)) != a)
        std::abort();
    return 0;
}
