#include "drawing/gestures/TextGesture.h"

#include "drawing/DrawingViewModel.h"
#include "drawing/tools/ToolFactory.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

template <typename Change> void TextGesture::edit(Change change) {
    const QRectF before = area();
    change();
    Q_EMIT m_model.typedTextChanged(before | area());
}

void TextGesture::press(const QPointF &point) {
    finish();
    edit([&] {
        m_text = std::static_pointer_cast<RenderableText>(
            makeShape(Shape::text, point, m_model.inkColor(), m_model.lineWidth(Shape::text)));
        m_caret = 0;
    });
}

QRectF TextGesture::area() const {
    return m_text ? m_text->typingArea(m_caret, m_preedit) : QRectF();
}

void TextGesture::type(const QString &typed) {
    if (!m_text || typed.isEmpty())
        return;
    edit([&] {
        m_text->setText(m_text->text().insert(m_caret, typed));
        m_caret += int(typed.size());
    });
}

void TextGesture::backspace() {
    if (!m_text || m_caret == 0)
        return;
    edit([&] {
        QString typed = m_text->text();
        // A character outside the basic plane is two code units.
        const int length = m_caret >= 2 && typed.at(m_caret - 1).isLowSurrogate() &&
                                   typed.at(m_caret - 2).isHighSurrogate()
                               ? 2
                               : 1;
        m_caret -= length;
        m_text->setText(typed.remove(m_caret, length));
    });
}

void TextGesture::setLineWidth(double width) {
    if (m_text)
        edit([&] {
            m_text->lineWidth = width;
            m_text->setText(m_text->text());
        });
}

void TextGesture::finish() {
    if (!m_text)
        return;
    const QRectF area = this->area();
    const std::shared_ptr<RenderableText> typed = std::exchange(m_text, nullptr);
    m_preedit.clear();
    Q_EMIT m_model.typedTextChanged(area);
    if (typed->text().isEmpty())
        return; // an empty text leaves nothing
    if (m_model.fading())
        m_model.fadeOut(typed);
    else
        m_model.add(typed);
}

bool TextGesture::key(const QKeyEvent &event) {
    if (!m_text)
        return false;
    if (event.modifiers() & Qt::ControlModifier) {
        // A command ends the text first: Ctrl+Z then takes the whole text back.
        finish();
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Escape:
        finish();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        type(QStringLiteral("\n"));
        break;
    case Qt::Key_Backspace:
        backspace();
        break;
    default:
        if (!event.text().isEmpty() && event.text().at(0).isPrint())
            type(event.text());
        break;
    }
    return true;
}

void TextGesture::inputMethod(const QInputMethodEvent &event) {
    if (!m_text)
        return;
    type(event.commitString());
    edit([&] { m_preedit = event.preeditString(); });
}
