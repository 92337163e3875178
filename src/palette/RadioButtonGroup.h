#pragma once

#include "palette/RadioButton.h"
#include "platform/FatalError.h"
#include "settings/Watchable.h"
#include "widgets/LayoutExtension.h"

#include <QButtonGroup>
#include <QEvent>
#include <QLayout>
#include <QList>
#include <QGridLayout>
#include <QWidget>

#include <memory>
#include <type_traits>

// A column of radio buttons of which exactly one is selected. selectedItem publishes the
// selected button's item on every press, also when it was selected already. A button that is
// not selected shows the hover style while the pointer is over it.
template <typename Item, typename Button> class RadioButtonGroup : public QWidget {
    static_assert(std::is_base_of_v<RadioButton<Item>, Button>,
                  "a group's buttons are radio buttons of its item type");

public:
    static constexpr int spacing = 15;

    // The group takes the buttons; the first one starts selected. They stand in one column,
    // or in columns of `columnLength` from the top, left to right.
    explicit RadioButtonGroup(const QList<Button *> &options, QWidget *parent = nullptr,
                              int columnLength = 0)
        : QWidget(parent)
        , m_stack(new QWidget(this))
        , m_clicks(new QButtonGroup(this)) {
        auto *stackLayout = new QGridLayout(m_stack);
        stackLayout->setSpacing(spacing);
        stackLayout->setContentsMargins(0, 0, 0, 0);
        stackLayout->setAlignment(Qt::AlignTop);
        const int length = columnLength > 0 ? columnLength : int(options.size());

        if (options.isEmpty())
            QUILLORY_FATAL(QStringLiteral("init(options:)"));

        m_buttons = options;
        m_selectedItem = std::make_unique<Watchable<Item>>(options.first()->representedItem());
        m_buttons.first()->setRadioState(RadioButtonState::selected);

        for (int index = 0; index < m_buttons.size(); ++index) {
            Button *button = m_buttons[index];
            m_clicks->addButton(button, index);
            button->installEventFilter(this);
            stackLayout->addWidget(button, index % length, index / length);
        }
        QObject::connect(m_clicks, &QButtonGroup::idClicked, this,
                         [this](int index) { pressed(index); });

        // The group is exactly as large as its column of buttons, from the start: the overlay
        // places it by its size before it is ever shown.
        constraintsFillingSuperview(m_stack, {})
            .activate()
            ->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
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
    // The pointer entering or leaving a button; a selected button keeps its look.
    bool eventFilter(QObject *watched, QEvent *event) override {
        const bool entered = event->type() == QEvent::Enter;
        if (entered || event->type() == QEvent::Leave) {
            auto *button = static_cast<Button *>(watched);
            if (button->radioState() != RadioButtonState::selected)
                button->setRadioState(entered ? RadioButtonState::hover : RadioButtonState::normal);
        }
        return false;
    }

private:
    std::unique_ptr<Watchable<Item>> m_selectedItem;
    QWidget *m_stack;
    QButtonGroup *m_clicks;
    QList<Button *> m_buttons;
};
