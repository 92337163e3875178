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
        QVERIFY(linePoints(path).empty()); // a lone move-to yields nothing
        path.lineTo(1, 1);
        path.lineTo(2, 2);
        path.cubicTo(3, 3, 4, 4, 5, 5); // curves are skipped
        path.lineTo(6, 6);
        QCOMPARE(linePoints(path), (std::vector<QPointF>{{6, 6}, {2, 2}, {1, 1}}));
        QCOMPARE(linePoints(path, 2), (std::vector<QPointF>{{6, 6}, {2, 2}}));
    }

    void dragsShapeEachKind() {
        RenderableStrightLine line({10, 10});
        line.update({20, 30});
        line.update({40, 50});                 // replaced, not extended
        QCOMPARE(line.path.elementCount(), 3); // move, line, close back to the origin
        QCOMPARE(QPointF(line.path.elementAt(1)), QPointF(40, 50));

        // A rectangle is the same whichever way it is dragged, with corners rounded by 2.
        RenderableRect forward({10, 20});
        forward.update({60, 90});
        RenderableRect backward({60, 90});
        backward.update({10, 20});
        QPainterPath expected;
        expected.addRoundedRect(QRectF(10, 20, 50, 70), 2, 2);
        QCOMPARE(forward.path, expected);
        QCOMPARE(backward.path, expected);

        RenderableCircle circle({50, 50});
        circle.update({10, 20}); // up and to the left: a signed rectangle
        QCOMPARE(circle.path.boundingRect().normalized(), QRectF(10, 20, 40, 30));

        // Straightened, a pen stroke is one segment from its first drag point to the newest;
        // the stored path keeps every point.
        RenderableLine pen(false, {0, 0});
        pen.update({10, 5});
        pen.update({20, 30});
        pen.update({40, 10});
        pen.isModified = true;
        QCOMPARE(pen.renderedPath().elementCount(), 2);
        QCOMPARE(QPointF(pen.renderedPath().elementAt(0)), QPointF(40, 10));
        QCOMPARE(QPointF(pen.renderedPath().elementAt(1)), QPointF(10, 5));
        QCOMPARE(pen.path.elementCount(), 4);
    }

    // The head follows the last stretch of travel: barbs 18 long, 27° off the shaft on either
    // side, pointing back; it needs six path elements and a point 18 from the tip.
    void arrowHeads_data() {
        QTest::addColumn<QPointF>("step");
        QTest::newRow("right") << QPointF(5, 0);
        QTest::newRow("left") << QPointF(-5, 0);
        QTest::newRow("up-left") << QPointF(-4, -3);
        QTest::newRow("steep") << QPointF(1, -7);
    }
    void arrowHeads() {
        QFETCH(QPointF, step);
        const QPointF start(150, 150);
        RenderableLine arrow(true, start);
        drag(arrow, start, step, 4); // five elements: no head yet
        render(arrow, {300, 300});
        QVERIFY(arrow.arrowHead.isEmpty());
        drag(arrow, start + step * 4, step, 6);
        render(arrow, {300, 300});
        QCOMPARE(arrow.arrowHead.elementCount(), 3); // open without a fill colour

        const QPointF tip = start + step * 10;
        QCOMPARE(QPointF(arrow.arrowHead.elementAt(1)), tip);
        const QPointF v1 = QPointF(arrow.arrowHead.elementAt(0)) - tip;
        const QPointF v2 = QPointF(arrow.arrowHead.elementAt(2)) - tip;
        for (const QPointF &v : {v1, v2}) {
            QVERIFY(std::abs(std::hypot(v.x(), v.y()) - 18) < 1e-9);
            const double cosine =
                -(v.x() * step.x() + v.y() * step.y()) / (18 * std::hypot(step.x(), step.y()));
            QVERIFY(std::abs(cosine - std::cos(0.15 * std::numbers::pi)) < 1e-9);
        }
        QVERIFY((step.x() * v1.y() - step.y() * v1.x()) * (step.x() * v2.y() - step.y() * v2.x()) <
                0);

        // Sixty tiny steps: no point is 18 from the tip any more, so the head stays.
        const QPainterPath before = arrow.arrowHead;
        drag(arrow, tip, {0, 0.1}, 60);
        render(arrow, {300, 300});
        QCOMPARE(arrow.arrowHead, before);
    }

    void paintsItsColoursAndWidths() {
        RenderableRect rect({10.5, 10.5});
        rect.strokeColor = QColor(Qt::blue);
        rect.fillColor = QColor(255, 0, 0, 51);
        rect.update({50.5, 50.5});
        const QImage filled = render(rect);
        QCOMPARE(filled.pixelColor(30, 30), QColor(255, 0, 0, 51)); // the fill under the edge
        QCOMPARE(filled.pixelColor(10, 30), QColor(Qt::blue));      // the 1-point edge
        QCOMPARE(filled.pixelColor(5, 30).alpha(), 0);

        RenderableStrightLine line({10, 60.5});
        line.strokeColor = QColor(Qt::green);
        line.update({110, 60.5});
        const QImage stroked = render(line);
        QCOMPARE(stroked.pixelColor(60, 60), QColor(Qt::green)); // width 2
        QCOMPARE(stroked.pixelColor(60, 63).alpha(), 0);

        RenderableCircle circle({20, 20});
        circle.update({100, 100});
        const QImage ellipse = render(circle);
        QCOMPARE(ellipse.pixelColor(60, 60).alpha(), 0); // never filled
        QCOMPARE(ellipse.pixelColor(20, 60), QColor(Qt::white));
    }

    void paintedBoundsCoverEverythingRendered() {
        RenderableLine arrow(true, {60, 60});
        arrow.fillColor = QColor(Qt::red);
        drag(arrow, {60, 60}, {-3, 4}, 9);
        arrow.update({20, 40}); // a sharp turn: the join reaches furthest
        const QRect bounds = arrow.paintedBounds().toAlignedRect();
        const QImage image = render(arrow, {200, 200});
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)))
                    QVERIFY2(bounds.contains(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void actionNamesAreLocalisedAndAPlainShapeHasNone() {
        QCOMPARE(RenderableLine(false, {}).actionName(), QStringLiteral("Pen Stroke"));
        QCOMPARE(RenderableLine(true, {}).actionName(), QStringLiteral("Arrow"));
        QCOMPARE(RenderableStrightLine({}).actionName(), QStringLiteral("Line"));
        QCOMPARE(RenderableRect({}).actionName(), QStringLiteral("Rectangle"));
        QCOMPARE(RenderableCircle({}).actionName(), QStringLiteral("Ellipse"));
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
