#pragma once

#include "core/OverlayMode.h"
#include "core/Tool.h"
#include "drawing/Cache.h"
#include "drawing/DrawingExport.h"
#include "drawing/DrawingFile.h"
#include "drawing/DrawingHooks.h"
#include "drawing/FadingInk.h"
#include "drawing/Renderable.h"
#include "drawing/gestures/Gesture.h"
#include "platform/KeyEvent.h"
#include "settings/Watchable.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class TextGesture;

// Where a shape list is kept: the screen (by its display number), what it is drawn on and,
// on a board, the page (from 0).
struct SurfaceKey {
    quint32 screen = 0;
    Surface surface = Surface::screen;
    int page = 0;
    bool operator==(const SurfaceKey &) const = default;
};
template <> struct std::hash<SurfaceKey> {
    std::size_t operator()(const SurfaceKey &key) const noexcept {
        return std::hash<quint64>()(quint64(key.screen) << 32 ^ quint64(key.page) << 8 ^
                                    quint64(key.surface));
    }
};

// The shape lists of every screen and surface (the zoom's shapes go with it and are not kept).
using DrawingsCache = Cache<SurfaceKey, Drawings>;

// What the latest write of the shape list did, so a view can follow it without comparing
// lists: `revision` counts every write.
struct DrawingsEdit {
    // `changedIn`: shapes went or came back anywhere in the list, all of them within `area`.
    enum Kind { appended, removedLast, replaced, changedIn };
    quint64 revision = 0;
    Kind kind = replaced;
    QRectF area = {};
};

// The logic of the drawing overlay: the shapes on the screen, the selected tool, colour and
// line widths (which the palette, the tray and the panel follow), the undo history of drawing
// steps and a shape list per screen and surface. What a press, drag and key do with a tool is
// its gesture's (drawing/gestures/). It holds no window; the overlay's view is reached through
// a weak reference, the application through hooks.
class DrawingViewModel : public QObject {
    Q_OBJECT
public:
    DrawingViewModel(QUndoStack *undoManager, DrawingsCache cache, DrawingHooks &hooks,
                     QObject *parent = nullptr);
    ~DrawingViewModel() override;

    Watchable<Drawings> drawings{Drawings{}};
    Handler<int> colorKeyboardKeyHandler;
    Handler<int> shapeKeyboardKeyHandler;
    Handler<Nothing> slashKeyboardKeyHandler;
    Watchable<bool> isTracking{false};
    Watchable<bool> enableModification{false};
    QPointer<QUndoStack> undoManager;
    DrawingsCache cache;
    QPointer<QWidget> view;

    // The tool and colour the next shape is drawn with; a change emits selectionChanged().
    QColor selectedColor() const { return m_selectedColor; }
    void selectColor(const QColor &color);
    Shape selectedShape() const { return m_selectedShape; }
    void selectTool(Shape shape);
    // Each tool's line width for its next shape; a change emits selectionChanged().
    double lineWidth(Shape shape) const { return m_widths[std::size_t(paletteIndex(shape))]; }
    void setLineWidth(Shape shape, double width);
    // Makes the selected tool's next shape `steps` steps thicker (negative: thinner).
    void stepLineWidth(int steps);

    // The text tool's typing: the text being typed, its caret and its keys.
    TextGesture &text() const;
    // Ends the typing: a text with characters becomes one shape (one undo step).
    void finishText();

    // What the shapes are drawn on. Each surface keeps its own shapes, per screen: switching
    // ends the drag and the text in progress and starts a new undo history. The zoom's shapes
    // go with the zoom.
    Surface surface() const { return m_surface; }
    void setSurface(Surface surface);
    // A board's pages: the one shown (from 0) and how many there are; a screen has one.
    int page() const { return m_page; }
    int pageCount() const;
    // The next page of the board (a new one after the last, unless that one is still empty)
    // or the previous one. Each page keeps its shapes, and a turn starts a new undo history,
    // as a switch of surface does. Whether the page changed.
    bool turnPage(int step);

    // Everything kept, screen by screen (the shape being drawn, fading ink and the zoom's
    // shapes left out): what the journal and the exports write.
    DrawingDocument document() const;
    // What an export writes: the document, and the shapes shown with the screen's size.
    DrawingExport::Source exportSource() const;
    // Puts a document's shapes in place of what is kept, each on the screen of its name (a
    // screen that is not there gives its shapes to the first one), outside the undo history.
    void load(const DrawingDocument &document);
    // Puts the shapes of `document` that fit the surface shown (that surface's page, or else
    // the first that has shapes) in place of those shown, as one undoable step. Whether it
    // had any.
    bool open(const DrawingDocument &document);

    // The colour the next shape takes: the selected one, made readable on a board.
    QColor inkColor() const { return readableInk(m_surface, m_selectedColor); }

