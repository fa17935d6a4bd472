// Any bytes as a design file: the reader must refuse or accept without
// crashing, leave the design untouched on refusal, and what it accepts must
// write back and read again to the same design.

#include "library/designfile.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    PageDesign design;
    design.addFrame(10, 10, 60, 60, true);
    design.kader(1).Onderschrift = QStringLiteral("vooraf");
    const PageDesign before = design;
    DesignFileReader reader;
    if (!reader.read(bytes, design)) {
        if (!(design == before) || reader.errorString().isEmpty())
            std::abort();
        return 0;
    }
    if (design.KaderCount > kMaxKaders || design.TekstCount > kMaxTeksten || design.BorderWidth > 3 || !isValidSheet(design.sheet))
        std::abort();
    PageDesign again;
    if (!DesignFileReader().read(designFileBytes(design), again))
        std::abort();
    // Records above the count are not written, so compare what is; the
    // pictures' settings are written with pictures, which live in a file
    // of their own.
    again.Kaders = design.Kaders;
    again.pictures = design.pictures;
    if (!(again == design))
        std::abort();
    return 0;
}
