// Printing through a real print queue: Debian's CUPS scheduler with the
// cups-pdf driver, started by this test alone on a socket of its own (only
// the program under test is told of it) and stopped at the end. A job goes
// through the scheduler and comes out as a PDF file in root's ~/PDF, which
// is rendered at 254 dpi, ten pixels a millimetre.

#include "driver.h"
#include "fakes.h"

#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "library/stamppicture.h"

#include <QAction>
#include <QSet>
#include <QTest>
#include <unistd.h>

using namespace plenvik::e2e;

namespace {
const QString kOutput = QStringLiteral("/root/PDF"); // cups-pdf writes a root job here

// The output PDFs with their times: a job whose file name repeats an
// earlier run's (job numbers start again with each scheduler) still shows.
QSet<QString> outputFiles()
{
    QSet<QString> out;
    for (const QFileInfo &f : QDir(kOutput).entryInfoList({"*.pdf"}, QDir::Files))
        out << f.fileName() + QLatin1Char(' ') + QString::number(f.lastModified().toMSecsSinceEpoch());
    return out;
}

// Every job the scheduler has had, completed or not.
QStringList jobs()
{
    return run(QStringLiteral("lpstat"), {"-W", "all", "-o"}).split('\n', Qt::SkipEmptyParts);
}

// The PDF that a job adds to the output folder, once it is complete.
QString waitForNewPdf(const QSet<QString> &before)
{
    for (int i = 0; i < 300; ++i) {
        for (const QString &f : outputFiles()) {
            if (before.contains(f))
                continue;
            const QString path = kOutput + "/" + f.section(QLatin1Char(' '), 0, -2);
            QThread::msleep(500); // let the driver finish writing
            if (run(QStringLiteral("pdfinfo"), {path}).contains("Pages:"))
                return path;
        }
        QThread::msleep(100);
    }
    return {};
}

QImage render(const QString &pdf, const QString &folder)
{
    const QString base = folder + QStringLiteral("/sheet");
    QFile::remove(base + ".png");
    run(QStringLiteral("pdftoppm"), {"-r", "254", "-gray", "-png", "-singlefile", pdf, base}, 60000);
    return QImage(base + ".png");
}

// File > Print Supplement through the queue: the sheet that came out, at
// 10 pixels a millimetre, and its file in 'pdf'; a null picture for none.
QImage printOpenPage(Program &p, QString *pdf = nullptr)
{
    const QSet<QString> before = outputFiles();
    p.menu(0, 3);
    if (!p.answer(QStringLiteral("^ Print$")))
        return {};
    const QString out = waitForNewPdf(before);
    if (pdf)
        *pdf = out;
    return out.isEmpty() ? QImage() : render(out, p.dir.filePath("work"));
}

bool dark(const QImage &img, int x, int y)
{
    return img.rect().contains(x, y) && qGray(img.pixel(x, y)) < 160;
}

// The x of the first dark pixel on row y from x0 to the right.
int firstDarkFrom(const QImage &img, int x0, int y)
{
    for (int x = x0; x < img.width(); ++x)
        if (dark(img, x, y))
            return x;
    return -1;
}

class Scheduler {
public:
    QTemporaryDir dir;
    QProcess cupsd;
    QString socket;

