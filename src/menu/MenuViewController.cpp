#include "menu/MenuViewController.h"

#include "core/Action.h"
#include "core/NamedColors.h"
#include "core/SystemColors.h"
#include "core/Tool.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/KeyCombo.h"
#include "overlay/DrawingViewController.h"
#include "platform/DiagnosticLog.h"
#include "platform/KeyEvent.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/KeyCodeTranslation.h"
#include "platform/x11/WindowHints.h"
#include "settings/Preferences.h"
#include "settings/StoredShortcut.h"
#include "widgets/FlatButton.h"
#include "widgets/buttoncursor.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using Row = MenuViewController::Row;

// A row's icon at the label's pixel density. The icons draw in dark grey; on a dark panel
// their grey turns to the text colour, and their coloured parts stay.
void showRowIcon(QLabel *label, const QPalette &palette) {
    const qreal ratio = label->devicePixelRatioF();
    const QString path = label->property("iconPath").toString();
    QImage image =
        QIcon(path).pixmap(QSize(18, 18), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor text = palette.color(QPalette::WindowText);
    // The application's own icon keeps its colours on any panel.
    if (text.lightness() >= 128 && !path.endsWith(u"quillory.svg"_qs)) {
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = QColor::fromRgba(line[x]);
                if (pixel.alpha() > 0 && pixel.hsvSaturation() < 40 && pixel.value() < 110)
                    line[x] = qRgba(text.red(), text.green(), text.blue(), pixel.alpha());
            }
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
}

// The panel's first eight colours pick the palette's buttons 1–8; the others only set the
// colour.
constexpr int kPaletteColors = 8;

// Ctrl combinations the recorder leaves to the application, by the character the layout
// gives the key: on AZERTY the key labelled Z is the one every program undoes with.
bool reserved(const QString &characters, ModifierFlags flags) {
    if ((flags & kDeviceIndependentModifiers) != ModifierCommand)
        return false;
    static const QStringList reservedCharacters = {u"c"_qs,  u"v"_qs, u"z"_qs, u"f"_qs, u","_qs,
                                                   u"h"_qs,  u"q"_qs, u"n"_qs, u"a"_qs, u"x"_qs,
                                                   u"\r"_qs, u"m"_qs, u"-"_qs, u"+"_qs};
    return reservedCharacters.contains(characters.toLower());
}

// The command that does a row's action, for the desktop's own shortcut settings.
QString commandLine(Row row) {
    return u"quillory --action "_qs + actionName(shortcutAction(row));
}

// How the desktop writes the modifiers held so far: "Ctrl+Alt+".
QString modifiersText(ModifierFlags flags) {
    return KeyCombo(Key::a, flags).nativeText().chopped(1);
}

QString comboText(Key key, ModifierFlags flags) {
    return KeyCombo(key, flags).labelText();
}

// A shortcut box fits "Set Shortcut" in the language in use ("Tastenkürzel festlegen") and the
// longest combination, inside its margins (8 each side) and border.
int boxWidth(const QFontMetrics &metrics) {
    const ModifierFlags all = ModifierCommand | ModifierOption | ModifierShift | ModifierControl;
    return std::max({140, metrics.horizontalAdvance(qtTrId("menu.setShortcut")) + 18,
                     metrics.horizontalAdvance(KeyCombo(Key::f12, all).nativeText()) + 18});
}

// A thin line in the text colour, faint: it shows on a light and on a dark panel.
QColor tertiaryLabel(const QPalette &palette) {
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.26f);
    return color;
}

QString boxStyle(bool recording, const QPalette &palette) {
    const QColor border = recording ? QColor(Qt::blue) : tertiaryLabel(palette);
    return QStringLiteral(
               "QPushButton { border: 1px solid %1; border-radius: 4px; padding: 3px 8px;"
               " text-align: left; }")
        .arg(border.name(QColor::HexArgb));
}

// The panel's buttons: flat, with a thin border that turns blue and a background that darkens
// while pressed.
void paintFlatButton(FlatButton *button, const QColor &background, const QPalette &palette) {
    button->setBorderNormalColor(tertiaryLabel(palette));
    button->setNormalColor(background);
    button->setBackgroundNormalColor(background);
    button->setBackgroundHighlightColor(background.darker(125));
    const QColor text = palette.color(QPalette::ButtonText);
    button->setTitleNormalColor(text);
    button->setTitleHighlightColor(text);
    button->setState(button->state());
}

