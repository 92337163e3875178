#include "drawing/EffectStack.h"
#include "drawing/tools/ToolFactory.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

// An effect stack on a 400×300 view with a clock the test sets.
struct Stage {
    qint64 now = 1000;
    FadingInk ink;
    EffectStack effects{ink, [this] { return now; }};
    Stage() { effects.setViewSize({400, 300}); }

    // What `layer` paints over a transparent view.
    QImage painted(OverlayEffect::Layer layer, bool compositor = true, bool screenshot = false) {
        QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        effects.paint(painter, image.rect(), {layer, compositor, screenshot});
        return image;
    }
    int alphaAt(OverlayEffect::Layer layer, QPoint at) { return qAlpha(painted(layer).pixel(at)); }
};

constexpr auto beneath = OverlayEffect::Layer::beneath;
constexpr auto over = OverlayEffect::Layer::over;

} // namespace

class TestEffects : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The spotlight dims all but a circle that follows the pointer and grows with the wheel,
    // and paints nothing without a compositor; the zoom takes the wheel before it, keeps the
    // point under the pointer in place within its bounds and holds still once drawn on; a
    // board fills the view. The table's rows follow: the boards and the zoom by the surface.
    void theEffectsBeneathFollowThePointerAndTheWheel() {
        Stage stage;
        EffectStack &effects = stage.effects;
        effects.follow({100, 100});
        QCOMPARE(effects.setOn(Toggle::spotlight, true), QRegion(0, 0, 400, 300));
        QVERIFY(effects.isOn(Toggle::spotlight) && effects.takesWheel());
        QCOMPARE(stage.alphaAt(beneath, {100, 100}), 0);
        QCOMPARE(stage.alphaAt(beneath, {350, 250}), 153); // 60 % darker
        QVERIFY(effects.follow({300, 200}).contains(QPoint(100, 100)));
        QVERIFY(stage.alphaAt(beneath, {100, 100}) > 0 && stage.alphaAt(beneath, {300, 200}) == 0);
        const double radius = effects.spotlight().radius();
        effects.turnWheel(1);
        QCOMPARE(effects.spotlight().radius(), radius * 1.15);
        QCOMPARE(qAlpha(stage.painted(beneath, false).pixel(350, 250)), 0);

        QImage screen(800, 600, QImage::Format_RGB32); // at twice the view's pixels
        screen.fill(Qt::darkGreen);
        QVERIFY(!effects.showSurface(Surface::zoom, screen).isEmpty());
        QVERIFY(effects.isOn(Toggle::zoom) && effects.opaque());
        const Magnifier &zoom = effects.magnifier();
        for (const QPointF pointer : {QPointF(200, 150), QPointF(5, 295), QPointF(400, 0)}) {
            effects.follow(pointer);
            QCOMPARE(zoom.toView(pointer), pointer);
            QVERIFY(QRectF(0, 0, 400, 300).contains(zoom.shownPart()));
        }
        QCOMPARE(effects.turnWheel(40), QRegion(0, 0, 400, 300)); // the zoom's, not the spotlight's
        QCOMPARE(effects.zoomFactor(), Magnifier::maxFactor);
        effects.turnWheel(-40);
        QCOMPARE(effects.zoomFactor(), Magnifier::minFactor);
        QCOMPARE(effects.spotlight().radius(), radius * 1.15);
        effects.setOn(Toggle::spotlight, false);
        QCOMPARE(stage.painted(beneath).pixel(10, 10), QColor(Qt::darkGreen).rgb());
        effects.magnifier().setHeld(true); // drawn on: it holds still
        QVERIFY(effects.follow({100, 100}).isEmpty() && effects.turnWheel(1).isEmpty());
        QVERIFY(effects.showSurface(Surface::zoom).isEmpty()); // no new picture: it stays

        effects.showSurface(Surface::whiteboard);
        QVERIFY(!effects.isOn(Toggle::zoom) && effects.isOn(Toggle::whiteboard));
        QVERIFY(!effects.magnifier().isShown() && effects.opaque());
        QCOMPARE(stage.painted(beneath).pixel(350, 250), qRgb(255, 255, 255));
        effects.showSurface(Surface::screen);
        QVERIFY(!effects.opaque() && stage.alphaAt(beneath, {350, 250}) == 0);
    }

    // Over the drawings, on the stack's clock: fading ink stays until a second before its
    // delay ends, then fades; the laser's trail thins and goes within half a second, its dot
    // stays, and no screenshot shows it. Each asks for the clock only while it moves.
    void theEffectsOverMoveOnWithTheClock() {
        Stage stage;
        EffectStack &effects = stage.effects;
        stage.ink.setDelay(3000);
        const auto shape = makeShape(Shape::pen, {20, 20}, Qt::red, 6);
        shape->update({80, 20});
        stage.ink.add(shape, stage.now);
        QCOMPARE(effects.nextChange(), 2000); // the fade starts a second before the end
        stage.now += 2500;
        QVERIFY(!effects.advance().isEmpty() && effects.nextChange() == 0);
        const int half = stage.alphaAt(over, {50, 20});
        QVERIFY2(half > 90 && half < 160, qPrintable(QString::number(half)));
        stage.now += 500;
        effects.advance();
        QVERIFY(stage.ink.isEmpty() && effects.nextChange() == -1);
        QCOMPARE(stage.alphaAt(over, {50, 20}), 0);

        effects.follow({100, 100});
        effects.setLaser(true, Qt::red, 12);
        stage.now += 100;
        effects.follow({300, 100});
        QCOMPARE(effects.nextChange(), 0);
        QVERIFY(stage.alphaAt(over, {200, 100}) > 0 && stage.alphaAt(over, {300, 100}) > 0);
        QCOMPARE(qAlpha(stage.painted(over, true, true).pixel(300, 100)), 0);
        stage.now += LaserPointer::trailLength;
        effects.advance();
        QVERIFY(stage.alphaAt(over, {200, 100}) == 0 && stage.alphaAt(over, {300, 100}) > 0);
        QCOMPARE(effects.nextChange(), -1); // the dot at rest costs nothing
        QVERIFY(effects.setLaser(false, Qt::red, 12).contains(QPoint(300, 100)));
        QVERIFY(effects.follow({50, 50}).isEmpty());
    }

    // The toggle table's columns: fading ink is remembered over a hide, the others end, a zoom
    // on its way included; only the spotlight needs a compositor, only the zoom a picture.
    void theTableSaysWhatEndsOnHide() {
        Stage stage;
        EffectStack &effects = stage.effects;
        for (const Toggle toggle : {Toggle::fade, Toggle::spotlight})
            effects.setOn(toggle, true);
        effects.setZoomPending(true);
        QVERIFY(effects.isOn(Toggle::zoom));
        QCOMPARE(effects.onUntilHidden(), (QList<Toggle>{Toggle::spotlight, Toggle::zoom}));
        effects.setZoomPending(false);
        effects.showSurface(Surface::blackboard);
        QCOMPARE(effects.onUntilHidden(), (QList<Toggle>{Toggle::spotlight, Toggle::blackboard}));
        for (const ToggleRow &row : toggles()) {
            QCOMPARE(row.needsCompositor, row.toggle == Toggle::spotlight);
            QCOMPARE(row.needsPicture, row.toggle == Toggle::zoom);
        }
    }
};

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
