#include "TwoScreens.h"
#include "core/NamedColors.h"
#include "drawing/DrawingViewModel.h"
#include "drawing/Journal.h"
#include "drawing/gestures/TextGesture.h"
#include "drawing/tools/RenderableText.h"
#include "drawing/tools/ToolFactory.h"
#include "platform/Localization.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

KeyEvent key(Key which, ModifierFlags flags = 0, bool repeat = false) {
    return {carbonKeyCode(which), {}, flags, repeat};
}

// The model with a real (hidden) view widget, an undo stack and hooks that log what the model
// asks of the application.
struct Fixture {
    Handler<ScreenChange> screenChanged;
    DrawingHooks hooks;
    QUndoStack undo;
    QWidget window;
    std::unique_ptr<DrawingViewModel> model;
    QStringList calls;
    QScreen *left = QGuiApplication::screens().at(0), *right = QGuiApplication::screens().at(1);

    Fixture() {
        hooks.screenChanged = &screenChanged;
        QObject::connect(&hooks, &DrawingHooks::hideApplication,
                         [this] { calls << QStringLiteral("hide"); });
        QObject::connect(&hooks, &DrawingHooks::closePopover,
                         [this] { calls << QStringLiteral("close popover"); });
        model = std::make_unique<DrawingViewModel>(&undo, DrawingsCache{}, hooks);
        QObject::connect(model.get(), &DrawingViewModel::selectionChanged, [this] {
            calls << model->selectedColor().name() + u' ' + tool(model->selectedShape()).actionName;
        });
        model->view = &window;
    }

