#pragma once

#include "core/Action.h"
#include "core/OverlayMode.h"
#include "hotkeys/HotKey.h"

#include <QDateTime>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QUrl>

#include <array>
#include <memory>

class AppActivation;
class DrawingViewController;
class MainWindowController;
class NotificationCenter;
class PopoverPanel;
class PreferenceStore;
class ScreenDaemon;
struct RequestChannels;

// The application controller: starts Quillory, owns the tray icon and its panel, turns the
// stored shortcuts into global hotkeys and carries out their actions.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // The shortcut rows, in their order (the action table's rows follow the same order): the
    // application's eight, then the overlay's modes.
    enum Row {
        AppActivate,
        DesktopTools,
        Line,
        Arrow,
        Rectangle,
        Circle,
        Timer,
        StrightLine,
        PointerMode = pointerModeRow,
        Laser,
        FadingInk,
        Spotlight,
        Zoom,
        WhiteBoard,
        BlackBoard
    };
    static constexpr int rowCount = shortcutRowCount;

    struct Collaborators {
        PreferenceStore &preferences;
        AppActivation &activation;
        ScreenDaemon &screens;
        NotificationCenter &notifications;
        RequestChannels &requests;
        MainWindowController &overlay;
        // The product's review page, which the rating prompt opens; while it is empty the
        // prompt's schedule keeps its dates but no prompt is shown.
        QUrl reviewPage = {};
    };

    explicit AppDelegate(const Collaborators &collaborators, QObject *parent = nullptr);
    ~AppDelegate() override;

    QSystemTrayIcon *statusItem() const { return m_statusItem.get(); }
    PopoverPanel *popoverMenu() const { return m_popoverMenu.get(); }

    void applicationDidFinishLaunching();
    void applicationDidBecomeActive();
    void applicationDidResignActive();

    // The row's hotkey; assigning registers the new one before the old one is released.
    const std::shared_ptr<HotKey> &hotKey(Row row) const { return m_hotKeys[row]; }
    void setHotKey(Row row, std::shared_ptr<HotKey> hotKey);
    const std::shared_ptr<HotKey> &hotKeyAppActivateShortcut() const { return hotKey(AppActivate); }
    const std::shared_ptr<HotKey> &hotKeyDesktopToolsShortcut() const {
        return hotKey(DesktopTools);
    }
    const std::shared_ptr<HotKey> &hotKeyLineShortcut() const { return hotKey(Line); }
    const std::shared_ptr<HotKey> &hotKeyArrowShortcut() const { return hotKey(Arrow); }
    const std::shared_ptr<HotKey> &hotKeyRectangleShortcut() const { return hotKey(Rectangle); }
    const std::shared_ptr<HotKey> &hotKeyCircleShortcut() const { return hotKey(Circle); }
    const std::shared_ptr<HotKey> &hotKeyTimerShortcut() const { return hotKey(Timer); }
    const std::shared_ptr<HotKey> &hotKeyStrightLineShortcut() const { return hotKey(StrightLine); }

    // Register: builds the row's hotkey from shortcutKey()/shortcutModifiers(); unregister:
    // drops it.
    void registerRow(Row row);
    void unregisterRow(Row row);
    void register_AppActivate(QObject * = nullptr) { registerRow(AppActivate); }
    void register_DesktopTools(QObject * = nullptr) { registerRow(DesktopTools); }
    void register_Line(QObject * = nullptr) { registerRow(Line); }
    void register_Arrow(QObject * = nullptr) { registerRow(Arrow); }
    void register_Rectangle(QObject * = nullptr) { registerRow(Rectangle); }
    void register_Circle(QObject * = nullptr) { registerRow(Circle); }
    void register_Timer(QObject * = nullptr) { registerRow(Timer); }
    void register_StrightLine(QObject * = nullptr) { registerRow(StrightLine); }
    void unRegister_AppActivate(QObject * = nullptr) { unregisterRow(AppActivate); }
    void unRegister_DesktopTools(QObject * = nullptr) { unregisterRow(DesktopTools); }
    void unRegister_Line(QObject * = nullptr) { unregisterRow(Line); }
    void unRegister_Arrow(QObject * = nullptr) { unregisterRow(Arrow); }
    void unRegister_Rectangle(QObject * = nullptr) { unregisterRow(Rectangle); }
    void unRegister_Circle(QObject * = nullptr) { unregisterRow(Circle); }
    void unRegister_Timer(QObject * = nullptr) { unregisterRow(Timer); }
    void unRegister_StrightLine(QObject * = nullptr) { unregisterRow(StrightLine); }
    void registerStoredShortcuts();

    // What a row's hotkey does when pressed; the remote control runs the same actions.
    void performHotKeyAction(Row row);
    // Shows the overlay with `shape`'s tool picked.
    void pickTool(Shape shape);
    // Draws again, or lets the pointer and the keys through to the programs below, the
    // drawings staying on the screen; either shows the overlay.
    void setMode(OverlayMode mode);
    // The overlay's state for scripts, as one line of JSON: whether it shows, its mode, and
    // the selected tool's action name, colour and line width, e.g.
    // {"visible":true,"mode":"pointer","tool":"pen","color":"#FF3B30","width":3}
    QString stateReport();
    // Switches an effect on or off. All but fading ink show the overlay, drawing.
    void toggle(Toggle toggle);
    // Turns the board shown to its next page (`step` 1) or its previous one (-1).
    void turnPage(int step);
    // `quillory --export PATH` and `--open PATH`: empty when done, or why not.
    QString exportDrawings(const QString &path);
    QString openDrawing(const QString &path);
    // The presenter's own quit (the panel's Quit, `--action quit`): the drawings' journal is
    // closed as the presenter chose, then the event loop ends.
    void quit();
    void activateApp();
    void statusButtonClicked(bool rightClick);
    void showQuillory(QObject * = nullptr);
    void saveButtonPressed(QObject * = nullptr);
    void copyButtonPressed(QObject * = nullptr);
    void helpPressed(QObject * = nullptr);
    void closePopover();

    // The rating prompt: due at a launch three full days after the first one, at most once a
    // day, until the user goes to rate. Returns whether it is due now (and schedules it).
    bool rateSchedule(const QDateTime &now);
    static qint64 daysSince(const QDateTime &date, const QDateTime &now);
    void showRateusAlert();
    void btnYesRate();
    void btnNoCLicked();
    QPointer<QMessageBox> AlertRateus;

    // The commands of the overlay this application shows.
    DrawingViewController &drawing();

Q_SIGNALS:
    // The timer row was pressed: the countdown is to show (the overlay has closed).
    void timerRequested();
    // At launch: the stored start-at-login switch is to follow the login item, as the desktop
    // has it.
    void startAtLoginCheckRequested();
    // The presenter quits: what is kept on disk is to be settled before the event loop ends.
    void quitRequested();
    // The export dialog is to show (`--action export`).
    void exportDialogRequested();

protected:
    // Follows the overlay's window, whose pass-through holds the tray icon.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activateNowAndAgainSoon();
    void updateToolTip();
    void updatePassThrough();
    void updateWayBack();

    PreferenceStore &m_preferences;
    AppActivation &m_activation;
    ScreenDaemon &m_screens;
    NotificationCenter &m_notifications;
    RequestChannels &m_requests;
    MainWindowController &m_overlay;
    QUrl m_reviewPage;
    std::unique_ptr<QSystemTrayIcon> m_statusItem;
    std::unique_ptr<PopoverPanel> m_popoverMenu;
    std::array<std::shared_ptr<HotKey>, rowCount> m_hotKeys;
};
