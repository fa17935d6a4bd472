// Saving and deleting a page without loss: a failed save leaves the
// earlier files whole, an interrupted one is finished from its own files
// only, what cut-off writes leave is swept, links are written through; a
// page read for printing is checked without its picture being decoded.

#include "fakes.h"
#include "fixtures.h"

#include "canvas/grid.h"
#include "canvas/pagerender.h"
#include "library/bmpwriter.h"
#include "library/designfile.h"
#include "library/pagefiles.h"
#include "library/paths.h"
#include "library/safewrite.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace plenvik;
using namespace plenvik::test;

class TestPageSave : public QObject {
    Q_OBJECT
private slots:
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

    void interruptedSaveIsFinishedFromItsOwnFilesOnly()
    {
        // A save killed after its record stands is finished by the next
        // look at the page, from any spelling of its name.
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), PageDesign{}));
        QFile::copy(dir.filePath("Europa.sup"), dir.filePath(".Europa.sup.plenvik-Ab12Cd"));
        touch(dir.filePath("Europa.sup"), "half");
        touch(dir.filePath(".Europa.plenvik-paar"), "Plenvik paar 1\r\nEuropa.sup\t.Europa.sup.plenvik-Ab12Cd\r\n");
        QVERIFY(readPageFiles(dir.path(), "EUROPA", PageDesign{}).has_value());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Europa.bmp", "Europa.sup"}));

        // A record that names a file not of the save's own is not acted on,
        // nor one that names another page's files, however well made.
        touch(dir.filePath("notes.txt"), "mine");
        touch(dir.filePath(".Europa.plenvik-paar"), "Plenvik paar 1\r\nEuropa.sup\tnotes.txt\r\n");
        QVERIFY(readPageFiles(dir.path(), "Europa", PageDesign{}).has_value());
        QCOMPARE(fileBytes(dir.filePath("notes.txt")), QByteArray("mine"));
        QVERIFY(savePageFiles(dir.path(), "Azie", gridPicture(), PageDesign{}));
        touch(dir.filePath(".Azie.sup.plenvik-Ef34Gh"), "forged");
        for (const QByteArray &forged : {QByteArray("Azie.sup\t.Azie.sup.plenvik-Ef34Gh\r\n"), QByteArray("-\tAzie.bmp\r\n")}) {
            touch(dir.filePath(".Europa.plenvik-paar"), "Plenvik paar 1\r\n" + forged);
            QVERIFY(readPageFiles(dir.path(), "Europa", PageDesign{}).has_value());
            QVERIFY(readPageFiles(dir.path(), "Azie", PageDesign{}).has_value());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{".Azie.sup.plenvik-Ef34Gh", "Azie.bmp", "Azie.sup", "Europa.bmp", "Europa.sup", "notes.txt"}));

        // A part file that is a link to a private file elsewhere, or a
        // second name of one: the file keeps its mode and contents, the
        // page its own, and the record stays unfinished, so the page is
        // not read.
        QDir().mkpath(dir.filePath("elders"));
        touch(dir.filePath("elders/geheim"), "private");
        QVERIFY(QFile::setPermissions(dir.filePath("elders/geheim"), QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray europa = fileBytes(dir.filePath("Europa.sup")), picture = fileBytes(dir.filePath("Europa.bmp"));
        for (const bool hard : {false, true}) {
            const QString part = dir.filePath(".Europa.sup.plenvik-Ij56Kl");
            QFile::remove(part);
            QVERIFY(hard ? ::link(QFile::encodeName(dir.filePath("elders/geheim")).constData(), QFile::encodeName(part).constData()) == 0
                         : QFile::link(dir.filePath("elders/geheim"), part));
            touch(dir.filePath(".Europa.bmp.plenvik-Ij56Kl"), "new picture");
            touch(dir.filePath(".Europa.plenvik-paar"),
                  "Plenvik paar 1\r\nEuropa.bmp\t.Europa.bmp.plenvik-Ij56Kl\r\nEuropa.sup\t.Europa.sup.plenvik-Ij56Kl\r\n");
            QVERIFY(!readPageFiles(dir.path(), "Europa", PageDesign{}).has_value());
            QCOMPARE(fileBytes(dir.filePath("Europa.bmp")), picture);
            QVERIFY(!placePart(part, dir.filePath("Europa.sup")));
            QVERIFY(!(QFile::permissions(dir.filePath("elders/geheim")) & (QFile::ReadGroup | QFile::ReadOther)));
            QCOMPARE(fileBytes(dir.filePath("elders/geheim")), QByteArray("private"));
            QCOMPARE(fileBytes(dir.filePath("Europa.sup")), europa);
            QVERIFY(QFileInfo::exists(part));
        }
    }

    // Part files that cut-off writes left go when the library is listed,
    // once they are old; a young one may belong to a save running now.
    void leftPartsAreSweptWhenListed()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), PageDesign{}));
        for (const char *part : {".Europa.bmp.plenvik-Ab12Cd", ".Europa.sup.plenvik-Ab12Cd", ".Nieuw.afb.plenvik-Ab12Cd"}) {
            touch(dir.filePath(part));
            QFile f(dir.filePath(part));
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-2 * 3600), QFileDevice::FileModificationTime));
        }
        touch(dir.filePath(".Europa.sup.plenvik-Mn78Op"));
        touch(dir.filePath(".notes.txt.plenvik-Ab12Cd"));
        QCOMPARE(listPages(dir.path()), QStringList{"Europa"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{".Europa.sup.plenvik-Mn78Op", ".notes.txt.plenvik-Ab12Cd", "Europa.bmp", "Europa.sup"}));
    }

    void filesThatAreLinksAreWrittenThrough()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("elders"));
        touch(dir.filePath("elders/echt.sup"), "old");
        touch(dir.filePath("elders/Plenvik.ini"), "old");
        QVERIFY(QFile::link(dir.filePath("elders/echt.sup"), dir.filePath("Europa.sup")));
        QVERIFY(QFile::link(dir.filePath("elders/Plenvik.ini"), dir.filePath("Plenvik.ini")));
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage()));
        QVERIFY(writeFileWhole(dir.filePath("Plenvik.ini"), "new"));
        QVERIFY(QFileInfo(dir.filePath("Europa.sup")).isSymLink());
        QVERIFY(QFileInfo(dir.filePath("Plenvik.ini")).isSymLink());
        QCOMPARE(fileBytes(dir.filePath("elders/echt.sup")), designFileBytes(somePage()));
        QCOMPARE(fileBytes(dir.filePath("elders/Plenvik.ini")), QByteArray("new"));
    }

    void missingFolderFailsTheSave()
    {
        QTemporaryDir dir;
        QVERIFY(!savePageFiles(dir.filePath("Voorbeelden"), "Europa", gridPicture(), somePage()));
        QVERIFY(!QFileInfo::exists(dir.filePath("Voorbeelden")));
    }

    void refusedNameWritesNothing()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("lib");
        QVERIFY(!savePageFiles(dir.filePath("lib"), "../buiten", gridPicture(), somePage()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);
        QCOMPARE(QDir(dir.filePath("lib")).entryList(QDir::Files).size(), 0);
    }

    // Printing checks a page's picture, which it does not draw, from the
    // bitmap's header and length: a file cut short by one byte is refused
    // as a load refuses it; a bitmap of another kind is left to decoding.
    void pictureCheckedWithoutDecoding()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "p", gridPicture(), somePage()));
        const QString bmp = dir.filePath("p.bmp");
        const QSize size(kCanvasWidth, kCanvasHeight);
        QCOMPARE(plainBitmapFits(bmp, size), std::optional(true));
        QCOMPARE(plainBitmapFits(bmp, QSize(341, 476)), std::optional(false));
        QVERIFY(readPageForPrinting(dir.path(), "p").has_value());
        QVERIFY(QFile::resize(bmp, QFileInfo(bmp).size() - 1));
        QCOMPARE(plainBitmapFits(bmp, size), std::optional(false));
        QString why;
        QVERIFY(!readPageForPrinting(dir.path(), "p", &why).has_value());
        QCOMPARE(why, QStringLiteral("plaatje is geen BMP van 341 x 521"));
        QVERIFY(gridPicture().convertToFormat(QImage::Format_Indexed8).save(bmp, "BMP"));
        QCOMPARE(plainBitmapFits(bmp, size), std::nullopt);
        QVERIFY(readPageForPrinting(dir.path(), "p").has_value());
    }

    void deleteRemovesBothFiles()
    {
        QTemporaryDir dir;
        touch(dir.filePath("a.bmp"));
        touch(dir.filePath("a.sup"));
        touch(dir.filePath("b.bmp"));
        QCOMPARE(deletePageFiles(dir.path(), "A"), DeleteResult::Deleted);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"b.bmp"});
        // A picture already gone leaves nothing to keep listed.
        QCOMPARE(deletePageFiles(dir.path(), "c"), DeleteResult::Deleted);
    }
};

QTEST_MAIN(TestPageSave)
#include "test_pagesave.moc"
