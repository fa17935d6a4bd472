// Saves cut off by a kill: at each point of a save, in the middle of a
// write, and at random moments. Afterwards the page must read back wholly
// as one version, its picture, design and stamps' pictures from the same
// save: the one it held, or the one being saved.

#include "killsave_pages.h"
#include "library/albumfile.h"
#include "library/designfile.h"
#include "library/pagefiles.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

using namespace plenvik;
using namespace plenvik::test;

namespace {
struct Run {
    int done = 0;    // saves the helper finished
    bool cut = false; // killed inside a save
};

// Starts the helper saving from version 'first'; 'killAfterUs' >= 0 kills it
// from outside that long after it is running.
Run runHelper(const QString &folder, int first, const QString &mode, int killAfterUs = -1)
{
    QProcess saver;
    saver.start(QStringLiteral(KILLSAVE_HELPER), {folder, QString::number(first), mode});
    if (!saver.waitForStarted() || !saver.waitForReadyRead(30000))
        return {-1, false};
    if (killAfterUs >= 0) {
        QThread::usleep(killAfterUs);
        ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
    }
    saver.waitForFinished(60000);
    const QByteArray trace = saver.readAllStandardOutput();
    return {int(trace.count('d')), trace.endsWith('s')};
}

// The version the page holds now, when picture and design agree.
int versionOnDisk(const QString &folder, int oldVersion, int newVersion, QString *why)
{
    const auto page = readPageFiles(folder, QStringLiteral("Blad"), PageDesign{}, why);
    if (!page)
        return -1;
    const QByteArray design = designFileBytes(page->design);
    for (int v : {oldVersion, newVersion}) {
        if (v >= 0 && design == designFileBytes(killPageDesign(v)) && page->picture == killPagePicture(v)
            && page->design.pictures == killPageDesign(v).pictures)
            return v;
    }
    *why = QStringLiteral("the picture and the design are not one version of %1 or %2").arg(oldVersion).arg(newVersion);
    return -1;
}
// The version an album put holds now, when its file and both its pages are
// of that one put, each page as it was put.
int albumOnDisk(const QString &folder, QString *why)
{
    const std::optional<BewaardAlbum> album = readAlbum(folder, QStringLiteral("Kill"), why);
    if (!album)
        return -1;
    const int v = album->velden.titel.toInt();
    for (int i = 0; i < 2; ++i) {
        const QString name = QStringLiteral("Kill %1").arg(i + 1);
        auto page = readPageFiles(folder, name, PageDesign{}, why);
        if (!page)
            return -1;
        if (paginaStaat(folder, name, QStringLiteral("Kill")) != PaginaStaat::AlsIngedeeld)
            *why = name + QStringLiteral(" is not as put");
        page->design.album = {};
        if (designFileBytes(page->design) != designFileBytes(killPageDesign(v + i)) || page->picture != killPagePicture(v + i))
            *why = QStringLiteral("%1 is not of the album's version %2").arg(name).arg(v);
        if (!why->isEmpty())
            return -1;
    }
    return v;
}
} // namespace