    QString start()
    {
        socket = dir.filePath("cups.sock");
        for (const char *sub : {"spool", "cache", "state", "tmp", "log"})
            QDir(dir.path()).mkdir(QLatin1String(sub));
        // The filters run as the user lp and write their files in tmp.
        const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                          | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QFile::setPermissions(dir.path(), open);
        QProcess::execute(QStringLiteral("chmod"), {"1777", dir.filePath("tmp")});
        write("cupsd.conf", "Listen " + socket + "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                            "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                            "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n</Policy>\n");
        write("cups-files.conf", "ServerRoot " + dir.path() + "\nRequestRoot " + dir.filePath("spool") + "\nCacheDir "
                                     + dir.filePath("cache") + "\nStateDir " + dir.filePath("state") + "\nTempDir "
                                     + dir.filePath("tmp") + "\nErrorLog " + dir.filePath("log/error_log")
                                     + "\nAccessLog " + dir.filePath("log/access_log") + "\nSystemGroup root\n");
        cupsd.setProcessChannelMode(QProcess::ForwardedChannels);
        cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                    {"-f", "-c", dir.filePath("cupsd.conf"), "-s", dir.filePath("cups-files.conf")});
        if (!cupsd.waitForStarted())
            return QStringLiteral("the scheduler does not start");
        qputenv("CUPS_SERVER", socket.toLocal8Bit()); // for lpstat and lpadmin below
        bool running = false;
        for (int i = 0; i < 50 && !running; ++i) {
            QThread::msleep(100);
            running = run(QStringLiteral("lpstat"), {"-r"}).contains("scheduler is running");
        }
        if (!running)
            return QStringLiteral("the scheduler does not answer");
        if (QProcess::execute(QStringLiteral("lpadmin"), {"-p", "Proef", "-E", "-v", "cups-pdf:/", "-P",
                                                          "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}) != 0
            || QProcess::execute(QStringLiteral("lpadmin"), {"-d", "Proef"}) != 0)
            return QStringLiteral("the cups-pdf queue cannot be added");
        return {};
    }
    ~Scheduler()
    {
        qunsetenv("CUPS_SERVER");
        if (cupsd.state() != QProcess::NotRunning) {
            cupsd.terminate();
            if (!cupsd.waitForFinished(10000))
                cupsd.kill();
        }
    }

private:
    void write(const QString &name, const QString &text)
    {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toLocal8Bit());
    }
};
} // namespace

class TestCups : public QObject {
    Q_OBJECT
    std::unique_ptr<Scheduler> m_scheduler;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
        if (::geteuid() != 0)
            QSKIP("needs root: the scheduler of its own and cups-pdf's backend run as root");
        for (const char *path : {"/usr/sbin/cupsd", "/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"})
            if (!QFile::exists(QLatin1String(path)))
                QSKIP(qPrintable(QStringLiteral("no scheduler with cups-pdf here (%1 is missing)").arg(QLatin1String(path))));
        m_scheduler = std::make_unique<Scheduler>();
        const QString why = m_scheduler->start();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void cleanupTestCase() { m_scheduler.reset(); }

    void printedAndCalibratedThroughTheQueue()
    {
        Program p;
        QDir(p.dir.path()).mkdir("work");
        QVERIFY(p.start());
        p.drag(QPoint(181, 163), QPoint(290, 221)); // stored as 112, 93, 67, 33
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1"), QStringLiteral("1598")));

        // A printer: Print Supplement asks for no file.
        QString pdf;
        QImage img = printOpenPage(p, &pdf);
        QVERIFY2(!img.isNull(), "no sheet came out of the queue");
        // The frame's left edge at 112 mm within 0.1 mm.
        QVERIFY2(qAbs(firstDarkFrom(img, 1000, 1100) - 1120) <= 1, qPrintable(QString::number(firstDarkFrom(img, 1000, 1100))));
        QFile::remove(pdf);

        // The calibration sheet, without correction: its lines at their places.
        QSet<QString> before = outputFiles();
        p.menu(3, 10); // Extra > Printer ijken...
        QVERIFY(p.answer(QStringLiteral("Printer ijken")));
        pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "no calibration sheet came out of the queue");
        img = render(pdf, p.dir.filePath("work"));
        QVERIFY(dark(img, 1000, 300) && dark(img, 151, 300) && dark(img, 1949, 300));   // across, 30 mm down, 15 to 195
        QVERIFY(!dark(img, 146, 300) && !dark(img, 1954, 300) && !dark(img, 1000, 304));
        QVERIFY(dark(img, 300, 1500) && dark(img, 300, 151) && dark(img, 300, 2849));   // down, 30 mm in, 15 to 285
        QVERIFY(!dark(img, 300, 2854) && !dark(img, 304, 1500));
        QFile::remove(pdf);

