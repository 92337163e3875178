// Prints what a press, a drag event and a release cost on the overlay (view, model and
// controller as in the app, offscreen, 1920x1080) with 0 to 5000 finished shapes on the screen,
// with and without the shaped window used when no compositor runs. Each event is followed by
// its repaint; CPU time is the thread's own.
#include "BenchOverlay.h"

#include "drawing/tools/ToolFactory.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Zig-zag strokes and the other tools at random places, as a long session leaves them.
Drawings finishedShapes(int count, QSize size) {
    QRandomGenerator random(42);
    Drawings list;
    for (int i = 0; i < count; ++i) {
        const QPointF start(random.bounded(size.width() - 200), random.bounded(size.height() - 60));
        constexpr Shape kinds[] = {Shape::pen, Shape::arrow, Shape::line, Shape::rect,
                                   Shape::circle};
        const std::shared_ptr<Renderable> shape =
            makeShape(kinds[i % 5], start, QColor(255, 59, 48));
        for (int step = 1; step <= 20; ++step)
            shape->update(start + QPointF(step * 8, step % 2 ? 24 : 0));
        list.push_back(shape);
    }
    return list;
}

struct Overlay : BenchOverlay {
    // Sends one pointer event and lets the overlay repaint what it changed.
    double send(QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        const double start = cpuMicroseconds();
        mouse(type, at, buttons);
        QTest::qWait(20); // longer than a frame: every event gets its own repaint
        return cpuMicroseconds() - start;
    }
};

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();
    DiagnosticLog::setSink([](const QString &) {}); // the table only
    const QSize size(1920, 1080);

    std::printf("Pointer events on a %dx%d overlay, CPU us per event with its repaint (median)\n",
                size.width(), size.height());
    std::printf("%-8s %-12s %9s %10s %10s %11s %10s\n", "mode", "tool", "finished", "press", "drag",
                "release", "drag max");
    struct Run {
        Shape tool;
        std::vector<int> finished;
    };
    const Run runs[] = {{Shape::pen, {0, 100, 1000, 5000}},
                        {Shape::highlighter, {0, 5000}},
                        {Shape::eraser, {0, 5000}},
                        {Shape::text, {0, 5000}}};
    for (const bool shaped : {false, true}) {
        for (const Run &run : runs) {
            // `bench_drawing eraser` measures that tool alone.
            if (argc > 1 && QLatin1String(argv[1]) != QLatin1String(tool(run.tool).actionName))
                continue;
            for (const int finished : run.finished) {
                Overlay overlay;
                overlay.controller.window()->resize(size);
                overlay.controller.window()->show();
                if (!QTest::qWaitForWindowExposed(overlay.controller.window()))
                    return 1;
                overlay.view()->setShaped(shaped);
                DrawingViewModel &model = overlay.controller.contentViewController().model;
                model.restore(finishedShapes(finished, size));
                model.selectTool(run.tool);
                QTest::qWait(50);

                std::vector<double> press, drag, release;
                for (int stroke = 0; stroke < 5; ++stroke) {
                    const QPointF start(300 + stroke * 40, 200 + stroke * 120);
                    press.push_back(overlay.send(QEvent::MouseButtonPress, start, Qt::LeftButton));
                    QPointF at = start;
                    for (int i = 1; i <= 30; ++i) {
                        at = start + QPointF(i * 4, i % 2 ? 24 : 0);
                        drag.push_back(overlay.send(QEvent::MouseMove, at, Qt::LeftButton));
                    }
                    release.push_back(overlay.send(QEvent::MouseButtonRelease, at, Qt::NoButton));
                }
                std::printf("%-8s %-12s %9d %10.0f %10.0f %11.0f %10.0f\n",
                            shaped ? "shaped" : "normal", tool(run.tool).actionName, finished,
                            median(press), median(drag), median(release),
                            *std::max_element(drag.begin(), drag.end()));
            }
        }
    }
    return 0;
}