FlatButton *flatButton(const QString &title, const QColor &background, QWidget *parent) {
    auto *button = new FlatButton(parent);
    button->setTitle(title);
    button->setImagePosition(FlatButton::NoImage);
    button->setCornerRadius(5);
    button->setBorderWidth(1);
    button->setBorderHighlightColor(SystemColors::systemBlue());
    button->setOnAnimateDuration(0.1);
    button->setOffAnimateDuration(0.25);
    paintFlatButton(button, background, parent->palette());
    return button;
}

} // namespace

MenuViewController::MenuViewController(const Collaborators &collaborators, QWidget *parent)
    : QWidget(parent)
    , m_preferences(collaborators.preferences)
    , m_appDelegate(collaborators.appDelegate)
    , m_notifications(collaborators.notifications) {
    setObjectName(QStringLiteral("MenuViewController"));
    auto *layout = new QVBoxLayout(this);
    //% "Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your "
    //% "desktop's keyboard settings instead."
    noServiceNotice = new QLabel(qtTrId("menu.shortcut.noService"), this);
    noServiceNotice->setObjectName(QStringLiteral("lblNoShortcutService"));
    noServiceNotice->setWordWrap(true);
    layout->addWidget(noServiceNotice);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < rowCount; ++i) {
        const Action &action = shortcutAction(i);
        const QString name = QLatin1String(action.shortcut->panelName);
        RowViews &row = rows[i];
        row.icon = new QLabel(this);
        row.icon->setProperty("iconPath", shortcutIcon(action));
        showRowIcon(row.icon, palette());
        row.icon->setObjectName(u"imgView"_qs + name);
        row.title = new QLabel(shortcutTitle(action), this);
        row.title->setObjectName(u"lblTitle"_qs + name);
        row.button = flatButton(QStringLiteral("▶"), palette().color(QPalette::Button), this);
        row.button->setObjectName(u"btn"_qs + name);
        row.button->setFixedSize(30, 24);
        row.button->setAccessibleName(row.title->text());
        //% "Do it now"
        row.button->setToolTip(qtTrId("menu.row.do"));
        row.box = new QPushButton(this);
        row.box->setObjectName(u"box"_qs + name + u"Shortcut"_qs);
        row.shortcut = new QLabel(row.box);
        row.box->setMinimumWidth(boxWidth(row.shortcut->fontMetrics()));
        row.shortcut->setObjectName(u"lblShortcut"_qs + name);
        row.shortcut->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto *boxLayout = new QHBoxLayout(row.box);
        boxLayout->setContentsMargins(8, 2, 8, 2);
        boxLayout->addWidget(row.shortcut);
        row.cancel = new buttoncursor(this);
        row.cancel->setText(QStringLiteral("×"));
        row.cancel->setObjectName(u"btnCancelShortcut"_qs + name);
        row.cancel->setFlat(true);
        row.cancel->setFixedWidth(24);
        //% "Clear shortcut: %1"
        row.cancel->setAccessibleName(qtTrId("menu.clear.accessible").arg(row.title->text()));
        row.notice = new QLabel(this);
        row.notice->setObjectName(u"lblNotice"_qs + name);
        row.notice->setWordWrap(true);
        row.notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row.notice->hide();
        row.copyCommand = new buttoncursor(this);
        //% "Copy"
        row.copyCommand->setText(qtTrId("menu.copyCommand"));
        row.copyCommand->setObjectName(u"btnCopyCommand"_qs + name);
        row.copyCommand->hide();
        grid->addWidget(row.icon, 2 * i, 0);
        grid->addWidget(row.title, 2 * i, 1);
        grid->addWidget(row.button, 2 * i, 2);
        grid->addWidget(row.box, 2 * i, 3);
        grid->addWidget(row.cancel, 2 * i, 4);
        grid->addWidget(row.notice, 2 * i + 1, 1, 1, 3);
        grid->addWidget(row.copyCommand, 2 * i + 1, 4);
        const Row r = Row(i);
        connect(row.copyCommand, &QPushButton::clicked, this,
                [r] { QGuiApplication::clipboard()->setText(commandLine(r)); });
        connect(row.button, &QAbstractButton::clicked, this, [this, r] { clickedRow(r); });
        connect(row.box, &QPushButton::clicked, this, [this, r] { startRecording(r); });
        connect(row.cancel, &QPushButton::clicked, this, [this, r] { clearShortcut(r); });
    }
    layout->addLayout(grid);

    auto *colors = new QHBoxLayout;
    colors->setSpacing(4);
    for (int i = 0; i < int(namedColors().size()); ++i) {
        const NamedColor &named = namedColors()[std::size_t(i)];
        const QColor color = named.color();
        FlatButton *button = flatButton({}, color, this);
        button->setFixedSize(22, 22);
        button->setCornerRadius(11);
        button->setAccessibleName(qtTrId(named.nameId));
        button->setToolTip(button->accessibleName());
        connect(button, &QAbstractButton::clicked, this, [this, i, color] {
            if (i < kPaletteColors)
                clickedColor(i);
            else
                setSelectedColor(color);
            closePopover();
        });
        colors->addWidget(button);
    }
    colorPicker = new buttoncursor(this);
    colorPicker->setText(QStringLiteral("…"));
    colorPicker->setObjectName(QStringLiteral("colorPicker"));
    colorPicker->setFixedSize(30, 22);
    //% "Color Picker"
    colorPicker->setToolTip(qtTrId("menu.colorPicker"));
    colorPicker->setAccessibleName(colorPicker->toolTip());
    connect(colorPicker, &QPushButton::clicked, this, &MenuViewController::clickedColorSelector);
    colors->addWidget(colorPicker);
    colors->addStretch();
    boxSelectedColor = new QFrame(this);
    boxSelectedColor->setObjectName(QStringLiteral("boxSelectedColor"));
    boxSelectedColor->setFixedSize(36, 22);
    //% "Current colour"
    boxSelectedColor->setAccessibleName(qtTrId("menu.selectedColor"));
    colors->addWidget(boxSelectedColor);
    // The swatch follows every change of the colour, wherever it comes from.
    connect(&m_appDelegate.drawing(), &DrawingViewController::selectionChanged, this,
            &MenuViewController::showSelectedColor);
    layout->addLayout(colors);

    //% "Preferences…"
    btnPreferences =
        flatButton(qtTrId("menu.preferences"), palette().color(QPalette::Button), this);
    btnPreferences->setObjectName(QStringLiteral("btnPreferences"));
    btnPreferences->setFixedSize(btnPreferences->sizeHint() + QSize(24, 10));
    connect(btnPreferences, &QAbstractButton::clicked, this,
            &MenuViewController::clickedPreferences);
    //% "Quit"
    btnQuit = flatButton(qtTrId("menu.quit"), palette().color(QPalette::Button), this);
    btnQuit->setObjectName(QStringLiteral("btnQuit"));
    //% "Quit Quillory"
    btnQuit->setAccessibleName(qtTrId("menu.quit.accessible"));
    btnQuit->setFixedSize(btnQuit->sizeHint() + QSize(24, 10));
    connect(btnQuit, &QAbstractButton::clicked, this, [this] { m_appDelegate.quit(); });
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(btnQuit);
    bottom->addStretch();
    bottom->addWidget(btnPreferences);
    layout->addLayout(bottom);
    setTabOrder(btnQuit, btnPreferences); // as they stand: Quit, then Preferences last

    // The key monitor: sees every key of the application and never swallows one.
    qApp->installEventFilter(this);
    // A service that answers later (the portal) may refuse a shortcut at any time.
    connect(&HotKeysController::statusReporter(), &HotKeyStatusReporter::statusChanged, this,
            &MenuViewController::updateRowStatus);
    refreshShortcutRows();
}

