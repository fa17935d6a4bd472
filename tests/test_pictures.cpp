// Pictures of the stamps in their frames: taking a picture in, keeping it
// with the page through save, load, overwrite and delete, the window's
// Undo, and the printed page.

#include "fakes.h"

#include "canvas/pagerender.h"
#include "library/pagefiles.h"
#include "library/picturefile.h"
#include "library/stamppicture.h"
#include "platform/printer.h"
#include "printing/printpage.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

using namespace plenvik;
using namespace plenvik::test;

namespace {
QString saveImage(const QString &path, QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.save(path);
    return path;
}

// A PNG that claims a size in its header and has no pixels behind it.
QString pngHeader(const QString &path, quint32 width, quint32 height)
{
    auto chunk = [](const QByteArray &typeAndData) {
        quint32 crc = 0xFFFFFFFF;
        for (const char c : typeAndData) {
            crc ^= uchar(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        QByteArray out(4, '\0');
        qToBigEndian(quint32(typeAndData.size() - 4), out.data());
        out += typeAndData;
        out.resize(out.size() + 4);
        qToBigEndian(~crc, out.data() + out.size() - 4);
        return out;
    };
    QByteArray ihdr("IHDR");
    ihdr.resize(17);
    qToBigEndian(width, ihdr.data() + 4);
    qToBigEndian(height, ihdr.data() + 8);
    const char rest[] = {8, 2, 0, 0, 0}; // 8-bit RGB
    memcpy(ihdr.data() + 12, rest, 5);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk(ihdr) + chunk("IDAT"));
    return path;
}

// One frame of 60 x 40 mm at (40, 60), without an inner frame.
PageDesign oneFrame()
{
    PageDesign d;
    d.ColourR = d.ColourG = d.ColourB = 0;
    d.appendKader(Kader{40, 60, 60, 40, 0, QStringLiteral("NVPH 1")});
    return d;
}
} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    // Each bad file is refused with its name; a large picture is reduced to
    // 600 dpi at the room its frame has.
    void takingIn()
    {
        QTemporaryDir dir;
        const Kader frame{20, 20, 30, 20, 0, {}};
        QFile text(dir.filePath("lijst.txt"));
        text.open(QIODevice::WriteOnly);
        text.write("NVPH 1; 22; 26\r\n");
        text.close();
        const QString jpeg = saveImage(dir.filePath("heel.jpg"), QSize(400, 300), Qt::darkRed);
        QFile cut(dir.filePath("half.jpg"));
        cut.open(QIODevice::WriteOnly);
        cut.write(fileBytes(jpeg).left(int(QFileInfo(jpeg).size() / 2)));
        cut.close();
        const QList<std::pair<QString, QString>> refused = {
            {dir.filePath("lijst.txt"), "Afbeelding lijst.txt: dit is geen PNG, JPEG, BMP of TIFF."},
            {pngHeader(dir.filePath("leeg.png"), 0, 0), "Afbeelding leeg.png: de afbeelding heeft geen pixels."},
            {pngHeader(dir.filePath("reus.png"), 30000, 30000), "Afbeelding reus.png: de afbeelding is te groot (30000 x 30000 pixels)."},
            {dir.filePath("half.jpg"), "Afbeelding half.jpg: de afbeelding is afgebroken."},
            {dir.filePath("weg.png"), "Afbeelding weg.png: het bestand is er niet of kan niet worden gelezen."},
        };
        for (const auto &[path, said] : refused) {
            QString why;
            QVERIFY2(!takeInPicture(path, frame, &why), qPrintable(path));
            QCOMPARE(why, said);
        }

        // Room 28 x 18 mm: at most 662 x 426 pixels, so 3000 x 1500 becomes
        // 662 x 331; the JPEG is whole and becomes 400 x 300 as it was.
        const auto big = takeInPicture(saveImage(dir.filePath("scan.png"), QSize(3000, 1500), Qt::blue), frame);
        QVERIFY(big);
        QCOMPARE(storedPictureSize(*big), QSize(662, 331));
        QCOMPARE(storedPictureSize(takeInPicture(jpeg, frame).value_or(QByteArray())), QSize(400, 300));
        const QString tiff = saveImage(dir.filePath("scan.tif"), QSize(30, 20), Qt::green);
        QCOMPARE(storedPictureSize(takeInPicture(tiff, frame).value_or(QByteArray())), QSize(30, 20));
    }

