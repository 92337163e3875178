// How far the countdown's readings stray from the wall clock: runs a countdown (offscreen) for
// a number of seconds while other threads keep every core busy and the event loop is held up
// now and then, and prints when each reading appeared against when it was due.
//   bench_timer [seconds=180] [busy threads=number of cores] [stall ms=300]
#include "platform/Localization.h"
#include "settings/PreferenceStore.h"
#include "settings/Preferences.h"
#include "timer/TimeLabel.h"
#include "timer/TimerViewController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();
    const int seconds = argc > 1 ? std::max(2, atoi(argv[1])) : 180;
    const int busy =
        argc > 2 ? atoi(argv[2]) : static_cast<int>(std::thread::hardware_concurrency());
    const int stallMs = argc > 3 ? std::max(0, atoi(argv[3])) : 300;

    QTemporaryDir dir;
    PreferenceStore preferences(dir.path() + QStringLiteral("/preferences.plist"));
    Preferences::timerMinutes.set(preferences, (seconds + 59) / 60 + 1);
    TimerViewController countdown(preferences);

    std::atomic<bool> running{true};
    std::vector<std::thread> load;
    for (int i = 0; i < busy; ++i)
        load.emplace_back([&running] {
            volatile double x = 1;
            while (running)
                x = std::sqrt(x + 1);
        });

    QElapsedTimer clock;
    qint64 worst = 0;
    double sum = 0;
    int readings = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    qint64 last = -1;
    qint64 full = 0;
    qint64 lastOffset = 0;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 now = countdown.lblTime->reading();
        if (now == last)
            return;
        last = now;
        const qint64 due = (full - now) * 1000;
        const qint64 off = clock.elapsed() - due;
        worst = std::max(worst, std::abs(off));
        lastOffset = off;
        sum += off;
        ++readings;
        if (readings > seconds)
            app.quit();
    });
    // The event loop held up every 7 s, like a long paint or a slow disk: a tick due meanwhile
    // comes late by what is left of the stall, the next one is on time again.
    QTimer stall;
    stall.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stall, &QTimer::timeout, [stallMs] { QThread::msleep(stallMs); });

    clock.start();
    countdown.setupTimer();
    full = countdown.lblTime->reading();
    watch.start(1);
    QTimer::singleShot(800, [&stall] { stall.start(7000); });
    app.exec();
    running = false;
    for (std::thread &t : load)
        t.join();
    std::printf("countdown of %d s with %d busy threads and a %d ms stall every 7 s:\n", seconds,
                busy, stallMs);
    std::printf("  readings: %d; each against start + n s: mean %.1f ms late, worst %lld ms, "
                "last %lld ms\n",
                readings, readings ? sum / readings : 0.0, static_cast<long long>(worst),
                static_cast<long long>(lastOffset));
    return 0;
}
