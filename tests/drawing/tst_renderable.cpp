#include "drawing/tools/RenderableCircle.h"
#include "drawing/tools/RenderableLine.h"
#include "drawing/tools/RenderableRect.h"
#include "drawing/tools/RenderableStrightLine.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QImage render(Renderable &shape, QSize size = {120, 120}) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    shape.render(painter);
    return image;
}

// A drag from `from` in steps of `step`, `count` drag events long.
void drag(Renderable &shape, QPointF from, QPointF step, int count) {
    for (int i = 1; i <= count; ++i)
        shape.update(from + step * i);
}

} // namespace

class TestRenderable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each kind follows a drag its own way.
    void dragsShapeEachKind() {
        RenderableStrightLine line({10, 10}, 2.0);
        line.update({20, 30});
        line.update({40, 50});                 // replaced, not extended
        QCOMPARE(line.path.elementCount(), 3); // move, line, close back to the origin
        QCOMPARE(QPointF(line.path.elementAt(1)), QPointF(40, 50));

        // A rectangle is the same whichever way it is dragged, with corners rounded by 2.
        RenderableRect forward({10, 20}, 1.0), backward({60, 90}, 1.0);
        forward.update({60, 90});
        backward.update({10, 20});
        QPainterPath expected;
        expected.addRoundedRect(QRectF(10, 20, 50, 70), 2, 2);
        QVERIFY(forward.path == expected && backward.path == expected);

        RenderableCircle circle({50, 50}, 3.0);
        circle.update({10, 20}); // up and to the left: a signed rectangle
        QCOMPARE(circle.path.boundingRect().normalized(), QRectF(10, 20, 40, 30));
        const QImage ellipse = render(circle); // white, and not filled without a fill colour
        QVERIFY(ellipse.pixelColor(10, 35) == Qt::white && ellipse.pixelColor(30, 35).alpha() == 0);

        // Straightened, a pen stroke is one segment from its first drag point to the newest;
        // the stored path keeps every point.
        RenderableLine pen(false, {0, 0}, 3.0);
        drag(pen, {0, 0}, {10, 5}, 3);
        pen.update({40, 10});
        pen.isModified = true;
        const QPainterPath straight = pen.renderedPath();
        QCOMPARE(straight.elementCount(), 2);
        QCOMPARE(QLineF(straight.elementAt(0), straight.elementAt(1)), QLineF(40, 10, 10, 5));
        QCOMPARE(pen.path.elementCount(), 5);
    }

    // The head follows the last stretch of travel: barbs 18 long, 27° off the shaft on either
    // side, pointing back. It needs six path elements and a point 18 from the tip.
    void arrowHeadsFollowTheTravel() {
        for (QPointF step : {QPointF(5, 0), QPointF(-5, 0), QPointF(-4, -3), QPointF(1, -7)}) {
            const QPointF start(150, 150), tip = start + step * 10;
            RenderableLine arrow(true, start, 3.0);
            drag(arrow, start, step, 4); // five elements: no head yet
            render(arrow, {300, 300});
            QVERIFY(arrow.arrowHead.isEmpty());
            drag(arrow, start + step * 4, step, 6);
            render(arrow, {300, 300});
            QCOMPARE(arrow.arrowHead.elementCount(), 3); // open without a fill colour
            const QLineF back(tip, tip - step), barb1(tip, arrow.arrowHead.elementAt(0)),
                barb2(tip, arrow.arrowHead.elementAt(2));
            QVERIFY(qFuzzyCompare(barb1.length(), 18.0) && qFuzzyCompare(barb2.length(), 18.0));
            const qreal angle1 = back.angleTo(barb1), angle2 = back.angleTo(barb2);
            QCOMPARE(qRound(std::min(angle1, angle2) * 1000), 27000);
            QCOMPARE(qRound((angle1 + angle2) * 1000), 360000); // the other 27° the other way

            // Sixty tiny steps: no point is 18 from the tip any more, so the head stays.
            const QPainterPath before = arrow.arrowHead;
            drag(arrow, tip, {0, 0.1}, 60);
            render(arrow, {300, 300});
            QCOMPARE(arrow.arrowHead, before);
        }
    }

    void paintsItsColoursAndWidths() {
        RenderableRect rect({10.5, 10.5}, 1.0);
        rect.strokeColor = QColor(Qt::blue);
        rect.fillColor = QColor(255, 0, 0, 51);
        rect.update({50.5, 50.5});
        const QImage filled = render(rect);
        QCOMPARE(filled.pixelColor(30, 30), QColor(255, 0, 0, 51)); // the fill under the edge
        QCOMPARE(filled.pixelColor(10, 30), QColor(Qt::blue));      // the 1-point edge
        QCOMPARE(filled.pixelColor(5, 30).alpha(), 0);

        RenderableStrightLine line({10, 60.5}, 2.0);
        line.strokeColor = QColor(Qt::green);
        line.update({110, 60.5});
        const QImage stroked = render(line);
        QCOMPARE(stroked.pixelColor(60, 60), QColor(Qt::green)); // width 2
        QCOMPARE(stroked.pixelColor(60, 63).alpha(), 0);
    }

    // What the overlay repaints: a turn just short of a bevel mitres some 14 points past it.
    void paintedBoundsCoverEverythingRendered() {
        RenderableLine arrow(true, {20, 100}, 3.0);
        arrow.fillColor = QColor(Qt::red);
        drag(arrow, {20, 100}, {10, 0}, 8);
        arrow.update({20, 83});
        const QRect bounds = arrow.paintedBounds().toAlignedRect();
        const QImage image = render(arrow, {200, 200});
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)))
                    QVERIFY2(bounds.contains(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestRenderable)
#include "tst_renderable.moc"