        // A printer 1 % short: a = 0.99, b = 0.3, so 112 mm is drawn at
        // 111.7 / 0.99 = 112.83 mm.
        QVERIFY(p.fill(QStringLiteral("Printer ijken"), {"178,2"}));
        QCOMPARE(contents(p.dir.filePath("Ijking.ini")), QByteArray("\"Proef\",178.2,270,30,30\r\n"));
        img = printOpenPage(p, &pdf);
        QVERIFY2(!img.isNull(), "no corrected sheet came out of the queue");
        QVERIFY2(qAbs(firstDarkFrom(img, 1000, 1100) - 1128) <= 1, qPrintable(QString::number(firstDarkFrom(img, 1000, 1100))));
        QFile::remove(pdf);
    }

    // The album is drawn in full before the queue sees any of it: Cancel in
    // the progress window leaves no job at all, completed or pending. The
    // window runs in this process with the real printer and the
    // scheduler's queue; only the dialogs are scripted.
    void cancelledAlbumNeverReachesTheQueue()
    {
        using namespace plenvik;
        test::Harness h;
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, h.library() + "/" + f));
        QtPrinter printer;
        Main m(portablePaths(h.dir.path()), Services{&h.dialogs, &printer, &h.screen, &h.urls, &h.extra});
        const QStringList pages{"Blokken en stroken", "Europa CEPT", "Nederland 1852"};
        const QStringList jobsBefore = jobs();
        const QSet<QString> before = outputFiles();

        h.extra.cancelAtStep = 6; // Cancel while the third page is drawn, after three are read
        h.extra.albums.enqueue(AlbumKeuze{pages, false});
        m.action("ExtraAlbum")->trigger();
        QThread::sleep(3); // time for a job that got through to show
        QCOMPARE(jobs(), jobsBefore);
        QCOMPARE(outputFiles(), before);
        QVERIFY(h.dialogs.messages().isEmpty());

        // The same album not cancelled is one job of three sheets.
        h.extra.cancelAtStep = -1;
        h.extra.albums.enqueue(AlbumKeuze{pages, false});
        m.action("ExtraAlbum")->trigger();
        const QString pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the album did not come out of the queue");
        QCOMPARE(jobs().size(), jobsBefore.size() + 1);
        QVERIFY(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages: +3\\b")));
        QFile::remove(pdf);
    }

    // A diamond and a triangle entered by their millimetres with caption
    // lines, saved, opened, moved, and through the queue: corners within 0.1 mm.
    void shapesThroughTheQueue()
    {
        Program p;
        QDir(p.dir.path()).mkdir("work");
        QVERIFY(p.start());
        // Links, Boven, Breedte, Hoogte, Binnenkader, Onderschrift,
        // Afbeelding and its button, Regel 2, Regel 3, Vorm, Lijn.
        p.menu(3, 1); // Extra > Kader invoeren...
        QVERIFY(p.fill(QStringLiteral("Kader invoeren"), {"140", "Tab", "60", "Tab", "40", "Tab", "30", "Tab", "Tab", "NVPH 3", "Tab",
                                                          "Tab", "Tab", "5 c", "Tab", "1852", "Tab", "Ruit"}));
        p.menu(3, 1);
        // The dialog keeps the last frame's fields: Regel 3 stays "1852".
        QVERIFY(p.fill(QStringLiteral("Kader invoeren"), {"30", "Tab", "60", "Tab", "40", "Tab", "40", "Tab", "Tab", "NVPH 1", "Tab",
                                                          "Tab", "Tab", "10 c", "Tab", "Tab", "Driehoek"}));
        // On the canvas (1.62 by 1.75 pixels a millimetre) the diamond's box
        // is bare at its corner and grey in its middle.
        const QImage screen = p.shot();
        QVERIFY(p.canvasPixel(screen, 229, 107) != QRgb(0xe6e6e6));
        QCOMPARE(p.canvasPixel(screen, 259, 131), QRgb(0xe6e6e6));

        // Saved, opened again from the library and the diamond moved 10 mm to
        // the left in " Kader wijzigen": shapes and lines go through the file
        // both ways and through the dialog.
        const QString lib = p.dir.filePath("Voorbeelden");
        p.menu(0, 2); // File > Opslaan
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Vormen")));
        const QByteArray tail("\"Kader\",1,\"Ruit\",\"Doorgetrokken\",\"5 c\",\"1852\"\r\n"
                              "\"Kader\",2,\"Driehoek\",\"Doorgetrokken\",\"10 c\",\"1852\"\r\n");
        QVERIFY2(contents(lib + "/Vormen.sup").endsWith(tail), contents(lib + "/Vormen.sup").constData());
        p.menu(0, 1); // File > Nieuw
        QVERIFY(p.answer(QStringLiteral("Nieuw")));
        p.doubleClickList(0);
        const QPoint diamond = p.canvas + QPoint(259, 131);
        xdo({"mousemove", QString::number(diamond.x()), QString::number(diamond.y())});
        xdo({"click", "--repeat", "2", "--delay", "60", "1"});
        QVERIFY(p.fill(QStringLiteral("Kader wijzigen"), {"130"}));
        p.menu(0, 2);
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Verschoven")));
        const QByteArray moved = contents(lib + "/Verschoven.sup");
        QVERIFY2(moved.contains("\r\n130,60,40,30,0\r\n\"NVPH 3\"\r\n") && moved.endsWith(tail), moved.constData());

        QString pdf;
        const QImage img = printOpenPage(p, &pdf);
        QVERIFY2(!img.isNull(), "no sheet came out of the queue");
        // Ink is anything darker than the frames' grey; 10 pixels a mm.
        auto ink = [&](int x, int y) { return qGray(img.pixel(x, y)) < 236; };
        auto firstDown = [&](int x, int y0) {
            for (int y = y0; y < img.height(); ++y)
                if (ink(x, y))
                    return y;
            return -1;
        };
        auto firstAcross = [&](int x0, int y, int step) {
            for (int x = x0; x >= 0 && x < img.width(); x += step)
                if (ink(x, y))
                    return x;
            return -1;
        };
        // The corners, and the sides halfway: the diamond (now from 130 mm)
        // has its left side at 67.5 mm down 10 mm in, the triangle's at 80 mm down 10 mm in.
        const int measured[] = {firstDown(1500, 550),       firstAcross(1250, 750, 1), firstAcross(1750, 750, -1),
                                firstAcross(1250, 675, 1),  firstDown(500, 550),       firstAcross(250, 999, 1),
                                firstAcross(750, 999, -1), firstAcross(250, 800, 1)};
        const int expected[] = {600, 1300, 1699, 1400, 600, 300, 699, 400};
        for (int i = 0; i < 8; ++i)
            QVERIFY2(qAbs(measured[i] - expected[i]) <= 1, qPrintable(QStringLiteral("%1: %2").arg(i).arg(measured[i])));
        QFile::remove(pdf);
    }

    // A page in a style of its own, set in " Pagina-opmaak" with the keys:
    // a double black border 25 / 15 / 15 / 15 mm from the edges in
    // Liberation Serif, 30 frames in three rows, saved, opened again and
    // through the queue: each line's edges within 0.1 mm, the title centred
    // between the border's sides.
    void styleThroughTheQueue()
    {
        Program p;
        QDir(p.dir.path()).mkdir("work");
        QVERIFY(p.start());
        p.menu(3, 6); // Extra > Pagina-opmaak...
        // Rand, Buitenste lijn, Binnenste lijnen, Tussen de lijnen, Kleur,
        // Links, Rechts, Boven, Onder, Lettertype, Titel, Subtitel,
        // Paginanummer, Onderschriften, cursief, Kaders per pagina.
        QVERIFY(p.fill(QStringLiteral("Pagina-opmaak"), {"D", "Tab", "1", "Tab", "Tab", "Tab", "Z", "Tab", "25", "Tab", "15", "Tab",
                                                         "15", "Tab", "15", "Tab", "Liberation Serif", "Tab", "Tab", "Tab",
                                                         "Tab", "Tab", "Tab", "30"}));
        for (const char *boven : {"50", "80", "110"}) {
            p.menu(3, 3); // Extra > Rij kaders...
            QVERIFY(p.fill(QStringLiteral("Rij kaders"), {"10", "Tab", "12", "Tab", "20", "Tab", "3", "Tab", boven}));
        }
        p.menu(2, 5); // Tools > Titel
        QVERIFY(p.answer(QStringLiteral("^ Titel$"), QStringLiteral("Europa")));
        const QString lib = p.dir.filePath("Voorbeelden");
        p.menu(0, 2); // File > Opslaan
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Stijl")));
        const QByteArray sup = contents(lib + "/Stijl.sup");
        QVERIFY2(sup.startsWith("\"Varnholt Software 2009\"\r\n30\r\n")
                     && sup.endsWith("\"Opmaak\",\"Dubbel\",1,0.3,1,\"Zwart\",25,15,15,15,\"Liberation Serif\",16,12,12,10,0,30\r\n"),
                 sup.constData());
        p.menu(0, 1); // File > Nieuw
        QVERIFY(p.answer(QStringLiteral("Nieuw")));
        p.doubleClickList(0);

        // The queue's driver turns every font into drawn letters (Type 3),
        // so the font is seen in the saved file above, not in this PDF.
        QString pdf;
        const QImage img = printOpenPage(p, &pdf);
        QVERIFY2(!img.isNull(), "no sheet came out of the queue");
        // Where ink starts and ends along row 200 mm (under the frames) and
        // column 28 mm (between the border and the frames).
        auto edges = [&](bool across, int at) {
            QList<int> out;
            const int n = across ? img.width() : img.height();
            for (int i = 1; i < n; ++i)
                if (dark(img, across ? i : at, across ? at : i) != dark(img, across ? i - 1 : at, across ? at : i - 1))
                    out << i;
            return out;
        };
        const QList<int> x = edges(true, 2000), y = edges(false, 280);
        const QList<int> wantX = {250, 260, 270, 273, 1927, 1930, 1940, 1950};
        const QList<int> wantY = {150, 160, 170, 173, 2797, 2800, 2810, 2820};
        QCOMPARE(x.size(), wantX.size());
        QCOMPARE(y.size(), wantY.size());
        for (int i = 0; i < wantX.size(); ++i) {
            QVERIFY2(qAbs(x[i] - wantX[i]) <= 1, qPrintable(QStringLiteral("x %1: %2").arg(i).arg(x[i])));
            QVERIFY2(qAbs(y[i] - wantY[i]) <= 1, qPrintable(QStringLiteral("y %1: %2").arg(i).arg(y[i])));
        }
        // The title's ink centred on 110 mm, the middle between 25 and 195.
        int inkLeft = 9999, inkRight = 0;
        for (int yy = 200; yy < 300; ++yy)
            for (int xx = 400; xx < 1800; ++xx)
                if (dark(img, xx, yy)) {
                    inkLeft = qMin(inkLeft, xx);
                    inkRight = qMax(inkRight, xx);
                }
        QVERIFY2(qAbs(inkLeft + inkRight + 1 - 2200) <= 2, qPrintable(QStringLiteral("%1..%2").arg(inkLeft).arg(inkRight)));
        QFile::remove(pdf);
    }

    // A Letter page through the queue: asked for on Letter paper, the frame
    // 30 mm from the left edge within 0.1 mm, the stamp's picture in it.
    void letterThroughTheQueue()
    {
        using namespace plenvik;
        test::Harness h;
        PageDesign d;
        d.sheet = kSheetLetter;
        d.ColourR = d.ColourG = d.ColourB = 0;
        d.appendKader(Kader{30, 40, 50, 30, 0, QString()});
        QImage red(200, 100, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(h.dir.filePath("rood.png")));
        d.pictures.Bestanden.at(0) = takeInPicture(h.dir.filePath("rood.png"), d.kader(1)).value_or(QByteArray());
        QVERIFY(savePageFiles(h.library(), QStringLiteral("Letter"), pagePicture(d), d));
        QtPrinter printer;
        Main m(portablePaths(h.dir.path()), Services{&h.dialogs, &printer, &h.screen, &h.urls, &h.extra});
        const QSet<QString> before = outputFiles();
        h.extra.albums.enqueue(AlbumKeuze{{"Letter"}, false});
        m.action("ExtraAlbum")->trigger();
        const QString pdf = waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the page did not come out of the queue");
        QVERIFY2(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Page size: +612 x 792 pts")),
                 qPrintable(run(QStringLiteral("pdfinfo"), {pdf})));
        const QImage img = render(pdf, h.dir.path());
        QVERIFY2(qAbs(firstDarkFrom(img, 200, 550) - 300) <= 1, qPrintable(QString::number(firstDarkFrom(img, 200, 550))));
        // The picture fills 31..79 x 43..67 mm: red at 35 % in grey is 196;
        // above it, in the 1 mm edge and the fitting, the frame's grey.
        QVERIFY2(qAbs(qGray(img.pixel(550, 550)) - 196) <= 6, qPrintable(QString::number(qGray(img.pixel(550, 550)))));
        QVERIFY2(qGray(img.pixel(550, 420)) >= 232, qPrintable(QString::number(qGray(img.pixel(550, 420)))));
        QFile::remove(pdf);
    }
};

QTEST_MAIN(TestCups)
#include "test_cups.moc"