class TestKillSave : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveWholePages()
    {
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(0), killPageDesign(0)));
        int onDisk = 0;
        int next = 1;
        QRandomGenerator random(20261208);
        auto check = [&](const QString &what, const Run &run) {
            QVERIFY2(run.done >= 0, qPrintable(what + ": the helper did not run"));
            if (run.done > 0)
                onDisk = next + run.done - 1;
            const int cutVersion = run.cut ? next + run.done : -1;
            QString why;
            const int now = versionOnDisk(dir.path(), onDisk, cutVersion, &why);
            QVERIFY2(now >= 0, qPrintable(what + ": " + why));
            onDisk = now;
            next += run.done + 1;
        };

        // Every point of a save: before the record (old page), and after it
        // (the new page, finished by whoever reads it next). The last point
        // is the stamps' pictures, which version 5 has.
        for (int step = 0; step < 5; ++step) {
            const Run run = runHelper(dir.path(), next, QStringLiteral("step:%1").arg(step));
            QVERIFY(run.cut);
            const int expected = step == 0 ? onDisk : next;
            check(QStringLiteral("killed at point %1").arg(step), run);
            QCOMPARE(onDisk, expected);
        }

        // In the middle of a write: a file-size limit cuts the picture, or
        // the design after it, at a random byte. Writing a page file in
        // place would tear it here.
        const qint64 pictureBytes = QFileInfo(dir.filePath("Blad.bmp")).size();
        for (int round = 0; round < 40; ++round) {
            const qint64 limit = random.bounded(int(pictureBytes));
            const Run run = runHelper(dir.path(), next, QStringLiteral("fsize:%1").arg(limit));
            QVERIFY(run.cut);
            check(QStringLiteral("cut at %1 bytes").arg(limit), run);
        }

        // At random moments, however fast this machine saves.
        const int rounds = qEnvironmentVariableIntValue("PLENVIK_KILL_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("PLENVIK_KILL_ROUNDS")
                               : 100;
        int inside = 0;
        for (int round = 0; round < rounds; ++round) {
            const Run run = runHelper(dir.path(), next, QStringLiteral("loop"), random.bounded(20000));
            inside += run.cut ? 1 : 0;
            check(QStringLiteral("random kill %1").arg(round), run);
        }

        // What cut-off saves left is cleared by the next save of the page,
        // even a save without pictures after one with them was cut off.
        QVERIFY(runHelper(dir.path(), next % 3 == 0 ? next + 1 : next, QStringLiteral("step:0")).cut);
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(0), killPageDesign(0)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Blad.bmp", "Blad.sup"}));
        qInfo("%d random kills, %d of them inside a save", rounds, inside);

        // A delete cut off at any point once it began leaves the page wholly
        // gone at the next look, its stamps' pictures too (version 5 has them).
        for (int step : {int(SaveStep::DeleteRecorded), int(SaveStep::PictureRemoved), int(SaveStep::DesignRemoved)}) {
            QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(5), killPageDesign(5)));
            QVERIFY(runHelper(dir.path(), 0, QStringLiteral("delete:%1").arg(step)).cut);
            QCOMPARE(listPages(dir.path()), QStringList{});
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' '), QString());
        }
    }

    // An album put with its pages, killed before its record, after it, after
    // its first file is in place, and at random moments: its file and its
    // pages are afterwards all of the old put or all of the new.
    void killedAlbumPutsLeaveTheAlbumWithItsPages()
    {
        QTemporaryDir dir;
        QVERIFY(putAlbumFiles(dir.path(), killAlbum(0), [](int) { return true; }) == ZetUitkomst::Gezet);
        int onDisk = 0, next = 2, inside = 0;
        QRandomGenerator random(20261209);
        for (int round = 0; round < 43; ++round) {
            const Run run = round < 3 ? runHelper(dir.path(), next, QStringLiteral("album:%1").arg(round))
                                      : runHelper(dir.path(), next, QStringLiteral("albumloop"), random.bounded(30000));
            QVERIFY(run.done >= 0);
            QString why;
            const int now = albumOnDisk(dir.path(), &why);
            QVERIFY2(now >= 0, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(why)));
            const int last = run.done > 0 ? next + 2 * (run.done - 1) : onDisk;
            const int cut = run.cut ? next + 2 * run.done : -1;
            QVERIFY2(now == last || now == cut, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(now)));
            // Killed before its record the put is not there; after it, it is.
            if (round < 3)
                QCOMPARE(now, round == 0 ? onDisk : next);
            onDisk = now;
            next += 2 * (run.done + 1);
            inside += run.cut && round >= 3 ? 1 : 0;
        }
        qInfo("40 random kills, %d of them inside a put", inside);
    }

    // A save is on the disk when it is reported done: the folder is synced
    // after the last rename, so a power cut cannot take the renames back.
    void saveSyncsTheFolderAfterItsRenames()
    {
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (strace.isEmpty())
            QSKIP("strace is not installed");
        QTemporaryDir dir;
        const QString trace = dir.filePath("trace");
        QDir().mkpath(dir.filePath("lib"));
        QProcess saver;
        // LeakSanitizer cannot run under a tracer and fails the helper at its
        // exit; the leak check of a sanitizer build is the other tests' job.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ASAN_OPTIONS"), env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
        saver.setProcessEnvironment(env);
        saver.start(strace, {"-f", "-qq", "-o", trace, "-e", "trace=openat,rename,renameat,renameat2,fsync",
                             QStringLiteral(KILLSAVE_HELPER), dir.filePath("lib"), "5", "step:99"});
        QVERIFY(saver.waitForFinished(60000));
        QCOMPARE(saver.exitCode(), 0);
        QFile f(trace);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
        qsizetype lastRename = -1;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines[i].contains("rename") && lines[i].contains("/lib/Blad."))
                lastRename = i;
        QVERIFY(lastRename >= 0);
        bool synced = false;
        QString folderFd;
        for (qsizetype i = lastRename + 1; i < lines.size() && !synced; ++i) {
            const QString &l = lines[i];
            if (l.contains("openat(") && l.contains("/lib\"") && l.contains("O_DIRECTORY"))
                folderFd = l.section("= ", -1).trimmed();
            synced = !folderFd.isEmpty() && l.contains(QStringLiteral("fsync(%1)").arg(folderFd));
        }
        QVERIFY2(synced, qPrintable(lines.mid(lastRename).join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "test_killsave.moc"
