#pragma once

#include "palette/LayerButton.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"

#include <QDebug>
#include <QFont>
#include <QFontDatabase>

// Outside the template so that the log can print it.
enum class RadioButtonState { normal, hover, selected };

inline QDebug operator<<(QDebug debug, RadioButtonState state) {
    QDebugStateSaver saver(debug);
    switch (state) {
    case RadioButtonState::normal:
        return debug.noquote() << "normal";
    case RadioButtonState::hover:
        return debug.noquote() << "hover";
    case RadioButtonState::selected:
        return debug.noquote() << "selected";
    }
    return debug;
}

// A palette button that stands for one item (a colour, a tool). Its look follows radioState.
//
// setup() and the three style operations are abstract: reaching these base versions is a
// programming error. C++ does not dispatch virtual calls from a base constructor to the
// subclass, so the most-derived constructor ends with finishConstruction(), which runs setup()
// and the first updateStyle() on the finished object.
template <typename Item> class RadioButton : public LayerButton {
public:
    using State = RadioButtonState;

    const Item &representedItem() const { return m_representedItem; }

    State radioState() const { return m_radioState; }
    void setRadioState(State state) {
        m_radioState = state;
        updateStyle();
    }

    void updateStyle() {
        if (m_radioState == State::normal)
            QLOG(description(), m_radioState);
        else
            QLOG_FLAG(description(), m_radioState);
        switch (m_radioState) {
        case State::hover:
            styleHover();
            break;
        case State::selected:
            styleSelected();
            break;
        case State::normal:
            styleNormal();
            break;
        }
    }

protected:
    RadioButton(Item item, const QString &title, QWidget *parent = nullptr)
        : LayerButton(parent)
        , m_representedItem(std::move(item)) {
        // Pixels, not typographic points: a point is a logical pixel, and the title
        // has to sit inside a 35-pixel disc on every screen.
        QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setPixelSize(14);
        font.setWeight(QFont::Bold);
        setAttributedTitle(title, font, Qt::black);
    }

    void finishConstruction() {
        setup();
        updateStyle();
    }

    virtual void setup() { QUILLORY_FATAL(QStringLiteral("setup()")); }
    virtual void styleNormal() { QUILLORY_FATAL(QStringLiteral("styleNormal()")); }
    virtual void styleHover() { QUILLORY_FATAL(QStringLiteral("styleHover()")); }
    virtual void styleSelected() { QUILLORY_FATAL(QStringLiteral("styleSelected()")); }

private:
    State m_radioState = State::normal;
    const Item m_representedItem;
};
