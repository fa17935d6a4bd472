// The print commands in the window: the sweep, Print Setup, a PDF file
// when there is no printer, and a file written beside the old one.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/pic.h"
#include "printing/pause.h"
#include "printing/printpage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <cmath>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using namespace plenvik;
using namespace plenvik::test;

class TestPrintCommand : public QObject {
    Q_OBJECT
private slots:
    void printCommand()
    {
        Harness h;
        Main &m = h.start();
        m.design() = workedFrame();
        h.dialogs.answers.enqueue(false);
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.dialogs.calls.last().text, QStringLiteral("Wilt u dit supplement afdrukken?"));
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Print"));
        QVERIFY(h.printer.jobs.isEmpty());

        const PageDesign before = m.design();
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.printer.jobs, QStringList{QString()});
        QVERIFY(m.design() == before);
        QVERIFY(!m.pic()->printLijnVisible());
        QCOMPARE(qobject_cast<QLabel *>(m.control("InfoLabel"))->text(), QStringLiteral("Informatie..."));
        QVERIFY(!m.isPrinting());
        QVERIFY(h.dialogs.messages().isEmpty());
    }

    void secondPrintDuringTheSweepIsIgnored()
    {
        Harness h;
        Main &m = h.start();
        bool sawSweep = false;
        QTimer::singleShot(200, &m, [&] {
            sawSweep = m.isPrinting() && m.pic()->printLijnVisible() && m.pic()->printLijnY() > 0;
            m.action("FilePrintSupplement")->trigger();
        });
        m.action("FilePrintSupplement")->trigger();
        QVERIFY(sawSweep);
        QCOMPARE(h.printer.jobs.size(), 1);
        int questions = 0;
        for (const auto &c : h.dialogs.calls)
            questions += c.kind == QLatin1String("question");
        QCOMPARE(questions, 1);
    }

    void exitDuringTheSweepPrintsNothing_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("printer") << true;
        QTest::newRow("pdf") << false;
    }

    void exitDuringTheSweepPrintsNothing()
    {
        QFETCH(bool, printer);
        Harness h;
        Main &m = h.start();
        h.printer.destination = printer;
        h.dialogs.saveNames.enqueue(h.dir.filePath("blad.pdf"));
        QTimer::singleShot(200, &m, [&] { m.action("FileExit")->trigger(); });
        m.action("FilePrintSupplement")->trigger();
        // The confirmed Exit asked the application to quit, which makes every
        // later modal loop return at once; a run of the main loop clears that.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCOMPARE(h.dialogs.calls.last().title, QStringLiteral(" Exit programma"));
        QVERIFY(QFile::exists(h.dir.filePath("Plenvik.ini")));
        QVERIFY(h.printer.jobs.isEmpty());
    }

    void printSetupOnlyChoosesThePrinter()
    {
        // Nothing in the dialog may promise a print: it only picks the printer.
        QtPrinter printer;
        QString title;
        QStringList shown;
        QTimer::singleShot(0, [&] {
            QWidget *dlg = QApplication::activeModalWidget();
            QVERIFY(dlg);
            title = dlg->windowTitle();
            for (QAbstractButton *b : dlg->findChildren<QAbstractButton *>())
                if (b->text().contains(QStringLiteral("Options")))
                    b->click(); // the options page too
            for (QAbstractButton *b : dlg->findChildren<QAbstractButton *>())
                if (b->isVisible())
                    shown << b->text().remove(u'&');
            qobject_cast<QDialog *>(dlg)->reject();
        });
        printer.setup(nullptr, kSheetA4);
        QCOMPARE(title, QStringLiteral(" Print Setup"));
        QVERIFY(shown.contains(QStringLiteral("OK")));
        for (const QString &text : shown)
            QVERIFY2(!text.contains(QStringLiteral("print"), Qt::CaseInsensitive), qPrintable(text));
    }

    void printWithoutPrinterAsksForAPdf()
    {
        Harness h;
        Main &m = h.start();
        h.printer.destination = false;
        m.action("FilePrintSupplement")->trigger(); // Cancel in the save dialog
        QCOMPARE(h.dialogs.calls.last().kind, QStringLiteral("save"));
        QVERIFY(h.dialogs.calls.last().text.endsWith("/supplement.pdf"));
        QVERIFY(h.printer.jobs.isEmpty());

        h.dialogs.saveNames.enqueue(h.dir.filePath("uit.pdf"));
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.printer.jobs, QStringList{h.dir.filePath("uit.pdf")});
    }

    void printerErrorIsReported()
    {
        Harness h;
        Main &m = h.start();
        h.printer.failJob = true;
        m.action("FilePrintSupplement")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Kan dit supplement niet afdrukken!"});
    }

    void printSetupUsesThePrinter()
    {
        Harness h;
        Main &m = h.start();
        m.action("FilePrintSetup")->trigger();
        m.action("FilePrintSetup")->trigger();
        QCOMPARE(h.printer.setups, 2);
        QVERIFY(h.dialogs.calls.isEmpty());
    }

    void unwritablePdfFails()
    {
        QPrinter printer(QPrinter::HighResolution);
        PrintJob job;
        DrawPage(workedFrame(), job);
        QVERIFY(!writePdf(printer, job, QStringLiteral("/nonexistent/map/blad.pdf")));
    }

    // "Print to File" chosen in Print Setup: the file is written beside its
    // name as any PDF is, a cancelled album leaves the old one byte for
    // byte, and a replaced file keeps its mode while a new one gets the
    // umask's.
    void printToFileWritesBesideTheOldFile()
    {
        const mode_t umaskBefore = ::umask(022);
        auto modeOf = [](const QString &path) {
            struct stat st;
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
        };
        Harness h;
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, h.library() + "/" + f));
        const QString pdf = h.dir.filePath("album.pdf");
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("oud");
        old.close();
        QVERIFY(QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        QtPrinter printer;
        printer.printer().setOutputFileName(pdf);
        printer.chosen();
        Main m(portablePaths(h.dir.path()), Services{&h.dialogs, &printer, &h.screen, &h.urls, &h.extra});
        const QStringList pages{"Blokken en stroken", "Europa CEPT", "Nederland 1852"};
        auto files = [&] { return QDir(h.dir.path()).entryList(QDir::Files | QDir::Hidden); };
        const QStringList before = files();

        h.extra.cancelAtStep = 6; // while the third page is drawn, after three are read
        h.extra.albums.enqueue(AlbumKeuze{pages, false});
        m.action("ExtraAlbum")->trigger();
        QCOMPARE(fileBytes(pdf), QByteArray("oud"));
        QCOMPARE(files(), before);

        h.extra.cancelAtStep = -1;
        h.extra.albums.enqueue(AlbumKeuze{pages, false});
        m.action("ExtraAlbum")->trigger();
        QVERIFY(fileBytes(pdf).startsWith("%PDF"));
        QCOMPARE(modeOf(pdf), 0640);
        QCOMPARE(files(), before);
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        if (!pdfinfo.isEmpty()) {
            QProcess info;
            info.start(pdfinfo, {pdf});
            QVERIFY(info.waitForFinished());
            QVERIFY(QString::fromLatin1(info.readAllStandardOutput()).contains(QRegularExpression("Pages: +3\n")));
        }

        // Print Supplement to a new file beside it, and the album's file is
        // still the one chosen.
        printer.printer().setOutputFileName(h.dir.filePath("blad.pdf"));
        m.action("FilePrintSupplement")->trigger();
        QVERIFY(fileBytes(h.dir.filePath("blad.pdf")).startsWith("%PDF"));
        QCOMPARE(modeOf(h.dir.filePath("blad.pdf")), 0644);
        QCOMPARE(printer.printer().outputFileName(), h.dir.filePath("blad.pdf"));
        QCOMPARE(files().size(), before.size() + 1);
        ::umask(umaskBefore);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "test_printcommand.moc"
