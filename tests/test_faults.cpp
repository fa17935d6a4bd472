// Faults while writing and reading, proving nothing is lost: a full file
// system and a read-only one (small tmpfs mounts, which need root), and a
// design file of 50 MB.

#include "fakes.h"

#include "canvas/grid.h"
#include "canvas/pic.h"

#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "fixtures.h"
#include "library/pagesave.h"
#include "library/pagefiles.h"

using namespace plenvik;
using namespace plenvik::test;

namespace {

QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith("/filler"))
            out.insert(path, fileBytes(path));
    }
    return out;
}

bool mountCmd(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("mount"), args) == 0;
}


// A program folder on a tmpfs of its own, unmounted when done.
struct SmallDisk {
    QTemporaryDir holder;
    QString path;
    bool mounted = false;
    explicit SmallDisk(const QString &size)
    {
        path = holder.filePath(QStringLiteral("fs"));
        QDir().mkpath(path);
        mounted = mountCmd({"-t", "tmpfs", "-o", "size=" + size, "tmpfs", path});
        if (mounted)
            QDir(path).mkdir(QStringLiteral("Voorbeelden"));
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {path});
    }
    // Fills the disk, then frees 'room' bytes again.
    void fill(qint64 room = 0)
    {
        QFile f(path + "/filler");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size()) {
        }
        f.close();
        QFile::resize(f.fileName(), qMax<qint64>(0, f.size() - room));
    }
};

#define REQUIRE_MOUNT(disk)                                                                                            \
    if (::geteuid() != 0)                                                                                              \
        QSKIP("mounting a small tmpfs needs root");                                                                   \
    if (!(disk).mounted)                                                                                               \
        QSKIP("this machine does not allow mounting a tmpfs");

