#include "TwoScreens.h"
#include "drawing/DrawingViewModel.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

constexpr quint32 kKey1 = carbonKeyCode(Key::one), kKey0 = carbonKeyCode(Key::zero),
                  kKey9 = carbonKeyCode(Key::nine), kKeySlash = carbonKeyCode(Key::slash),
                  kKeyEscape = carbonKeyCode(Key::escape), kKeyP = carbonKeyCode(Key::p),
                  kKeyL = carbonKeyCode(Key::l), kKeyA = carbonKeyCode(Key::a),
                  kKeyR = carbonKeyCode(Key::r), kKeyC = carbonKeyCode(Key::c);

KeyEvent key(quint32 code, ModifierFlags flags = 0, bool repeat = false) {
    KeyEvent event;
    event.keyCode = code;
    event.modifierFlags = flags;
    event.isARepeat = repeat;
    return event;
}

// The model with a real (hidden) view widget on a screen, an undo stack and recording hooks.
struct Fixture {
    Handler<Nothing> saveRequest;
    Handler<Nothing> copyRequest;
    Handler<ScreenChange> screenChanged;
    DrawingHooks hooks;
    QUndoStack undo;
    QWidget window;
    std::unique_ptr<DrawingViewModel> model;
    int hidden = 0, popoverClosed = 0;
    QList<QScreen *> saved, copied;
    QList<QColor> swatch;

    Fixture() {
        hooks.saveScreenshotRequest = &saveRequest;
        hooks.copyScreenshotRequest = &copyRequest;
        hooks.screenChanged = &screenChanged;
        hooks.hideApplication = [this] { ++hidden; };
        hooks.closePopover = [this] { ++popoverClosed; };
        hooks.saveScreenshot = [this](QScreen *s) { saved << s; };
        hooks.copyScreenshot = [this](QScreen *s) { copied << s; };
        hooks.selectedColorDidChange = [this](const QColor &c) { swatch << c; };
        model = std::make_unique<DrawingViewModel>(&undo, DrawingsCache{}, hooks);
        model->view = &window;
    }

    // Press, drag through the points, release: what the view controller does.
    void stroke(std::initializer_list<QPointF> points) {
        auto it = points.begin();
        model->isTracking.setValue(true);
        model->beginShape(*it);
        for (++it; it != points.end(); ++it)
            model->mouseDragged(*it);
        model->mouseUp();
    }
    const Drawings &list() const { return model->drawings.value(); }
};

} // namespace

class TestDrawingViewModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(Localization::install());
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }

    void shapesTakeTheSelectedToolAndColour_data() {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<double>("fillAlpha");
        QTest::newRow("arrow") << Shape::arrow << true << 1.0;
        QTest::newRow("pen") << Shape::pen << true << 1.0;
        QTest::newRow("line") << Shape::line << true << 1.0;
        QTest::newRow("rect") << Shape::rect << true << 0.2;
        QTest::newRow("circle") << Shape::circle << false << 0.0;
    }
    void shapesTakeTheSelectedToolAndColour() {
        QFETCH(Shape, shape);
        QFETCH(bool, filled);
        QFETCH(double, fillAlpha);
        Fixture f;
        const QColor blue(0, 122, 255);
        f.model->setSelectedColor(blue);
        f.model->selectedShape = shape;
        f.stroke({{10, 10}, {20, 30}, {40, 50}});
        QCOMPARE(f.list().size(), std::size_t(1));
        const Renderable &drawn = *f.list().front();
        QCOMPARE(*drawn.strokeColor, blue);
        QCOMPARE(bool(drawn.fillColor), filled);
        if (filled) {
            QCOMPARE(drawn.fillColor->rgb(), blue.rgb());
            QVERIFY(std::abs(drawn.fillColor->alphaF() - fillAlpha) < 0.01);
        }
        // The undo step names the kind and the screen.
        QCOMPARE(f.undo.undoText(),
                 QStringLiteral("Draw %1 on Unknown Screen").arg(drawn.actionName()));
        QCOMPARE(f.swatch, QList<QColor>{blue}); // the menu's swatch follows every write
    }

    void clickWithoutDragLeavesNothingButARedoStep() {
        Fixture f;
        for (Shape shape : {Shape::pen, Shape::line, Shape::rect, Shape::circle}) {
            f.model->selectedShape = shape;
            f.stroke({{30, 30}});
            QVERIFY(f.list().empty());
            QVERIFY(f.undo.canRedo());
            QVERIFY(!f.undo.canUndo());
        }
        f.model->selectedShape = Shape::rect;
        f.stroke({{1, 1}, {5, 5}});
        f.stroke({{30, 30}});
        QCOMPARE(f.list().size(), std::size_t(1)); // the earlier shape stays
    }

    // Every drag grows the newest shape and publishes the list again (the view repaints from
    // it); Shift held at the latest drag straightens a pen stroke.
    void dragsGrowTheNewestShapeAndShiftStraightens() {
        Fixture f;
        f.model->selectedShape = Shape::pen;
        int deliveries = 0;
        QObject observer;
        f.model->drawings.watch(&observer, [&](const Drawings &) { ++deliveries; });
        f.model->isTracking.setValue(true);
        f.model->beginShape({0, 0});
        f.model->mouseDragged({10, 3});
        f.model->mouseDragged({20, 9});
        QCOMPARE(deliveries, 4); // at subscription, the press, two drags
        f.model->enableModification.setValue(true);
        f.model->mouseDragged({30, 2});
        QVERIFY(f.list().back()->isModified);
        QCOMPARE(f.list().back()->renderedPath().elementCount(), 2);
        f.model->enableModification.setValue(false);
        f.model->mouseDragged({40, 7});
        QVERIFY(!f.list().back()->isModified);
        QCOMPARE(f.list().back()->renderedPath().elementCount(), 5);
        f.model->mouseUp();
        f.model->mouseDragged({50, 50}); // not tracking any more: ignored
        QCOMPARE(f.list().back()->path.elementCount(), 5);
    }

    void escapeClearsThenHides() {
        Fixture f;
        f.model->selectedShape = Shape::rect;
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{20, 20}, {30, 30}});
        const Drawings before = f.list();
        f.model->keyDown(key(kKeyEscape));
        QVERIFY(f.list().empty());
        QCOMPARE(f.hidden, 0);
        QCOMPARE(f.undo.undoText(), QStringLiteral("Clear Drawings on Unknown Screen"));
        f.undo.undo();
        QCOMPARE(f.list(), before); // the very same shapes, in the same order
        f.undo.redo();
        QVERIFY(f.list().empty());
        f.model->restore(before); // restore and clear undo each other
        f.undo.undo();
        QVERIFY(f.list().empty());
        f.undo.redo();
        QCOMPARE(f.list(), before);
        f.model->clear();
        f.model->escape();
        QCOMPARE(f.hidden, 1);
        QCOMPARE(f.popoverClosed, 1);
        QCOMPARE(f.undo.count(), 0); // the model's undo steps are gone
    }

    void undoingADrawRemovesEveryOccurrence() {
        Fixture f;
        f.model->selectedShape = Shape::circle;
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{20, 20}, {30, 30}});
        const auto first = f.list()[0];
        const auto second = f.list()[1];
        f.model->add(first); // the same object twice in the list
        QCOMPARE(f.list().size(), std::size_t(3));
        f.model->remove(first);
        QCOMPARE(f.list(), Drawings{second});
        f.undo.undo(); // undoing the remove appends at the end
        QCOMPARE(f.list(), (Drawings{second, first}));
        f.undo.undo(); // undoing the second add removes every occurrence
        QCOMPARE(f.list(), Drawings{second});
        f.undo.redo();
        QCOMPARE(f.list(), (Drawings{second, first}));
    }

    void keysFireTheirChannels() {
        Fixture f;
        QObject observer;
        QList<int> colors, tools;
        int slashes = 0;
        f.model->colorKeyboardKeyHandler.watch(&observer, [&](const int &i) { colors << i; });
        f.model->shapeKeyboardKeyHandler.watch(&observer, [&](const int &i) { tools << i; });
        f.model->slashKeyboardKeyHandler.watch(&observer, [&] { ++slashes; });
        f.model->keyDown(key(kKey1));
        f.model->keyDown(key(kKey1, ModifierShift)); // Shift+1 is still the key of 1
        f.model->keyDown(key(kKey1, 0, true));       // auto-repeat: ignored
        f.model->keyDown(key(kKey9, ModifierCommand));
        f.model->keyDown(key(kKey0)); // not in the table
        f.model->keyDown(KeyEvent{}); // a key without a known position
        for (quint32 code : {kKeyP, kKeyL, kKeyA, kKeyR, kKeyC})
            f.model->keyDown(key(code));
        f.model->keyDown(key(kKeySlash));
        QCOMPARE(colors, (QList<int>{0, 0, 8}));
        QCOMPARE(tools, (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE(slashes, 1);
        QVERIFY(DrawingViewModel::isDrawingKey(kKeyEscape));
        QVERIFY(!DrawingViewModel::isDrawingKey(kKey0));
    }

    void eachScreenKeepsItsOwnDrawings() {
        Fixture f;
        QScreen *left = QGuiApplication::screens().at(0);
        QScreen *right = QGuiApplication::screens().at(1);
        f.screenChanged.notify({nullptr, left});
        f.model->selectedShape = Shape::rect;
        f.stroke({{0, 0}, {10, 10}});
        const Drawings leftShapes = f.list();
        f.screenChanged.notify({left, right}); // through the tracker's channel
        QVERIFY(f.list().empty());
        QCOMPARE(f.undo.count(), 0); // undo never crosses a screen switch
        f.stroke({{5, 5}, {50, 50}});
        const Drawings rightShapes = f.list();
        f.model->screenChanged(right, left);
        QCOMPARE(f.list(), leftShapes);
        QCOMPARE(f.undo.count(), 0);
        f.model->screenChanged(left, right);
        QCOMPARE(f.list(), rightShapes);
        f.model->screenChanged(right, nullptr); // off every screen: the list stays
        QCOMPARE(f.list(), rightShapes);
    }

    // Whatever changes the list while the button is held (undo, redo, Escape, a screen switch)
    // ends the drag: no later drag event may grow an earlier shape.
    void aDragEndsWhenTheListChangesUnderIt_data() {
        QTest::addColumn<QString>("change");
        for (const char *change : {"undo", "redo", "escape", "screen"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }
    void aDragEndsWhenTheListChangesUnderIt() {
        QFETCH(QString, change);
        Fixture f;
        QScreen *left = QGuiApplication::screens().at(0);
        QScreen *right = QGuiApplication::screens().at(1);
        f.model->screenChanged(nullptr, right);
        f.model->selectedShape = Shape::pen;
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{50, 50}, {60, 60}});
        const Drawings before = f.list();
        f.model->isTracking.setValue(true);
        f.model->beginShape({100, 100});
        f.model->mouseDragged({110, 110});
        if (change == QLatin1String("undo"))
            f.undo.undo();
        else if (change == QLatin1String("redo")) {
            f.undo.undo();
            f.undo.redo(); // the stroke being drawn comes back, finished
        } else if (change == QLatin1String("escape"))
            f.model->escape();
        else
            f.model->screenChanged(right, left);
        f.model->mouseDragged({300, 300});
        f.model->mouseUp();
        QVERIFY(!f.model->isTracking.value());
        for (const auto &shape : f.list())
            QCOMPARE(shape->path.elementCount(), 2); // nothing grew after the change
        if (change == QLatin1String("screen"))
            f.model->screenChanged(left, right); // the stroke stayed with its screen
        if (change == QLatin1String("redo") || change == QLatin1String("screen")) {
            QCOMPARE(f.list().size(), std::size_t(3));
            QCOMPARE(f.list().front(), before.front());
        } else if (change != QLatin1String("escape")) {
            QCOMPARE(f.list(), before); // the stroke being drawn went, the others stayed
        }
    }

    void screenshotRequestsNameTheViewsScreen() {
        Fixture f;
        f.saveRequest.notify();
        f.copyRequest.notify();
        QCOMPARE(f.saved, QList<QScreen *>{f.window.screen()});
        QCOMPARE(f.copied, QList<QScreen *>{f.window.screen()});
        f.model->view = nullptr; // no view: nothing to capture, no shape drawn
        f.saveRequest.notify();
        QCOMPARE(f.saved.size(), 1);
        f.stroke({{0, 0}, {10, 10}});
        QVERIFY(f.list().empty());
        QCOMPARE(f.model->screenName(), QStringLiteral("Unknown Screen"));
        f.model.reset(); // a destroyed model hears nothing
        f.copyRequest.notify();
        QCOMPARE(f.copied.size(), 1);
    }
};

int main(int argc, char *argv[]) {
    return runWithTwoScreens<TestDrawingViewModel>(argc, argv);
}

#include "tst_drawingviewmodel.moc"
