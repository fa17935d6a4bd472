// Any bytes as a page's pictures file: the reader must refuse or accept
// without crashing, leave the pictures untouched on refusal, and what it
// accepts is written back byte for byte as it stood.

#include "library/picturefile.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // The first byte says how many frames the design has.
    const int kaderCount = size > 0 ? data[0] % (kMaxKaders + 2) : 0;
    const QByteArray file = bytes.mid(1);
    Afbeeldingen pictures;
    pictures.Bestanden.at(0) = "vooraf";
    const Afbeeldingen before = pictures;
    QString error;
    if (!readPictureFile(file, kaderCount, pictures, &error)) {
        if (!(pictures == before) || error.isEmpty())
            std::abort();
        return 0;
    }
    if (!pictures.any(kaderCount) || pictureFileBytes(pictures, kaderCount) != file)
        std::abort();
    return 0;
}
