// End to end in a real window: drawing, saving, loading, printing, the
// settings across runs and the magnifier, as a user would.

#include "driver.h"

#include <QHash>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <sys/stat.h>

using namespace plenvik::e2e;

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
        for (const char *tool : {"xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(), tool);
    }

    void startsWithTheGridCanvas()
    {
        Program p;
        QVERIFY(p.start());
        const QImage img = p.shot();
        QCOMPARE(p.canvasPixel(img, 0, 0), QRgb(0xc8c8c8));
        QCOMPARE(p.canvasPixel(img, 340, 520), QRgb(0xc8c8c8));
        QCOMPARE(p.canvasPixel(img, 5, 5), QRgb(0xffffff));
        QCOMPARE(p.canvasPixel(img, 170, 5), QRgb(0x969696));
        QCOMPARE(p.canvasPixel(img, 5, 390), QRgb(0x969696));
        QCOMPARE(p.canvasPixel(img, 341, 5), QRgb(0x808080)); // the plate just past the canvas
        QVERIFY(QFile::exists(p.dir.filePath("Plenvik.ini")));
    }

    void printsAPdfAtTrueSize()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        Program p;
        QVERIFY(p.start());
        p.drag(QPoint(181, 163), QPoint(290, 221)); // stored as 112, 93, 67, 33
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1"), QStringLiteral("1598")));
        p.menu(0, 3); // File > Print Supplement
        QVERIFY(p.answer(QStringLiteral("^ Print$")));
        const QString pdf = p.dir.filePath("blad.pdf");
        QVERIFY(p.answer(QStringLiteral("naar PDF"), pdf, true));
        for (int i = 0; i < 100 && QFileInfo(pdf).size() == 0; ++i)
            QThread::msleep(100);
        QThread::msleep(300);
        QVERIFY(QFileInfo(pdf).size() > 0);
        run(pdftoppm, {"-r", "254", "-gray", "-png", "-singlefile", pdf, p.dir.filePath("blad")}, 60000);
        const QImage img(p.dir.filePath("blad.png"));
        QCOMPARE(img.width(), 2100);
        auto darkAround = [&](int x, int y) {
            for (int d = -1; d <= 1; ++d)
                if (qGray(img.pixel(x + d, y)) < 200)
                    return true;
            return false;
        };
        // The left and right outline of the frame at 112 and 179 mm.
        QVERIFY(darkAround(1120, 1100));
        QVERIFY(darkAround(1790, 1100));
        QVERIFY(!darkAround(1110, 1100));
    }

    void framesByTheNumbers()
    {
        Program p;
        QVERIFY(p.start());
        // With a picture of the stamp, 200 x 100 pixels of red.
        QImage red(200, 100, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(p.dir.filePath("rood.png")));
        p.menu(3, 1); // Extra > Kader invoeren...
        QVERIFY(p.fill(QStringLiteral("Kader invoeren"),
                       {"112", "Tab", "93", "Tab", "67", "Tab", "33", "Tab", "Tab", "1598", "Tab", p.dir.filePath("rood.png")}));
        p.menu(3, 3); // Extra > Rij kaders...
        QVERIFY(p.fill(QStringLiteral("Rij kaders"), {"4", "Tab", "30", "Tab", "40", "Tab", "Tab", "150", "Tab", "Tab", "NVPH 12"}));
        const QImage img = p.shot();
        QCOMPARE(p.canvasPixel(img, 181, 163), QRgb(0x78b478)); // the entered frame's corner
        QCOMPARE(p.canvasPixel(img, 62, 270), QRgb(0x78b478));  // the left edge of the row: 38 x 1.62 = 61.56
        // The picture, 62 x 31 mm from (114.5, 94), grey at 35 % (196) in
        // the middle; the 1 mm edge at 113 mm keeps the frame's grey.
        QVERIFY2(qAbs(qGray(p.canvasPixel(img, 236, 192)) - 196) <= 3, qPrintable(QString::number(p.canvasPixel(img, 236, 192), 16)));
        QCOMPARE(p.canvasPixel(img, 183, 192), QRgb(0xe6e6e6));
        p.menu(0, 2); // File > Opslaan
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Nummers")));
        const QByteArray sup = contents(p.dir.filePath("Voorbeelden/Nummers.sup"));
        QVERIFY(sup.endsWith("\"Afbeeldingen\",1,35\r\n"));
        QVERIFY(contents(p.dir.filePath("Voorbeelden/Nummers.afb")).startsWith("Plenvik afbeeldingen 1\r\n1 "));
        QVERIFY(sup.contains("\r\n5\r\n"));
        QVERIFY(sup.contains("\r\n112,93,67,33,0\r\n\"1598\"\r\n38,150,30,40,0\r\n\"NVPH 12\"\r\n73,150,30,40,0\r\n\"NVPH 13\"\r\n"
                             "108,150,30,40,0\r\n\"NVPH 14\"\r\n143,150,30,40,0\r\n\"NVPH 15\"\r\n"));
    }

    void cutListCopiedAndPrinted()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        Program p;
        QVERIFY(p.start());
        p.drag(QPoint(100, 100), QPoint(200, 158)); // 62 x 33 mm
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1")));
        p.menu(3, 8); // Extra > Stroken...
        const QString dlg = xdo({"search", "--sync", "--onlyvisible", "--name", "^ Stroken$"}).split('\n').value(0);
        QVERIFY(!dlg.isEmpty());
        xdo({"windowfocus", "--sync", dlg});
        QThread::msleep(300);
        // The list has the focus: select it all and copy.
        xdo({"key", "ctrl+a"});
        xdo({"key", "ctrl+c"});
        QThread::msleep(300);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith("Stroken voor dit supplement\nLengte van een strook: 215 mm\n"), qPrintable(copied));
        QVERIFY(copied.contains("\nHoogte 33 mm: 1 strook\nStrook 1: 62 = 62 mm, rest 153 mm\n"));

        // Afdrukken, four Tabs on from the list; no printer, so a PDF.
        for (int i = 0; i < 4; ++i)
            xdo({"key", "Tab"});
        xdo({"key", "space"});
        const QString pdf = p.dir.filePath("stroken.pdf");
        QVERIFY(p.answer(QStringLiteral("naar PDF"), pdf, true));
        for (int i = 0; i < 50 && QFileInfo(pdf).size() == 0; ++i)
            QThread::msleep(100);
        QThread::msleep(300);
        const QString text = run(pdftotext, {"-layout", pdf, "-"});
        QVERIFY2(text.contains("Strook 1: 62 = 62 mm, rest 153 mm"), qPrintable(text));
    }

    void albumToOnePdf()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm is not installed");
        Program p;
        const QString lib = p.dir.filePath("Voorbeelden");
        QDir().mkpath(lib);
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, lib + "/" + f));
        QVERIFY(QFile::copy(lib + "/Europa CEPT.bmp", lib + "/Kapot.bmp")); // a picture without its design
        QVERIFY(p.start());
        p.menu(3, 9); // Extra > Album afdrukken...
        QVERIFY(p.fill(QStringLiteral("Album afdrukken"), {})); // all ticked, by name
        const QString pdf = p.dir.filePath("album.pdf");
        QVERIFY(p.answer(QStringLiteral("naar PDF"), pdf, true));
        // The skipped page is named in a message of the program's own.
        QVERIFY(p.answer(QStringLiteral("^Plenvik$")));
        QVERIFY(QFileInfo(pdf).size() > 0);

        // One A4 sheet a readable page, by name, each frame at its place:
        // the left edge of each page's first frame at 254 dpi (10 px a mm).
        struct Sheet {
            int page;
            int leftMm;
            int yMm;
        };
        for (const Sheet &s : {Sheet{1, 43, 60}, Sheet{2, 31, 70}, Sheet{3, 37, 80}}) {
            const QString base = p.dir.filePath(QStringLiteral("blad%1").arg(s.page));
            run(pdftoppm, {"-r", "254", "-gray", "-png", "-singlefile", "-f", QString::number(s.page), "-l",
                           QString::number(s.page), pdf, base}, 60000);
            const QImage img(base + ".png");
            QVERIFY(img.width() == 2100 && qAbs(img.height() - 2970) <= 1); // A4 is 842 points high, 297.04 mm
            const int x = s.leftMm * 10, y = s.yMm * 10;
            QVERIFY2(qGray(img.pixel(x, y)) < 200 || qGray(img.pixel(x + 1, y)) < 200, qPrintable(QString::number(s.page)));
            QVERIFY(qGray(img.pixel(x - 2, y)) > 200);
        }
        QVERIFY(!QFile::exists(p.dir.filePath("blad4.png")));
        run(pdftoppm, {"-r", "10", "-f", "4", "-l", "4", "-png", pdf, p.dir.filePath("geen")});
        QVERIFY(QDir(p.dir.path()).entryList({"geen*"}).isEmpty()); // no fourth sheet
    }

    // Cancel while the pages are read. Opening the first page's picture
    // waits until Escape is pressed in the progress window, so the press
    // lands inside the reading however fast the machine is.
    void albumCancelledWhileReading()
    {
        Program p;
        const QString lib = p.dir.filePath("Voorbeelden");
        QDir().mkpath(lib);
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, lib + "/" + f));
        const QString held = lib + "/0 wacht.bmp";
        QVERIFY(QFile::copy(lib + "/Europa CEPT.sup", lib + "/0 wacht.sup"));
        QVERIFY(QFile::copy(lib + "/Europa CEPT.bmp", held));
        // Reading that page's picture waits until the test lets it go.
        qputenv("PLENVIK_HOLD_OPEN", held.toLocal8Bit());
        qputenv("LD_PRELOAD", PLENVIK_HOLDOPEN);
        qputenv("ASAN_OPTIONS", qgetenv("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        const bool started = p.start();
        qunsetenv("LD_PRELOAD");
        QVERIFY(started);
        p.menu(3, 9); // Extra > Album afdrukken...
        const QString chooser = xdo({"search", "--sync", "--onlyvisible", "--name", "Album afdrukken"}).split('\n').value(0);
        xdo({"windowfocus", "--sync", chooser});
        xdo({"key", "Return"});
        QString progress;
        for (int i = 0; i < 100 && (progress.isEmpty() || progress == chooser); ++i) {
            QThread::msleep(100);
            progress = xdo({"search", "--onlyvisible", "--name", "Album afdrukken"}).split('\n').value(0);
        }
        QVERIFY(!progress.isEmpty() && progress != chooser);
        xdo({"windowfocus", "--sync", progress});
        xdo({"key", "Escape"});
        QFile release(held + ".los"); // lets the reading go on
        QVERIFY(release.open(QIODevice::WriteOnly));
        release.close();
        for (int i = 0; i < 100 && !xdo({"search", "--onlyvisible", "--name", "Album afdrukken"}).isEmpty(); ++i)
            QThread::msleep(100);
        QVERIFY(xdo({"search", "--onlyvisible", "--name", "Album afdrukken"}).isEmpty());
        // No file asked for, nothing said, nothing written.
        QThread::msleep(1500);
        QVERIFY(xdo({"search", "--onlyvisible", "--name", "PDF"}).isEmpty());
        QVERIFY(xdo({"search", "--onlyvisible", "--name", "^Plenvik$"}).isEmpty());
        QCOMPARE(p.process.state(), QProcess::Running);
    }

    void coloursCarryOverAndTheMagnifierFollows()
    {
        Program p;
        QFile ini(p.dir.filePath("Plenvik.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("255,0,0\r\n255,255,255\r\n");
        ini.close();
        QVERIFY(p.start());
        QImage img = p.shot();
        QCOMPARE(img.pixel(p.client + QPoint(460, 118)) & 0xffffff, QRgb(0xff0000)); // swatch
        QCOMPARE(img.pixel(p.client + QPoint(20, 568)) & 0xffffff, QRgb(0xffffff));  // information bar
        p.drag(QPoint(100, 100), QPoint(250, 250));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1")));
        // One step down on the zoom bar gives factor 2; then point into the frame.
        const QPoint arrow = p.client + QPoint(507, 392 + 112 - 6);
        xdo({"mousemove", QString::number(arrow.x()), QString::number(arrow.y())});
        xdo({"click", "1"});
        const QPoint inside = p.canvas + QPoint(175, 175);
        xdo({"mousemove", QString::number(inside.x()), QString::number(inside.y())});
        QThread::msleep(400);
        img = p.shot();
        const QPoint view = p.client + QPoint(374, 394);
        QCOMPARE(img.pixel(view + QPoint(20, 20)) & 0xffffff, QRgb(0xe6e6e6));
        QCOMPARE(img.pixel(view + QPoint(53, 53)) & 0xffffff, QRgb(0xff0000)); // the mark
        const QPoint edge = p.canvas + QPoint(100 + 10, 175);
        xdo({"mousemove", QString::number(edge.x()), QString::number(edge.y())});
        QThread::msleep(400);
        img = p.shot();
        // The frame's red outline, 10 screen pixels left, shows 20 view pixels left.
        QCOMPARE(img.pixel(view + QPoint(34, 30)) & 0xffffff, QRgb(0xff0000));
        // With the window in the screen's corner and the pointer on it, the
        // part of the source off the screen is black, the rest the window.
        xdo({"windowmove", "--sync", p.window, "0", "0"});
        QThread::msleep(300);
        QVERIFY(p.locate());
        xdo({"mousemove", "0", "0"});
        QThread::msleep(400);
        img = p.shot();
        const QPoint moved = p.client + QPoint(374, 394);
        QCOMPARE(img.pixel(moved + QPoint(10, 10)) & 0xffffff, QRgb(0x000000));
        QVERIFY((img.pixel(moved + QPoint(100, 100)) & 0xffffff) != 0);
    }

    // "Album indelen" in the real window: a list typed in, the preview
    // drawn, the pages put into the library and listed.
    void albumLaidOutFromAList()
    {
        Program p;
        QVERIFY(p.start());
        p.menu(3, 4); // Extra > Album indelen...
        const QString dlg = xdo({"search", "--sync", "--onlyvisible", "--name", "^ Album indelen$"}).split('\n').value(0);
        QVERIFY(!dlg.isEmpty());
        xdo({"windowfocus", "--sync", dlg});
        for (const char *line : {"= 1852", "NVPH 1; 22; 30; 7"}) {
            xdo({"type", "--delay", "20", QString::fromLatin1(line)});
            xdo({"key", "Return"});
        }
        QThread::msleep(800);
        QHash<QString, int> geometry;
        for (const QString &l : xdo({"getwindowgeometry", "--shell", dlg}).split('\n'))
            geometry.insert(l.section('=', 0, 0), l.section('=', 1).toInt());
        const int x = geometry.value("X"), y = geometry.value("Y"), w = geometry.value("WIDTH"), h = geometry.value("HEIGHT");
        // The preview stands right of the list: its first frame, 54 mm in
        // and 104 mm down, is light grey inside the green outline.
        bool grey = false;
        const QImage img = p.shot();
        for (int px = x + w / 2; px < x + w && !grey; ++px)
            for (int py = y; py < y + h / 2 && !grey; ++py)
                grey = (img.pixel(px, py) & 0xffffff) == 0xe6e6e6;
        QVERIFY2(grey, "the preview shows the frames");
        // "In bibliotheek zetten", then "Sluiten", at the bottom right.
        xdo({"mousemove", QString::number(x + w - 164), QString::number(y + h - 23)});
        xdo({"click", "1"});
        QThread::msleep(500);
        xdo({"mousemove", QString::number(x + w - 52), QString::number(y + h - 23)});
        xdo({"click", "1"});
        QThread::msleep(500);
        QVERIFY(xdo({"search", "--onlyvisible", "--name", "^ Album indelen$"}).isEmpty());
        const QByteArray sup = contents(p.dir.filePath("Voorbeelden/Album 01.sup"));
        // Under the heading of 5.9 mm (12 pt): the two blocks of
        // 35.9 and 30 mm leave 149.1 mm in thirds, so the heading's top is at
        // 48 + 49.7 = 97.7, the rows at 103.6 and 183.3 mm.
        QVERIFY2(sup.contains("\r\n7\r\n") && sup.contains("\r\n54,104,22,30,0\r\n\"NVPH 1\"\r\n"), sup.constData());
        QVERIFY(sup.contains("\r\n121,183,22,30,0\r\n\"NVPH 7\"\r\n"));
        QVERIFY(sup.contains("\r\n\"Tekst\",98,\"Midden\",12,1,\"1852\"\r\n\"Album\",\"Album\",\""));
        QVERIFY(QFile::exists(p.dir.filePath("Voorbeelden/Album 01.bmp")));
        QVERIFY(contents(p.dir.filePath("Voorbeelden/Album.album")).endsWith("\r\nLijst\r\n= 1852\r\nNVPH 1; 22; 30; 7\r\n\r\n"));

        // Opened again, the window holds the album's list: putting it again
        // asks over the page it laid out, and Yes puts the same page.
        p.menu(3, 4);
        const QString again = xdo({"search", "--sync", "--onlyvisible", "--name", "^ Album indelen$"}).split('\n').value(0);
        QVERIFY(!again.isEmpty());
        QThread::msleep(800);
        xdo({"mousemove", QString::number(x + w - 164), QString::number(y + h - 23)});
        xdo({"click", "1"});
        QStringList open;
        for (int i = 0; i < 50 && open.size() < 2; ++i, QThread::msleep(100))
            open = xdo({"search", "--onlyvisible", "--name", "^ Album indelen$"}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(open.size(), 2); // the window and its question
        xdo({"key", "Return"});
        QThread::msleep(500);
        xdo({"mousemove", QString::number(x + w - 52), QString::number(y + h - 23)});
        xdo({"click", "1"});
        QThread::msleep(500);
        QCOMPARE(contents(p.dir.filePath("Voorbeelden/Album 01.sup")), sup);
    }

    void drawSaveNewLoadAndExit()
    {
        Program p;
        QVERIFY(p.start());
        p.drag(QPoint(181, 163), QPoint(290, 221));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1"), QStringLiteral("1598")));
        p.drag(QPoint(40, 300), QPoint(140, 380));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 2"), QStringLiteral("Nr. 2, blok")));

        QImage img = p.shot();
        QCOMPARE(p.canvasPixel(img, 181, 163), QRgb(0x78b478));
        QCOMPARE(p.canvasPixel(img, 290, 221), QRgb(0x78b478));
        QCOMPARE(p.canvasPixel(img, 200, 200), QRgb(0xe6e6e6));
        bool caption = false;
        for (int y = 223; y < 240 && !caption; ++y)
            for (int x = 220; x < 250; ++x)
                caption = caption || qRed(p.canvasPixel(img, x, y)) < 160;
        QVERIFY2(caption, "the caption is painted under the frame");

        p.menu(0, 2); // File > Opslaan
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Europa")));
        const QString lib = p.dir.filePath("Voorbeelden");
        QVERIFY(QFile::exists(lib + "/Europa.bmp"));
        const QByteArray sup = contents(lib + "/Europa.sup");
        QVERIFY(sup.contains("\r\n112,93,67,33,0\r\n\"1598\"\r\n"));
        QVERIFY(sup.contains("\"Nr. 2, blok\""));

        p.menu(0, 1); // File > Nieuw
        QVERIFY(p.answer(QStringLiteral("Nieuw")));
        img = p.shot();
        QCOMPARE(p.canvasPixel(img, 200, 200), QRgb(0xc8c8c8));

        p.doubleClickList(0);
        img = p.shot();
        QCOMPARE(p.canvasPixel(img, 181, 163), QRgb(0x78b478));
        QCOMPARE(p.canvasPixel(img, 200, 200), QRgb(0xe6e6e6));

        p.menu(0, 2);
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Kopie")));
        QCOMPARE(contents(lib + "/Kopie.sup"), sup);
        QCOMPARE(contents(lib + "/Kopie.bmp"), contents(lib + "/Europa.bmp"));

        p.menu(0, 5); // File > Exit
        QVERIFY(p.answer(QStringLiteral("Exit programma")));
        QVERIFY(p.process.waitForFinished(10000));
        QCOMPARE(p.process.exitCode(), 0);
        QCOMPARE(contents(p.dir.filePath("Plenvik.ini")), QByteArray("120,180,120\r\n220,220,140\r\n"));
    }
};

// A GUI application, so the test can read the clipboard the program fills.
QTEST_MAIN(TestEndToEnd)
#include "test_e2e.moc"
