// Whole-process figures under an X server (Xvfb): time from process start
// to the main window first shown, for Plenvik and for a bare Qt window,
// alternating; and the CPU time of 10 s idle with the magnifier at zoom 4,
// against the bare window idle. Prints one table together with the
// in-process figures of bench_plenvik (its JSON output).

#include "../tests/e2e/driver.h"

#include <QCoreApplication>
#include <poll.h>
#include <xcb/xcb.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

using namespace plenvik::e2e;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Milliseconds from starting the process to its window first shown.
double startUpMs(const QString &binary, const QString &folder, QProcessEnvironment env)
{
    QProcess p;
    env.insert(QStringLiteral("PLENVIK_STARTUP_PROBE"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    const long long start = nowNs();
    p.start(binary, {});
    if (!p.waitForFinished(30000))
        return -1;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("shown "))
            return (line.mid(6).toLongLong() - start) / 1e6;
    return -1;
}

// Milliseconds from starting the process to the X server mapping its
// window, watched from outside through the root window's events: no
// instrumentation in the program, the same for both programs.
double mapMs(const QString &binary, const QString &folder, xcb_connection_t *x,
             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(env);
    const long long start = nowNs();
    p.start(binary, {});
    long long mapped = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (mapped < 0 && (nowNs() - start) < 20000000000LL) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(x)) {
            const bool map = (e->response_type & 0x7f) == XCB_MAP_NOTIFY
                             && !reinterpret_cast<xcb_map_notify_event_t *>(e)->override_redirect;
            free(e);
            if (map && mapped < 0)
                mapped = nowNs();
        }
        if (mapped < 0)
            poll(&fd, 1, 100);
    }
    p.kill();
    p.waitForFinished();
    return mapped < 0 ? -1 : (mapped - start) / 1e6;
}

