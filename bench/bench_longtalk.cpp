// A long talk: 20,000 strokes on the overlay (view, model and controller as in the app,
// offscreen, 1920x1080), cleared with Escape every 200 strokes, the overlay hidden and shown
// again between batches. Prints the heap in use and the resident size as the talk goes on, and
// whether memory levels off: the last quarter's mean within 10 % of the second quarter's.
// Exits 1 when it does not.
#include "BenchOverlay.h"

#include "core/Key.h"
#include "platform/DiagnosticLog.h"
#include "platform/Localization.h"

#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <malloc.h>
#include <numeric>
#include <vector>

namespace {

double heapMiB() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double mean(const std::vector<double> &values, std::size_t from, std::size_t to) {
    return std::accumulate(values.begin() + long(from), values.begin() + long(to), 0.0) /
           double(to - from);
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Localization::install();
    DiagnosticLog::setSink([](const QString &) {});
    constexpr int strokes = 20000, batch = 200, moves = 20;

    BenchOverlay overlay;
    QWidget *window = overlay.controller.window();
    window->resize(1920, 1080);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    QRandomGenerator random(7);
    std::vector<double> heap;
    std::printf("%8s %10s %10s\n", "strokes", "heap MiB", "RSS MiB");
    for (int stroke = 1; stroke <= strokes; ++stroke) {
        const QPointF start(random.bounded(1600), random.bounded(1000));
        overlay.mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
        QPointF at = start;
        for (int i = 1; i <= moves; ++i) {
            at = start + QPointF(i * 12, i % 2 ? 30 : 0);
            overlay.mouse(QEvent::MouseMove, at, Qt::LeftButton);
        }
        overlay.mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        if (stroke % 20 == 0)
            QCoreApplication::processEvents(); // the frames paint
        if (stroke % batch != 0)
            continue;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, {}, evdevCode(Key::escape) + 8, 0, 0);
        QApplication::sendEvent(overlay.view(), &escape);
        window->hide();
        QCoreApplication::processEvents();
        window->show();
        QCoreApplication::processEvents();
        heap.push_back(heapMiB());
        if (stroke % 2000 == 0)
            std::printf("%8d %10.2f %10.1f\n", stroke, heap.back(), residentMiB());
    }
    const std::size_t quarter = heap.size() / 4;
    const double second = mean(heap, quarter, 2 * quarter),
                 last = mean(heap, 3 * quarter, heap.size());
    const double change = (last - second) / second * 100.0;
    std::printf("heap: second quarter %.2f MiB, last quarter %.2f MiB (%+.1f %%): %s\n", second,
                last, change, change <= 10.0 ? "levels off" : "GROWS");
    return change <= 10.0 ? 0 : 1;
}
