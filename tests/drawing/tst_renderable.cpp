#include "drawing/Renderable.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

struct ElementInfo {
    QPainterPath::ElementType type;
    QPointF point;
};

std::vector<ElementInfo> elements(const QPainterPath &path) {
    std::vector<ElementInfo> list;
    for (int i = 0; i < path.elementCount(); ++i)
        list.push_back({path.elementAt(i).type, path.elementAt(i)});
    return list;
}

bool near(const QPointF &a, const QPointF &b, double tolerance = 1e-9) {
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QImage blankImage(int width = 120, int height = 120) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void renderInto(QImage &image, Renderable &shape) {
    QPainter painter(&image);
    shape.render(painter);
}

// A drag from `from` in steps of `step`, `count` drag events long.
void drag(Renderable &shape, QPointF from, QPointF step, int count) {
    for (int i = 1; i <= count; ++i)
        shape.update(from + step * i);
}

class Abstract : public Renderable {
public:
    Abstract()
        : Renderable(QPainterPath(), 1.0) {}
};

} // namespace

class TestRenderable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(Localization::install()); }

    void linePointsWalksLineTosNewestFirst() {
        QPainterPath path(QPointF(0, 0));
        QCOMPARE(linePoints(path).size(), std::size_t(0)); // a lone move-to yields nothing
        path.lineTo(1, 1);
        path.lineTo(2, 2);
        path.cubicTo(3, 3, 4, 4, 5, 5); // curves are skipped
        path.lineTo(6, 6);
        const auto all = linePoints(path);
        QCOMPARE(all, (std::vector<QPointF>{{6, 6}, {2, 2}, {1, 1}}));
        QCOMPARE(linePoints(path, 2), (std::vector<QPointF>{{6, 6}, {2, 2}}));
    }

    void creationStateOfEachKind() {
        RenderableLine pen(false, {5, 6});
        QCOMPARE(pen.path.elementCount(), 1);
        QVERIFY(pen.path.elementAt(0).isMoveTo());
        QCOMPARE(pen.lineWidth, 3.0);
        QCOMPARE(*pen.strokeColor, QColor(Qt::white));
        QVERIFY(!pen.fillColor);
        QVERIFY(!pen.fillsPath());
        QVERIFY(pen.arrowHead.isEmpty());
        RenderableStrightLine line({1, 2});
        QCOMPARE(line.lineWidth, 2.0);
        QVERIFY(line.path.isEmpty());
        QVERIFY(line.isHighlight);
        RenderableRect rect({1, 2});
        QCOMPARE(rect.lineWidth, 1.0);
        QVERIFY(rect.fillsPath());
        RenderableCircle circle({1, 2});
        QCOMPARE(circle.lineWidth, 3.0);
        QVERIFY(!circle.isModified);
        QVERIFY(!circle.didUpdateSinceLastRender);
    }

    void updatesBuildTheirPaths() {
        RenderableLine pen(false, {0, 0});
        pen.update({3, 4});
        pen.update({6, 8});
        QVERIFY(pen.didUpdateSinceLastRender);
        const auto penElements = elements(pen.path);
        QCOMPARE(penElements.size(), std::size_t(3));
        QVERIFY(near(penElements[2].point, {6, 8}));

        RenderableStrightLine line({10, 10});
        line.update({20, 30});
        line.update({40, 50}); // replaced, not extended
        const auto lineElements = elements(line.path);
        QCOMPARE(lineElements.size(), std::size_t(3)); // move, line, close back to origin
        QCOMPARE(lineElements[0].type, QPainterPath::MoveToElement);
        QVERIFY(near(lineElements[0].point, {10, 10}));
        QVERIFY(near(lineElements[1].point, {40, 50}));
        QVERIFY(near(lineElements[2].point, {10, 10}));
    }

    void rectangleIsTheSameInEitherDirection() {
        RenderableRect forward({10, 20});
        forward.update({60, 90});
        RenderableRect backward({60, 90});
        backward.update({10, 20});
        QCOMPARE(forward.path.boundingRect(), QRectF(10, 20, 50, 70));
        QCOMPARE(backward.path.boundingRect(), forward.path.boundingRect());
        QCOMPARE(elements(backward.path).size(), elements(forward.path).size());
        for (int i = 0; i < forward.path.elementCount(); ++i)
            QVERIFY(near(forward.path.elementAt(i), backward.path.elementAt(i)));
        // Corners are rounded with radius 2: the corner point itself is not on the outline,
        // but a point 2 along each edge is.
        QPainterPath expected;
        expected.addRoundedRect(QRectF(10, 20, 50, 70), 2, 2);
        QCOMPARE(forward.path, expected);
        QVERIFY(!forward.path.contains(QPointF(10.1, 20.1)));
        QVERIFY(forward.path.contains(QPointF(12.5, 20.5)));
    }

    void ellipseSpansPressAndDragPoints() {
        RenderableCircle circle({50, 50});
        circle.update({10, 20}); // up and to the left: a signed rectangle
        QCOMPARE(circle.path.boundingRect().normalized(), QRectF(10, 20, 40, 30));
        RenderableCircle vertical({30, 10});
        vertical.update({30, 70});
        const QRectF bounds = vertical.path.boundingRect();
        QCOMPARE(bounds.width(), 0.0); // a vertical line segment
        QCOMPARE(bounds.top(), 10.0);
        QCOMPARE(bounds.bottom(), 70.0);
    }

    void straightenedPenIsOneSegmentFromTheFirstDragPoint() {
        RenderableLine pen(false, {0, 0});
        pen.update({10, 5});
        pen.update({20, 30});
        pen.update({40, 10});
        pen.isModified = true;
        const auto straight = elements(pen.renderedPath());
        QCOMPARE(straight.size(), std::size_t(2));
        QVERIFY(near(straight[0].point, {40, 10})); // newest
        QVERIFY(near(straight[1].point, {10, 5}));  // first drag point, not the press point
        pen.isModified = false;                     // the stored path keeps every point
        QCOMPARE(pen.renderedPath().elementCount(), 4);
    }

    void arrowHeadNeedsSixElementsAndEighteenPoints() {
        RenderableLine arrow(true, {0, 0});
        QImage image = blankImage(200, 200);
        drag(arrow, {0, 0}, {10, 0}, 4); // five elements
        renderInto(image, arrow);
        QVERIFY(arrow.arrowHead.isEmpty());
        arrow.update({50, 0}); // sixth element; point (30,0) is 20 from the tip
        renderInto(image, arrow);
        QVERIFY(!arrow.arrowHead.isEmpty());
        QVERIFY(!arrow.didUpdateSinceLastRender);
    }

    void arrowBarbsInSeveralDirections_data() {
        QTest::addColumn<QPointF>("step");
        QTest::newRow("right") << QPointF(5, 0);
        QTest::newRow("left") << QPointF(-5, 0);
        QTest::newRow("down") << QPointF(0, 5);
        QTest::newRow("up-left") << QPointF(-4, -3);
        QTest::newRow("steep") << QPointF(1, -7);
    }
    void arrowBarbsInSeveralDirections() {
        QFETCH(QPointF, step);
        const QPointF start(100, 100);
        RenderableLine arrow(true, start);
        arrow.fillColor = QColor(Qt::red);
        drag(arrow, start, step, 10);
        QImage image = blankImage(300, 300);
        renderInto(image, arrow);

        const QPointF tip = start + step * 10;
        const auto head = elements(arrow.arrowHead);
        QCOMPARE(head.size(), std::size_t(4)); // barb, tip, barb, closed with a fill colour
        QVERIFY(near(head[1].point, tip));
        QVERIFY(near(head[3].point, head[0].point));

        // Direction of travel over the newest points at least 18 away from the tip.
        const double length = std::hypot(step.x(), step.y());
        const int back = int(std::ceil(RenderableLine::arrowHeadLength / length));
        const QPointF d = tip - (start + step * (10 - back));
        const double theta = std::atan2(d.y(), d.x());
        constexpr double pi = std::numbers::pi;
        const QPointF b1(tip.x() + 18 * std::sin(-1.0995574287564276 - theta),
                         tip.y() + 18 * std::cos(-1.0995574287564276 - theta));
        const QPointF b2(tip.x() + 18 * std::sin(-2.0420352248333655 - theta),
                         tip.y() + 18 * std::cos(-2.0420352248333655 - theta));
        QVERIFY(near(head[0].point, b1, 1e-9));
        QVERIFY(near(head[2].point, b2, 1e-9));
        // Geometry: each barb is 18 long, points backwards, 27° off the shaft on either side.
        for (const QPointF &barb : {head[0].point, head[2].point}) {
            const QPointF v = barb - tip;
            QVERIFY(std::abs(std::hypot(v.x(), v.y()) - 18) < 1e-9);
            const double cosine =
                -(v.x() * d.x() + v.y() * d.y()) / (18 * std::hypot(d.x(), d.y()));
            QVERIFY(std::abs(cosine - std::cos(0.15 * pi)) < 1e-9);
        }
        const QPointF v1 = head[0].point - tip, v2 = head[2].point - tip;
        const double side1 = d.x() * v1.y() - d.y() * v1.x();
        const double side2 = d.x() * v2.y() - d.y() * v2.x();
        QVERIFY(side1 * side2 < 0);
    }

    void rightToLeftArrowPointsLeft() {
        RenderableLine arrow(true, {200, 50});
        drag(arrow, {200, 50}, {-6, 0}, 8);
        QImage image = blankImage(300, 100);
        renderInto(image, arrow);
        const QPointF tip = arrow.path.currentPosition();
        QCOMPARE(arrow.arrowHead.elementCount(), 3); // open without a fill colour
        QVERIFY(arrow.arrowHead.elementAt(0).x > tip.x());
        QVERIFY(arrow.arrowHead.elementAt(2).x > tip.x());
    }

    void slowArrowKeepsItsPreviousHead() {
        RenderableLine arrow(true, {0, 0});
        drag(arrow, {0, 0}, {5, 0}, 10); // tip at (50, 0)
        QImage image = blankImage(200, 200);
        renderInto(image, arrow);
        const QPainterPath before = arrow.arrowHead;
        // 60 tiny steps: the newest 50 points all lie within 18 of the tip.
        drag(arrow, {50, 0}, {0, 0.1}, 60);
        renderInto(image, arrow);
        QCOMPARE(arrow.arrowHead, before);
    }

    void straightenedArrowHeadFollowsTheSegment() {
        RenderableLine arrow(true, {0, 0});
        arrow.update({10, 0});
        arrow.update({20, 40});
        arrow.update({30, 10});
        arrow.update({40, 60});
        arrow.update({50, 50}); // six elements
        arrow.isModified = true;
        QImage image = blankImage();
        renderInto(image, arrow);
        const QPointF tip(50, 50);
        const QPointF d = tip - QPointF(10, 0);
        const QPointF v = arrow.arrowHead.elementAt(0) - tip;
        const double cosine = -(v.x() * d.x() + v.y() * d.y()) / (18 * std::hypot(d.x(), d.y()));
        QVERIFY(std::abs(cosine - std::cos(0.15 * std::numbers::pi)) < 1e-9);
    }

    void rectangleFillLiesUnderItsOutline() {
        RenderableRect rect({10.5, 10.5});
        rect.strokeColor = QColor(Qt::blue);
        rect.fillColor = QColor(255, 0, 0, 51);
        rect.update({50.5, 50.5});
        QImage image = blankImage();
        renderInto(image, rect);
        const QColor inside = image.pixelColor(30, 30);
        QCOMPARE(inside.alpha(), 51);
        QCOMPARE(inside.red(), 255);
        QCOMPARE(inside.blue(), 0);
        const QColor outline = image.pixelColor(10, 30); // the 1-point edge covers pixel 10
        QCOMPARE(outline, QColor(Qt::blue));
        QCOMPARE(image.pixelColor(5, 30).alpha(), 0);
    }

    void shapesWithoutColoursDrawNothing() {
        RenderableRect rect({10, 10});
        rect.update({50, 50});
        rect.strokeColor.reset();
        QImage image = blankImage();
        renderInto(image, rect);
        QCOMPARE(image, blankImage());
        RenderableLine pen(false, {10, 10});
        pen.fillColor = QColor(Qt::red); // a polyline is never filled
        pen.strokeColor.reset();
        drag(pen, {10, 10}, {10, 20}, 4);
        renderInto(image, pen);
        QCOMPARE(image, blankImage());
    }

    void strokedShapesPaintWithTheirWidths() {
        RenderableStrightLine line({10, 60.5});
        line.strokeColor = QColor(Qt::green);
        line.update({110, 60.5});
        QImage image = blankImage();
        renderInto(image, line);
        QCOMPARE(image.pixelColor(60, 60), QColor(Qt::green)); // width 2 covers rows 59.5..61.5
        QCOMPARE(image.pixelColor(60, 63).alpha(), 0);
        RenderableCircle circle({20, 20});
        circle.update({100, 100});
        QImage ellipse = blankImage();
        renderInto(ellipse, circle);
        QCOMPARE(ellipse.pixelColor(60, 60).alpha(), 0);         // not filled
        QCOMPARE(ellipse.pixelColor(20, 60), QColor(Qt::white)); // the leftmost point
    }

    void paintedBoundsCoverEverythingRendered() {
        RenderableLine arrow(true, {60, 60});
        arrow.fillColor = QColor(Qt::red);
        drag(arrow, {60, 60}, {-3, 4}, 9);
        const QRect bounds = arrow.paintedBounds().toAlignedRect();
        QImage image = blankImage(200, 200);
        {
            QPainter painter(&image);
            painter.translate(50, 50);
            arrow.render(painter);
        }
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)))
                    QVERIFY2(bounds.translated(50, 50).contains(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void actionNamesAreLocalised() {
        QCOMPARE(RenderableLine(false, {}).actionName(), QStringLiteral("Pen Stroke"));
        QCOMPARE(RenderableLine(true, {}).actionName(), QStringLiteral("Arrow"));
        QCOMPARE(RenderableStrightLine({}).actionName(), QStringLiteral("Line"));
        QCOMPARE(RenderableRect({}).actionName(), QStringLiteral("Rectangle"));
        QCOMPARE(RenderableCircle({}).actionName(), QStringLiteral("Ellipse"));
    }

    void plainRenderableNameIsAFatalError() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--abstract-name")});
        QVERIFY(child.waitForFinished(10000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        const QString error = QString::fromUtf8(child.readAllStandardError());
        QVERIFY2(error.contains(QStringLiteral("Fatal error: Renderable.cpp:actionName:")),
                 qPrintable(error));
    }
};

int main(int argc, char *argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--abstract-name") == 0) {
        Abstract shape;
        (void)shape.actionName();
        return 0;
    }
    QApplication app(argc, argv);
    TestRenderable test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_renderable.moc"
