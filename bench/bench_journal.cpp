// Prints what keeping the drawings on disk costs: the process's CPU time (every thread, the
// journal's writer too) for a presenter's drawing at 60 events a second, with and without the
// journal, over 0 and 2000 finished shapes; the main thread's share of the journal; and how long
// a start takes to bring back 2,000 strokes over two screens and a board.
#include "BenchOverlay.h"

#include "drawing/Journal.h"
#include "drawing/tools/ToolFactory.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <ctime>

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
    double process, main;
};

// 20 strokes of 40 drag events, 16 ms apart, over `finished` shapes.
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
    }
    QTest::qWait(400);
    const double process = cpuMs(CLOCK_PROCESS_CPUTIME_ID), main = cpuMs(CLOCK_THREAD_CPUTIME_ID);
    for (int stroke = 0; stroke < 20; ++stroke) {
        const QPointF start(200 + stroke * 30, 100 + stroke * 40);
        overlay.mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
        QPointF at = start;
        for (int i = 1; i <= 40; ++i) {
            at = start + QPointF(i * 6, i % 2 ? 20 : 0);
            overlay.mouse(QEvent::MouseMove, at, Qt::LeftButton);
            QTest::qWait(16);
        }
        overlay.mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        QTest::qWait(100);
    }
    QTest::qWait(Journal::writeDelay + 200); // the last write
    if (journal)
        journal->writeNow();
    return {cpuMs(CLOCK_PROCESS_CPUTIME_ID) - process, cpuMs(CLOCK_THREAD_CPUTIME_ID) - main};
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();
    DiagnosticLog::setSink([](const QString &) {});

    std::printf("Drawing 20 strokes (800 drag events, 60 a second), CPU ms\n");
    std::printf("%9s %12s %12s %8s %14s\n", "finished", "without", "journalled", "extra",
                "main thread +");
    for (const int finished : {0, 2000}) {
        // The best of three runs of each, so that a busy machine's noise falls out.
        Cost without{1e9, 1e9}, with{1e9, 1e9};
        for (int run = 0; run < 3; ++run) {
            const Cost plain = drawOnce(finished, false), kept = drawOnce(finished, true);
            without = {std::min(without.process, plain.process),
                       std::min(without.main, plain.main)};
            with = {std::min(with.process, kept.process), std::min(with.main, kept.main)};
        }
        std::printf("%9d %12.0f %12.0f %7.1f%% %13.1f%%\n", finished, without.process, with.process,
                    100.0 * (with.process - without.process) / without.process,
                    100.0 * (with.main - without.main) / without.main);
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