// Nothing to resume here: the panel goes with the application controller, whose hotkeys are
// gone by then.
MenuViewController::~MenuViewController() = default;

void MenuViewController::updateRowStatus() {
    for (int i = 0; i < rowCount; ++i)
        showRowStatus(Row(i));
}

void MenuViewController::showRowStatus(Row r) {
    const std::shared_ptr<HotKey> &hotKey = m_appDelegate.hotKey(r);
    const HotKeysController::HotKeyBox *box = hotKey ? HotKeysController::box(*hotKey) : nullptr;
    const QString command = commandLine(r);
    QString text;
    const bool service = HotKeysController::backend() != nullptr;
    noServiceNotice->setVisible(!service);
    if (!service) {
        text = command;
    } else if (box && box->status == hotKeyPending) {
        //% "Not active yet: waiting for the desktop to accept it."
        text = qtTrId("menu.shortcut.pending");
    } else if (box && box->status != noErr) {
        // The log has the service's own words; the row says what it means for the user.
        QString why;
        if (box->status == eventHotKeyExistsErr)
            //% "Not active: the desktop did not accept this combination; another program or "
            //% "shortcut may have it."
            why = qtTrId("menu.shortcut.refusedTaken");
        else if (box->status == eventHotKeyInvalidErr)
            //% "Not active: the desktop cannot use this key."
            why = qtTrId("menu.shortcut.refusedKey");
        else
            //% "Not active: the desktop's shortcut service failed."
            why = qtTrId("menu.shortcut.failed");
        //% "%1 You can bind this command in your desktop's keyboard settings instead: %2"
        text = qtTrId("menu.shortcut.instead").arg(why, command);
    }
    RowViews &row = rows[r];
    row.notice->setText(text);
    row.notice->setVisible(!text.isEmpty());
    row.copyCommand->setVisible(!text.isEmpty() && !(box && box->status == hotKeyPending));
    //% "Copy the command %1"
    row.copyCommand->setAccessibleName(qtTrId("menu.copyCommand.accessible").arg(command));
    row.box->setAccessibleDescription(text.isEmpty() ? row.title->text()
                                                     : row.title->text() + u". "_qs + text);
}

