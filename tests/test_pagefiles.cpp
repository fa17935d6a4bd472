// Page files in the library folder: listing, names, saving without loss,
// reading with every check done before anything is applied, deleting.

#include "fakes.h"

#include "canvas/grid.h"
#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/pagefiles.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace plenvik;
using plenvik::test::fileBytes;

namespace {
void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}


QImage gridPicture()
{
    QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawGrid(img);
    return img;
}

PageDesign somePage()
{
    PageDesign d;
    d.addFrame(181, 163, 290, 221, false);
    d.kader(1).Onderschrift = QStringLiteral("1598");
    d.PageTitle = QStringLiteral("Europa");
    return d;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}
} // namespace

class TestPageFiles : public QObject {
    Q_OBJECT
private slots:
    void listsPicturesInCaseInsensitiveOrder()
    {
        QTemporaryDir dir;
        touch(dir.filePath("b.bmp"));
        touch(dir.filePath("A.bmp"));
        touch(dir.filePath("c.sup"));
        touch(dir.filePath("Zegels.BMP"));
        touch(dir.filePath("a2.bmp"));
        touch(dir.filePath("notes.txt"));
        QDir(dir.path()).mkdir("map.bmp");
        const auto pages = listPages(dir.path());
        QVERIFY(pages.has_value());
        QCOMPARE(*pages, (QStringList{"A", "a2", "b", "Zegels"}));
    }

