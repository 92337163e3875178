#include "palette/ModeColumn.h"

#include "core/SystemColors.h"
#include "palette/BaseRadioButton.h"
#include "palette/ColorRadioButton.h"
#include "palette/RadioButtonGroup.h"
#include "platform/x11/KeyCodeTranslation.h"
#include "widgets/ImageView.h"

#include <QEvent>
#include <QVBoxLayout>

// The toggles' items stand in the toggle table's order.
static_assert(int(ModeColumn::Item::fade) == int(Toggle::fade) &&
              int(ModeColumn::Item::blackboard) == int(Toggle::blackboard) &&
              int(ModeColumn::Item::pointer) == toggleCount);

namespace {
constexpr int kSide = BaseRadioButton<int>::side;
constexpr int kInset = 8; // as the tool buttons: a 19-pixel icon inside the ring

struct ItemRow {
    const char *icon;
    const char *nameId; // the string-table id of its name
    std::optional<Key> key;
    bool checkable;
};

ItemRow itemRow(ModeColumn::Item item) {
    using Item = ModeColumn::Item;
    switch (item) {
    case Item::pointer:
        return {"iconPointer", "overlay.pointerMode", pointerModeKey, true};
    case Item::undo:
        //% "Undo"
        return {"iconUndo", QT_TRID_NOOP("palette.undo"), std::nullopt, false};
    case Item::redo:
        //% "Redo"
        return {"iconRedo", QT_TRID_NOOP("palette.redo"), std::nullopt, false};
    default: {
        const ToggleRow &row = toggles()[std::size_t(item)];
        static constexpr const char *icons[] = {"iconFade", "iconSpotlight", "iconZoom",
                                                "iconWhiteboard", "iconBlackboard"};
        return {icons[std::size_t(item)], row.nameId, row.key, true};
    }
    }
}
} // namespace

ModeButton::ModeButton(const QString &icon, bool checkable, QWidget *parent)
    : LayerButton(parent)
    , m_image(new ImageView(this)) {
    setCheckable(checkable);
    setWantsLayer(true);
    setBorderWidth(BaseRadioButton<int>::ringWidth);
    setFixedSize(kSide, kSide);
    setFocusPolicy(Qt::NoFocus);
    m_image->setImage(SvgImage::named(icon));
    m_image->setGeometry(kInset, kInset, kSide - 2 * kInset, kSide - 2 * kInset);
    connect(this, &QAbstractButton::toggled, this, &ModeButton::updateStyle);
    updateStyle();
}

void ModeButton::updateStyle() {
    const bool on = isChecked();
    setBackgroundColor(on ? QColor(204, 228, 255) : QColor(Qt::white));
    setBorderColor(on ? SystemColors::systemBlue() : SystemColors::systemGray());
    // Faint while it has nothing to do; half while hovered, as the other palette buttons.
    const qreal alpha = !isEnabled() ? 0.35 : m_hovered && !on ? 0.5 : 1.0;
    setAlphaValue(alpha);
    m_image->setOpacity(alpha);
    update();
}

void ModeButton::enterEvent(QEnterEvent *event) {
    LayerButton::enterEvent(event);
    m_hovered = true;
    updateStyle();
}

void ModeButton::leaveEvent(QEvent *event) {
    LayerButton::leaveEvent(event);
    m_hovered = false;
    updateStyle();
}

void ModeButton::changeEvent(QEvent *event) {
    LayerButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateStyle();
}

void ModeButton::resizeEvent(QResizeEvent *event) {
    LayerButton::resizeEvent(event);
    setCornerRadius(height() * 0.5);
}

ModeColumn::ModeColumn(QWidget *parent)
    : QWidget(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(RadioButtonGroup<QColor, ColorRadioButton>::spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i <= int(Item::redo); ++i) {
        const Item item = Item(i);
        const ItemRow row = itemRow(item);
        auto *button = new ModeButton(QLatin1String(row.icon), row.checkable, this);
        const QString name = qtTrId(row.nameId);
        const QString key = row.key              ? KeyCodeTranslation::keyLabel(*row.key)
                            : item == Item::undo ? u"Ctrl+Z"_qs
                                                 : u"Ctrl+Shift+Z"_qs;
        button->setAccessibleName(name);
        button->setAccessibleDescription(qtTrId("palette.key").arg(key));
        //% "%1 (%2)"
        button->setToolTip(qtTrId("palette.toolTip").arg(name, key));
        connect(button, &QAbstractButton::clicked, this, [this, item] { Q_EMIT clicked(item); });
        layout->addWidget(button);
        m_buttons << button;
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
}

void ModeColumn::setPressed(Item item, bool pressed) {
    button(item)->setChecked(pressed);
}

void ModeColumn::setAvailable(Item item, bool available) {
    button(item)->setEnabled(available);
}
