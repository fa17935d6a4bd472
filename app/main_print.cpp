// Printing handlers of the main window: the print command with its sweep
// over the canvas, and Print Setup.

#include "app/mainwindow.h"

#include "canvas/pic.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "printing/pause.h"
#include "printing/printpage.h"
#include "printing/printtext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

namespace plenvik {

namespace {
constexpr float kSweepStepSeconds = 0.01f;
} // namespace

void Main::onFilePrintSupplement()
{
    // The sweep lets events through; a second print started meanwhile is ignored.
    if (m_printing)
        return;
    Dialogs &dialogs = *m_services.dialogs;
    if (!dialogs.question(tr("Wilt u dit supplement afdrukken?"), tr(" Print")))
        return;

    // Without a printer the page goes to a PDF file; ask for it before the
    // sweep so Cancel costs nothing.
    QString pdfPath;
    const QString shown = m_info->text();
    if (!choosePdfWhenNoPrinter((shown == QCoreApplication::translate("Window", "Informatie...") || shown.isEmpty()) ? tr("supplement.pdf") : shown + QStringLiteral(".pdf"),
                                &pdfPath))
        return;
    // A sheet the printer cannot take is said, never shrunk onto another.
    PrintJob paper;
    paper.setSheet(m_design.sheet);
    if (const QString why = m_services.printer->refusedPaper(paper, pdfPath); !why.isEmpty()) {
        dialogs.message(why);
        return;
    }

    m_printing = true;
    m_pic->setPrintLijn(true, 0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_info->setText(tr("Scanning supplement..."));
    m_info->adjustSize();
    for (int i = 0; i <= 520; i += 2) {
        Pause(kSweepStepSeconds);
        // A confirmed Exit during the sweep ends the program: nothing may be
        // printed after the user has left.
        if (m_closeConfirmed)
            break;
        m_pic->setPrintLijn(true, i);
    }
    m_pic->setPrintLijn(false);
    QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    m_info->setText(QCoreApplication::translate("Window", "Informatie..."));
    m_info->adjustSize();
    if (m_closeConfirmed) {
        m_printing = false;
        return;
    }

    const bool ok = printToSurface(pdfPath);
    m_printing = false;
    if (!ok)
        dialogs.message(tr("Kan dit supplement niet afdrukken!"));
}

bool Main::choosePdfWhenNoPrinter(const QString &suggested, QString *pdfPath)
{
    pdfPath->clear();
    if (m_services.printer->hasDestination())
        return true;
    // The question opens where the last PDF file went, at first the home folder.
    const QDir folder(m_lastPdfFolder.isEmpty() ? QDir::homePath() : m_lastPdfFolder);
    *pdfPath = m_services.dialogs->saveFileName(tr(" Print naar PDF-bestand"), folder.filePath(suggested),
                                                QStringLiteral("PDF (*.pdf)"));
    if (!pdfPath->isEmpty())
        m_lastPdfFolder = QFileInfo(*pdfPath).absolutePath();
    return !pdfPath->isEmpty();
}

void Main::printCutList(const QString &text, const Sheet &sheet)
{
    QString pdfPath;
    if (!choosePdfWhenNoPrinter(tr("stroken.pdf"), &pdfPath))
        return;
    PrintJob job;
    DrawText(text.split(QLatin1Char('\n')), job, sheet);
    if (!m_services.printer->print(job, pdfPath, correctionFor(pdfPath)))
        m_services.dialogs->message(tr("Kan de stroken niet afdrukken!"));
}

bool Main::printToSurface(const QString &pdfPath)
{
    PrintJob job;
    job.setTitle(m_pageName.isEmpty() ? QString() : tr("Plenvik supplement %1").arg(m_pageName));
    DrawPage(m_design, job);
    return m_services.printer->print(job, pdfPath, correctionFor(pdfPath));
}

void Main::onFilePrintSetup()
{
    m_services.printer->setup(this, m_design.sheet);
}

} // namespace plenvik
