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
        const QByteArray designs[] = {designFileBytes(killPageDesign(0)), designFileBytes(killPageDesign(1))};
        const QImage pictures[] = {killPagePicture(0), killPagePicture(1)};
        QRandomGenerator random(20261207);
        int insideSave = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess saver;
            saver.start(QStringLiteral(KILLSAVE_HELPER), {dir.path()});
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(10000)); // running, the first save about to start
            QThread::usleep(random.bounded(20000));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished());
            const QByteArray trace = saver.readAllStandardOutput();
            QVERIFY2(!trace.contains('x'), trace.constData());
            insideSave += trace.endsWith('s') ? 1 : 0;

            QString why;
            const auto page = readPageFiles(dir.path(), QStringLiteral("Blad"), PageDesign{}, &why);
            QVERIFY2(page.has_value(), qPrintable(QStringLiteral("round %1: %2").arg(round).arg(why)));
            const QByteArray design = designFileBytes(page->design);
            QVERIFY2(design == designs[0] || design == designs[1], qPrintable(QString::number(round)));
            QVERIFY2(page->picture == pictures[0] || page->picture == pictures[1], qPrintable(QString::number(round)));
        }
        // A cut-off save may leave its temporary file; the next save of the
        // page clears it, and the folder holds only the page's two files.
        QVERIFY(savePageFiles(dir.path(), QStringLiteral("Blad"), killPagePicture(0), killPageDesign(0)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Blad.bmp", "Blad.sup"}));
        qInfo("%d kills, %d of them inside a save", rounds, insideSave);
        QVERIFY(insideSave > rounds / 2);
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "test_killsave.moc"
