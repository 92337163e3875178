#pragma once

#include "core/OverlayMode.h"
#include "core/Tool.h"
#include "drawing/Cache.h"
#include "drawing/DrawingHooks.h"
#include "drawing/FadingInk.h"
#include "drawing/Renderable.h"
#include "platform/KeyEvent.h"
#include "settings/Watchable.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class RenderableText;

// Shape lists by screen, keyed by the screen's display number.
using DrawingsCache = Cache<quint32, Drawings>;

// What the latest write of the shape list did, so a view can follow it without comparing
// lists: `revision` counts every write.
struct DrawingsEdit {
    // `changedIn`: shapes went or came back anywhere in the list, all of them within `area`.
    enum Kind { appended, removedLast, replaced, changedIn };
    quint64 revision = 0;
    Kind kind = replaced;
    QRectF area = {};
};

// The logic of the drawing overlay: the shapes on the screen, the selected tool and colour,
// the undo history of drawing steps and a shape list per screen. It holds no window; the
// overlay's view is reached through a weak reference, the application through hooks.
class DrawingViewModel : public QObject {
    Q_OBJECT
public:
    DrawingViewModel(QUndoStack *undoManager, DrawingsCache cache, DrawingHooks &hooks,
                     QObject *parent = nullptr);

    Watchable<Drawings> drawings{Drawings{}};
    Handler<int> colorKeyboardKeyHandler;
    Handler<int> shapeKeyboardKeyHandler;
    Handler<Nothing> slashKeyboardKeyHandler;
    Watchable<bool> isTracking{false};
    Watchable<bool> enableModification{false};
    QPointer<QUndoStack> undoManager;
    DrawingsCache cache;
    QPointer<QWidget> view;

    // The tool and colour the next shape is drawn with; each write emits selectionChanged().
    QColor selectedColor() const { return m_selectedColor; }
    void setSelectedColor(const QColor &color);
    Shape selectedShape() const { return m_selectedShape; }
    void setSelectedShape(Shape shape);
    // Each tool's line width for its next shape; each write emits selectionChanged().
    double lineWidth(Shape shape) const { return m_widths[std::size_t(paletteIndex(shape))]; }
    void setLineWidth(Shape shape, double width);
    // Makes the selected tool's next shape `steps` steps thicker (negative: thinner).
    void stepLineWidth(int steps);

    // Typing with the text tool: the text being typed (not yet in the list) or null.
    const std::shared_ptr<RenderableText> &typedText() const { return m_typed; }
    int caretPosition() const { return m_caret; }
    // Inserts at the caret what a key or the input method gives.
    void typeText(const QString &text);
    // Removes the character before the caret.
    void typeBackspace();
    // Ends the typing: a text with characters becomes one shape (one undo step).
    void finishText();

    // What the shapes are drawn on. Each surface keeps its own shapes, per screen: switching
    // ends the drag and the text in progress and starts a new undo history. The zoom's shapes
    // go with the zoom.
    Surface surface() const { return m_surface; }
    void setSurface(Surface surface);
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

    // The virtual key codes the overlay reserves (the key table above).
    static bool isDrawingKey(quint32 keyCode);
    // Whether a key equivalent (the key with Ctrl) is the overlay's own: not for the keys of
    // the modes, whose letters Ctrl+S and Ctrl+Z keep for saving and undoing.
    static bool isDrawingKeyEquivalent(quint32 keyCode);

    // The shape the drag in progress draws; null between drags, and once anything else
    // changed the list during the drag (an undo, a redo, Escape, a screen switch), which ends
    // the drag.
    const std::shared_ptr<Renderable> &liveShape() const { return m_live; }
    const DrawingsEdit &lastEdit() const { return m_lastEdit; }

Q_SIGNALS:
    void selectionChanged();
    // The text being typed changed, started or ended; `area` needs painting again.
    void typedTextChanged(const QRectF &area);
    // Shapes went to the fading ink or left it all at once; `area` needs painting again.
    void fadingInkChanged(const QRegion &area);
    void surfaceChanged(Surface surface);
    // One of the overlay keys for a mode was pressed: an effect to switch, or pointer mode.
    void toggleKeyPressed(Toggle toggle);
    void pointerModeKeyPressed();

private:
    void screenChangeReported(const ScreenChange &change);
    void saveScreenshotRequested();
    void copyScreenshotRequested();
    QScreen *viewScreen() const;
    QString drawActionName(const Renderable &shape) const;
    QString clearActionName() const;

    // The plain list changes behind the undoable operations.
    void appendShape(const std::shared_ptr<Renderable> &shape);
    void removeShape(const std::shared_ptr<Renderable> &shape);
    void setList(Drawings list);
    void edited(DrawingsEdit::Kind kind, const QRectF &area = {});
    void endDrag();
    // Takes a finished fading stroke out of the list into the fading ink.
    void fadeOut(const std::shared_ptr<Renderable> &shape);
    void eraseAlong(const QPointF &to);
    void startText(const QPointF &point);
    // Ends what is drawn, typed or fading before the list changes hands (a screen or surface
    // switch): a lone press or a fading stroke leaves nothing behind.
    void putDownDrag();
    // Where a screen's shapes on a surface are kept.
    Drawings *storeOf(quint32 screen, Surface surface);
    QRectF typedArea() const;

    DrawingHooks &m_hooks;
    QColor m_selectedColor = Qt::white;
    Shape m_selectedShape = Shape::arrow;
    std::shared_ptr<Renderable> m_live;
    DrawingsEdit m_lastEdit;
    std::array<double, toolCount> m_widths;
    // The eraser's drag in progress: where the pointer was, and which drag it is (one undo
    // step each).
    std::optional<QPointF> m_eraseFrom;
    quint64 m_eraseDrag = 0;
    std::optional<double> m_pressure;
    bool m_stylusEraser = false;
    std::shared_ptr<RenderableText> m_typed;
    int m_caret = 0;
    Surface m_surface = Surface::screen;
    // The boards' shapes by screen (the screen's own are in the cache).
    std::map<std::pair<quint32, Surface>, Drawings> m_boards;
    bool m_fading = false;
};