std::unique_ptr<Main> startOn(const QString &dir, Harness &h)
{
    return std::make_unique<Main>(portablePaths(dir), Services{&h.dialogs, &h.printer, &h.screen, &h.urls, &h.extra});
}
} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void fullDiskKeepsTheSavedPage()
    {
        SmallDisk disk(QStringLiteral("1400k"));
        REQUIRE_MOUNT(disk);
        Harness h;
        auto m = startOn(disk.path, h);
        h.dialogs.inputs.enqueue(QStringLiteral("1598"));
        drag(m->pic(), QPoint(181, 163), QPoint(290, 221));
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m->action("FileSave")->trigger();
        QVERIFY(h.dialogs.messages().isEmpty());
        const auto before = snapshot(disk.path);
        QCOMPARE(before.size(), 3); // the settings file and the page's two files

        // Room for the new picture but not for its design; then none.
        drag(m->pic(), QPoint(20, 20), QPoint(90, 90));
        const PageDesign design = m->design();
        disk.fill(131 * 4096); // the picture's 533,558 bytes in pages
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m->action("FileSave")->trigger();
        QCOMPARE(h.dialogs.messages(), QStringList{"Kan dit supplement niet opslaan!"});
        QCOMPARE(snapshot(disk.path), before);
        disk.fill();
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m->action("FileSave")->trigger();
        QCOMPARE(h.dialogs.messages(), (QStringList{"Kan dit supplement niet opslaan!", "Kan dit supplement niet opslaan!"}));
        QCOMPARE(snapshot(disk.path), before);
        QVERIFY(m->design() == design);
        QStringList entries;
        for (int i = 0; i < qobject_cast<QListWidget *>(m->control("List1"))->count(); ++i)
            entries << qobject_cast<QListWidget *>(m->control("List1"))->item(i)->text();
        QCOMPARE(entries, QStringList{"Europa"});

        // Leaving writes the settings: on a full disk the old file stays whole.
        QVERIFY(m->close());
        QCOMPARE(snapshot(disk.path), before);
        QCOMPARE(h.dialogs.messages().size(), 2);
    }

    void readOnlyDiskKeepsTheSavedPage()
    {
        SmallDisk disk(QStringLiteral("2m"));
        REQUIRE_MOUNT(disk);
        Harness h;
        auto m = startOn(disk.path, h);
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m->action("FileSave")->trigger();
        m.reset();
        const auto before = snapshot(disk.path);
        QVERIFY(mountCmd({"-o", "remount,ro", disk.path}));
        // Said once, at start-up, before a page is drawn.
        m = startOn(disk.path, h);
        QCoreApplication::processEvents();
        const QString startUp = QStringLiteral("Supplementen kunnen niet worden opgeslagen in %1/Voorbeelden: "
                                               "de schijf is alleen te lezen.\nOntwerpen, laden en afdrukken gaan gewoon door.")
                                    .arg(disk.path);
        QCOMPARE(h.dialogs.messages(), QStringList{startUp});
        drag(m->pic(), QPoint(20, 20), QPoint(90, 90));
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m->action("FileSave")->trigger();
        h.dialogs.inputs.enqueue(QStringLiteral("Nieuw blad"));
        m->action("FileSave")->trigger();
        // Album indelen says the album is not put and, as start-up does, why.
        h.extra.indelenStappen = {{"A; 20; 20", IndelenVelden{}, {}, true}};
        m->action("ExtraAlbumIndelen")->trigger();
        QCOMPARE(h.dialogs.messages(),
                 (QStringList{startUp, "Kan dit supplement niet opslaan!", "Kan dit supplement niet opslaan!",
                              QStringLiteral("Het album Album is niet in de bibliotheek gezet.\nDe supplementen kunnen niet worden "
                                             "opgeslagen in %1/Voorbeelden: de schijf is alleen te lezen.")
                                  .arg(disk.path)}));
        QVERIFY(m->close());
        QCOMPARE(snapshot(disk.path), before);
        QCOMPARE(h.dialogs.messages().size(), 4);
    }

    void designFileThatStaysIsReported()
    {
        if (::geteuid() != 0)
            QSKIP("holding a file in place with a bind mount needs root");
        Harness h;
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("Europa"));
        m.action("FileSave")->trigger();
        // A file that is a mount point cannot be removed, not even by root.
        const QString design = h.library() + "/Europa.sup";
        if (!mountCmd({"--bind", design, design}))
            QSKIP("this machine does not allow bind mounts");
        auto *list = qobject_cast<QListWidget *>(m.control("List1"));
        list->setCurrentRow(0);
        m.onDelKnopClick();
        QProcess::execute(QStringLiteral("umount"), {design});
        QCOMPARE(h.dialogs.messages(), QStringList{"Kan dit supplement niet verwijderen!"});
        // The picture is gone, so the page is no longer in the library.
        QCOMPARE(list->count(), 0);
        QCOMPARE(QDir(h.library()).entryList(QDir::Files), QStringList{"Europa.sup"});
    }

    void hugeDesignFileIsRefused()
    {
        Harness h;
        QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
        img.fill(Qt::white);
        DrawGrid(img);
        QVERIFY(img.save(h.library() + "/Groot.bmp", "BMP"));
        {
            QFile f(h.library() + "/Groot.sup");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("\"Varnholt Software 2009\"\r\n1\r\n\"-\"\r\n1,2,3,4,0\r\n\"");
            const QByteArray block(1 << 20, 'a');
            for (int i = 0; i < 50; ++i)
                f.write(block);
            f.write("\"\r\n");
        }
        Main &m = h.start();
        h.dialogs.inputs.enqueue(QStringLiteral("titel"));
        m.action("ToolsTitel")->trigger();
        const PageDesign before = m.design();
        const QString listing = m.listingText();
        auto *list = qobject_cast<QListWidget *>(m.control("List1"));
        list->setCurrentRow(0);
        m.onList1DblClick();
        QCOMPARE(h.dialogs.messages(), QStringList{"Kan dit supplement niet laden!\nhet bestand is te groot"});
        QVERIFY(m.design() == before);
        QCOMPARE(m.listingText(), listing);
    }

    // A FIFO, a socket and such beside the pages are named as unreadable
    // and left alone; nothing waits on them. A hang here ends the test.
    void filesThatAreNoPlainFilesHangNothing()
    {
        alarm(120);
        Harness h;
        const QString lib = h.library();
        for (const char *name : {"P", "Q"})
            QVERIFY(savePageFiles(lib, name, gridPicture(), somePage()));
        QVERIFY(QFile::remove(lib + "/Q.bmp"));
        for (const char *fifo : {"/.X.plenvik-paar", "/P.afb", "/Q.bmp", "/Plenvik.ini"})
            QCOMPARE(::mkfifo(QFile::encodeName(lib + fifo).constData(), 0600), 0);
        QVERIFY(QFile::rename(lib + "/Plenvik.ini", h.dir.filePath("Plenvik.ini")));
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un at{};
        at.sun_family = AF_UNIX;
        qstrncpy(at.sun_path, QFile::encodeName(lib + "/S.bmp").constData(), sizeof at.sun_path);
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&at), sizeof at), 0);
        QVERIFY(savePageFiles(lib, "S", gridPicture(), somePage()) == false);

        Main &m = h.start();
        doubleClickEntry(m, "Q");
        QCOMPARE(h.dialogs.messages().value(0), "Kan dit supplement niet laden!\nplaatje onleesbaar: geen gewoon bestand");
        h.dialogs.inputs << "P";
        h.dialogs.answers << true;
        m.action("FileSave")->trigger();
        QVERIFY(QFileInfo(lib + "/P.afb").isFile() == false && QFileInfo::exists(lib + "/P.afb"));
        h.extra.albums << AlbumKeuze{{"P", "Q", "S"}, false};
        m.action("ExtraAlbum")->trigger();
        h.extra.strokenStarts.clear();
        m.action("ExtraStroken")->trigger();
        QCOMPARE(h.extra.strokenStarts.size(), 1);
        ::close(sock);
        alarm(0);
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