void MenuViewController::postUpdate() {
    m_notifications.post(updateShortcutKeysNotification);
}

void MenuViewController::closePopover() {
    m_appDelegate.closePopover();
}

std::optional<Row> MenuViewController::recordingRow() const {
    for (int i = 0; i < rowCount; ++i) {
        if (recordingFlags[i])
            return Row(i);
    }
    return std::nullopt;
}

// While a row records, no global shortcut fires: the recorder must see the combination.
void MenuViewController::pauseHotKeys(bool paused) {
    if (paused == m_paused)
        return;
    m_paused = paused;
    for (int i = 0; i < rowCount; ++i) {
        if (const std::shared_ptr<HotKey> &hotKey = m_appDelegate.hotKey(Row(i)))
            hotKey->setPaused(paused);
    }
}

void MenuViewController::setBoxRecording(Row row, bool recording) {
    rows[row].box->setStyleSheet(boxStyle(recording, palette()));
}

void MenuViewController::showShortcut(Row row, const QString &text, bool set) {
    //% "Set Shortcut"
    const QString shown = set || !text.isEmpty() ? text : qtTrId("menu.setShortcut");
    rows[row].shortcut->setText(shown);
    // Named by what it shows; the row it belongs to is its description.
    rows[row].box->setAccessibleName(shown);
    rows[row].cancel->setVisible(set);
    showRowStatus(row);
}

void MenuViewController::showSelectedColor() {
    const QColor selected = m_appDelegate.drawing().state().color;
    boxSelectedColor->setStyleSheet(
        QStringLiteral("QFrame { background: %1; border: 1px solid rgba(0,0,0,60); "
                       "border-radius: 4px; }")
            .arg(selected.name(QColor::HexArgb)));
    boxSelectedColor->setToolTip(colorName(selected));
}

void MenuViewController::refreshShortcutRows() {
    recordingFlags.fill(false);
    pauseHotKeys(false);
    showSelectedColor();
    for (int i = 0; i < rowCount; ++i) {
        setBoxRecording(Row(i), false);
        const auto &keys = Preferences::shortcuts[i];
        loadStoredShortcut(keys.key.key(), keys.flags.key(), m_preferences);
        const ModifierFlags modifiers = StoredShortcut::shortcutModifiers();
        // A name no key has is registered as nothing, and shown so.
        const std::optional<Key> key = keyFromName(StoredShortcut::shortcutKey());
        if (modifiers != 0 && key)
            showShortcut(Row(i), comboText(*key, modifiers), true);
        else
            showShortcut(Row(i), {}, false);
    }
    if (const std::optional<bool> shown = Preferences::updateToolsOnScreen.stored(m_preferences)) {
        //% "Hide Tools on Desktop"
        const QString title = *shown ? qtTrId("menu.row.hideTools")
                                     : shortcutTitle(shortcutAction(Row::DesktopTools));
        rows[Row::DesktopTools].title->setText(title);
        rows[Row::DesktopTools].button->setAccessibleName(title);
    }
}

