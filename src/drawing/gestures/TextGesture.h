#pragma once

#include "drawing/gestures/Gesture.h"
#include "drawing/tools/RenderableText.h"

#include <QRectF>

// The text tool: a press places a caret, keys and the input method type at it, and the text
// becomes one shape (one undo step) when the typing ends: a click elsewhere, Escape, a command
// key, another tool, a screen or surface switch, a screenshot.
class TextGesture : public Gesture {
public:
    using Gesture::Gesture;
    void press(const QPointF &point) override;
    void putDown() override { finish(); }
    bool holdsKeyboard() const override { return bool(m_text); }
    // Return starts a line, Backspace takes the character before the caret, Escape finishes;
    // a key with Ctrl finishes the text and is left to the command it is.
    bool key(const QKeyEvent &event) override;
    void inputMethod(const QInputMethodEvent &event) override;

    // The text being typed (not yet in the list) or null, its caret before character
    // caret(), and what an input method composes at the caret, not yet typed.
    const std::shared_ptr<RenderableText> &text() const { return m_text; }
    int caret() const { return m_caret; }
    const QString &preedit() const { return m_preedit; }
    // Where the text, its caret and the composed text paint (view coordinates).
    QRectF area() const;

    // Inserts at the caret.
    void type(const QString &text);
    void backspace();
    // Ends the typing: a text with characters becomes a shape (or fading ink).
    void finish();
    // The text's size follows the line width while it is typed.
    void setLineWidth(double width);

private:
    // Changes the text by `change` and reports what needs painting again.
    template <typename Change> void edit(Change change);

    std::shared_ptr<RenderableText> m_text;
    int m_caret = 0;
    QString m_preedit;
};
