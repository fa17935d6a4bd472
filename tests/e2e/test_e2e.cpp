// End to end in a real window: starts the built program in a program folder
// of its own under the X server of DISPLAY (Xvfb in CI), drives it with
// xdotool, and reads the screen back with ImageMagick's import.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QString run(const QString &program, const QStringList &args, int timeoutMs = 20000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString xdo(const QStringList &args)
{
    return run(QStringLiteral("xdotool"), args);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Program {
public:
    QTemporaryDir dir;
    QProcess process;
    QString window;
    QPoint canvas; // screen position of canvas pixel (0, 0)
    QPoint client; // screen position of the client area's corner

    bool start()
    {
        QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
        const QString binary = dir.filePath(QStringLiteral("plenvik"));
        if (!QFile::copy(QStringLiteral(PLENVIK_BINARY), binary))
            return false;
        process.setProgram(binary);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start();
        if (!process.waitForStarted())
            return false;
        window = xdo({"search", "--sync", "--onlyvisible", "--name", "^ Plenvik$"}).split('\n').value(0);
        if (window.isEmpty())
            return false;
        QThread::msleep(500);
        focus();
        return locate();
    }

    void focus() { xdo({"windowfocus", "--sync", window}); }

    QImage shot()
    {
        const QString path = dir.filePath(QStringLiteral("shot.png"));
        QFile::remove(path);
        run(QStringLiteral("import"), {"-window", "root", path});
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

    bool locate()
    {
        int x = -1, y = -1;
        for (const QString &line : xdo({"getwindowgeometry", "--shell", window}).split('\n')) {
            if (line.startsWith("X="))
                x = line.mid(2).toInt();
            if (line.startsWith("Y="))
                y = line.mid(2).toInt();
        }
        if (x < 0 || y < 0)
            return false;
        // The grey plate behind the canvas starts 8 pixels into the client
        // area; find it below the menu bar.
        const QImage img = shot();
        for (int yy = y; yy < y + 80; ++yy) {
            if (img.pixel(x + 10, yy) == qRgb(128, 128, 128)) {
                client = QPoint(x, yy - 8);
                canvas = client + QPoint(14, 14);
                return true;
            }
        }
        return false;
    }

    QRgb canvasPixel(const QImage &img, int x, int y) const { return img.pixel(canvas + QPoint(x, y)) & 0xffffff; }

    void drag(QPoint from, QPoint to)
    {
        const QPoint a = canvas + from, b = canvas + to, mid = (a + b) / 2;
        xdo({"mousemove", "--sync", QString::number(a.x()), QString::number(a.y())});
        xdo({"mousedown", "1"});
        xdo({"mousemove", "--sync", QString::number(mid.x()), QString::number(mid.y())});
        xdo({"mousemove", "--sync", QString::number(b.x()), QString::number(b.y())});
        xdo({"mouseup", "1"});
    }

    // Answers the dialog whose title holds 'title' by typing and Return.
    bool answer(const QString &title, const QString &text = {}, bool replaceField = false)
    {
        const QString dlg = xdo({"search", "--sync", "--onlyvisible", "--name", title}).split('\n').value(0);
        if (dlg.isEmpty())
            return false;
        xdo({"windowfocus", "--sync", dlg});
        QThread::msleep(200);
        if (replaceField)
            xdo({"key", "ctrl+a"});
        if (!text.isEmpty())
            xdo({"type", "--delay", "20", text});
        xdo({"key", "Return"});
        for (int i = 0; i < 50; ++i) {
            if (xdo({"search", "--onlyvisible", "--name", title}).isEmpty())
                break;
            QThread::msleep(100);
        }
        focus();
        QThread::msleep(200);
        return true;
    }

    // Opens a menu of the menu bar and picks an item by position.
    void menu(int menuIndex, int itemDownPresses)
    {
        focus();
        static const int menuX[] = {18, 52, 92, 132};
        const QPoint p = client + QPoint(menuX[menuIndex], -10);
        xdo({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
        xdo({"click", "1"});
        QThread::msleep(300);
        for (int i = 0; i < itemDownPresses; ++i)
            xdo({"key", "Down"});
        xdo({"key", "Return"});
        QThread::msleep(200);
    }

    void doubleClickList(int row)
    {
        const QPoint p = client + QPoint(370 + 30, 140 + 8 + row * 16);
        xdo({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
        xdo({"click", "--repeat", "2", "--delay", "60", "1"});
        QThread::msleep(400);
    }

    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
};

} // namespace

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
        xdo({"mousemove", "--sync", QString::number(arrow.x()), QString::number(arrow.y())});
        xdo({"click", "1"});
        const QPoint inside = p.canvas + QPoint(175, 175);
        xdo({"mousemove", "--sync", QString::number(inside.x()), QString::number(inside.y())});
        QThread::msleep(400);
        img = p.shot();
        const QPoint view = p.client + QPoint(374, 394);
        QCOMPARE(img.pixel(view + QPoint(20, 20)) & 0xffffff, QRgb(0xe6e6e6));
        QCOMPARE(img.pixel(view + QPoint(53, 53)) & 0xffffff, QRgb(0xff0000)); // the mark
        const QPoint edge = p.canvas + QPoint(100 + 10, 175);
        xdo({"mousemove", "--sync", QString::number(edge.x()), QString::number(edge.y())});
        QThread::msleep(400);
        img = p.shot();
        // The frame's red outline, 10 screen pixels left, shows 20 view pixels left.
        QCOMPARE(img.pixel(view + QPoint(34, 30)) & 0xffffff, QRgb(0xff0000));
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

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_e2e.moc"
