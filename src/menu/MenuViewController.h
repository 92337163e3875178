#pragma once

#include "app/AppDelegate.h"
#include "platform/ModifierFlags.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class MainWindowController;
class NotificationCenter;
class PreferenceStore;
class QAbstractButton;
class QColorDialog;
class QFrame;
class QLabel;
class QPushButton;

// The tray panel's content: a row for each of the eight global shortcuts (title, icon, a
// button that does it now, the shortcut box that records a new one, a clear button), the
// colours, the colour picker, the current colour and the preferences.
//
// Recording: a click on a row's box starts it; the next key pressed with a modifier becomes
// the row's shortcut. The key is the physical key pressed, stored by its position's name, so a
// shortcut recorded on any layout fires on the same key. While a row records, the global
// shortcuts are paused, so the combination reaches the recorder even when a row holds it.
class MenuViewController : public QWidget {
    Q_OBJECT
public:
    using Row = AppDelegate::Row;
    static constexpr int rowCount = AppDelegate::rowCount;

    struct Collaborators {
        PreferenceStore &preferences;
        AppDelegate &appDelegate;
        NotificationCenter &notifications;
    };

    explicit MenuViewController(const Collaborators &collaborators, QWidget *parent = nullptr);
    ~MenuViewController() override;

    struct RowViews {
        QLabel *title;
        QLabel *icon;
        QAbstractButton *button;
        QLabel *shortcut;
        QPushButton *box;
        QPushButton *cancel;
        // Below the row while its shortcut is not active: why, or how to bind the row's
        // `quillory --action` command in the desktop instead, with a button that copies it.
        QLabel *notice;
        QPushButton *copyCommand;
    };
    std::array<RowViews, rowCount> rows{};
    // Above the rows where no hotkey service exists: how to bind the rows' commands instead.
    QLabel *noServiceNotice = nullptr;
    QFrame *boxSelectedColor = nullptr;
    QPushButton *colorPicker = nullptr;
    QAbstractButton *btnPreferences = nullptr;
    QAbstractButton *btnQuit = nullptr;
    std::array<bool, rowCount> recordingFlags{};

    // Fills the rows from what is stored; run each time the panel is about to appear.
    void refreshShortcutRows();
    // Shows below each row whether its shortcut works, as the hotkey service last said.
    void updateRowStatus();
    void showRowStatus(Row row);
    void viewWillDisappear();
    void startRecording(Row row);
    void clearShortcut(Row row);
    void finishRecording();
    // The recorder's view of a key press or release, from the application-wide key monitor.
    void flagsChanged(ModifierFlags flags);
    // `characters`: what the layout in use writes on the key without modifiers; empty: the
    // key position's own name.
    void recordShortcutKey(quint32 keyCode, ModifierFlags flags, const QString &characters = {});
    void clickedRow(Row row);
    void clickedColor(int paletteIndex);
    void setSelectedColor(const QColor &color);
    void clickedColorSelector();
    void clickedPreferences();

    // Posted after every change to a row, for observers outside the panel; Quillory itself
    // has none, as the rows show their own state.
    static inline const QString updateShortcutKeysNotification =
        QStringLiteral("updateShortcutKeys");

Q_SIGNALS:
    // The Preferences button: the preferences window is to show.
    void preferencesRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The desktop switched between light and dark: the hand-drawn buttons follow.
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void removeStoredShortcut(Row row);
    void showSelectedColor();
    std::optional<Row> recordingRow() const;
    void setBoxRecording(Row row, bool recording);
    void showShortcut(Row row, const QString &text, bool set);
    void pauseHotKeys(bool paused);
    void postUpdate();
    void closePopover();

    PreferenceStore &m_preferences;
    AppDelegate &m_appDelegate;
    NotificationCenter &m_notifications;
    std::unique_ptr<QColorDialog> m_colorPanel;
    bool m_paused = false;
};
