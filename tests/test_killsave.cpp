// Saves cut off by SIGKILL at random moments: each of the page's two files
// must afterwards be whole, old or new, and the page must read back.

#include "killsave_pages.h"
#include "library/designfile.h"
#include "library/pagefiles.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

using namespace plenvik;
using namespace plenvik::test;

class TestKillSave : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveWholeFiles()
    {
        const int rounds = qEnvironmentVariableIntValue("PLENVIK_KILL_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("PLENVIK_KILL_ROUNDS")
                               : 300;
        QTemporaryDir dir;
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(0), killPageDesign(0)));
        int pictureVersion = 0, designVersion = 0; // what each file holds
        int nextVersion = 1;
        QRandomGenerator random(20261207);
        int insideSave = 0;
        for (int round = 0; round < rounds; ++round) {
            // Every save of the run is a version neither file holds yet.
            const int first = nextVersion;
            QProcess saver;
            saver.start(QStringLiteral(KILLSAVE_HELPER), {dir.path(), QString::number(first)});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(10000)); // running, the first save about to start
            QThread::usleep(random.bounded(20000));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished());
            const QByteArray trace = saver.readAllStandardOutput();
            const int done = int(trace.count('d'));
            const bool cut = trace.endsWith('s');
            insideSave += cut ? 1 : 0;
            if (done > 0)
                pictureVersion = designVersion = first + done - 1;
            const int cutVersion = cut ? first + done : -1;
            nextVersion = first + done + 1;

            // Each file is whole: the version it held, or the one being saved.
            QString why;
            const auto page = readPageFiles(dir.path(), QStringLiteral("Blad"), PageDesign{}, &why);
            QVERIFY2(page.has_value(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(why)));
            const QString where = QStringLiteral("round %1, version %2 or %3").arg(round).arg(pictureVersion).arg(cutVersion);
            const QByteArray design = designFileBytes(page->design);
            if (cut && design == designFileBytes(killPageDesign(cutVersion)))
                designVersion = cutVersion;
            QVERIFY2(design == designFileBytes(killPageDesign(designVersion)), qPrintable(where));
            if (cut && page->picture == killPagePicture(cutVersion))
                pictureVersion = cutVersion;
            QVERIFY2(page->picture == killPagePicture(pictureVersion), qPrintable(where));
        }
        // A cut-off save may leave its part files; the next save of the page
        // clears them, and the folder holds only the page's two files.
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(0), killPageDesign(0)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Blad.bmp", "Blad.sup"}));
        qInfo("%d kills, %d of them inside a save", rounds, insideSave);
        QVERIFY(insideSave > rounds / 2);
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "test_killsave.moc"
