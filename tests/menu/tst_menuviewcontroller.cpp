#include "app/AppDelegate.h"
#include "app/RequestChannels.h"
#include "hotkeys/HotKeysController.h"
#include "menu/MenuViewController.h"
#include "overlay/MainWindowController.h"
#include "platform/DiagnosticLog.h"
#include "platform/InMemoryHotKeyBackend.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "platform/x11/AppActivation.h"
#include "platform/x11/CompositorWatcher.h"
#include "preferences/PreferencesWindowController.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"
#include "timer/TimerViewController.h"
#include "timer/TimerWindowController.h"
#include "widgets/PopoverPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Row = AppDelegate::Row;
constexpr quint32 kComma = 43, kF5 = 96, kQ = 12, kA = 0, kW = 13, kZ = 6;
constexpr ModifierFlags kCmd = ModifierCommand, kShift = ModifierShift, kOpt = ModifierOption,
                        kCtrl = ModifierControl;

// The panel with the application around it, on the offscreen platform.
struct Panel {
    QTemporaryDir dir;
    PreferenceStore preferences{dir.path() + u"/preferences.plist"_qs};
    AppActivation activation;
    ScreenDaemon screens{[] { return true; }};
    CompositorWatcher compositor;
    NotificationCenter notifications;
    RequestChannels requests;
    DrawingHooks hooks;
    MainWindowController overlay{{preferences, screens, compositor, notifications, hooks},
                                 activation};
    AppDelegate delegate{{preferences, activation, screens, notifications, requests, overlay}};
    MenuViewController menu{{preferences, delegate, notifications}};

    QString label(Row row) const { return menu.rows[row].shortcut->text(); }
    QString key(Row row) { return Preferences::shortcuts[row].key.value(preferences); }
    QList<qint64> codes(Row row) { return Preferences::shortcuts[row].flags.value(preferences); }
};

} // namespace

