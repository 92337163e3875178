#pragma once

#include "palette/RadioButton.h"
#include "platform/FatalError.h"
#include "platform/FillLayout.h"
#include "platform/LayoutExtension.h"
#include "settings/Watchable.h"

#include <QList>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <optional>
#include <type_traits>

// A column of radio buttons of which exactly one is selected. selectedItem publishes the
// selected button's item on every press, also when it was selected already.
//
// Hover: the group, its stack and its buttons all track the mouse. A button ignores moves
// while no mouse button is down, so every move over the group arrives here by propagation,
// once, in the group's coordinates. X11 delivers moves to inactive windows too, so the hover
// works whether or not the application is active.
template <typename Item, typename Button> class RadioButtonGroup : public QWidget {
    static_assert(std::is_base_of_v<RadioButton<Item>, Button>,
                  "a group's buttons are radio buttons of its item type");

public:
    static constexpr int spacing = 15;

    // The group takes the buttons; the first one starts selected.
    explicit RadioButtonGroup(const QList<Button *> &options, QWidget *parent = nullptr)
        : QWidget(parent)
        , m_stack(new QWidget(this)) {
        auto *stackLayout = new QVBoxLayout(m_stack);
        stackLayout->setSpacing(spacing);
        stackLayout->setContentsMargins(0, 0, 0, 0);

        if (options.isEmpty())
            QUILLORY_FATAL(QStringLiteral("init(options:)"));

        m_buttons = options;
        m_selectedItem = std::make_unique<Watchable<Item>>(options.first()->representedItem());
        m_buttons.first()->setRadioState(RadioButtonState::selected);

        setMouseTracking(true);
        m_stack->setMouseTracking(true);
        for (Button *button : m_buttons) {
            QObject::connect(button, &QAbstractButton::clicked, this,
                             [this, button] { pressed(button); });
            button->setMouseTracking(true);
            stackLayout->addWidget(button);
        }

        // The group is exactly as large as its column of buttons, from the start: the overlay
        // places it by its size before it is ever shown.
        FillLayout *fill = constraintsFillingSuperview(m_stack, {}).activate();
        fill->setSizeConstraint(QLayout::SetFixedSize);
        fill->activate();
    }

    Watchable<Item> &selectedItem() { return *m_selectedItem; }
    const QList<Button *> &buttons() const { return m_buttons; }

    // The buttons' action, and the overlay's way to select. Anything but one of this group's
    // buttons is a programming error.
    void pressed(QObject *sender) {
        auto *pressedButton = dynamic_cast<Button *>(sender);
        if (!pressedButton || !m_buttons.contains(pressedButton))
            QUILLORY_FATAL(QStringLiteral("pressed(button:)"));
        for (Button *button : std::as_const(m_buttons)) {
            if (button == pressedButton) {
                button->setRadioState(RadioButtonState::selected);
                m_selectedItem->setValue(button->representedItem());
            } else {
                button->setRadioState(RadioButtonState::normal);
            }
        }
    }

    // Presses the button at index in buttons() (top to bottom).
    void pressed(int index) {
        if (index < 0 || index >= m_buttons.size())
            QUILLORY_FATAL(QStringLiteral("Index out of range"));
        pressed(m_buttons[index]);
    }

protected:
    void mouseMoveEvent(QMouseEvent *event) override {
        QWidget::mouseMoveEvent(event);
        // With a mouse button down the move is a drag, which does not hover.
        if (event->buttons() == Qt::NoButton)
            hover(event->position());
    }

    void leaveEvent(QEvent *event) override {
        QWidget::leaveEvent(event);
        // Qt's leave event carries no position; the pointer is outside the group, over none
        // of its buttons.
        hover(std::nullopt);
    }

private:
    void hover(std::optional<QPointF> location) {
        for (Button *button : std::as_const(m_buttons)) {
            if (button->radioState() == RadioButtonState::selected)
                continue;
            const QRectF frame(button->mapTo(this, QPoint(0, 0)), button->size());
            button->setRadioState(location && frame.contains(*location) ? RadioButtonState::hover
                                                                        : RadioButtonState::normal);
        }
    }

    std::unique_ptr<Watchable<Item>> m_selectedItem;
    QWidget *m_stack;
    QList<Button *> m_buttons;
};