    void missingFolderIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(!listPages(dir.filePath("Voorbeelden")).has_value());
        QVERIFY(listPages(dir.path())->isEmpty());
    }

    void pageNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("word") << "Europa" << true;
        QTest::newRow("blanks and digits") << " Nederland 1852 " << true;
        QTest::newRow("accents") << "Ísland café" << true;
        QTest::newRow("dot inside") << "blad.2" << true;
        QTest::newRow("slash") << "../oeps" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("control character") << "a\nb" << false;
        for (const char *c : {"<", ">", ":", "\"", "|", "?", "*"})
            QTest::newRow(qPrintable(QStringLiteral("forbidden %1").arg(QLatin1String(c)))) << QStringLiteral("a%1b").arg(QLatin1String(c)) << false;
    }
    void pageNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainPageName(name), plain);
    }

    void savesBothFilesAndReadsThemBack()
    {
        QTemporaryDir dir;
        int refreshed = 0;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage(), SaveSteps{[&] {
                                  ++refreshed;
                                  // The picture is in place before the list is refilled.
                                  return QFile::exists(dir.filePath("Europa.bmp")) && !QFile::exists(dir.filePath("Europa.sup"));
                              }}));
        QCOMPARE(refreshed, 1);
        QCOMPARE(fileBytes(dir.filePath("Europa.sup")), designFileBytes(somePage()));
        QCOMPARE(QFileInfo(dir.filePath("Europa.bmp")).size(), qint64(533558)); // 24-bit rows padded to 4 bytes

        PageDesign base;
        const auto page = readPageFiles(dir.path(), "europa", base);
        QVERIFY(page.has_value());
        QVERIFY(page->design == somePage());
        QCOMPARE(page->picture, gridPicture());
    }

    void bitmapBytesAreQtsOwn()
    {
        // Pages saved before keep the very same bytes when saved again.
        QImage picture = gridPicture();
        QPainter(&picture).fillRect(QRect(100, 100, 57, 33), QColor(12, 200, 99));
        QBuffer ours, qts;
        ours.open(QIODevice::WriteOnly);
        qts.open(QIODevice::WriteOnly);
        QVERIFY(writeBmp24(ours, picture));
        QVERIFY(QImageWriter(&qts, "bmp").write(picture.convertToFormat(QImage::Format_RGB888)));
        QCOMPARE(ours.data(), qts.data());
        QImage back;
        QVERIFY(back.loadFromData(ours.data(), "BMP"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
    }

    void overwriteAcrossCaseReplacesThePage()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "europa", gridPicture(), PageDesign{}));
        QCOMPARE(findPicture(dir.path(), "EUROPA"), QStringLiteral("europa.bmp"));
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Europa.bmp", "Europa.sup"}));
        QCOMPARE(*listPages(dir.path()), QStringList{"Europa"});
    }

    void refusedNameWritesNothing()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("lib");
        QVERIFY(!savePageFiles(dir.filePath("lib"), "../buiten", gridPicture(), somePage()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
        QCOMPARE(QDir(dir.filePath("lib")).entryList(QDir::Files).size(), 0);
    }

    void failedSaveLeavesEarlierFilesWhole()
    {
        if (runningAsRoot())
            QSKIP("root may write into a read-only folder; the fault tests cover this with a full file system");
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), PageDesign{}));
        const QByteArray bmp = fileBytes(dir.filePath("Europa.bmp"));
        const QByteArray sup = fileBytes(dir.filePath("Europa.sup"));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QVERIFY(!savePageFiles(dir.path(), "Europa", QImage(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32), somePage()));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(fileBytes(dir.filePath("Europa.bmp")), bmp);
        QCOMPARE(fileBytes(dir.filePath("Europa.sup")), sup);
    }

    void unwritableDesignFileLeavesThePictureWhole()
    {
        // A folder in the design file's place makes its write fail, for root too.
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), PageDesign{}));
        const QByteArray bmp = fileBytes(dir.filePath("Europa.bmp"));
        QVERIFY(QFile::remove(dir.filePath("Europa.sup")));
        QVERIFY(QDir(dir.path()).mkdir("Europa.sup"));
        QImage other = gridPicture();
        other.fill(Qt::black);
        QVERIFY(!savePageFiles(dir.path(), "Europa", other, somePage()));
        QCOMPARE(fileBytes(dir.filePath("Europa.bmp")), bmp);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Europa.bmp"});
    }

    void failedRefreshKeepsTheOldDesignFile()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), PageDesign{}));
        const QByteArray sup = fileBytes(dir.filePath("Europa.sup"));
        QVERIFY(!savePageFiles(dir.path(), "Europa", gridPicture(), somePage(), SaveSteps{[] { return false; }}));
        QCOMPARE(fileBytes(dir.filePath("Europa.sup")), sup);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Europa.bmp", "Europa.sup"}));
    }

    void missingFolderFailsTheSave()
    {
        QTemporaryDir dir;
        QVERIFY(!savePageFiles(dir.filePath("Voorbeelden"), "Europa", gridPicture(), somePage()));
        QVERIFY(!QFileInfo::exists(dir.filePath("Voorbeelden")));
    }

    void unreadablePages_data()
    {
        QTest::addColumn<QByteArray>("bmp");   // empty: write a good picture
        QTest::addColumn<QByteArray>("sup");   // empty: no design file
        QTest::addColumn<QSize>("pictureSize");
        const QByteArray good = designFileBytes(somePage());
        QTest::newRow("picture is text") << QByteArray("not a bitmap") << good << QSize();
        QTest::newRow("picture empty") << QByteArray("\0", 0) << good << QSize();
        QTest::newRow("picture of another size") << QByteArray() << good << QSize(100, 100);
        QTest::newRow("design file missing") << QByteArray() << QByteArray() << QSize(kCanvasWidth, kCanvasHeight);
        QTest::newRow("design file malformed") << QByteArray() << QByteArray("\"h\"\r\n99\r\n") << QSize(kCanvasWidth, kCanvasHeight);
    }
    void unreadablePages()
    {
        QFETCH(QByteArray, bmp);
        QFETCH(QByteArray, sup);
        QFETCH(QSize, pictureSize);
        QTemporaryDir dir;
        if (pictureSize.isValid()) {
            QImage img(pictureSize, QImage::Format_RGB32);
            img.fill(Qt::white);
            QVERIFY(img.save(dir.filePath("p.bmp"), "BMP"));
        } else {
            touch(dir.filePath("p.bmp"), bmp);
        }
        if (!sup.isEmpty())
            touch(dir.filePath("p.sup"), sup);
        QString why;
        QVERIFY(!readPageFiles(dir.path(), "p", PageDesign{}, &why).has_value());
        QVERIFY(!why.isEmpty());
    }

    void pngNamedBmpIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(gridPicture().save(dir.filePath("p.bmp"), "PNG"));
        touch(dir.filePath("p.sup"), designFileBytes(somePage()));
        QVERIFY(!readPageFiles(dir.path(), "p", PageDesign{}).has_value());
    }

    void shippedExamplesLoadAndSaveUnchanged()
    {
        const auto pages = listPages(QStringLiteral(PLENVIK_EXAMPLES));
        QVERIFY(pages.has_value());
        QVERIFY(pages->size() >= 3);
        for (const QString &name : *pages) {
            QString why;
            const auto page = readPageFiles(QStringLiteral(PLENVIK_EXAMPLES), name, PageDesign{}, &why);
            QVERIFY2(page.has_value(), qPrintable(name + ": " + why));
            QVERIFY(page->design.KaderCount > 0);
            QCOMPARE(designFileBytes(page->design), fileBytes(QStringLiteral(PLENVIK_EXAMPLES "/") + name + ".sup"));
        }
    }

    void deleteRemovesBothFiles()
    {
        QTemporaryDir dir;
        touch(dir.filePath("a.bmp"));
        touch(dir.filePath("a.sup"));
        touch(dir.filePath("b.bmp"));
        QVERIFY(deletePageFiles(dir.path(), "A"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"b.bmp"});
        // A picture already gone leaves nothing to keep listed.
        QVERIFY(deletePageFiles(dir.path(), "c"));
    }
};

QTEST_GUILESS_MAIN(TestPageFiles)
#include "test_pagefiles.moc"