    // Press, drag through the points, release: what the view controller does.
    void stroke(std::initializer_list<QPointF> points) {
        model->isTracking.setValue(true);
        model->beginShape(*points.begin());
        for (auto it = points.begin() + 1; it != points.end(); ++it)
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

    // Each tool draws in the selected colour, filled in full (the arrow's head), at 0.2 (the
    // rectangle) or not at all (the ellipse); a click without a drag is taken back.
    void shapesTakeTheSelectedToolAndColour() {
        Fixture f;
        const QColor blue(0, 122, 255);
        f.model->selectColor(blue);
        QCOMPARE(f.calls, QStringList{blue.name() + u" arrow"_qs}); // the swatch, the tray follow
        const int fillPercent[] = {100, 100, 100, 20, 0}; // arrow, pen, line, rect, circle
        for (Shape shape : {Shape::arrow, Shape::pen, Shape::line, Shape::rect, Shape::circle}) {
            f.model->selectTool(shape);
            QCOMPARE(f.calls.takeLast(), blue.name() + u' ' + tool(shape).actionName);
            f.stroke({{10, 10}, {20, 30}, {40, 50}});
            const Renderable &drawn = *f.list().back();
            QCOMPARE(*drawn.strokeColor, blue);
            QCOMPARE(drawn.fillColor.value_or(blue).rgb(), blue.rgb());
            QCOMPARE(drawn.fillColor ? qRound(drawn.fillColor->alphaF() * 100) : 0,
                     fillPercent[int(shape)]);
            f.stroke({{30, 30}}); // the click leaves nothing but a redo step
            QVERIFY(f.list().back().get() == &drawn && f.undo.canRedo());
        }
        QCOMPARE(f.undo.undoText(), QStringLiteral("Draw Ellipse on Unknown Screen"));
    }

    // An eraser drag removes exactly the shapes it touches (a filled rectangle also by its
    // inside), however many moves it takes, as one undo step that puts each back in its place;
    // an undo during the drag ends it.
    void eraserDragIsOneStep() {
        Fixture f;
        f.model->selectTool(Shape::pen);
        f.stroke({{0, 10}, {100, 10}});
        f.model->selectTool(Shape::rect);
        f.stroke({{0, 40}, {100, 80}});
        f.model->selectTool(Shape::pen);
        f.stroke({{0, 120}, {100, 120}});
        f.stroke({{0, 200}, {100, 200}});
        const Drawings before = f.list();
        f.model->selectTool(Shape::eraser);
        f.model->isTracking.setValue(true);
        f.model->beginShape({50, 0});
        f.model->mouseDragged({50, 60}); // the first stroke, into the rectangle
        f.model->mouseDragged({50, 100});
        f.model->mouseDragged({60, 111}); // 9 from the third stroke: the radius and its half width
        f.model->mouseUp();
        QCOMPARE(f.list(), Drawings{before[3]});
        QCOMPARE(f.undo.undoText(), u"Erase on Unknown Screen"_qs);
        f.undo.undo();
        QCOMPARE(f.list(), before);
        f.undo.redo();
        QCOMPARE(f.list(), Drawings{before[3]});
        f.undo.undo();

        f.model->isTracking.setValue(true);
        f.model->beginShape({50, 190});
        f.model->mouseDragged({50, 210});
        f.undo.undo();
        QVERIFY(!f.model->isTracking.value());
        f.model->mouseDragged({50, 120}); // the drag is over: nothing more goes
        QCOMPARE(f.list(), before);
    }

    // A pen tablet: the pen's width follows the pressure along the stroke (a mouse's stroke
    // keeps one width), and the eraser end of the stylus erases whatever tool is picked.
    void tabletPressureAndEraserEnd() {
        Fixture f;
        f.model->selectTool(Shape::highlighter);
        f.model->setPointerPressure(0.0);
        f.model->isTracking.setValue(true);
        f.model->beginShape({10, 50});
        f.model->mouseDragged({60, 50});
        f.model->setPointerPressure(1.0);
        f.model->mouseDragged({110, 50});
        f.model->mouseDragged({160, 50});
        f.model->mouseUp();
        QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        f.list().back()->render(painter);
        painter.end();
        const auto thickness = [&image](int x) {
            int rows = 0;
            for (int y = 0; y < image.height(); ++y)
                rows += qAlpha(image.pixel(x, y)) > 50;
            return rows;
        };
        QVERIFY2(thickness(25) <= 5 && thickness(140) >= 15,
                 qPrintable(u"%1 %2"_qs.arg(thickness(25)).arg(thickness(140))));

        f.model->setPointerPressure(std::nullopt);
        f.model->setStylusEraser(true);
        f.stroke({{100, 0}, {100, 100}});
        QVERIFY(f.list().empty());
        QCOMPARE(f.model->selectedShape(), Shape::highlighter);
    }

    // Text: typed at the click, a Backspace takes a whole character, and the text becomes one
    // shape when it ends; an empty one leaves nothing. Widths step within their bounds, one
    // tool at a time, and the text being typed follows its tool's.
    void textAndLineWidths() {
        Fixture f;
        f.model->selectTool(Shape::text);
        f.stroke({{40, 40}});
        QVERIFY(f.model->text().text() && f.list().empty());
        f.model->text().type(u"Ab\U0001F600"_qs);
        f.model->text().backspace();
        f.model->text().type(u"\nß"_qs);
        QCOMPARE(f.model->text().text()->text(), u"Ab\nß"_qs);
        f.model->stepLineWidth(1);
        QCOMPARE(f.model->text().text()->lineWidth, 8.0);
        f.stroke({{300, 300}}); // a click elsewhere ends it and starts another
        QCOMPARE(f.list().size(), std::size_t(1));
        QCOMPARE(f.undo.undoText(), u"Draw Text on Unknown Screen"_qs);
        // The text gesture takes the keyboard while it types: Return starts a line, Backspace
        // takes a character, a command key finishes the text and is left to the command.
        TextGesture &text = f.model->text();
        QVERIFY(text.holdsKeyboard());
        for (const auto &[key, typed] : {std::pair(Qt::Key_X, u"x"_qs),
                                         {Qt::Key_Return, u""_qs},
                                         {Qt::Key_Y, u"y"_qs},
                                         {Qt::Key_Backspace, u""_qs}})
            QVERIFY(text.key(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, typed)));
        QCOMPARE(text.text()->text(), u"x\n"_qs);
        QVERIFY(!text.key(QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier)));
        QVERIFY(!text.holdsKeyboard() && f.list().size() == 2);
        f.stroke({{10, 300}});
        f.model->finishText(); // an empty text leaves nothing
        QCOMPARE(f.list().size(), std::size_t(2));

