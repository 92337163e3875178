#pragma once

#include "core/OverlayMode.h"
#include "palette/LayerButton.h"

#include <QList>
#include <QWidget>

class ImageView;

// A round palette button for a mode or a command: white with a grey ring, light blue with a
// blue ring while its mode is on (checked, so a screen reader says "pressed"), faint while
// there is nothing for it to do.
class ModeButton : public LayerButton {
    Q_OBJECT
public:
    ModeButton(const QString &icon, bool checkable, QWidget *parent = nullptr);
    void updateStyle();

protected:
    // A click does not press it: the overlay's command it runs does, once the mode is on.
    void nextCheckState() override {}
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ImageView *m_image;
    bool m_hovered = false;
};

// The palette's column of modes beside its colours: the toggles (fading ink, the spotlight,
// the zoom, the two boards), pointer mode, then undo and redo. Each names itself and its key
// in its tooltip; the mode buttons show pressed while their mode is on, however it was
// switched.
class ModeColumn : public QWidget {
    Q_OBJECT
public:
    enum class Item : quint8 { fade, spotlight, zoom, whiteboard, blackboard, pointer, undo, redo };

    explicit ModeColumn(QWidget *parent = nullptr);

    ModeButton *button(Item item) const { return m_buttons.at(int(item)); }
    const QList<ModeButton *> &buttons() const { return m_buttons; }
    static Item itemOf(Toggle toggle) { return Item(int(toggle)); }
    void setPressed(Item item, bool pressed);
    void setAvailable(Item item, bool available);

Q_SIGNALS:
    void clicked(ModeColumn::Item item);

private:
    QList<ModeButton *> m_buttons;
};
