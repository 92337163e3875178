#include "drawing/DrawingCanvas.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>

namespace {

// The view's part: keep a backing store and repaint only what sync() reports.
struct Screen {
    DrawingCanvas canvas;
    QImage store;
    qreal ratio;

    Screen(QSize size, qreal dpr)
        : ratio(dpr) {
        canvas.resize(size, dpr);
        store = QImage(size * dpr, QImage::Format_ARGB32_Premultiplied);
        store.setDevicePixelRatio(dpr);
        store.fill(Qt::transparent);
    }

    QRegion show(const Drawings &list, bool live) {
        const QRegion dirty = canvas.sync(list, live);
        QPainter painter(&store);
        for (const QRect &rect : dirty) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect, Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            canvas.paint(painter, rect);
        }
        return dirty;
    }

    QImage reference(const Drawings &list) const {
        QImage image(store.size(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (const auto &shape : list)
            shape->render(painter);
        return image;
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

QPointF wiggle(QPointF start, int i) {
    return start + QPointF(i * 1.7, 25 * std::sin(i / 6.0) + (i % 3) * 0.4);
}

QString difference(const QImage &a, const QImage &b) {
    int count = 0, worst = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (d) {
                if (!count)
                    first = QPoint(x, y);
                ++count;
                worst = std::max(worst, d);
            }
        }
    return QStringLiteral("%1 pixels differ, by up to %2, first at %3,%4")
        .arg(count)
        .arg(worst)
        .arg(first.x())
        .arg(first.y());
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
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
    }
    void incrementalPaintingEqualsRenderingInOrder() {
        QFETCH(qreal, ratio);
        Screen screen(QSize(420, 300), ratio);
        Drawings list;
        const QColor colors[] = {QColor(255, 59, 48), QColor(0, 122, 255), QColor(40, 205, 65)};
        for (int kind = 0; kind < 10; ++kind) {
            const QPointF start(20 + kind * 17, 30 + kind * 23);
            auto shape = make(kind, start, colors[kind % 3]);
            list.push_back(shape);
            screen.show(list, true);
            // Long enough that freehand strokes repaint only their new end.
            for (int i = 1; i <= 120; ++i) {
                shape->update(wiggle(start, i));
                shape->isModified = kind == 5 && i > 100; // Shift at the end of one arrow
                screen.show(list, true);
                if (i % 40 == 0) {
                    const QImage expected = screen.reference(list);
                    QVERIFY2(screen.store == expected,
                             qPrintable(QStringLiteral("kind %1 step %2: ").arg(kind).arg(i) +
                                        difference(screen.store, expected)));
                }
            }
            screen.show(list, false);
            QCOMPARE(screen.store, screen.reference(list));
        }
        QCOMPARE(screen.canvas.bakedCount(), list.size());

        // Undo of the newest shape, a clear and a restore: the finished image follows.
        list.pop_back();
        screen.show(list, false);
        QCOMPARE(screen.store, screen.reference(list));
        screen.show({}, false);
        QCOMPARE(screen.store, screen.reference({}));
        screen.show(list, false);
        QCOMPARE(screen.store, screen.reference(list));
    }

    void aDragRepaintsLittleWhateverIsOnTheScreen() {
        for (const int finished : {0, 500}) {
            Screen screen(QSize(1920, 1080), 1.0);
            Drawings list;
            for (int i = 0; i < finished; ++i) {
                auto shape = make(i, QPointF(i % 1800, (i * 7) % 1000), Qt::red);
                shape->update(shape->path.currentPosition() + QPointF(40, 30));
                list.push_back(shape);
            }
            screen.show(list, false);
            auto pen = make(0, QPointF(100, 500), Qt::blue);
            list.push_back(pen);
            screen.show(list, true);
            qint64 largest = 0;
            for (int i = 1; i <= 300; ++i) {
                pen->update(wiggle(QPointF(100, 500), i));
                largest = std::max(largest, area(screen.show(list, true)));
            }
            QVERIFY2(largest < 1500, qPrintable(QString::number(largest)));
            QCOMPARE(screen.canvas.bakedCount(), std::size_t(finished)); // nothing re-baked

            auto rect = make(3, QPointF(800, 300), Qt::green);
            list.push_back(rect);
            screen.show(list, true);
            rect->update({900, 400});
            screen.show(list, true);
            rect->update({910, 410});
            const qint64 rectArea = area(screen.show(list, true));
            QVERIFY2(rectArea < 130 * 130, qPrintable(QString::number(rectArea)));
        }
    }

    void maskCoversTheStrokesButNotTheFills() {
        Screen screen(QSize(400, 300), 1.0);
        screen.canvas.setMaskEnabled(true);
        Drawings list;
        auto arrow = make(1, QPointF(30, 40), Qt::red);
        list.push_back(arrow);
        screen.show(list, true);
        for (int i = 1; i <= 80; ++i) {
            arrow->update(wiggle(QPointF(30, 40), i));
            screen.show(list, true);
        }
        const QRegion liveMask = screen.canvas.mask();
        screen.show(list, false);
        auto rect = make(3, QPointF(200, 150), Qt::blue);
        rect->update({350, 280});
        list.push_back(rect);
        screen.show(list, false);
        const QRegion mask = screen.canvas.mask();
        for (int y = 0; y < screen.store.height(); ++y) {
            for (int x = 0; x < screen.store.width(); ++x) {
                // Every well-covered pixel; a faint antialiased edge pixel may fall outside.
                const bool painted = qAlpha(screen.store.pixel(x, y)) > 160;
                const bool insideFill = QRect(204, 154, 142, 122).contains(x, y);
                if (painted && !insideFill)
                    QVERIFY2(mask.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (x < 150 && painted)
                    QVERIFY(liveMask.contains(QPoint(x, y))); // the live mask kept up too
            }
        }
        QVERIFY(!mask.contains(QPoint(275, 215))); // the 0.2 fill stays see-through
    }
};

QTEST_MAIN(TestDrawingCanvas)
#include "tst_drawingcanvas.moc"
