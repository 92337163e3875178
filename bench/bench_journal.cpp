// Prints what keeping the drawings on disk costs: the process's CPU time (every thread, the
// journal's writer too) for the journal's write after a stroke, against drawing that stroke at
// 60 events a second, over 0 and 2000 finished shapes; and how long a start takes to bring
// back 2,000 strokes over two screens and a board.
#include "BenchOverlay.h"

#include "drawing/Journal.h"
#include "drawing/tools/ToolFactory.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Freehand strokes of 50 points each, as a lecture leaves them.
Drawings strokes(int count, QRandomGenerator &random) {
    Drawings list;
    for (int i = 0; i < count; ++i) {
        const QPointF start(random.bounded(1700), random.bounded(1000));
        auto shape = makeShape(Shape::pen, start, QColor(255, 59, 48));
        for (int step = 1; step <= 50; ++step)
            shape->update(start + QPointF(step * 4, step % 2 ? 12 : 0));
        list.push_back(shape);
    }
    return list;
}

struct Cost {
    // CPU ms per stroke: drawing it, the journal's write after it; and one sync to the disk,
    // which comes at most once in two seconds.
    double stroke = 0, journal = 0, sync = 0;
};

// 20 strokes of 40 drag events, 16 ms apart, over `finished` shapes. With the journal, each
// stroke is written once it is finished (as its release asks), and that write is timed alone.
Cost drawOnce(int finished, bool journalled) {
    BenchOverlay overlay;
    overlay.controller.window()->resize(1920, 1080);
    overlay.controller.window()->show();
    if (!QTest::qWaitForWindowExposed(overlay.controller.window()))
        std::abort();
    DrawingViewModel &model = overlay.controller.contentViewController().model;
    QRandomGenerator random(1);
    model.restore(strokes(finished, random));
    model.selectTool(Shape::pen);
    std::unique_ptr<Journal> journal;
    if (journalled) {
        journal = std::make_unique<Journal>(model, overlay.dir.filePath(u"journal.quillory"_qs));
        journal->recover();
        journal->writeNow();
    }
    QTest::qWait(400);
    Cost cost;
    constexpr int count = 20;
    for (int stroke = 0; stroke < count; ++stroke) {
        const double start = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        const QPointF from(200 + stroke * 30, 100 + stroke * 40);
        overlay.mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        QPointF at = from;
        for (int i = 1; i <= 40; ++i) {
            at = from + QPointF(i * 6, i % 2 ? 20 : 0);
            overlay.mouse(QEvent::MouseMove, at, Qt::LeftButton);
            QTest::qWait(16);
        }
        overlay.mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        QTest::qWait(50);
        const double drawn = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        cost.stroke += drawn - start;
        if (journal) {
            journal->writeNow();
            cost.journal += cpuMs(CLOCK_PROCESS_CPUTIME_ID) - drawn;
        }
    }
    if (journal) {
        overlay.mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        overlay.mouse(QEvent::MouseMove, {300, 300}, Qt::LeftButton);
        overlay.mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::NoButton);
        journal->writeNow();
        const double start = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        journal->sync();
        cost.sync = (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - start) * count;
    }
    return {cost.stroke / count, cost.journal / count, cost.sync / count};
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();
    DiagnosticLog::setSink([](const QString &) {});

    std::printf(
        "A stroke of 40 drag events at 60 a second (0.7 s), CPU ms, the median of 3 runs\n");
    std::printf("%9s %11s %14s %12s %8s\n", "finished", "drawing it", "journal write", "disk sync",
                "share");
    drawOnce(0, true); // fonts, caches: what the first run pays
    for (const int finished : {0, 2000}) {
        std::vector<double> strokeCost, journalCost, syncCost;
        for (int run = 0; run < 3; ++run) {
            strokeCost.push_back(drawOnce(finished, false).stroke);
            const Cost kept = drawOnce(finished, true);
            journalCost.push_back(kept.journal);
            syncCost.push_back(kept.sync);
        }
        for (std::vector<double> *each : {&strokeCost, &journalCost, &syncCost})
            std::sort(each->begin(), each->end());
        // At most one sync in two seconds: 0.35 of one for a stroke of 0.7 s.
        const double journal = journalCost[1] + 0.35 * syncCost[1];
        std::printf("%9d %11.2f %14.3f %12.3f %7.1f%%\n", finished, strokeCost[1], journalCost[1],
                    syncCost[1], 100.0 * journal / strokeCost[1]);
    }

    // 2,000 strokes: 800 on each of two screens, 400 on a board's two pages.
    QRandomGenerator random(2);
    DrawingDocument document;
    for (const char *name : {"LEFT", "RIGHT"}) {
        ScreenDrawings screen;
        screen.name = QString::fromLatin1(name);
        screen.size = QSize(1920, 1080);
        screen.shapes = strokes(800, random);
        document.screens.push_back(std::move(screen));
    }
    document.screens[0].whiteboard.pages = {strokes(200, random), strokes(200, random)};
    BenchOverlay overlay;
    const QString path = overlay.dir.filePath(u"journal.quillory"_qs);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(DrawingFile::write(document)) < 0)
        return 1;
    file.close();
    DrawingViewModel &model = overlay.controller.contentViewController().model;
    QElapsedTimer clock;
    clock.start();
    Journal journal(model, path);
    const Journal::Recovery found = journal.recover();
    std::printf("Bringing back %d strokes (%lld KB): %lld ms\n", found.shapes,
                QFile(path).size() / 1024, clock.elapsed());
    return found.shapes == 2000 ? 0 : 1;
}
