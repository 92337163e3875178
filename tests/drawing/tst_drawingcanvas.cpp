#include "drawing/DrawingCanvas.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <optional>

namespace {

// The view's part: keep a backing store and repaint only what sync() reports; with `opaque`, as
// on a screen without a compositor, also which pixels are kept (shown).
struct Screen {
    DrawingCanvas canvas;
    QImage store;
    qreal ratio;
    bool opaque;
    QImage kept;
    DrawingsEdit edit;

    Screen(QSize size, qreal dpr, bool opaquePixels = false)
        : ratio(dpr)
        , opaque(opaquePixels) {
        canvas.resize(size, dpr);
        store = QImage(size * dpr, QImage::Format_ARGB32_Premultiplied);
        store.setDevicePixelRatio(dpr);
        store.fill(Qt::transparent);
        kept = QImage(store.size(), QImage::Format_Grayscale8);
        kept.fill(0);
    }

    // The model's part: a list write of `kind`, or none (a drag, a release).
    QRegion show(const Drawings &list, const std::shared_ptr<Renderable> &live,
                 std::optional<DrawingsEdit::Kind> kind = {}) {
        if (kind)
            edit = {edit.revision + 1, *kind};
        const QRegion dirty = canvas.sync(list, edit, live);
        QPainter painter(&store);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect &rect : dirty)
            painter.fillRect(rect, Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        if (!opaque)
            canvas.paint(painter, dirty);
        for (const QRect &rect : opaque ? dirty : QRegion())
            canvas.paintOpaque(painter, rect, kept);
        return dirty;
    }

    // Every shape rendered in order; opaque: the pixels at least half covered in full colour.
    QImage reference(const Drawings &list) const {
        QImage image(store.size(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (const auto &shape : list)
            shape->render(painter);
        for (int y = 0; opaque && y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                image.setPixel(x, y, qAlpha(p) >= 128 ? qUnpremultiply(p) | 0xff000000u : 0u);
            }
        return image;
    }

    // Where the pixels differ from the reference, or an opaque screen keeps others than the
    // opaque ones.
    QString mismatch(const Drawings &list) const {
        const QImage expected = reference(list);
        for (int y = 0; y < store.height(); ++y)
            for (int x = 0; x < store.width(); ++x)
                if (store.pixel(x, y) != expected.pixel(x, y) ||
                    (opaque &&
                     (kept.constScanLine(y)[x] & 1) != (qAlpha(expected.pixel(x, y)) != 0)))
                    return QStringLiteral("differs at %1,%2").arg(x).arg(y);
        return {};
    }
};

std::shared_ptr<Renderable> make(int kind, QPointF at, QColor color) {
    std::shared_ptr<Renderable> shape;
    switch (kind % 5) {
    case 0:
        shape = std::make_shared<RenderableLine>(false, at);
        break;
    case 1:
        shape = std::make_shared<RenderableLine>(true, at);
        break;
    case 2:
        shape = std::make_shared<RenderableStrightLine>(at);
        break;
    case 3:
        shape = std::make_shared<RenderableRect>(at);
        color.setAlphaF(0.2f);
        break;
    default:
        shape = std::make_shared<RenderableCircle>(at);
        break;
    }
    shape->strokeColor = QColor(color.rgb());
    if (kind % 5 != 4)
        shape->fillColor = color;
    return shape;
}

// A wave with zig-zags of every sharpness: some joins mitre far out, some are bevelled.
QPointF wiggle(QPointF start, int i) {
    return start + QPointF(i * 1.7, 25 * std::sin(i / 6.0) + (i % 2) * (i % 23));
}

qint64 area(const QRegion &region) {
    qint64 total = 0;
    for (const QRect &rect : region)
        total += qint64(rect.width()) * rect.height();
    return total;
}

} // namespace

class TestDrawingCanvas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void incrementalPaintingEqualsRenderingInOrder_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("1x") << 1.0 << false;
        QTest::newRow("2x") << 2.0 << false;
        QTest::newRow("1x opaque") << 1.0 << true;
        QTest::newRow("2x opaque") << 2.0 << true;
    }
    void incrementalPaintingEqualsRenderingInOrder() {
        QFETCH(qreal, ratio);
        QFETCH(bool, opaque);
        Screen screen(QSize(420, 300), ratio, opaque);
        Drawings list;
        const QColor colors[] = {QColor(255, 59, 48), QColor(0, 122, 255), QColor(40, 205, 65)};
        for (int kind = 0; kind < 10; ++kind) {
            const QPointF start(20 + kind * 17, 30 + kind * 23);
            auto shape = make(kind, start, colors[kind % 3]);
            list.push_back(shape);
            screen.show(list, shape, DrawingsEdit::appended);
            // Long enough that freehand strokes repaint only their new end.
            for (int i = 1; i <= 120; ++i) {
                shape->update(wiggle(start, i));
                shape->isModified = kind == 5 && i > 100; // Shift at the end of one arrow
                screen.show(list, shape);
                if (i % 40 == 0)
                    QCOMPARE(QStringLiteral("%1 %2 ").arg(kind).arg(i) + screen.mismatch(list),
                             QStringLiteral("%1 %2 ").arg(kind).arg(i));
            }
            QVERIFY(screen.show(list, nullptr).isEmpty()); // released: already on the screen
            QCOMPARE(screen.mismatch(list), QString());
        }
        QCOMPARE(screen.canvas.bakes(), list.size());

        // Undo of the newest shape, a redo, a clear and a restore: the finished image follows.
        const auto last = list.back();
        list.pop_back();
        screen.show(list, nullptr, DrawingsEdit::removedLast);
        QCOMPARE(screen.mismatch(list), QString());
        list.push_back(last);
        screen.show(list, nullptr, DrawingsEdit::appended);
        QCOMPARE(screen.mismatch(list), QString());
        screen.show({}, nullptr, DrawingsEdit::replaced);
        QCOMPARE(screen.mismatch({}), QString());
        QVERIFY(screen.canvas.finishedImage().isNull()); // an empty screen keeps no image
        screen.show(list, nullptr, DrawingsEdit::replaced);
        QCOMPARE(screen.mismatch(list), QString());
    }

