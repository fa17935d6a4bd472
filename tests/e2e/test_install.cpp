// The installed program: installed with cmake --install into a prefix of
// its own, started under the X server by a user who cannot write that
// prefix, with a home of its own. It must keep its library and settings in
// that user's folders and write nothing into the prefix.

#include "driver.h"

#include <QDirIterator>
#include <QTest>
#include <unistd.h>

using namespace plenvik::e2e;

namespace {
// Every file under a folder with its size and time, to see that nothing
// was written there.
QStringList tree(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        out << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

bool chownTree(const QString &path)
{
    return QProcess::execute(QStringLiteral("chown"), {"-R", "nobody:nogroup", path}) == 0;
}
} // namespace

class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_prefix;
    QString m_home;
    bool m_asNobody = false;

    // The installed program as the user, with only what a desktop session
    // gives it.
    bool startInstalled(Program &p)
    {
        QProcessEnvironment env;
        env.insert("HOME", m_home);
        env.insert("DISPLAY", qEnvironmentVariable("DISPLAY"));
        env.insert("PATH", "/usr/bin:/bin");
        env.insert("LC_ALL", "C.UTF-8");
        env.insert("XDG_RUNTIME_DIR", m_dir.filePath("run"));
        if (qEnvironmentVariableIsSet("XAUTHORITY"))
            env.insert("XAUTHORITY", m_home + "/.Xauthority");
        const QString binary = m_prefix + "/bin/plenvik";
        if (m_asNobody)
            return p.launch("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", binary}, env);
        return p.launch(binary, {}, env);
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (run under xvfb-run)");
        m_prefix = m_dir.filePath("prefix");
        m_home = m_dir.filePath("home");
        QDir().mkpath(m_home);
        QDir().mkpath(m_dir.filePath("run"));
        QVERIFY(QProcess::execute(QStringLiteral(CMAKE_COMMAND), {"--install", QStringLiteral(PLENVIK_BUILD_DIR), "--prefix", m_prefix}) == 0);
        QVERIFY(QFile::exists(m_prefix + "/share/plenvik/Voorbeelden/Europa CEPT.sup"));
        if (qEnvironmentVariableIsSet("XAUTHORITY"))
            QVERIFY(QFile::copy(qEnvironmentVariable("XAUTHORITY"), m_home + "/.Xauthority"));
        QFile::setPermissions(m_dir.filePath("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_asNobody = ::geteuid() == 0;
        if (m_asNobody) {
            // Root may write anywhere: the user is nobody, the prefix root's.
            QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                    | QFileDevice::ReadOther | QFileDevice::ExeOther);
            QVERIFY(chownTree(m_home) && chownTree(m_dir.filePath("run")));
        } else {
            QVERIFY(QProcess::execute(QStringLiteral("chmod"), {"-R", "a-w", m_prefix}) == 0);
        }
    }

    void cleanupTestCase()
    {
        if (!m_asNobody && !m_prefix.isEmpty())
            QProcess::execute(QStringLiteral("chmod"), {"-R", "u+w", m_prefix});
    }

    void firstStartMakesTheUsersLibrary()
    {
        const QStringList prefixBefore = tree(m_prefix);
        Program p;
        QVERIFY(startInstalled(p));
        const QString library = m_home + "/.local/share/Plenvik/Voorbeelden";
        QCOMPARE(QDir(library).entryList(QDir::Files).size(), 6); // the three example pages
        // A dock ties the window to its menu entry by its class, and shows
        // the window's own icon.
        const QString entry = contents(m_prefix + "/share/applications/org.example.plenvik.Plenvik.desktop");
        QVERIFY(entry.contains("\nStartupWMClass=plenvik\n"));
        QCOMPARE(run("xprop", {"-id", p.window, "-notype", "WM_CLASS"}), QStringLiteral("WM_CLASS = \"plenvik\", \"plenvik\""));
        QVERIFY(run("xprop", {"-id", p.window, "-len", "8", "_NET_WM_ICON"}).contains("Icon (48 x 48)"));
        p.drag(QPoint(181, 163), QPoint(290, 221));
        QVERIFY(p.answer(QStringLiteral("Onderschrift kader 1"), QStringLiteral("1598")));
        p.menu(0, 2); // File > Opslaan
        QVERIFY(p.answer(QStringLiteral("Supplement opslaan"), QStringLiteral("Mijn blad")));
        QVERIFY(contents(library + "/Mijn blad.sup").contains("\r\n112,93,67,33,0\r\n\"1598\"\r\n"));
        p.menu(0, 5); // File > Exit
        QVERIFY(p.answer(QStringLiteral("Exit programma")));
        QVERIFY(p.process.waitForFinished(10000));
        QCOMPARE(contents(m_home + "/.config/Plenvik/Plenvik.ini"), QByteArray("120,180,120\r\n220,220,140\r\n"));
        QCOMPARE(tree(m_prefix), prefixBefore);
    }

    void secondStartKeepsTheUsersPages()
    {
        const QString library = m_home + "/.local/share/Plenvik/Voorbeelden";
        // The user deleted an example; it must not come back.
        QVERIFY(QFile::remove(library + "/Europa CEPT.bmp") && QFile::remove(library + "/Europa CEPT.sup"));
        const QByteArray mine = contents(library + "/Mijn blad.sup");
        Program p;
        QVERIFY(startInstalled(p));
        QThread::msleep(300);
        QCOMPARE(QDir(library).entryList(QDir::Files),
                 (QStringList{"Blokken en stroken.bmp", "Blokken en stroken.sup", "Mijn blad.bmp", "Mijn blad.sup",
                              "Nederland 1852.bmp", "Nederland 1852.sup"}));
        QCOMPARE(contents(library + "/Mijn blad.sup"), mine);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
