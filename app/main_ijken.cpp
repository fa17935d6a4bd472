// "Printer ijken...": a calibration sheet printed without correction, the
// user's measurements of it, and the correction they give, kept per printer.

#include "app/mainwindow.h"

#include "library/calibrationfile.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"
#include "printing/calibrationsheet.h"

namespace plenvik {

PrinterCorrection Main::correctionFor(const QString &pdfPath)
{
    // A PDF file is true to size as it is.
    if (!pdfPath.isEmpty())
        return {};
    const QString printer = m_services.printer->destinationPrinter();
    if (printer.isEmpty())
        return {};
    const auto maten = readCalibration(m_paths.settingsFile(QLatin1String(kCalibrationFileName)), printer);
    return maten ? correctionFrom(*maten) : PrinterCorrection{};
}

void Main::onExtraPrinterIjken()
{
    Dialogs &dialogs = *m_services.dialogs;
    const QString printer = m_services.printer->destinationPrinter();
    if (printer.isEmpty()) {
        dialogs.message(tr("Printer ijken heeft een printer nodig. Een PDF-bestand is altijd op ware grootte."));
        return;
    }
    if (!dialogs.question(tr("Er wordt een ijkblad afgedrukt op %1. Doorgaan?").arg(printer), tr(" Printer ijken")))
        return;
    // The sheet shows the printer as it is: no correction.
    PrintJob sheet;
    DrawCalibrationSheet(sheet);
    if (!m_services.printer->print(sheet, QString(), PrinterCorrection{})) {
        dialogs.message(tr("Kan het ijkblad niet afdrukken!"));
        return;
    }

    const QString path = m_paths.settingsFile(QLatin1String(kCalibrationFileName));
    const std::optional<IjkMaten> stored = readCalibration(path, printer);
    const QString inForce = describeCorrection(stored ? correctionFrom(*stored) : PrinterCorrection{});
    IjkMaten maten = stored.value_or(IjkMaten{});
    for (;;) {
        switch (m_services.extra->printerIjken(printer, inForce, maten)) {
        case IjkKeuze::Annuleren:
            return;
        case IjkKeuze::Herstellen:
            if (stored && !writeCalibration(path, printer, std::nullopt))
                dialogs.message(tr("Kan de ijking niet bewaren!"));
            return;
        case IjkKeuze::Ok:
            if (!plausibleMaten(maten)) {
                dialogs.message(tr("Deze maten kunnen niet kloppen; meet nog eens."));
                continue;
            }
            if (!writeCalibration(path, printer, maten))
                dialogs.message(tr("Kan de ijking niet bewaren!"));
            return;
        }
    }
}

} // namespace plenvik
