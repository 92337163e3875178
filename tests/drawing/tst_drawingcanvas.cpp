#include "drawing/DrawingCanvas.h"
#include "drawing/tools/ToolFactory.h"
#include "overlay/ShapedOutput.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <optional>

namespace {

// What the view does: keep a backing store and repaint only what sync() reports; with `opaque`, as
// on a screen without a compositor, also which pixels are kept (shown).
struct Screen {
    DrawingCanvas canvas;
    QImage store, kept;
    bool opaque;
    DrawingsEdit edit;

    Screen(QSize size, qreal ratio, bool opaquePixels = false)
        : store(size * ratio, QImage::Format_ARGB32_Premultiplied)
        , kept(size * ratio, QImage::Format_Grayscale8)
        , opaque(opaquePixels) {
        canvas.resize(size, ratio);
        store.setDevicePixelRatio(ratio);
        store.fill(Qt::transparent);
        kept.fill(0);
    }

    // What the model does: a list write of `kind`, or none (a drag, a release).
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
            ShapedOutput::paintOpaque(
                painter, rect, store.devicePixelRatio(), kept,
                [&](QPainter &strip, const QRect &area) { canvas.paint(strip, area); },
                live ? rect.height() : 32);
        return dirty;
    }

    // Where the pixels differ from rendering every shape in order; an opaque screen must show
    // (keep) exactly the pixels at least half covered, in full colour. A shape painted in part
    // (Qt smooths an edge cut by the image's a hair differently) may be `tolerance` off.
    QString mismatch(const Drawings &list, int tolerance = 0) const {
        QImage expected = store;
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        for (const auto &shape : list)
            shape->render(painter);
        painter.end();
        for (int y = 0; y < store.height(); ++y)
            for (int x = 0; x < store.width(); ++x) {
                QRgb pixel = expected.pixel(x, y);
                // Opaque, the colour is the covered part's scaled up: so is a difference.
                const int slack = opaque ? tolerance * 255 / std::max(1, qAlpha(pixel)) : tolerance;
                if (opaque && std::abs(qAlpha(pixel) - 128) <= tolerance)
                    continue; // half covered, give or take the tolerance: kept or not
                if (opaque)
                    pixel = qAlpha(pixel) >= 128 ? qUnpremultiply(pixel) | 0xff000000u : 0u;
                const QRgb shown = store.pixel(x, y);
                const auto near = [slack](int a, int b) { return std::abs(a - b) <= slack; };
                const bool off =
                    !near(qRed(shown), qRed(pixel)) || !near(qGreen(shown), qGreen(pixel)) ||
                    !near(qBlue(shown), qBlue(pixel)) || !near(qAlpha(shown), qAlpha(pixel));
                if (off || (opaque && (kept.constScanLine(y)[x] & 1) != (pixel != 0)))
                    return QStringLiteral("differs at %1,%2").arg(x).arg(y);
            }
        return {};
    }
};

// Pen, arrow, line, rectangle or ellipse by `kind` % 5, coloured as the model colours them.
std::shared_ptr<Renderable> make(int kind, QPointF at, const QColor &color) {
    constexpr Shape kinds[] = {Shape::pen, Shape::arrow, Shape::line, Shape::rect, Shape::circle};
    const std::shared_ptr<Renderable> shape = makeShape(kinds[kind % 5], at, color);
    shape->strokeColor = color;
    if (kind % 5 != 4)
        shape->fillColor =
            QColor(color.red(), color.green(), color.blue(), kind % 5 == 3 ? 51 : 255);
    return shape;
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
    void paintsAsRenderingInOrderRepaintingOnlyWhatChanged_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("opaque");
        for (qreal ratio : {1.0, 2.0})
            for (bool opaque : {false, true})
                QTest::addRow("%gx%s", ratio, opaque ? " opaque" : "") << ratio << opaque;
    }

    // The screen shows exactly every shape rendered in order, with or without a compositor,
    // though each shape is baked once and a drag or a release repaints only what changed: the
    // cost of drawing does not grow with the shapes already shown.
    void paintsAsRenderingInOrderRepaintingOnlyWhatChanged() {
        QFETCH(qreal, ratio);
        QFETCH(bool, opaque);
        Screen screen(QSize(420, 300), ratio, opaque);
        Drawings list;
        for (int kind = 0; kind < 10; ++kind) {
            const QPointF start(20 + kind * 17, 30 + kind * 23);
            auto shape = make(kind, start, QColor::fromHsv(kind * 36, 255, 230));
            list.push_back(shape);
            screen.show(list, shape, DrawingsEdit::appended);
            // A long wave, zig-zags of every sharpness: some joins mitre far out, some bevel.
            for (int i = 1; i <= 120; ++i) {
                const QRect before = shape->paintedBounds().toAlignedRect();
                shape->update(start + QPointF(i * 1.7, 25 * std::sin(i / 6.0) + i % 2 * (i % 23)));
                shape->isModified = kind == 6 && i > 100; // Shift at the end of one arrow
                const QRegion dirty = screen.show(list, shape);
                if (kind % 5 >= 2) // line, rectangle, ellipse: where it was and where it is
                    QVERIFY((dirty - before - shape->paintedBounds().toAlignedRect()).isEmpty());
                if (kind % 5 == 0) // a pen: one segment with its joins, mitred at most 31 out
                    QVERIFY2(area(dirty) < 70 * 70, qPrintable(QString::number(area(dirty))));
                if (i % 40 == 0)
                    QCOMPARE(screen.mismatch(list), QString());
            }
            QVERIFY(screen.show(list, nullptr).isEmpty()); // released: already on the screen
            QCOMPARE(screen.mismatch(list), QString());
        }

        // A press without a drag goes again without painting the others.
        list.push_back(make(3, QPointF(200, 100), Qt::blue));
        screen.show(list, list.back(), DrawingsEdit::appended);
        screen.show(list, nullptr);
        list.pop_back();
        QVERIFY(area(screen.show(list, nullptr, DrawingsEdit::removedLast)) < 100 * 100);
        QCOMPARE(screen.canvas.bakes(), list.size() + 1); // each shape, the click's included, once

        // Undo of the newest shape, a redo, a clear and a restore: the finished image follows.
        const Drawings all = list, shorter(list.begin(), list.end() - 1);
        using enum DrawingsEdit::Kind;
        const std::pair<Drawings, DrawingsEdit::Kind> edits[] = {
            {shorter, removedLast}, {all, appended}, {{}, replaced}, {all, replaced}};
        for (const auto &[after, kind] : edits) {
            screen.show(after, nullptr, kind);
            QCOMPARE(screen.mismatch(after), QString());
        }

        // The eraser takes a shape from the middle and its undo brings it back: only where it
        // painted is painted again, and no shape is baked again.
        const quint64 bakes = screen.canvas.bakes();
        Drawings erased = all;
        erased.erase(erased.begin() + 4);
        const QRect where = all[4]->paintedBounds().toAlignedRect();
        for (const Drawings &after : {erased, all}) {
            screen.edit = {screen.edit.revision + 1, changedIn, where};
            QVERIFY(area(screen.show(after, nullptr)) <= area(where.adjusted(-1, -1, 1, 1)));
            QCOMPARE(screen.mismatch(after, 2), QString());
        }
        QCOMPARE(screen.canvas.bakes(), bakes);
    }
};

QTEST_MAIN(TestDrawingCanvas)
#include "tst_drawingcanvas.moc"
