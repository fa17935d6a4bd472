// "Album afdrukken...": a selection of the library printed as one job, one
// sheet a page, to the printer or to one PDF file. The open page, the
// canvas and the Undo pictures are not touched.

#include "app/mainwindow.h"

#include "library/album.h"
#include "library/pagefiles.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QApplication>
#include <QHash>

namespace plenvik {

void Main::onExtraAlbum()
{
    Dialogs &dialogs = *m_services.dialogs;
    const QStringList names = listPages(m_paths.library).value_or(QStringList{});
    if (names.isEmpty()) {
        dialogs.message(tr("Er staan geen supplementen in de bibliotheek."));
        return;
    }
    const std::optional<AlbumKeuze> keuze = m_services.extra->albumAfdrukken(names);
    if (!keuze)
        return;
    if (keuze->pages.isEmpty()) {
        dialogs.message(tr("Er is geen supplement aangevinkt."));
        return;
    }

    // Every page is read and checked as a load would, before the job starts;
    // only the designs are kept, the pictures go at once.
    QList<AlbumPage> readable;
    QHash<QString, PageDesign> designs;
    QStringList skipped;
    for (const QString &name : keuze->pages) {
        auto page = readPageFiles(m_paths.library, name, PageDesign{});
        if (!page) {
            skipped << name;
            continue;
        }
        readable << AlbumPage{name, page->design.PageNumber};
        designs.insert(name, page->design);
    }
    const QString notPrinted = tr("Niet afgedrukt: %1").arg(skipped.join(QStringLiteral(", ")));
    const QStringList order = albumOrder(readable, keuze->opPaginanummer);
    if (order.isEmpty()) {
        dialogs.message(notPrinted); // no empty job, no empty file
        return;
    }

    QString pdfPath;
    if (!choosePdfWhenNoPrinter(tr("album.pdf"), &pdfPath))
        return;
    // The whole album is drawn before any of it is handed over: Cancel, or
    // a failure, leaves nothing at the printer and no file.
    PrintJob job;
    bool cancelled = false;
    {
        const std::unique_ptr<Progress> progress = m_services.extra->progress(tr(" Album afdrukken"), order.size());
        for (int i = 0; i < order.size(); ++i) {
            progress->step(i, order.size(), tr("Pagina %1 van %2: %3").arg(i + 1).arg(order.size()).arg(order.at(i)));
            if (progress->cancelled()) {
                cancelled = true;
                break;
            }
            if (i > 0)
                job.newPage();
            DrawPage(designs.value(order.at(i)), job);
        }
    }
    if (!cancelled) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool ok = m_services.printer->print(job, pdfPath, correctionFor(pdfPath));
        QApplication::restoreOverrideCursor();
        if (!ok)
            dialogs.message(tr("Kan het album niet afdrukken!"));
    }
    if (!skipped.isEmpty())
        dialogs.message(notPrinted);
}

} // namespace plenvik
