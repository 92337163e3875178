// What a burst of preference writes costs the thread that makes them (the main thread, for a
// burst of `quillory --action highlight`), and how long until the file holds the last value.
// The preferences file is put in a folder of its own under `folder`, so that the disk is the
// one the user's preferences live on.
//   bench_preferences [writes=200] [folder=$HOME]
#include "settings/PreferenceStore.h"
#include "settings/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int writes = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::homePath();
    QTemporaryDir dir(folder + QStringLiteral("/bench-preferences-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(folder));
        return 1;
    }

    PreferenceStore store(dir.filePath(QStringLiteral("preferences.plist")));
    Preferences::timerMinutes.set(store, 0); // the file exists, as it does after a first start
    store.flush();

    QElapsedTimer clock;
    qint64 longest = 0;
    clock.start();
    for (int i = 1; i <= writes; ++i) {
        const qint64 start = clock.nsecsElapsed();
        Preferences::cursorHighlight.set(store, i % 2 == 1);
        Preferences::timerMinutes.set(store, i);
        longest = std::max(longest, clock.nsecsElapsed() - start);
    }
    const qint64 calling = clock.nsecsElapsed();
    store.flush();
    const qint64 onDisk = clock.nsecsElapsed();

    const bool last =
        PreferenceStore(store.filePath()).integer(QStringLiteral("TimerMinutes")) == qint64(writes);
    std::printf("%d bursts of two writes in %s\n", writes, qPrintable(dir.path()));
    std::printf("  the calling thread: %.2f ms in all, %.3f ms at most for one burst\n",
                calling / 1e6, longest / 1e6);
    std::printf("  the last value on disk after %.2f ms%s\n", onDisk / 1e6,
                last ? "" : " - BUT THE FILE DOES NOT HOLD IT");
    return last ? 0 : 1;
}