double cpuSeconds(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the whole line.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

double idleCpuPercent(qint64 pid, int seconds)
{
    const double before = cpuSeconds(pid);
    QThread::sleep(seconds);
    return (cpuSeconds(pid) - before) / seconds * 100.0;
}

// The desktop in Dutch (as the C locale) or in English.
QProcessEnvironment inLanguage(bool english, QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    env.remove(QStringLiteral("LANGUAGE"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LC_ALL"), english ? QString() : QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANG"), english ? QStringLiteral("en_GB.UTF-8") : QStringLiteral("C.UTF-8"));
    return env;
}

struct Row {
    QString figure;
    QString median;
    QString ratio;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = 20;
    const int idleSeconds = 10;
    std::vector<Row> rows;

    // In-process figures.
    if (args.size() > 1) {
        QFile json(args.at(1));
        if (json.open(QIODevice::ReadOnly)) {
            for (const QJsonValue &b : QJsonDocument::fromJson(json.readAll()).object().value("benchmarks").toArray()) {
                const QJsonObject o = b.toObject();
                if (o.value("aggregate_name").toString() != QLatin1String("median"))
                    continue;
                const QString unit = o.value("time_unit").toString();
                const double scale = unit == "ns" ? 1e-6 : unit == "us" ? 1e-3 : 1.0;
                const double ms = o.value("real_time").toDouble() * scale;
                const double cpu = o.value("cpu_time").toDouble() * scale;
                QString note = QStringLiteral("(CPU %1 ms)").arg(cpu, 0, 'f', 4);
                for (const char *counter : {"peak_rss_MB", "pdf_MB"})
                    if (o.contains(QLatin1String(counter)))
                        note += QStringLiteral(" %1 %2").arg(QLatin1String(counter)).arg(o.value(QLatin1String(counter)).toDouble(), 0, 'f', 2);
                rows.push_back({o.value("run_name").toString(), QString::number(ms, 'f', 4) + " ms", note});
            }
        }
    }

    // Start-up, alternating the two programs.
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("Voorbeelden");
    const QString plenvik = folder.filePath("plenvik");
    QFile::copy(QStringLiteral(PLENVIK_BINARY), plenvik);
    for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
        QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, folder.filePath("Voorbeelden/" + f));
    const QProcessEnvironment dutch = inLanguage(false), english = inLanguage(true);
    std::vector<double> ours, oursEnglish, bare;
    startUpMs(plenvik, folder.path(), dutch); // warm the caches once for both
    startUpMs(plenvik, folder.path(), english);
    startUpMs(QStringLiteral(BARE_BINARY), folder.path(), dutch);
    for (int i = 0; i < runs; ++i) {
        ours.push_back(startUpMs(plenvik, folder.path(), dutch));
        bare.push_back(startUpMs(QStringLiteral(BARE_BINARY), folder.path(), dutch));
        oursEnglish.push_back(startUpMs(plenvik, folder.path(), english));
    }
    const double mOurs = median(ours), mEnglish = median(oursEnglish), mBare = median(bare);
    rows.push_back({QStringLiteral("start-up to window shown, bare Qt window (%1 runs)").arg(runs), QString::number(mBare, 'f', 1) + " ms", QString()});
    rows.push_back({QStringLiteral("start-up to window shown, plenvik in Dutch (%1 runs)").arg(runs), QString::number(mOurs, 'f', 1) + " ms",
                    QString::number(mOurs / mBare, 'f', 2) + " x bare"});
    rows.push_back({QStringLiteral("start-up to window shown, plenvik in English (%1 runs)").arg(runs),
                    QString::number(mEnglish, 'f', 1) + " ms", QString::number(mEnglish / mBare, 'f', 2) + " x bare"});

    // Start-up to the window's map, seen by the X server.
    if (xcb_connection_t *x = xcb_connect(nullptr, nullptr); x && !xcb_connection_has_error(x)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(x);
        // An installed copy too: <prefix>/bin with the examples in
        // <prefix>/share, and the library in a home of its own (made by a
        // first start that is not counted).
        const QString installed = folder.filePath("prefix/bin/plenvik");
        QDir().mkpath(folder.filePath("prefix/bin"));
        QDir().mkpath(folder.filePath("prefix/share/plenvik/Voorbeelden"));
        QDir().mkpath(folder.filePath("home"));
        QFile::copy(QStringLiteral(PLENVIK_BINARY), installed);
        for (const QString &f : QDir(QStringLiteral(PLENVIK_EXAMPLES)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(PLENVIK_EXAMPLES "/") + f, folder.filePath("prefix/share/plenvik/Voorbeelden/" + f));
        QProcessEnvironment home = QProcessEnvironment::systemEnvironment();
        home.insert("HOME", folder.filePath("home"));
        home.remove("XDG_DATA_HOME");
        home.remove("XDG_CONFIG_HOME");

        std::vector<double> oursMap, englishMap, bareMap, installedMap;
        mapMs(plenvik, folder.path(), x, dutch);
        mapMs(plenvik, folder.path(), x, english);
        mapMs(QStringLiteral(BARE_BINARY), folder.path(), x, dutch);
        mapMs(installed, folder.path(), x, inLanguage(false, home));
        for (int i = 0; i < runs; ++i) {
            oursMap.push_back(mapMs(plenvik, folder.path(), x, dutch));
            bareMap.push_back(mapMs(QStringLiteral(BARE_BINARY), folder.path(), x, dutch));
            englishMap.push_back(mapMs(plenvik, folder.path(), x, english));
            installedMap.push_back(mapMs(installed, folder.path(), x, inLanguage(false, home)));
        }
        xcb_disconnect(x);
        const double o = median(oursMap), e = median(englishMap), b = median(bareMap), i = median(installedMap);
        rows.push_back({QStringLiteral("start-up to window mapped, bare Qt window (%1 runs)").arg(runs), QString::number(b, 'f', 1) + " ms", QString()});
        rows.push_back({QStringLiteral("start-up to window mapped, plenvik in Dutch (%1 runs)").arg(runs), QString::number(o, 'f', 1) + " ms",
                        QString::number(o / b, 'f', 2) + " x bare"});
        rows.push_back({QStringLiteral("start-up to window mapped, plenvik in English (%1 runs)").arg(runs),
                        QString::number(e, 'f', 1) + " ms", QString::number(e / b, 'f', 2) + " x bare"});
        rows.push_back({QStringLiteral("start-up to window mapped, plenvik installed (%1 runs)").arg(runs),
                        QString::number(i, 'f', 1) + " ms", QString::number(i / b, 'f', 2) + " x bare"});
    }

    // Idle CPU: the bare window, then Plenvik with the magnifier at zoom 4.
    QProcess bareIdle;
    bareIdle.start(QStringLiteral(BARE_BINARY), {});
    bareIdle.waitForStarted();
    QThread::sleep(2);
    const double bareCpu = idleCpuPercent(bareIdle.processId(), idleSeconds);
    bareIdle.kill();
    bareIdle.waitForFinished();

    Program p;
    double loepCpu = -1;
    if (p.start()) {
        const QPoint arrow = p.client + QPoint(507, 392 + 112 - 6);
        xdo({"mousemove", QString::number(arrow.x()), QString::number(arrow.y())});
        for (int i = 0; i < 3; ++i)
            xdo({"click", "1"});
        const QPoint over = p.canvas + QPoint(170, 260);
        xdo({"mousemove", QString::number(over.x()), QString::number(over.y())});
        QThread::sleep(2);
        loepCpu = idleCpuPercent(p.process.processId(), idleSeconds);
    }
    rows.push_back({QStringLiteral("CPU over %1 s idle, bare Qt window").arg(idleSeconds), QString::number(bareCpu, 'f', 2) + " % of a core", QString()});
    rows.push_back({QStringLiteral("CPU over %1 s idle, plenvik, magnifier at zoom 4").arg(idleSeconds),
                    QString::number(loepCpu, 'f', 2) + " % of a core",
                    QStringLiteral("+%1 points over bare").arg(loepCpu - bareCpu, 0, 'f', 2)});

    int w = 0;
    for (const Row &r : rows)
        w = std::max<int>(w, r.figure.size());
    std::printf("\n%-*s  %-22s  %s\n", w, "figure", "median", "ratio");
    std::printf("%s\n", QString(w + 40, QLatin1Char('-')).toLatin1().constData());
    for (const Row &r : rows)
        std::printf("%-*s  %-22s  %s\n", w, qPrintable(r.figure), qPrintable(r.median), qPrintable(r.ratio));
    return 0;
}
