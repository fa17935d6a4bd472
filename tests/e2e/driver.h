#pragma once
// Drives the built program in a real window: starts it in a program folder
// of its own under the X server of DISPLAY (Xvfb in CI), moves and clicks
// with xdotool, and reads the screen back with ImageMagick's import.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace plenvik::e2e {

inline QString run(const QString &program, const QStringList &args, int timeoutMs = 20000)
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

inline QString xdo(const QStringList &args)
{
    return run(QStringLiteral("xdotool"), args);
}

// Types text into the focused window. xdotool types a character the
// keyboard map lacks by binding it to a spare key for that one press and
// unbinding it at once; a loaded machine lets the program read the map after
// the unbinding and lose the character. So such characters get spare keys
// that stay bound; the program reads the map when told it changed, and that
// word reaches it before the first key does.
inline void type(const QString &text)
{
    // Bound again each time: the X server forgets the map when its last
    // client goes, between one started program and the next.
    static const int spare[] = {93, 97, 103, 120, 132, 149, 154, 168, 178};
    QString bound;
    for (const QChar c : text) {
        if (c.unicode() < 0x7f || bound.contains(c) || bound.size() == int(std::size(spare)))
            continue;
        const QString sym = QStringLiteral("U%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        run(QStringLiteral("xmodmap"), {"-e", QStringLiteral("keycode %1 = %2 %2").arg(spare[bound.size()]).arg(sym)});
        bound += c;
    }
    xdo({"type", "--delay", "20", text});
}

inline QByteArray contents(const QString &path)
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

    // Resident memory of the program in kB, from /proc.
    long residentKb() const
    {
        QFile f(QStringLiteral("/proc/%1/status").arg(process.processId()));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        return -1;
    }

    // A portable copy: the built program in a folder of its own with a
    // library folder beside it; in the language given, or the desktop's.
    bool start(const QString &language = {})
    {
        QDir(dir.path()).mkdir(QStringLiteral("Voorbeelden"));
        const QString binary = dir.filePath(QStringLiteral("plenvik"));
        if (!QFile::copy(QStringLiteral(PLENVIK_BINARY), binary))
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!language.isEmpty())
            env.insert(QStringLiteral("LANGUAGE"), language);
        return launch(binary, {}, env);
    }

    // The window's title as it is, its leading blank too.
    QString title()
    {
        QProcess p;
        p.start(QStringLiteral("xdotool"), {"getwindowname", window});
        p.waitForFinished(20000);
        QString name = QString::fromUtf8(p.readAllStandardOutput());
        name.chop(name.endsWith(u'\n') ? 1 : 0);
        return name;
    }

    // Any command that ends in the program, in an environment of its own.
    bool launch(const QString &program, const QStringList &args, const QProcessEnvironment &env)
    {
        process.setProgram(program);
        process.setArguments(args);
        process.setProcessEnvironment(env);
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
        xdo({"mousemove", QString::number(a.x()), QString::number(a.y())});
        xdo({"mousedown", "1"});
        xdo({"mousemove", QString::number(mid.x()), QString::number(mid.y())});
        xdo({"mousemove", QString::number(b.x()), QString::number(b.y())});
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
            type(text);
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
        static const int menuX[] = {18, 52, 92, 142, 186}; // File, Edit, Tools, Extra, Help
        const QPoint p = client + QPoint(menuX[menuIndex], -10);
        xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
        xdo({"click", "1"});
        QThread::msleep(300);
        for (int i = 0; i < itemDownPresses; ++i)
            xdo({"key", "Down"});
        xdo({"key", "Return"});
        QThread::msleep(200);
    }

    // Fills the dialog whose title holds 'title' from the keyboard: each
    // entry is typed, "Tab" presses Tab; Return ends it.
    bool fill(const QString &title, const QStringList &keys)
    {
        const QString dlg = xdo({"search", "--sync", "--onlyvisible", "--name", title}).split('\n').value(0);
        if (dlg.isEmpty())
            return false;
        xdo({"windowfocus", "--sync", dlg});
        QThread::msleep(200);
        for (const QString &k : keys) {
            if (k == QLatin1String("Tab"))
                xdo({"key", "Tab"});
            else
                type(k);
        }
        xdo({"key", "Return"});
        for (int i = 0; i < 50 && !xdo({"search", "--onlyvisible", "--name", title}).isEmpty(); ++i)
            QThread::msleep(100);
        focus();
        QThread::msleep(200);
        return true;
    }

    void doubleClickList(int row)
    {
        // Entries are 13 pixels high in the 8.25-point list font.
        const QPoint p = client + QPoint(370 + 30, 140 + 2 + 6 + row * 13);
        xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
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

} // namespace plenvik::e2e
