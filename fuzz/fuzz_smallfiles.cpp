// Any bytes as Stroken.ini, Indelen.ini, Papier.ini or Ijking.ini: what is read is
// within its bounds and writes back to the same values; a calibration file
// with one printer changed keeps every other printer's line.

#include "library/calibrationfile.h"
#include "library/indelensettings.h"
#include "library/sheetsettings.h"
#include "library/stripsettings.h"

#include <QByteArray>
#include <cstdlib>

using namespace plenvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const StripSettings strips = parseStripSettings(bytes);
    if (strips.length < 1 || strips.length > kMaxStripMm)
        std::abort();
    for (int h : strips.heights)
        if (h < 1 || h > kMaxStripMm)
            std::abort();
    if (!(parseStripSettings(stripSettingsBytes(strips)) == strips))
        std::abort();

    const IndelenVelden indelen = parseIndelenSettings(bytes, QStringLiteral(" (vervolg)"));
    if (indelen.eerstePagina < 1 || indelen.eerstePagina > kMaxEerstePagina || indelen.margeTiende < 0
        || indelen.margeTiende > kMaxMargeTiende || indelen.layout.gap < 0 || indelen.layout.gap > kAreaWidthMm
        || indelen.layout.rowDistance < 0 || indelen.layout.rowDistance > kAreaHeightMm
        || indelen.vervolg.size() > kMaxVervolgTekens)
        std::abort();
    if (!(parseIndelenSettings(indelenSettingsBytes(indelen), QStringLiteral("x")) == indelen))
        std::abort();

    const Sheet sheet = parseSheetSettings(bytes);
    if (!isValidSheet(sheet) || !(parseSheetSettings(sheetSettingsBytes(sheet)) == sheet))
        std::abort();

    for (const QString &printer : {QStringLiteral("Proef"), QStringLiteral("Kantoor \"boven\"")}) {
        if (const auto maten = findCalibration(bytes, printer); maten && !plausibleMaten(*maten))
            std::abort();
        const QByteArray changed = withCalibration(bytes, printer, IjkMaten{178.2, 270, 30, 30});
        if (findCalibration(changed, printer) != IjkMaten{178.2, 270, 30, 30})
            std::abort();
        const QString other = printer == QStringLiteral("Proef") ? QStringLiteral("Kantoor \"boven\"") : QStringLiteral("Proef");
        if (findCalibration(changed, other) != findCalibration(withCalibration(bytes, printer, std::nullopt), other))
            std::abort();
    }
    return 0;
}