class TestMenuViewController : public QObject {
    Q_OBJECT
    std::shared_ptr<InMemoryHotKeyBackend> m_backend = std::make_shared<InMemoryHotKeyBackend>();

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(Localization::install());
        HotKeysController::setBackend(m_backend);
    }

    // What a key press records: the position's name ("comma" for Shift+Ctrl+comma, "f5"), the
    // codes in the order Super, Alt, Shift, Ctrl; Ctrl+Q alone is the application's and keeps
    // the row recording, Shift+Ctrl+Q is recorded.
    void recordsThePositionAndTheCodes() {
        Panel panel;
        panel.menu.startRecording(Row::Line);
        panel.menu.recordShortcutKey(kComma, kShift | kCmd);
        QCOMPARE(panel.key(Row::Line), u"comma"_qs);
        QCOMPARE(panel.codes(Row::Line), (QList<qint64>{14, 11}));
        QVERIFY(!panel.menu.recordingFlags[Row::Line]);
        QVERIFY(panel.delegate.hotKey(Row::Line));

        panel.menu.startRecording(Row::Arrow);
        panel.menu.recordShortcutKey(kF5, kCtrl | kOpt | kCmd);
        QCOMPARE(panel.key(Row::Arrow), u"f5"_qs);
        QCOMPARE(panel.codes(Row::Arrow), (QList<qint64>{12, 13, 11}));

        panel.menu.startRecording(Row::Circle);
        panel.menu.recordShortcutKey(kQ, kCmd);
        panel.menu.recordShortcutKey(kA, 0);
        QVERIFY(panel.key(Row::Circle).isEmpty());
        QVERIFY(panel.menu.recordingFlags[Row::Circle]);
        panel.menu.recordShortcutKey(kQ, kShift | kCmd);
        QCOMPARE(panel.key(Row::Circle), u"q"_qs);

        // Reserved by what the layout writes: on AZERTY Ctrl with the key labelled Z (the
        // position of W) stays the application's undo, the key labelled W records.
        panel.menu.startRecording(Row::Rectangle);
        panel.menu.recordShortcutKey(kW, kCmd, u"z"_qs);
        QVERIFY(panel.menu.recordingFlags[Row::Rectangle]);
        panel.menu.recordShortcutKey(kZ, kCmd, u"w"_qs);
        QCOMPARE(panel.key(Row::Rectangle), u"z"_qs);

        // Keys the focused box or the focus chain would take reach the recorder: Ctrl+Space,
        // Super+Tab. A stored name no key has shows the row as not set.
        panel.menu.show();
        const auto press = [&](int qtKey, quint32 x11Keycode, Qt::KeyboardModifiers modifiers) {
            QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, x11Keycode, 0, 0);
            QApplication::sendEvent(panel.menu.windowHandle(), &event);
        };
        for (const auto &[row, qtKey, keycode, name] :
             {std::tuple{Row::Timer, Qt::Key_Space, 65u, u"space"_qs},
              std::tuple{Row::StrightLine, Qt::Key_Tab, 23u, u"tab"_qs}}) {
            panel.menu.startRecording(row);
            panel.menu.rows[row].box->setFocus();
            press(qtKey, keycode, row == Row::Timer ? Qt::ControlModifier : Qt::MetaModifier);
            QCOMPARE(panel.key(row), name);
            QVERIFY(!panel.menu.recordingFlags[row]);
        }
        Preferences::shortcuts[Row::Timer].key.set(panel.preferences, u"bogus"_qs);
        panel.menu.refreshShortcutRows();
        QCOMPARE(panel.label(Row::Timer), u"Set Shortcut"_qs);

        // The modes' rows record and store alike under names of their own; pointer mode's
        // row, which has a default, keeps an empty shortcut when cleared.
        QCOMPARE(panel.menu.rows[Row::Spotlight].title->text(), u"Spotlight"_qs);
        panel.menu.startRecording(Row::Spotlight);
        panel.menu.recordShortcutKey(kF5, kShift | kCmd);
        QVERIFY(panel.preferences.string(u"pz.SpotlightKey"_qs) == u"f5"_qs &&
                panel.delegate.hotKey(Row::Spotlight));
        panel.menu.clearShortcut(Row::Spotlight);
        QVERIFY(!panel.preferences.contains(u"pz.SpotlightKey"_qs));
        panel.menu.clearShortcut(Row::PointerMode);
        QCOMPARE(panel.codes(Row::PointerMode), QList<qint64>());
        QVERIFY(panel.preferences.contains(u"pz.PointerModeKey"_qs));
    }

    // In every language every text of the panel, the preferences window, the countdown and its
    // settings shows whole ("Tastenkürzel festlegen" once lost its last letter in the shortcut
    // boxes). Symbols ("×", "…") have buttons of their own fixed size.
    void textsFitInEachLanguage() {
        const auto restore = qScopeGuard([] { Localization::install(); });
        for (const QString &table : QDir(u":/i18n"_qs).entryList()) {
            const QString language = table.mid(5).chopped(3);
            QVERIFY(Localization::install({language}));
            Panel panel;
            PreferencesWindowController preferences(
                panel.preferences, {[] { return QUrl(); }, [] { return QUrl(); }, {}});
            TimerWindowController countdown({panel.preferences, panel.activation});
            panel.menu.show();
            preferences.showWindow();
            countdown.showWindow();
            QTest::mouseClick(countdown.contentViewController()->btnSetting, Qt::LeftButton);
            for (QWidget *window :
                 QList<QWidget *>{&panel.menu, &preferences, countdown.window(),
                                  countdown.contentViewController()->popOverSettings}) {
                QVERIFY(QTest::qWaitForWindowExposed(window));
                for (const QWidget *widget : window->findChildren<QWidget *>()) {
                    const auto *label = qobject_cast<const QLabel *>(widget);
                    if (!label && !widget->inherits("QAbstractButton"))
                        continue;
                    QVERIFY2(!widget->isVisible() ||
                                 widget->property("text").toString().size() < 2 ||
                                 (label && label->wordWrap()) ||
                                 widget->sizeHint().width() <= widget->width(),
                             qPrintable(language + u": "_qs + widget->property("text").toString()));
                }
            }
        }
    }

    // Releasing every modifier before a key, or starting another row, leaves the row empty and
    // its old hotkey gone; the tools row's title follows the stored palette choice.
    void abandonedRecordingsLeaveTheRowEmpty() {
        Panel panel;
        panel.menu.startRecording(Row::Line);
        panel.menu.recordShortcutKey(kA, kCtrl | kOpt);
        QVERIFY(panel.delegate.hotKey(Row::Line));

        panel.menu.startRecording(Row::Line);
        QVERIFY(!panel.delegate.hotKey(Row::Line)); // gone at once
        panel.menu.flagsChanged(kCmd);
        QVERIFY(panel.label(Row::Line).startsWith(u"Ctrl"_qs));
        panel.menu.flagsChanged(0);
        QVERIFY(!panel.menu.recordingFlags[Row::Line]);
        QVERIFY(panel.key(Row::Line).isEmpty());
        QCOMPARE(panel.label(Row::Line), u"Set Shortcut"_qs);

        panel.menu.startRecording(Row::Line);
        panel.menu.startRecording(Row::Arrow);
        QVERIFY(!panel.menu.recordingFlags[Row::Line]);
        QCOMPARE(panel.label(Row::Line), u"Set Shortcut"_qs);
        QVERIFY(panel.menu.recordingFlags[Row::Arrow]);

        Preferences::updateToolsOnScreen.set(panel.preferences, true);
        panel.menu.refreshShortcutRows();
        QCOMPARE(panel.menu.rows[Row::DesktopTools].title->text(), u"Hide Tools on Desktop"_qs);
        QVERIFY(!panel.menu.recordingFlags[Row::Arrow]);
    }

    // A row says while its shortcut is not active, also when the service answers later, and
    // offers the command to bind instead; with no service at all, every row does.
    void rowsSayWhenTheirShortcutIsNotActive() {
        Panel panel;
        QStringList log;
        DiagnosticLog::setSink([&log](const QString &line) { log << line; });
        const MenuViewController::RowViews &pen = panel.menu.rows[Row::Line];
        m_backend->answersLater = true;
        panel.menu.startRecording(Row::Line);
        panel.menu.recordShortcutKey(kA, kCtrl | kOpt);
        QVERIFY(pen.notice->text().startsWith(u"Not active yet"_qs) && pen.copyCommand->isHidden());

        void *reference = m_backend->registrations.last().reference;
        m_backend->statusHandler(reference, eventHotKeyExistsErr, u"declined"_qs);
        QVERIFY(!pen.notice->isHidden() && pen.notice->text().startsWith(u"Not active: "_qs));
        QVERIFY(log.last().contains(u"Meta+Alt+A (\u2303\u2325A): declined. It will"_qs));
        pen.copyCommand->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"quillory --action pen"_qs);
        m_backend->statusHandler(reference, noErr, {});
        QVERIFY(pen.notice->isHidden() && pen.copyCommand->isHidden());
        m_backend->answersLater = false;

        HotKeysController::setBackend(nullptr);
        panel.menu.refreshShortcutRows();
        HotKeysController::setBackend(m_backend);
        for (const MenuViewController::RowViews &row : panel.menu.rows)
            QVERIFY(!row.notice->isHidden() && !row.copyCommand->isHidden());
        QCOMPARE(panel.menu.rows[Row::Timer].notice->text(), u"quillory --action timer"_qs);
        QVERIFY(!panel.menu.noServiceNotice->isHidden());
        DiagnosticLog::setSink({});
    }
};

QTEST_MAIN(TestMenuViewController)
#include "tst_menuviewcontroller.moc"
