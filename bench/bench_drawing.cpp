// Prints what one drag event costs on the overlay: the model's update, the canvas's sync and
// the repaint of the area that changed, with 0, 100 and 1000 finished shapes on 1920x1080 and
// 3840x2160 overlays, and the cost of a long freehand stroke. CPU time is the thread's own.
#include "drawing/DrawingCanvas.h"
#include "drawing/DrawingViewModel.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

double cpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

struct Overlay {
    DrawingHooks hooks;
    QUndoStack undo;
    QWidget view;
    DrawingViewModel model{&undo, {}, hooks};
    DrawingCanvas canvas;
    QImage backingStore;

    explicit Overlay(QSize size) {
        model.view = &view;
        canvas.resize(size, 1.0);
        backingStore = QImage(size, QImage::Format_ARGB32_Premultiplied);
        backingStore.fill(Qt::transparent);
    }

    // What the overlay does for one event: the model changes, the canvas syncs, the changed
    // area is repainted. Returns the repainted area in pixels.
    qint64 repaint() {
        const QRegion dirty = canvas.sync(model.drawings.value(), model.isTracking.value());
        QPainter painter(&backingStore);
        qint64 area = 0;
        for (const QRect &rect : dirty) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect, QColor(255, 255, 255, 3));
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            canvas.paint(painter, rect);
            area += qint64(rect.width()) * rect.height();
        }
        return area;
    }

    void addFinishedShapes(int count, QSize size) {
        QRandomGenerator random(42);
        const Shape tools[] = {Shape::pen, Shape::line, Shape::arrow, Shape::rect, Shape::circle};
        for (int i = 0; i < count; ++i) {
            model.selectedShape = tools[i % 5];
            const QPointF start(random.bounded(size.width()), random.bounded(size.height()));
            model.isTracking.setValue(true);
            model.beginShape(start);
            QPointF point = start;
            for (int step = 0; step < 20; ++step) {
                point += QPointF(random.bounded(21) - 10, random.bounded(21) - 10);
                model.mouseDragged(point);
            }
            model.mouseUp();
        }
        repaint();
    }
};

struct Figures {
    double medianMicros;
    double meanArea;
};

Figures dragCost(QSize size, int finished, Shape tool, int events = 300) {
    Overlay overlay(size);
    overlay.addFinishedShapes(finished, size);
    overlay.model.selectedShape = tool;
    overlay.model.isTracking.setValue(true);
    overlay.model.beginShape(QPointF(size.width() / 4.0, size.height() / 2.0));
    overlay.repaint();
    std::vector<double> times;
    double area = 0;
    for (int i = 1; i <= events; ++i) {
        const double start = cpuMicroseconds();
        overlay.model.mouseDragged(
            QPointF(size.width() / 4.0 + i * 2.0, size.height() / 2.0 + (i % 7)));
        area += double(overlay.repaint());
        times.push_back(cpuMicroseconds() - start);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], area / events};
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();

    std::printf("One drag event (model update + canvas sync + repaint of the changed area)\n");
    std::printf("%-10s %-7s %9s %12s %14s\n", "overlay", "tool", "finished", "median us",
                "repainted px");
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        for (const Shape tool : {Shape::pen, Shape::rect}) {
            for (const int finished : {0, 100, 1000}) {
                const Figures figures = dragCost(size, finished, tool);
                std::printf(
                    "%-10s %-7s %9d %12.1f %14.0f\n",
                    qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())),
                    tool == Shape::pen ? "pen" : "rect", finished, figures.medianMicros,
                    figures.meanArea);
            }
        }
    }

    std::printf("\nA long freehand stroke on 1920x1080 (5,000 drag events)\n");
    Overlay overlay(QSize(1920, 1080));
    overlay.model.selectedShape = Shape::pen;
    overlay.model.isTracking.setValue(true);
    overlay.model.beginShape(QPointF(100, 100));
    std::vector<double> times;
    const double start = cpuMicroseconds();
    for (int i = 1; i <= 5000; ++i) {
        const double eventStart = cpuMicroseconds();
        const double t = i / 5000.0;
        overlay.model.mouseDragged(QPointF(100 + 1700 * t, 540 + 400 * std::sin(t * 40)));
        overlay.repaint();
        times.push_back(cpuMicroseconds() - eventStart);
    }
    const double total = cpuMicroseconds() - start;
    const double first = std::accumulate(times.begin(), times.begin() + 100, 0.0) / 100;
    const double last = std::accumulate(times.end() - 100, times.end(), 0.0) / 100;
    overlay.model.mouseUp();
    const double releaseStart = cpuMicroseconds();
    overlay.repaint();
    std::printf("total %.1f ms; per event: first 100 %.1f us, last 100 %.1f us; release %.1f us\n",
                total / 1000, first, last, cpuMicroseconds() - releaseStart);
    return 0;
}