    // Three files while the page has pictures, two when it has none; the
    // pictures go with the page's other files under any letter case, and
    // a file of that name that is not the program's is never touched.
    void keptWithThePage()
    {
        QTemporaryDir dir;
        const QString lib = dir.path();
        PageDesign d = oneFrame();
        d.appendKader(Kader{110, 60, 30, 40, 1, QStringLiteral("NVPH 2")});
        d.pictures.Bestanden.at(1) = *takeInPicture(saveImage(dir.filePath("z.png"), QSize(50, 60), Qt::red), d.kader(2));
        d.pictures.Sterkte = 60;
        QFile::remove(dir.filePath("z.png"));
        QVERIFY(savePageFiles(lib, "Zegel", pagePicture(d), d));
        QCOMPARE(QDir(lib).entryList(QDir::Files | QDir::Hidden), (QStringList{"Zegel.afb", "Zegel.bmp", "Zegel.sup"}));
        QVERIFY(fileBytes(dir.filePath("Zegel.sup")).endsWith("\"Afbeeldingen\",1,60\r\n"));
        QCOMPARE(listPages(lib), QStringList{"Zegel"});
        QString why;
        const auto loaded = readPageFiles(lib, "Zegel", PageDesign{}, &why);
        QVERIFY2(loaded, qPrintable(why));
        QCOMPARE(loaded->design.pictures, d.pictures);

        // Saved under another case: the old three go, the new three stand.
        QVERIFY(savePageFiles(lib, "ZEGEL", pagePicture(d), d));
        QCOMPARE(QDir(lib).entryList(QDir::Files | QDir::Hidden), (QStringList{"ZEGEL.afb", "ZEGEL.bmp", "ZEGEL.sup"}));
        // Overwritten without pictures: their file goes.
        PageDesign plain = d;
        plain.pictures = Afbeeldingen{};
        QVERIFY(savePageFiles(lib, "ZEGEL", pagePicture(plain), plain));
        QCOMPARE(QDir(lib).entryList(QDir::Files | QDir::Hidden), (QStringList{"ZEGEL.bmp", "ZEGEL.sup"}));

        // A design that names pictures whose file is gone is not read half,
        // nor one whose pictures the program would not have stored: a PNG,
        // or a JPEG beyond 600 dpi across its room of 22 x 32 mm.
        QVERIFY(savePageFiles(lib, "ZEGEL", pagePicture(d), d));
        QVERIFY(QFile::remove(dir.filePath("ZEGEL.afb")));
        QVERIFY(!readPageFiles(lib, "ZEGEL", PageDesign{}, &why));
        QCOMPARE(why, QStringLiteral("afbeeldingenbestand ontbreekt"));
        const std::pair<const char *, QString> heavy[] = {
            {"png", "kader 2: de afbeelding is geen JPEG zoals Plenvik die bewaart"},
            {"jpeg", "kader 2: de afbeelding is groter dan Plenvik haar bewaart (522 x 757 pixels, hoogstens 520 x 756)"}};
        for (const auto &[format, said] : heavy) {
            Afbeeldingen forged = d.pictures;
            QImage white(522, 757, QImage::Format_RGB32);
            white.fill(Qt::white);
            QBuffer bytes(&forged.Bestanden.at(1));
            QVERIFY(bytes.open(QIODevice::WriteOnly) && white.save(&bytes, format));
            QFile afb(dir.filePath("ZEGEL.afb"));
            QVERIFY(afb.open(QIODevice::WriteOnly) && afb.write(pictureFileBytes(forged, 2)) > 0);
            afb.close();
            QVERIFY(!readPageFiles(lib, "ZEGEL", PageDesign{}, &why));
            QCOMPARE(why, said);
        }
        QCOMPARE(deletePageFiles(lib, "ZEGEL"), DeleteResult::Deleted);

        // "Ander.afb" of someone else's: neither replaced nor removed.
        QFile foreign(dir.filePath("Ander.afb"));
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("eigen notities") > 0);
        foreign.close();
        QVERIFY(savePageFiles(lib, "Ander", pagePicture(plain), plain));
        QVERIFY(!savePageFiles(lib, "Ander", pagePicture(d), d, {}, &why));
        QCOMPARE(why, "Ander.afb staat al in de bibliotheek en is geen afbeeldingenbestand van Plenvik; "
                      "geef het buiten Plenvik een andere naam.");
        QCOMPARE(deletePageFiles(lib, "Ander"), DeleteResult::Deleted);
        QCOMPARE(QDir(lib).entryList(QDir::Files | QDir::Hidden), QStringList{"Ander.afb"});
        QCOMPARE(fileBytes(dir.filePath("Ander.afb")), QByteArray("eigen notities"));
    }

    // A pictures file is read only as the program writes it.
    void pictureFileFaults_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("said");
        QTest::newRow("whole") << QByteArray("1 3\r\nabc\r\n2 2\r\nde\r\n") << QString();
        QTest::newRow("frame twice") << QByteArray("1 3\r\nabc\r\n1 3\r\nabc\r\n") << "afbeeldingenbestand is beschadigd";
        QTest::newRow("frame above the count") << QByteArray("3 3\r\nabc\r\n") << "afbeeldingenbestand is beschadigd";
        QTest::newRow("no line end after a picture") << QByteArray("1 3\r\nabcXY") << "afbeeldingenbestand is afgebroken";
    }
    void pictureFileFaults()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, said);
        Afbeeldingen read;
        QString why;
        QCOMPARE(readPictureFile(QByteArray(kPictureFileHeader) + "\r\n" + body, 2, read, &why), said.isEmpty());
        QCOMPARE(why, said);
        if (said.isEmpty())
            QCOMPARE(read.Bestanden.at(1), QByteArray("de"));
    }

    // In the window: a picture entered with its frame, changed in
    // " Afbeeldingen", refused with the file's name, and taken back by Undo.
    void inTheWindow()
    {
        Harness h;
        Main &m = h.start();
        const QString red = saveImage(h.dir.filePath("rood.png"), QSize(200, 100), Qt::red);
        h.extra.kaders.enqueue(KaderInvoer{40, 60, 60, 40, false, QStringLiteral("NVPH 1"), h.dir.filePath("weg.png")});
        h.extra.kaders.enqueue(KaderInvoer{40, 60, 60, 40, false, QStringLiteral("NVPH 1"), red});
        m.action("ExtraKaderInvoeren")->trigger();
        QCOMPARE(h.dialogs.messages(),
                 QStringList{"Afbeelding weg.png: het bestand is er niet of kan niet worden gelezen."});
        QCOMPARE(storedPictureSize(m.design().pictures.Bestanden.at(0)), QSize(200, 100));
        // Over the picture, never in it: room 41..99 x 61..99 mm, the
        // picture 58 x 29 mm from (41, 65.5), on the canvas at 1.62 and 1.75.
        QCOMPARE(m.pic()->framePictures().size(), 1);
        QCOMPARE(m.pic()->framePictures().at(0).rect, QRect(QPoint(66, 115), QPoint(159, 164)));
        QCOMPARE(m.pic()->picture(), pagePicture(m.design()));

        const Afbeeldingen first = m.design().pictures;
        h.extra.afbeeldingKeuzes.enqueue(AfbeeldingenKeuze{{h.dir.filePath("weg.png")}, true, 35});
        m.action("ExtraAfbeeldingen")->trigger();
        QCOMPARE(h.dialogs.messages().last(), "Afbeelding weg.png: het bestand is er niet of kan niet worden gelezen.");
        QCOMPARE(m.design().pictures, first);
        QCOMPARE(h.extra.afbeeldingRegels.last().at(0).onderschrift, "NVPH 1");
        QVERIFY(!h.extra.afbeeldingRegels.last().at(0).voorbeeld.isNull());

        // In colour at 80 %, then taken off: each one step.
        h.extra.afbeeldingKeuzes.enqueue(AfbeeldingenKeuze{{std::nullopt}, false, 80});
        m.action("ExtraAfbeeldingen")->trigger();
        QVERIFY(m.listingText().endsWith("Afbeeldingen....: 1, in kleur, sterkte 80 %\r\n"));
        h.extra.afbeeldingKeuzes.enqueue(AfbeeldingenKeuze{{QString()}, false, 100});
        m.action("ExtraAfbeeldingen")->trigger();
        QVERIFY(m.design().pictures.Bestanden.at(0).isEmpty());
        QVERIFY(m.pic()->framePictures().isEmpty());
        m.action("EditUndo")->trigger();
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().pictures, first);
        QCOMPARE(m.design().KaderCount, 1);
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().KaderCount, 0);
        QVERIFY(m.pic()->framePictures().isEmpty());
    }

    // A frame made smaller by its handle refits its stored picture to its
    // new room, 28 x 18 mm: 1370 x 685 (2000 x 1000 kept within 1371 x 898)
    // becomes 662 x 331; Undo brings the picture back as it was.
    void resizedFrameRefitsItsPicture()
    {
        Harness h;
        Main &m = h.start();
        h.extra.kaders.enqueue(KaderInvoer{40, 60, 60, 40, false, QStringLiteral("NVPH 1"),
                                           saveImage(h.dir.filePath("groot.png"), QSize(2000, 1000), Qt::red)});
        m.action("ExtraKaderInvoeren")->trigger();
        const QByteArray stored = m.design().pictures.Bestanden.at(0);
        QCOMPARE(storedPictureSize(stored), QSize(1370, 685));
        drag(m.pic(), QPoint(100, 140), QPoint(100, 140));
        drag(m.pic(), QPoint(162, 175), QPoint(113, 140));
        QCOMPARE(m.design().kader(1), (Kader{40, 60, 30, 20, 0, QStringLiteral("NVPH 1")}));
        QCOMPARE(storedPictureSize(m.design().pictures.Bestanden.at(0)), QSize(662, 331));
        // 28 x 14 mm from (41, 63): canvas 66 to 111 across, 110 to 134 down.
        QCOMPARE(m.pic()->framePictures().at(0).rect, QRect(QPoint(66, 110), QPoint(111, 134)));
        m.action("EditUndo")->trigger();
        QCOMPARE(m.design().pictures.Bestanden.at(0), stored);
    }

    // On paper from the stored picture: inside the frame with the 1 mm edge,
    // grey at 35 %, and the frame where it is without the picture, to one
    // pixel at 254 dpi (0.1 mm).
    void printedInItsFrame()
    {
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (pdftoppm.isEmpty())
            QSKIP("poppler-utils is not installed");
        QTemporaryDir dir;
        PageDesign with = oneFrame();
        with.pictures.Bestanden.at(0) = *takeInPicture(saveImage(dir.filePath("rood.png"), QSize(200, 100), Qt::red), with.kader(1));
        RecordingSurface rec;
        DrawPage(with, rec);
        QVERIFY(rec.drawing().contains(QStringLiteral("P 38,62.5 96,91.5 %1 grijs 35").arg(with.pictures.Bestanden.at(0).size())));

        auto render = [&](const PageDesign &d, const QString &name) {
            PrintJob job;
            DrawPage(d, job);
            QPrinter printer(QPrinter::HighResolution);
            const QString pdf = dir.filePath(name + ".pdf");
            if (!writePdf(printer, job, pdf))
                return QImage();
            QProcess::execute(pdftoppm, {"-r", "254", "-png", "-singlefile", pdf, dir.filePath(name)});
            return QImage(dir.filePath(name + ".png"));
        };
        const QImage withPicture = render(with, "met");
        const QImage without = render(oneFrame(), "zonder");
        QVERIFY(!withPicture.isNull() && !without.isNull());
        // In the file a grey picture is grey, in one channel, and a large
        // scan is held at 300 dpi across the 58 x 28.98 mm it is printed
        // at, within the pixel a reduction by half rounds to: its stored
        // 1370 x 685 as 685 x 342; in colour it is colour.
        PageDesign large = oneFrame();
        large.pictures.Bestanden.at(0) = *takeInPicture(saveImage(dir.filePath("groot.png"), QSize(2000, 1000), Qt::red), large.kader(1));
        render(large, "met");
        PageDesign coloured = large;
        coloured.pictures.Grijstinten = false;
        render(coloured, "kleur");
        for (const auto &[name, kind] : {std::pair("met", "gray    1"), std::pair("kleur", "rgb     3")}) {
            QProcess list;
            list.start(QStandardPaths::findExecutable("pdfimages"), {"-list", dir.filePath(QStringLiteral("%1.pdf").arg(name))});
            QVERIFY(list.waitForFinished(30000));
            const QString line = QString::fromLatin1(list.readAllStandardOutput()).split('\n').value(2).simplified();
            QVERIFY2(line.contains(QStringLiteral("image 685 342 %1 8 jpeg no").arg(QString(kind).simplified())), qPrintable(line));
            QVERIFY2(line.contains(" 300 300 "), qPrintable(line));
        }
        // Red at 35 % in grey: qGray gives 87, and 255 - (255 - 87) * 0.35 = 196.
        const QRgb middle = withPicture.pixel(700, 800);
        QVERIFY2(qAbs(qRed(middle) - 196) <= 3 && qRed(middle) == qGreen(middle) && qGreen(middle) == qBlue(middle),
                 qPrintable(QString::number(middle, 16)));
        // The picture's edges at 41 and 99 mm across, 65.5 and 94.5 down.
        auto isPicture = [&](int x, int y) { return qAbs(qGray(withPicture.pixel(x, y)) - 196) <= 6; };
        QVERIFY(isPicture(412, 800) && !isPicture(408, 800) && isPicture(988, 800) && !isPicture(992, 800));
        QVERIFY(isPicture(700, 657) && !isPicture(700, 653) && isPicture(700, 943) && !isPicture(700, 947));
        for (int x = 395; x <= 406; ++x)
            QCOMPARE(withPicture.pixel(x, 800), without.pixel(x, 800));
        for (int y = 595; y <= 606; ++y)
            QCOMPARE(withPicture.pixel(700, y), without.pixel(700, y));
    }

    // A list names pictures relative to its folder, the home folder for a
    // list typed in the window; one that is missing is named by its line.
    void albumFromAList()
    {
        Harness h;
        Main &m = h.start();
        saveImage(h.dir.filePath("rood.png"), QSize(20, 24), Qt::red);
        h.extra.indelenStappen = {{"NVPH 1; 22; 26; 1; rood.png\nNVPH 2; 22; 26;; geen.png", IndelenVelden{}, {}, false},
                                  {"NVPH 1; 22; 26; 2; rood.png", IndelenVelden{}, {0}, true}};
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(h.dir.path()));
        m.action("ExtraAlbumIndelen")->trigger();
        qputenv("HOME", home);
        QCOMPARE(h.extra.indelenUitkomsten.at(0).regel,
                 "Regel 2: Afbeelding geen.png: het bestand is er niet of kan niet worden gelezen.");
        QString why;
        const auto page = readPageFiles(h.library(), "Album 01", PageDesign{}, &why);
        QVERIFY2(page, qPrintable(why));
        QCOMPARE(page->design.KaderCount, 2);
        QCOMPARE(storedPictureSize(page->design.pictures.Bestanden.at(1)), QSize(20, 24));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