    void withManyShapesPressDragAndReleaseBakeOnlyTheNewShapeAndRepaintLittle() {
        Screen screen(QSize(1920, 1080), 1.0);
        Drawings list;
        for (int i = 0; i < 5000; ++i) {
            auto shape = make(i, QPointF(i % 1800, (i * 7) % 1000), Qt::red);
            shape->update(shape->path.currentPosition() + QPointF(40, 30));
            list.push_back(shape);
        }
        screen.show(list, nullptr, DrawingsEdit::replaced);
        const quint64 bakes = screen.canvas.bakes();
        auto pen = make(0, QPointF(100, 500), Qt::blue);
        list.push_back(pen);
        screen.show(list, pen, DrawingsEdit::appended);
        qint64 largest = 0;
        for (int i = 1; i <= 300; ++i) {
            pen->update(wiggle(QPointF(100, 500), i));
            largest = std::max(largest, area(screen.show(list, pen)));
        }
        // A segment with its joins, each mitred at most 31 pixels out.
        QVERIFY2(largest < 70 * 70, qPrintable(QString::number(largest)));
        QCOMPARE(screen.canvas.bakes(), bakes);
        screen.show(list, nullptr);
        QCOMPARE(screen.canvas.bakes(), bakes + 1);

        // A press without a drag: its shape goes again without painting the others.
        auto click = make(3, QPointF(800, 300), Qt::green);
        list.push_back(click);
        screen.show(list, click, DrawingsEdit::appended);
        screen.show(list, nullptr);
        list.pop_back();
        QVERIFY(area(screen.show(list, nullptr, DrawingsEdit::removedLast)) < 100 * 100);
        QCOMPARE(screen.canvas.bakes(), bakes + 2);

        auto rect = make(3, QPointF(800, 300), Qt::green);
        list.push_back(rect);
        screen.show(list, rect, DrawingsEdit::appended);
        rect->update({900, 400});
        screen.show(list, rect);
        rect->update({910, 410});
        const qint64 rectArea = area(screen.show(list, rect));
        QVERIFY2(rectArea < 140 * 140, qPrintable(QString::number(rectArea)));
    }
};

QTEST_MAIN(TestDrawingCanvas)
#include "tst_drawingcanvas.moc"
