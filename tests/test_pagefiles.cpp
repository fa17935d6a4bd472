// Page files in the library folder: listing, names, saving without loss,
// reading with every check done before anything is applied, deleting.

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
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage()));
        QCOMPARE(fileBytes(dir.filePath("Europa.sup")),
                 QByteArray("\"Varnholt Software 2009\"\r\n1\r\n\"--------------------------\"\r\n"
                            "112,93,67,33,0\r\n\"1598\"\r\n\"--------------------------\"\r\n"
                            "120,180,120\r\n#FALSE#\r\n0\r\n\"Europa\"\r\n\"\"\r\n\"\"\r\n"));
        QCOMPARE(QFileInfo(dir.filePath("Europa.bmp")).size(), qint64(533558)); // 24-bit rows padded to 4 bytes

        PageDesign base;
        const auto page = readPageFiles(dir.path(), "europa", base);
        QVERIFY(page.has_value());
        QVERIFY(page->design == somePage());
        QCOMPARE(page->picture, gridPicture());

        // A page for Letter: its picture is the canvas of that sheet, and
        // the page comes back on it.
        PageDesign letter = somePage();
        letter.sheet = kSheetLetter;
        const QImage picture = pagePicture(letter);
        QCOMPARE(picture.size(), QSize(341, 476));
        QVERIFY(savePageFiles(dir.path(), "Letter", picture, letter));
        const auto back = readPageFiles(dir.path(), "Letter", base);
        QVERIFY(back.has_value());
        QVERIFY(back->design == letter);
        QCOMPARE(back->picture, picture);
        // An A4 picture beside a Letter design is no page.
        QVERIFY(QFile::remove(dir.filePath("Letter.bmp")) && QFile::copy(dir.filePath("Europa.bmp"), dir.filePath("Letter.bmp")));
        QString why;
        QVERIFY(!readPageFiles(dir.path(), "Letter", base, &why));
        QCOMPARE(why, QStringLiteral("plaatje is geen BMP van 341 x 476"));
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

    // A page's picture and design file are always one pair, whatever other
    // spellings of its name the folder holds.
    void pagePairs_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("design");
        QTest::addColumn<bool>("ambiguous");
        const QStringList twins{"Foo.bmp", "Foo.sup", "foo.bmp", "foo.sup"};
        QTest::newRow("exact twin, lower") << twins << "foo" << "foo.bmp" << "foo.sup" << false;
        QTest::newRow("exact twin, upper") << twins << "Foo" << "Foo.bmp" << "Foo.sup" << false;
        QTest::newRow("twins, one design") << QStringList{"Foo.bmp", "foo.bmp", "Foo.sup"} << "foo" << "foo.bmp" << "" << false;
        QTest::newRow("extension in capitals") << QStringList{"Zegels.BMP", "Zegels.SUP"} << "Zegels" << "Zegels.BMP" << "Zegels.SUP" << false;
        QTest::newRow("one page, two spellings") << QStringList{"Foo.bmp", "foo.sup"} << "Foo" << "Foo.bmp" << "foo.sup" << false;
        QTest::newRow("only another case") << QStringList{"europa.bmp", "europa.sup"} << "Europa" << "europa.bmp" << "europa.sup" << false;
        QTest::newRow("two other cases") << QStringList{"EUROPA.bmp", "EUROPA.sup", "europa.bmp"} << "Europa" << "" << "" << true;
        // Which picture goes with which design would be a guess.
        QTest::newRow("extensions in two cases") << QStringList{"foo.BMP", "foo.SUP", "foo.bmp", "foo.sup"} << "foo" << "" << "" << true;
        QTest::newRow("two pictures, one design") << QStringList{"foo.BMP", "foo.bmp", "foo.sup"} << "foo" << "" << "" << true;
        QTest::newRow("two lone pictures, one lone design") << QStringList{"FOO.bmp", "Foo.sup", "foo.bmp"} << "foo" << "" << "" << true;
        QTest::newRow("whole pair beside lone spellings") << QStringList{"FOO.bmp", "Foo.bmp", "Foo.sup", "foo.sup"} << "Foo" << "Foo.bmp"
                                                          << "Foo.sup" << false;
        QTest::newRow("two designs of one name") << QStringList{"foo.bmp", "foo.sup", "foo.SUP"} << "foo" << "" << "" << true;
        QTest::newRow("three lone pictures, one design") << QStringList{"FOO.bmp", "Foo.bmp", "fOO.bmp", "foo.sup"} << "Foo" << ""
                                                         << "" << true;
        QTest::newRow("name the save rule refuses") << QStringList{"Nr: 1.bmp", "Nr: 1.sup"} << "Nr: 1" << "Nr: 1.bmp" << "Nr: 1.sup" << false;
        QTest::newRow("nothing outside the folder") << QStringList{"x.bmp"} << "../x" << "" << "" << false;
    }
    void pagePairs()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, picture);
        QFETCH(QString, design);
        QFETCH(bool, ambiguous);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("lib");
        const QString lib = dir.filePath("lib");
        touch(dir.filePath("x.bmp"));
        for (const QString &f : files)
            touch(lib + "/" + f);
        const PagePair pair = findPage(lib, name);
        QCOMPARE(pair.picture, picture);
        QCOMPARE(pair.design, design);
        QCOMPARE(pair.ambiguous, ambiguous);
    }

    void pagesDifferingInCaseStayApart()
    {
        QTemporaryDir dir;
        PageDesign foo = somePage();
        foo.PageTitle = "foo";
        QImage black = gridPicture();
        black.fill(Qt::black);
        // Written by hand: a save of either would replace the other.
        auto write = [&](const QString &name, const PageDesign &d, const QImage &picture) {
            touch(dir.filePath(name + ".sup"), designFileBytes(d));
            QVERIFY(picture.save(dir.filePath(name + ".bmp"), "BMP"));
        };
        write("Foo", somePage(), gridPicture());
        write("foo", foo, black);
        QCOMPARE(*listPages(dir.path()), (QStringList{"Foo", "foo"}));
        const auto upper = readPageFiles(dir.path(), "Foo", PageDesign{});
        const auto lower = readPageFiles(dir.path(), "foo", PageDesign{});
        QVERIFY(upper && lower);
        QCOMPARE(upper->design.PageTitle, QStringLiteral("Europa"));
        QCOMPARE(upper->picture, gridPicture());
        QCOMPARE(lower->design.PageTitle, QStringLiteral("foo"));
        QCOMPARE(lower->picture.pixel(5, 5), qRgb(0, 0, 0));

        QCOMPARE(deletePageFiles(dir.path(), "foo"), DeleteResult::Deleted);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Foo.bmp", "Foo.sup"}));
        QVERIFY(readPageFiles(dir.path(), "Foo", PageDesign{}).has_value());

        // The same page under capitals in its extensions, from another
        // machine: the two can no longer be told apart, so neither is read
        // and neither is deleted.
        QVERIFY(QFile::copy(dir.filePath("Foo.bmp"), dir.filePath("Foo.BMP")));
        QVERIFY(QFile::copy(dir.filePath("Foo.sup"), dir.filePath("Foo.SUP")));
        QCOMPARE(*listPictureFiles(dir.path()), (QStringList{"Foo.BMP", "Foo.bmp"}));
        QVERIFY(!readPageFiles(dir.path(), "Foo", PageDesign{}).has_value());
        QCOMPARE(deletePageFiles(dir.path(), "Foo"), DeleteResult::Ambiguous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    void overwriteAcrossCaseReplacesThePage()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), "europa", gridPicture(), PageDesign{}));
        QCOMPARE(findPage(dir.path(), "EUROPA").picture, QStringLiteral("europa.bmp"));
        // The collector's own copies stay; only what an earlier, cut-off
        // save of the page left under the program's mark goes.
        for (const char *name : {"Europa.sup.backup", "Europa.bmp.kopie1", "Europa.bmp.Ab12Cd", ".Europa.bmp.plenvik-Ab12C"})
            touch(dir.filePath(name));
        touch(dir.filePath(".Europa.bmp.plenvik-Ab12Cd"));
        touch(dir.filePath(".Europa.sup.plenvik-xY3456"));
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{".Europa.bmp.plenvik-Ab12C", "Europa.bmp", "Europa.bmp.Ab12Cd", "Europa.bmp.kopie1", "Europa.sup",
                              "Europa.sup.backup"}));
        QCOMPARE(*listPages(dir.path()), QStringList{"Europa"});
    }

    void oldSpellingThatIsTheNewFileStays()
    {
        // On vfat, exFAT, SMB or casefolded ext4, "europa.bmp" and
        // "Europa.bmp" are one file. This machine has no such file system,
        // so links stand in: each old spelling is a link that becomes the
        // new file once the save commits it. Removing the old spelling there
        // would remove the page just saved.
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath("Europa.bmp"), dir.filePath("europa.bmp")));
        QVERIFY(QFile::link(dir.filePath("Europa.sup"), dir.filePath("europa.sup")));
        QCOMPARE(findPage(dir.path(), "Europa").picture, QStringLiteral("europa.bmp"));
        QVERIFY(savePageFiles(dir.path(), "Europa", gridPicture(), somePage()));
        QVERIFY(QFileInfo(dir.filePath("europa.bmp")).isSymLink());
        QVERIFY(QFileInfo(dir.filePath("europa.sup")).isSymLink());
        QVERIFY(readPageFiles(dir.path(), "Europa", PageDesign{}).has_value());

        touch(dir.filePath("a"));
        touch(dir.filePath("b"));
        QVERIFY(::link(QFile::encodeName(dir.filePath("a")), QFile::encodeName(dir.filePath("A"))) == 0);
        QVERIFY(isSameFile(dir.filePath("a"), dir.filePath("A")));
        QVERIFY(!isSameFile(dir.filePath("a"), dir.filePath("b")));
        QVERIFY(!isSameFile(dir.filePath("a"), dir.filePath("missing")));
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
        QVERIFY(!readPageForPrinting(dir.path(), "p").has_value());
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
        // An A4 page drawn from its design is the picture made before sheets
        // of other sizes came: the same pixels, and so the same bytes.
        const auto europa = readPageFiles(QStringLiteral(PLENVIK_EXAMPLES), "Europa CEPT", PageDesign{});
        QVERIFY(europa.has_value());
        QCOMPARE(pagePicture(europa->design), europa->picture);
    }

    void whereFilesLive()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("bin");
        QDir().mkpath(program);
        const QString data = dir.filePath("data"), config = dir.filePath("config");

        // Without a library beside it, the program is an installed one.
        Paths p = decidePaths(program, data, config);
        QVERIFY(!p.portable);
        QCOMPARE(p.library, dir.filePath("data/Plenvik/Voorbeelden"));
        QCOMPARE(p.settingsFile("Plenvik.ini"), dir.filePath("config/Plenvik/Plenvik.ini"));
        QVERIFY(!decidePaths(dir.filePath("missing"), data, config).portable);

        QDir().mkpath(program + "/Voorbeelden");
        p = decidePaths(program, data, config);
        QVERIFY(p.portable);
        QCOMPARE(p.library, program + "/Voorbeelden");
        QCOMPARE(p.settingsFile("Plenvik.ini"), program + "/Plenvik.ini");
        QVERIFY(prepareUserFolders(p, QStringLiteral(PLENVIK_EXAMPLES)));
        QVERIFY(QDir(program + "/Voorbeelden").isEmpty());
    }

    void firstStartCopiesTheExamplesOnce()
    {
        QTemporaryDir dir;
        const Paths p = decidePaths(dir.filePath("bin"), dir.filePath("data"), dir.filePath("config"));
        QVERIFY(prepareUserFolders(p, QStringLiteral(PLENVIK_EXAMPLES)));
        QVERIFY(QFileInfo(p.settings).isDir());
        const QStringList examples = *listPages(QStringLiteral(PLENVIK_EXAMPLES));
        QCOMPARE(*listPages(p.library), examples);
        for (const QString &name : examples)
            QCOMPARE(fileBytes(p.library + "/" + name + ".sup"), fileBytes(QStringLiteral(PLENVIK_EXAMPLES "/") + name + ".sup"));

        // The user's own library is never touched again: a deleted example
        // stays deleted, a page of the same name stays the user's.
        QCOMPARE(deletePageFiles(p.library, examples.at(0)), DeleteResult::Deleted);
        touch(p.library + "/" + examples.at(1) + ".sup", "mine");
        QVERIFY(prepareUserFolders(p, QStringLiteral(PLENVIK_EXAMPLES)));
        QCOMPARE(listPages(p.library)->size(), examples.size() - 1);
        QCOMPARE(fileBytes(p.library + "/" + examples.at(1) + ".sup"), QByteArray("mine"));
    }

};

QTEST_MAIN(TestPageFiles)
#include "test_pagefiles.moc"
