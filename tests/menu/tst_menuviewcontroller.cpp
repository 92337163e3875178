#include "app/AppDelegate.h"
#include "app/RequestChannels.h"
#include "drawing/MainWindowController.h"
#include "hotkeys/HotKeysController.h"
#include "menu/MenuViewController.h"
#include "platform/AppActivation.h"
#include "platform/CompositorWatcher.h"
#include "platform/DiagnosticLog.h"
#include "platform/InMemoryHotKeyBackend.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"
#include "screens/ScreenDaemon.h"
#include "settings/Preferences.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Row = AppDelegate::Row;
constexpr quint32 kComma = 43, kF5 = 96, kQ = 12, kA = 0;
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
    MenuViewController menu{{preferences, delegate, notifications, {}}};

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
