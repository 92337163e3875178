// Prints CPU time for 1,000 pointer moves while Quillory draws in headless sway at 1920×1080,
// the input going through the compositor as in the end-to-end tests: on the native layer-shell
// surface against the XWayland window (QUILLORY_OUTPUT=layer-shell and =x11), taking turns for
// BENCH_ROUNDS rounds (1 by default), then the medians. Ten strokes of 100 moves over a native
// window, 15 ms apart (a frame's worth at about 67 Hz); Quillory's time, its time at rest for as
// long after, and sway's and Xwayland's time while it drew. CPU time is a process's user +
// system time from /proc/PID/stat. Run by bench/wayland.sh, or from the build folder.

#include "E2ESession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QMap>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

// A process's name and the fields of /proc/PID/stat after it (the parent first).
std::pair<QByteArray, QList<QByteArray>> stat(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    // The name may hold spaces; it stands in parentheses.
    const qsizetype open = text.indexOf('('), close = text.lastIndexOf(')');
    return {text.mid(open + 1, close - open - 1), text.mid(close + 2).split(' ')};
}

// User and system time of the process, in milliseconds.
double cpuMs(qint64 pid) {
    const QList<QByteArray> fields = stat(pid).second;
    if (fields.size() < 13)
        return 0;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) * 1000.0 /
           double(::sysconf(_SC_CLK_TCK));
}

// The process named `name` that this benchmark started (a child of a child…), or 0: the
// compositor of this session, not another one running on the machine.
qint64 descendant(const QByteArray &name) {
    QHash<qint64, qint64> parents;
    QList<qint64> named;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        const auto [command, fields] = stat(pid);
        if (fields.size() > 1)
            parents[pid] = fields[1].toLongLong();
        if (command == name)
            named << pid;
    }
    for (const qint64 pid : named) {
        for (qint64 up = parents.value(pid); up > 1; up = parents.value(up)) {
            if (up == ::getpid())
                return pid;
        }
    }
    return 0;
}

constexpr int strokes = 10;
constexpr int movesPerStroke = 100;

// The session's Xwayland, which sway starts apart from itself: the one serving `display`.
qint64 xwaylandServing(const QString &display) {
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = file.readAll().split('\0');
        if (arguments.size() > 1 && arguments[0].endsWith("Xwayland") &&
            arguments[1] == display.toUtf8())
            return entry.toLongLong();
    }
    return 0;
}

struct Figures {
    double quillory = 0, resting = 0, sway = 0, xwayland = 0;
};

// One run of the application drawing on `output`; nullopt when the session did not start.
std::optional<Figures> measure(const QString &output) {
    E2ESession::Options options;
    options.wayland = true;
    options.monitorSize = {1920, 1080};
    options.environment.insert(QStringLiteral("QUILLORY_OUTPUT"), output);
    E2ESession session(options);
    if (!session.start()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(output), qPrintable(session.errorString));
        return std::nullopt;
    }
    E2ESession::settle(1500);
    const qint64 pid = session.applicationPid();
    const qint64 sway = descendant("sway"), xwayland = xwaylandServing(session.display());
    QElapsedTimer wall;
    wall.start();
    const Figures before{cpuMs(pid), 0, cpuMs(sway), cpuMs(xwayland)};
    for (int stroke = 0; stroke < strokes; ++stroke) {
        // A zigzag across most of the screen, a row lower each time.
        QList<QPoint> points;
        const int y = 100 + stroke * 90;
        for (int i = 0; i <= movesPerStroke; ++i)
            points << QPoint(200 + i * 15, y + (i % 2) * 40);
        session.drag(points);
    }
    E2ESession::settle(300); // the last frames
    Figures spent{cpuMs(pid) - before.quillory, 0, cpuMs(sway) - before.sway,
                  cpuMs(xwayland) - before.xwayland};
    const double restStart = cpuMs(pid);
    E2ESession::settle(int(wall.elapsed()));
    spent.resting = cpuMs(pid) - restStart;
    QByteArray state;
    session.runQuillory({QStringLiteral("--action"), QStringLiteral("state")}, &state);
    if (!state.contains("\"output\":\"" + output.toUtf8() + "\"")) {
        std::fprintf(stderr, "%s: the state names another output: %s\n", qPrintable(output),
                     state.constData());
        return std::nullopt;
    }
    return spent;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = std::max(1, qEnvironmentVariableIntValue("BENCH_ROUNDS"));
    std::printf("CPU time in headless sway at 1920x1080 for %d pointer moves drawing (ms), %d "
                "round(s), outputs taking turns:\n",
                strokes * movesPerStroke, rounds);
    QMap<QString, QList<Figures>> all;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &output : {QStringLiteral("layer-shell"), QStringLiteral("x11")}) {
            const std::optional<Figures> figures = measure(output);
            if (!figures)
                return 1;
            all[output] << *figures;
            std::printf("  %-12s Quillory %5.0f (at rest as long: %3.0f), sway %5.0f, "
                        "Xwayland %5.0f\n",
                        qPrintable(output), figures->quillory, figures->resting, figures->sway,
                        figures->xwayland);
            std::fflush(stdout);
        }
    }
    std::printf("Medians:\n");
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const auto median = [&](double Figures::*field) {
            QList<double> values;
            for (const Figures &figures : it.value())
                values << figures.*field;
            std::sort(values.begin(), values.end());
            return values[values.size() / 2];
        };
        std::printf("  %-12s Quillory %5.0f, sway %5.0f, Xwayland %5.0f\n", qPrintable(it.key()),
                    median(&Figures::quillory), median(&Figures::sway), median(&Figures::xwayland));
    }
    return 0;
}