    // Fading ink: while on, each shape finished goes to fadingInk instead of the list (and the
    // undo history), and fades away from there.
    bool fading() const { return m_fading; }
    void setFading(bool fading);
    FadingInk fadingInk;

    // What a pen tablet reports with the pointer events to come: its pressure (none for a
    // mouse), and whether the eraser end of the stylus touches, which erases whatever the tool.
    void setPointerPressure(std::optional<double> pressure) { m_pressure = pressure; }
    std::optional<double> pressure() const { return m_pressure; }
    void setStylusEraser(bool eraser) { m_stylusEraser = eraser; }

    // Pointer events, with points in view coordinates.
    void beginShape(const QPointF &point);
    void mouseDragged(const QPointF &point);
    void mouseUp();
    void keyDown(const KeyEvent &event);

    // The undoable list operations, each registering its inverse under a named step.
    void add(const std::shared_ptr<Renderable> &shape);
    void remove(const std::shared_ptr<Renderable> &shape);
    void clear();
    void restore(const Drawings &saved);

    void escape();
    QString screenName() const;
    void screenChanged(QScreen *oldScreen, QScreen *newScreen);

    // Whether a key (bare, or with Ctrl) is one of the overlay's, which it keeps from shortcuts.
    static bool isDrawingKey(quint32 keyCode);
    static bool isDrawingKeyEquivalent(quint32 keyCode);

    // The shape the drag in progress draws; null between drags, and once anything else
    // changed the list during the drag (an undo, a redo, Escape, a screen switch), which ends
    // the drag.
    const std::shared_ptr<Renderable> &liveShape() const;
    const DrawingsEdit &lastEdit() const { return m_lastEdit; }

    // For the gestures: the plain list changes behind the undoable operations. A change that
    // is not the press of the drag in progress ends that drag.
    void appendShape(const std::shared_ptr<Renderable> &shape);
    void removeShape(const std::shared_ptr<Renderable> &shape);
    // Shapes go or come back within `area` by `change`; `endsDrag`: the drag in progress ends.
    void changeShapes(const QRectF &area, bool endsDrag,
                      const std::function<void(Drawings &)> &change);
    // Takes a finished fading shape out of the list (if there) into the fading ink.
    void fadeOut(const std::shared_ptr<Renderable> &shape);

Q_SIGNALS:
    void selectionChanged();
    // The text being typed changed, started or ended; `area` needs painting again.
    void typedTextChanged(const QRectF &area);
    // Shapes went to the fading ink or left it all at once; `area` needs painting again.
    void fadingInkChanged(const QRegion &area);
    void surfaceChanged(Surface surface);
    // A board turned to another page.
    void pageChanged(int page, int count);
    // What is kept changed: a shape was finished, removed or brought back, a list changed
    // hands. What the journal follows.
    void keptDrawingsChanged();
    // One of the overlay keys for a mode was pressed: an effect to switch, or pointer mode.
    void toggleKeyPressed(Toggle toggle);
    void pointerModeKeyPressed();

private:
    void screenChangeReported(const ScreenChange &change);
    void saveScreenshotRequested();
    void copyScreenshotRequested();
    void screenshotRequested(bool save);
    QScreen *viewScreen() const;
    quint32 viewScreenId() const;
    QString drawActionName(const Renderable &shape) const;
    QString clearActionName() const;
    void pushStep(const QString &name, std::function<void()> redo, std::function<void()> undo);
    void setList(Drawings list);
    void edited(DrawingsEdit::Kind kind, const QRectF &area = {});
    void endDrag();
    // Ends what is drawn, typed or fading before the list changes hands (a screen or surface
    // switch): a lone press or a fading stroke leaves nothing behind.
    void putDownDrag();
    // Keeps the list as the shapes of (`screen`, the current surface), and shows those of
    // (`to`, `surface`) with a new undo history.
    void swapList(std::optional<quint32> screen, std::optional<quint32> to, Surface surface);
    // Shows the kept shapes of (`screen`, the current surface) at the page it shows, with a new
    // undo history.
    void showKept(quint32 screen);
    Gesture &gesture(Tool::Gesture kind) const { return *m_gestures[std::size_t(kind)]; }

    DrawingHooks &m_hooks;
    QColor m_selectedColor = Qt::white;
    Shape m_selectedShape = Shape::arrow;
    DrawingsEdit m_lastEdit;
    std::array<double, toolCount> m_widths;
    // One gesture of each kind, and the one whose drag is in progress.
    std::array<std::unique_ptr<Gesture>, 4> m_gestures;
    Gesture *m_active = nullptr;
    std::optional<double> m_pressure;
    bool m_stylusEraser = false;
    Surface m_surface = Surface::screen;
    int m_page = 0;
    // The page each board shows, by screen and board (page 0 in the key).
    std::unordered_map<SurfaceKey, int> m_pages;
    bool m_fading = false;
};