void MenuViewController::viewWillDisappear() {
    recordingFlags.fill(false);
    pauseHotKeys(false);
}

void MenuViewController::startRecording(Row row) {
    recordingFlags[row] = true;
    rows[row].shortcut->clear();
    rows[row].cancel->hide();
    setBoxRecording(row, true);
    m_appDelegate.unregisterRow(row);
    removeStoredShortcut(row);
    StoredShortcut::shortcutModifiers() = 0;
    StoredShortcut::shortcutKey().clear();
    for (int i = 0; i < rowCount; ++i) {
        if (i != row && recordingFlags[i])
            clearShortcut(Row(i));
    }
    rows[row].box->setAccessibleName(qtTrId("menu.setShortcut"));
    //% "Recording: press the new shortcut"
    rows[row].box->setAccessibleDescription(qtTrId("menu.recording"));
    pauseHotKeys(true);
    postUpdate();
}

void MenuViewController::removeStoredShortcut(Row row) {
    const auto &keys = Preferences::shortcuts[row];
    // A row with a default keeps an empty shortcut: removed, the default would come back.
    if (Preferences::defaultShortcut(row)) {
        keys.flags.set(m_preferences, {});
        keys.key.set(m_preferences, {});
        return;
    }
    // One write: a crash between two would leave a key without its modifiers, or the reverse.
    m_preferences.remove(QStringList{keys.key.key(), keys.flags.key()});
}

void MenuViewController::clearShortcut(Row row) {
    recordingFlags[row] = false;
    StoredShortcut::shortcutModifiers() = 0;
    StoredShortcut::shortcutKey().clear();
    m_appDelegate.unregisterRow(row);
    removeStoredShortcut(row);
    showShortcut(row, {}, false);
    setBoxRecording(row, false);
    if (!recordingRow())
        pauseHotKeys(false);
    postUpdate();
}

void MenuViewController::finishRecording() {
    if (const std::optional<Row> row = recordingRow()) {
        setBoxRecording(*row, false);
        rows[*row].cancel->show();
    }
    recordingFlags.fill(false);
    pauseHotKeys(false);
    postUpdate();
}

void MenuViewController::flagsChanged(ModifierFlags flags) {
    const std::optional<Row> row = recordingRow();
    if (!row)
        return;
    if (StoredShortcut::shortcutKey().isEmpty())
        rows[*row].shortcut->setText(modifiersText(flags));
    postUpdate();
    if (!(flags & kDeviceIndependentModifiers))
        clearShortcut(*row);
}

void MenuViewController::recordShortcutKey(quint32 keyCode, ModifierFlags flags,
                                           const QString &characters) {
    flags &= kDeviceIndependentModifiers;
    if (!flags)
        return;
    const std::optional<Key> key = keyFromCarbonKeyCode(keyCode);
    if (!key)
        return;
    // The position's own name, whatever the layout printed on it.
    const QString keyString = acceptedNames(*key).value(0);
    if (keyString.isEmpty())
        return;
    StoredShortcut::shortcutKey() = keyString;
    const bool isReturn = *key == Key::return_ || *key == Key::keypadEnter;
    if (reserved(isReturn ? u"\r"_qs : characters.isEmpty() ? keyString : characters, flags))
        return;
    const std::optional<Row> row = recordingRow();
    if (!row)
        return;
    const QString text = comboText(*key, flags);
    for (int i = 0; i < rowCount; ++i) {
        const auto &keys = Preferences::shortcuts[i];
        if (i == *row || keys.key.stored(m_preferences) != keyString ||
            modifierFlagsFromCodes(keys.flags.value(m_preferences)) != flags)
            continue;
        StoredShortcut::shortcutKey().clear();
        StoredShortcut::shortcutModifiers() = 0;
        rows[*row].shortcut->clear();
        postUpdate();
        QLOG("Refused", text, "for row", int(*row), "- row", i, "has it");
        //% "Please use a different key combination."
        QMessageBox alert(QMessageBox::Information, QStringLiteral("Quillory"),
                          qtTrId("menu.shortcut.taken"), QMessageBox::Ok, window());
        alert.setWindowFlag(Qt::WindowStaysOnTopHint);
        alert.exec();
        // Back to the panel, where the row keeps recording.
        window()->activateWindow();
        rows[*row].box->setFocus();
        return;
    }
    StoredShortcut::shortcutModifiers() = flags;
    Preferences::shortcuts[*row].key.set(m_preferences, keyString);
    Preferences::shortcuts[*row].flags.set(m_preferences, modifierCodesFromFlags(flags));
    m_appDelegate.registerRow(*row);
    showShortcut(*row, text, true);
    QLOG("Recorded", text, "for row", int(*row), "- key", keyString);
    postUpdate();
    finishRecording();
}

