// "Album afdrukken...": a selection of the library printed as one job, one
// sheet a page, to the printer or to one PDF file. The open page, the
// canvas and the Undo pictures are not touched.

#include "app/mainwindow.h"

#include "library/album.h"
#include "library/albumfile.h"
#include "library/pagefiles.h"
#include "platform/dialogs.h"
#include "platform/extradialogs.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QApplication>
#include <QHash>
#include <QSet>

namespace plenvik {

void Main::onExtraAlbum()
{

    Dialogs &dialogs = *m_services.dialogs;
    const auto files = listPictureFiles(m_paths.library);
    if (!files || files->isEmpty()) {
        dialogs.message(tr("Er staan geen supplementen in de bibliotheek."));
        return;
    }
    // Offered as the library list shows them: a name with two pictures by
    // its file names, so each line is one page the user can tell apart.
    const QStringList shown = libraryEntries(*files);
    QHash<QString, QString> nameOf;
    for (int i = 0; i < files->size(); ++i)
        nameOf.insert(shown.at(i), files->at(i).chopped(4));
    // The albums kept are offered with their pages in order, the one put
    // last chosen at first.
    QHash<QString, QString> entryOf;
    for (auto it = nameOf.cbegin(); it != nameOf.cend(); ++it)
        entryOf.insert(it.value().toLower(), it.key());
    QList<AfdrukAlbum> albums;
    int gekozen = -1;
    const QString last = readLastAlbum(m_paths.settingsFile(QLatin1String(kLastAlbumFileName)));
    for (const QString &naam : listAlbums(m_paths.library)) {
        const std::optional<BewaardAlbum> album = readAlbum(m_paths.library, naam);
        if (!album)
            continue;
        AfdrukAlbum offered{naam, {}};
        for (const QString &page : album->paginas)
            if (const QString entry = entryOf.value(page.toLower()); !entry.isEmpty())
                offered.pages << entry;
        if (offered.pages.isEmpty())
            continue;
        if (naam == last)
            gekozen = int(albums.size());
        albums << offered;
    }
    const std::optional<AlbumKeuze> keuze = m_services.extra->albumAfdrukken(shown, albums, gekozen);
    if (!keuze)
        return;
    if (keuze->pages.isEmpty()) {
        dialogs.message(tr("Er is geen supplement aangevinkt."));
        return;
    }

    // Every page is read and checked as a load would, before the job starts;
    // only the designs are kept, without their stamps' pictures, which are
    // read again page by page as the job is drawn, so the album holds no
    // more of them at a time than one page's.
    QList<AlbumPage> readable;
    // The library is listed once for all its pages.
    const QStringList listed = libraryListing(m_paths.library);
    QHash<QString, PageDesign> designs;
    QSet<QString> withPictures;
    QStringList skipped;
    const int count = int(keuze->pages.size());
    {
        const std::unique_ptr<Progress> progress = m_services.extra->progress(tr(" Album afdrukken"), count);
        for (int i = 0; i < count; ++i) {
            const QString &entry = keuze->pages.at(i);
            progress->step(i, count, tr("Pagina %1 van %2 lezen: %3").arg(i + 1).arg(count).arg(entry));
            if (progress->cancelled())
                return;
            QString why;
            std::optional<PageDesign> page = readPageForPrinting(m_paths.library, nameOf.value(entry, entry), &why, &listed);
            if (!page) {
                skipped << tr("%1 (%2)").arg(entry, why);
                continue;
            }
            readable << AlbumPage{entry, page->PageNumber};
            if (page->pictures.any(page->KaderCount))
                withPictures.insert(entry);
            page->pictures.Bestanden.fill(QByteArray());
            designs.insert(entry, *page);
        }
    }
    auto notPrinted = [&] { return tr("Niet afgedrukt: %1").arg(skipped.join(QStringLiteral(", "))); };
    const QStringList order = albumOrder(readable, keuze->opPaginanummer);
    if (order.isEmpty()) {
        dialogs.message(notPrinted()); // no empty job, no empty file
        return;
    }

    QString pdfPath;
    if (!choosePdfWhenNoPrinter(tr("album.pdf"), &pdfPath))
        return;
    // A sheet the printer cannot take is said before anything is drawn.
    PrintJob paper;
    for (const QString &name : order) {
        paper.setSheet(designs.value(name).sheet);
        paper.newPage();
    }
    if (const QString why = m_services.printer->refusedPaper(paper, pdfPath); !why.isEmpty()) {
        dialogs.message(why);
        return;
    }
    // The whole album is drawn before any of it is handed over: Cancel, or
    // a failure, leaves nothing at the printer and no file.
    PrintJob job;
    job.setTitle(tr("Plenvik album: %1").arg(order.value(0)));
    bool ok = true;
    int drawn = 0;
    {
        const int pages = int(order.size());
        const std::unique_ptr<Progress> progress = m_services.extra->progress(tr(" Album afdrukken"), pages);
        for (int i = 0; i < pages; ++i) {
            progress->step(i, pages, tr("Pagina %1 van %2: %3").arg(i + 1).arg(pages).arg(order.at(i)));
            if (progress->cancelled())
                return;
            const QString &name = order.at(i);
            PageDesign page = designs.value(name);
            if (withPictures.contains(name)) {
                QString why;
                const std::optional<PageDesign> again = readPageForPrinting(m_paths.library, nameOf.value(name, name), &why, &listed);
                if (!again) {
                    skipped << tr("%1 (%2)").arg(name, why);
                    continue;
                }
                page = *again;
            }
            if (drawn++ > 0)
                job.newPage();
            DrawPage(page, job);
        }
        if (drawn == 0) {
            dialogs.message(notPrinted());
            return;
        }
        // Handing the job over cannot be undone halfway, so Cancel goes and
        // the window says why it waits.
        progress->handOver(pdfPath.isEmpty() ? tr("Het album gaat naar de printer...")
                                             : tr("Het album wordt in het PDF-bestand gezet..."));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ok = m_services.printer->print(job, pdfPath, correctionFor(pdfPath));
        QApplication::restoreOverrideCursor();
    }
    if (!ok)
        dialogs.message(tr("Kan het album niet afdrukken!"));
    if (!skipped.isEmpty())
        dialogs.message(notPrinted());
}

} // namespace plenvik