        QCOMPARE(f.model->lineWidth(Shape::rect), 1.0);
        f.model->selectTool(Shape::rect);
        f.model->stepLineWidth(-3);
        QCOMPARE(f.model->lineWidth(Shape::rect), minLineWidth);
        f.model->keyDown(key(Key::rightBracket));
        QCOMPARE(f.model->lineWidth(Shape::rect), 2.0);
        f.model->stepLineWidth(40);
        QCOMPARE(f.model->lineWidth(Shape::rect), maxLineWidth);
        QCOMPARE(steppedLineWidth(7, 1), 8.0); // off the ladder: to its next rung
        QCOMPARE(f.model->lineWidth(Shape::pen), 3.0);
        f.stroke({{0, 0}, {10, 10}});
        QCOMPARE(f.list().back()->lineWidth, maxLineWidth);
    }

    // Every drag grows the newest shape and publishes the list again (the view repaints from
    // it); Shift held at the latest drag straightens a pen stroke.
    void dragsGrowTheNewestShapeAndShiftStraightens() {
        Fixture f;
        f.model->selectTool(Shape::pen);
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
        QCOMPARE(f.list().back()->renderedPath().elementCount(), 2);
        f.model->enableModification.setValue(false);
        f.model->mouseDragged({40, 7});
        QCOMPARE(f.list().back()->renderedPath().elementCount(), 5);
        f.model->mouseUp();
        f.model->mouseDragged({50, 50}); // not tracking any more: ignored
        QCOMPARE(f.list().back()->path.elementCount(), 5);
    }

    // The first Escape clears as one undoable step (the very shapes come back, in order), the
    // next hides the overlay and forgets the model's undo steps.
    void escapeClearsThenHides() {
        Fixture f;
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{20, 20}, {30, 30}});
        const Drawings before = f.list();
        f.model->keyDown(key(Key::escape));
        QVERIFY(f.list().empty());
        QCOMPARE(f.undo.undoText(), QStringLiteral("Clear Drawings on Unknown Screen"));
        f.undo.undo();
        QCOMPARE(f.list(), before);
        f.undo.redo();
        QVERIFY(f.list().empty() && f.calls.isEmpty());
        f.model->escape();
        QCOMPARE(f.calls, (QStringList{QStringLiteral("hide"), QStringLiteral("close popover")}));
        QCOMPARE(f.undo.count(), 0);
    }

    // Digits pick colours, the tool keys their tools and slash the help panel, once a press.
    void keysFireTheirChannels() {
        Fixture f;
        QObject observer;
        QList<int> heard; // colours as 0 to 8, tools as 10 and up, the slash as 100
        f.model->colorKeyboardKeyHandler.watch(&observer, [&](const int &i) { heard << i; });
        f.model->shapeKeyboardKeyHandler.watch(&observer, [&](const int &i) { heard << 10 + i; });
        f.model->slashKeyboardKeyHandler.watch(&observer, [&] { heard << 100; });
        f.model->keyDown(key(Key::one));
        f.model->keyDown(key(Key::one, 0, true));                          // auto-repeat: ignored
        f.model->keyDown(key(Key::nine, ModifierShift | ModifierCommand)); // modifiers don't matter
        f.model->keyDown(key(Key::zero));                                  // not in the table
        f.model->keyDown(KeyEvent{}); // a key without a known position
        for (Key tool : {Key::p, Key::l, Key::a, Key::r, Key::c, Key::slash})
            f.model->keyDown(key(tool));
        QCOMPARE(heard, (QList<int>{0, 8, 10, 11, 12, 13, 14, 100})); // tools in palette order
        // Every key of the overlay means one thing: a tool key that is also a mode's (or the
        // undo and save letters with Ctrl) would do both or neither. Each mode's key
        // fires its effect, or pointer mode; with Ctrl a mode's key is not the overlay's.
        QList<Key> used;
        for (const Tool &row : tools())
            used << row.key;
        for (const ToggleRow &row : toggles())
            used << row.key;
        used << pointerModeKey << Key::slash << Key::leftBracket << Key::rightBracket << Key::escape
             << Key::one << Key::two << Key::three << Key::four << Key::five << Key::six
             << Key::seven << Key::eight << Key::nine;
        for (const Key taken : used)
            QCOMPARE(used.count(taken), 1);
        for (const Key command : {Key::z, Key::s})
            QVERIFY(!DrawingViewModel::isDrawingKeyEquivalent(carbonKeyCode(command)));
        QList<Toggle> toggled;
        int pointer = 0;
        QObject::connect(f.model.get(), &DrawingViewModel::toggleKeyPressed,
                         [&](Toggle toggle) { toggled << toggle; });
        QObject::connect(f.model.get(), &DrawingViewModel::pointerModeKeyPressed,
                         [&] { ++pointer; });
        for (const ToggleRow &row : toggles()) {
            f.model->keyDown(key(row.key));
            QCOMPARE(toggled.takeLast(), row.toggle);
        }
        f.model->keyDown(key(pointerModeKey));
        QCOMPARE(pointer, 1);
    }

    // A fading stroke cut short while it is drawn (an undo, a redo, Escape then an undo) fades
    // like any other: it never stays as ink outside the undo history.
    void aFadingStrokeCutShortStillFades_data() {
        QTest::addColumn<QByteArray>("change");
        for (const char *change : {"undo", "redo", "escape"})
            QTest::newRow(change) << QByteArray(change);
    }
    void aFadingStrokeCutShortStillFades() {
        QFETCH(QByteArray, change);
        Fixture f;
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{0, 20}, {10, 30}});
        f.model->setFading(true);
        f.model->isTracking.setValue(true);
        f.model->beginShape({100, 100});
        f.model->mouseDragged({150, 110});
        const auto fading = f.list().back();
        if (change == "redo")
            f.undo.undo();
        (change == "redo" ? f.undo.redo() : change == "undo" ? f.undo.undo() : f.model->escape());
        f.model->mouseDragged({200, 120});
        f.model->mouseUp();
        const auto lies = [&] {
            return std::find(f.list().begin(), f.list().end(), fading) != f.list().end();
        };
        QVERIFY(!lies());
        f.model->fadingInk.advance(FadingInk::now() + 60'000); // long after every fade
        QVERIFY(f.model->fadingInk.isEmpty());
        while (f.undo.canUndo() || f.undo.canRedo()) {
            f.undo.canUndo() ? f.undo.undo() : f.undo.redo();
            QVERIFY(!lies());
            if (!f.undo.canUndo())
                break;
        }
        f.undo.redo();
        QVERIFY(!lies());
    }

    // With fading ink typed text, too, goes to the fading ink rather than the list.
    void fadedTextLeavesNothing() {
        Fixture f;
        f.model->setFading(true);
        f.model->fadingInk.setDelay(3000);
        f.model->selectTool(Shape::text);
        f.stroke({{40, 40}});
        f.model->text().type(u"fades"_qs);
        f.model->finishText();
        QVERIFY(f.list().empty() && f.model->fadingInk.size() == 1 && f.undo.count() == 0);
    }

    // Each board keeps its own shapes per screen, in ink readable on it for every palette
    // colour; the zoom's shapes go with it. Escape takes the shapes, then the board or the
    // zoom, then the overlay.
    void boardsAndTheZoomKeepTheirOwnShapes() {
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            for (const NamedColor &named : paletteColors()) {
                const QColor ink = readableInk(board, named.color());
                QVERIFY2(contrastRatio(ink, boardColor(board)) >= 4.5, named.nameId);
                if (named.color().hslSaturationF() > 0.2f) // a grey has no hue to keep
                    QVERIFY2(std::abs(ink.hslHueF() - named.color().hslHueF()) < 0.02f,
                             named.nameId);
            }
        }
        Fixture f;
        f.screenChanged.notify({nullptr, f.left});
        f.stroke({{0, 0}, {10, 10}});
        const Drawings screen = f.list();
        f.model->setSurface(Surface::whiteboard);
        QVERIFY(f.list().empty());
        f.model->selectColor(QColor(255, 204, 0)); // yellow: darker on the white board
        f.stroke({{0, 0}, {20, 20}});
        QVERIFY(contrastRatio(*f.list().back()->strokeColor, Qt::white) >= 4.5);
        const Drawings white = f.list();
        f.model->setSurface(Surface::zoom);
        f.stroke({{0, 0}, {30, 30}});
        f.model->escape(); // the zoom ends first, its shapes with it
        QCOMPARE(f.model->surface(), Surface::screen);
        QCOMPARE(f.list(), screen);
        f.model->setSurface(Surface::zoom);
        QVERIFY(f.list().empty());
        f.model->setSurface(Surface::whiteboard);
        QCOMPARE(f.list(), white);
        f.model->escape();
        QVERIFY(f.list().empty() && f.model->surface() == Surface::whiteboard);
        f.model->escape();
        QVERIFY(f.model->surface() == Surface::screen && !f.calls.contains(u"hide"_qs));
        QCOMPARE(f.list(), screen);
        f.model->escape();
        f.model->escape();
        QCOMPARE(f.calls.mid(f.calls.size() - 2),
                 (QStringList{QStringLiteral("hide"), QStringLiteral("close popover")}));
        f.model->setSurface(Surface::whiteboard); // the board's shapes were cleared for good
        QVERIFY(f.list().empty());
    }

    // A board turns to pages of its own, each with its own shapes and undo history. What is
    // kept (every page, the page shown, not the stroke still drawn) loads back into another
    // model in place, and an opened drawing replaces the page as one step.
    void boardPagesAndWhatIsKept() {
        Fixture f;
        f.screenChanged.notify({nullptr, f.left});
        f.stroke({{0, 0}, {10, 10}});
        QVERIFY(!f.model->turnPage(1)); // a screen has no pages
        f.model->setSurface(Surface::blackboard);
        QVERIFY(!f.model->turnPage(1)); // no new page after an empty one
        f.stroke({{0, 0}, {20, 20}});
        const Drawings first = f.list();
        QVERIFY(f.model->turnPage(1));
        QCOMPARE(f.model->page(), 1);
        QCOMPARE(f.model->pageCount(), 2);
        QVERIFY(f.list().empty() && !f.undo.canUndo());
        QVERIFY(!f.model->turnPage(1));
        f.stroke({{5, 5}, {30, 30}});
        f.stroke({{6, 6}, {40, 40}});
        f.undo.undo();
        const Drawings second = f.list();
        QCOMPARE(second.size(), 1);
        QVERIFY(f.model->turnPage(-1));
        QCOMPARE(f.list(), first);
        QVERIFY(!f.undo.canUndo() && !f.model->turnPage(-1));

        f.model->isTracking.setValue(true);
        f.model->beginShape({1, 1});
        f.model->mouseDragged({9, 9});
        const DrawingDocument kept = f.model->document();
        f.model->mouseUp();
        QCOMPARE(kept.screens.size(), 1);
        QCOMPARE(kept.screens[0].name, u"LEFT"_qs);
        QCOMPARE(kept.screens[0].shapes.size(), 1);
        QCOMPARE(kept.screens[0].blackboard.pages, (std::vector<Drawings>{first, second}));
        QCOMPARE(kept.screens[0].blackboard.page, 0);
        QCOMPARE(kept.shapeCount(), 3);

        Fixture g;
        g.screenChanged.notify({nullptr, g.left});
        g.model->load(kept);
        QCOMPARE(g.list(), kept.screens[0].shapes);
        g.model->setSurface(Surface::blackboard);
        QCOMPARE(g.list(), first);
        QVERIFY(g.model->turnPage(1));
        QCOMPARE(g.list(), second);
        QVERIFY(g.model->open(kept)); // the document's page shown on this board
        QCOMPARE(g.list(), first);
        g.undo.undo();
        QCOMPARE(g.list(), second);
        g.model->escape();
        g.model->escape(); // an empty page: back to the screen, as from an empty board
        QCOMPARE(g.model->surface(), Surface::screen);
        QVERIFY(!g.model->open(DrawingDocument{}));
    }

    // The journal writes the whole once, then each change as a line: a stroke added, a list
    // undone, a board's first stroke and the page it shows. Read back, it is the model's document;
    // a last line cut short (the end came while it was written) is left out, a damaged one before
    // it is not.
    void theJournalKeepsEachChange() {
        QTemporaryDir dir;
        Fixture f;
        f.screenChanged.notify({nullptr, f.left});
        Journal journal(*f.model, dir.filePath(u"journal.quillory"_qs));
        QCOMPARE(journal.recover().shapes, 0);
        f.stroke({{0, 0}, {10, 10}});
        journal.writeNow();
        f.stroke({{5, 5}, {20, 20}});
        journal.writeNow();
        f.undo.undo();
        journal.writeNow();
        f.model->setSurface(Surface::whiteboard);
        f.stroke({{1, 1}, {30, 30}});
        journal.writeNow();
        QFile file(journal.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count('\n'), 5); // the whole, 3 changes, the page the board shows
        QString error;
        const std::optional<DrawingDocument> read = Journal::read(text, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(DrawingFile::write(*read), DrawingFile::write(f.model->document()));
        const qsizetype board = text.lastIndexOf("{\"append\"");
        const std::optional<DrawingDocument> cut = Journal::read(text.left(board + 20), &error);
        QVERIFY(cut && cut->shapeCount() == 1 && cut->screens[0].whiteboard.pages.empty());
        QByteArray damaged = text;
        damaged.replace("{\"append\"", "{\"append\"x");
        QVERIFY(!Journal::read(damaged, &error));
        QVERIFY2(error.startsWith(u"the file is damaged: change 1"_qs), qPrintable(error));

        // A page turn written before the new page has shapes still shows that page.
        QVERIFY(f.model->turnPage(1));
        journal.writeNow();
        f.stroke({{2, 2}, {40, 40}});
        journal.writeNow();
        QVERIFY(file.seek(0));
        const std::optional<DrawingDocument> turned = Journal::read(file.readAll(), &error);
        QVERIFY2(turned, qPrintable(error));
        QCOMPARE(DrawingFile::write(*turned), DrawingFile::write(f.model->document()));
    }

    // Each screen keeps its own shapes, and undo never crosses a switch.
    void eachScreenKeepsItsOwnDrawings() {
        Fixture f;
        f.screenChanged.notify({nullptr, f.left});
        f.stroke({{0, 0}, {10, 10}});
        const Drawings leftShapes = f.list();
        f.screenChanged.notify({f.left, f.right}); // through the tracker's channel
        QVERIFY(f.list().empty());
        f.stroke({{5, 5}, {50, 50}});
        const Drawings rightShapes = f.list();
        f.model->screenChanged(f.right, f.left);
        QCOMPARE(f.list(), leftShapes);
        QCOMPARE(f.undo.count(), 0);
        f.model->screenChanged(f.left, f.right);
        QCOMPARE(f.list(), rightShapes);
        f.model->screenChanged(f.right, nullptr); // off every screen: the list stays
        QCOMPARE(f.list(), rightShapes);
    }

    // Whatever changes the list while the button is held (undo, redo, Escape, a screen switch)
    // ends the drag: later drag events once grew the ended stroke or an earlier shape.
    void aDragEndsWhenTheListChangesUnderIt_data() {
        QTest::addColumn<QByteArray>("change");
        for (const char *change : {"undo", "redo", "escape", "screen"})
            QTest::newRow(change) << QByteArray(change);
    }
    void aDragEndsWhenTheListChangesUnderIt() {
        QFETCH(QByteArray, change);
        Fixture f;
        f.model->screenChanged(nullptr, f.right);
        f.stroke({{0, 0}, {10, 10}});
        f.stroke({{50, 50}, {60, 60}});
        Drawings expected = f.list();
        f.model->isTracking.setValue(true);
        f.model->beginShape({100, 100});
        f.model->mouseDragged({110, 110});
        const auto live = f.list().back();
        if (change == "undo" || change == "redo")
            f.undo.undo();
        if (change == "redo")
            f.undo.redo(); // the stroke being drawn comes back, finished
        if (change == "escape")
            f.model->escape();
        if (change == "screen")
            f.model->screenChanged(f.right, f.left);
        f.model->mouseDragged({300, 300});
        f.model->mouseUp();
        for (const auto &shape : expected)
            QCOMPARE(shape->path.elementCount(), 2); // nothing grew after the change
        QCOMPARE(live->path.elementCount(), 2);      // nor did the stroke it ended
        if (change == "screen")
            f.model->screenChanged(f.left, f.right); // the stroke stayed with its screen
        if (change == "redo" || change == "screen")
            expected.push_back(live);
        QCOMPARE(f.list(), change == "escape" ? Drawings{} : expected);
    }
};

int main(int argc, char *argv[]) {
    return runWithTwoScreens<TestDrawingViewModel>(argc, argv);
}

#include "tst_drawingviewmodel.moc"