void MenuViewController::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    const QColor button = palette().color(QPalette::Button);
    for (int i = 0; i < rowCount; ++i) {
        paintFlatButton(static_cast<FlatButton *>(rows[i].button), button, palette());
        showRowIcon(rows[i].icon, palette()); // the panel's: it changes first
        setBoxRecording(Row(i), recordingFlags[i]);
    }
    paintFlatButton(static_cast<FlatButton *>(btnPreferences), button, palette());
    paintFlatButton(static_cast<FlatButton *>(btnQuit), button, palette());
}

bool MenuViewController::eventFilter(QObject *watched, QEvent *event) {
    // Qt offers a key to the application's shortcuts (the overlay's Ctrl+S) before any window
    // sees it. A combination being recorded is claimed from them: accepted here, it comes on
    // as the key press the recorder reads below.
    if (event->type() == QEvent::ShortcutOverride && recordingRow() &&
        (static_cast<QKeyEvent *>(event)->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    // A key reaches its window before any widget (which may take it: the focused box takes
    // Space and the arrows, focus moves on Tab): look at it there, once.
    if (!watched->isWindowType() || !recordingRow())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const KeyEvent keyEvent = KeyEvent::fromQt(*key);
    const std::optional<Key> pressed =
        keyEvent.keyCode ? keyFromCarbonKeyCode(*keyEvent.keyCode) : std::nullopt;
    const bool modifierKey = pressed && *pressed >= Key::command && *pressed <= Key::rightShift;
    if (modifierKey) {
        // The server's state, which the event itself does not show yet.
        if (!key->isAutoRepeat())
            flagsChanged(modifierFlagsFromQt(QGuiApplication::queryKeyboardModifiers()));
        return false;
    }
    if (!(keyEvent.modifierFlags & kDeviceIndependentModifiers))
        return false;
    // A combination being recorded is the recorder's alone: Ctrl+Space must not also press
    // the box, nor Super+Tab move the focus away from it.
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && keyEvent.keyCode)
        recordShortcutKey(*keyEvent.keyCode, keyEvent.modifierFlags,
                          keyEvent.charactersIgnoringModifiers);
    return true;
}

void MenuViewController::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    refreshShortcutRows();
}

void MenuViewController::hideEvent(QHideEvent *event) {
    viewWillDisappear();
    QWidget::hideEvent(event);
}

void MenuViewController::clickedRow(Row row) {
    m_appDelegate.performHotKeyAction(row);
    closePopover();
}

void MenuViewController::clickedColor(int paletteIndex) {
    m_appDelegate.drawing().pickPaletteColor(paletteIndex);
}

void MenuViewController::setSelectedColor(const QColor &color) {
    m_appDelegate.drawing().pickColor(color);
}

void MenuViewController::clickedColorSelector() {
    if (!m_colorPanel) {
        // A window of its own: the panel closes now, the colours stay.
        m_colorPanel = std::make_unique<QColorDialog>();
        m_colorPanel->setOption(QColorDialog::ShowAlphaChannel);
        m_colorPanel->setOption(QColorDialog::NoButtons);
        m_colorPanel->setWindowFlag(Qt::WindowStaysOnTopHint);
        m_colorPanel->setWindowModality(Qt::NonModal);
        connect(m_colorPanel.get(), &QColorDialog::currentColorChanged, this,
                &MenuViewController::setSelectedColor);
    }
    m_colorPanel->setCurrentColor(m_appDelegate.drawing().state().color);
    m_colorPanel->show();
    m_colorPanel->raise();
    m_colorPanel->activateWindow();
    WindowHints::joinAllDesktops(m_colorPanel->winId());
    closePopover();
}

void MenuViewController::clickedPreferences() {
    closePopover();
    Q_EMIT preferencesRequested();
    // Once more a moment later, when the panel's closing is done with the focus.
    QTimer::singleShot(100, &m_appDelegate, &AppDelegate::activateApp);
}
