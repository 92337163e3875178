#include "preferences/GeneralPreferencesVC.h"
#include "preferences/LaunchOnStartup.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestLaunchOnStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    // Exactly one entry: enabling twice keeps one, disabling removes it, disabling again is
    // harmless.
    void oneEntryFollowsTheSwitch() {
        const QString entry = LaunchOnStartup::entryPath();
        QVERIFY(entry.startsWith(m_config.path() + u"/autostart/"_qs));
        QVERIFY(LaunchOnStartup::setLaunchAtStartup(true));
        QVERIFY(LaunchOnStartup::setLaunchAtStartup(true));
        QCOMPARE(QDir(m_config.path() + u"/autostart"_qs).entryList(QDir::Files).size(), 1);
        if (!QStandardPaths::findExecutable(u"desktop-file-validate"_qs).isEmpty())
            QCOMPARE(QProcess::execute(u"desktop-file-validate"_qs, {u"--no-hints"_qs, entry}), 0);
        QCOMPARE(LaunchOnStartup::itemReferencesInLoginItems(), entry);
        QVERIFY(!LaunchOnStartup::setLaunchAtStartup(false));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!LaunchOnStartup::setLaunchAtStartup(false));
        QCOMPARE(LoginItemsBridge::itemRefInLoginItems(), std::nullopt);
    }

    // The pane takes the entry's state, whoever wrote it and whether the desktop switched it off,
    // and leaves the file alone; only the box changes it: ours replaces a switched-off one.
    void theStoredSwitchFollowsTheEntry() {
        QTemporaryDir store;
        PreferenceStore preferences(store.filePath(u"preferences.plist"_qs));
        GeneralPreferencesVC pane(preferences, {[] { return QUrl(); }, [] { return QUrl(); },
                                                [](const QUrl &) { return QString(); }});
        const QString entry = LaunchOnStartup::entryPath();
        QVERIFY(QDir().mkpath(QFileInfo(entry).absolutePath()));
        const QByteArray other = "[Desktop Entry]\nType=Application\nName=Q\nExec=q\n";
        for (const auto &[text, on] : {std::pair(other, true),
                                       {other + "Hidden=true\n", false},
                                       {other + "X-GNOME-Autostart-enabled=false\n", false}}) {
            Preferences::loginStartStatus.set(preferences, !on);
            QFile file(entry);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            file.close();
            pane.viewWillAppear();
            QCOMPARE(pane.btnLaunchAutomatically->isChecked(), on);
            QCOMPARE(Preferences::loginStartStatus.value(preferences), on);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == text);
        }
        pane.btnLaunchAutomatically->click();
        QVERIFY(LaunchOnStartup::isOn() && Preferences::loginStartStatus.value(preferences));
    }

    // The fading ink's time: a stored one out of range reads as 3 s; a pick is stored and
    // announced, within 1 to 30 s.
    void fadingInkTimeIsStoredInRange() {
        QTemporaryDir store;
        PreferenceStore preferences(store.filePath(u"preferences.plist"_qs));
        Preferences::fadingInkSeconds.set(preferences, 600);
        GeneralPreferencesVC pane(preferences, {[] { return QUrl(); }, [] { return QUrl(); },
                                                [](const QUrl &) { return QString(); }});
        pane.viewWillAppear();
        QCOMPARE(pane.fadeDelay->value(), 3);
        QSignalSpy chosen(&pane, &GeneralPreferencesVC::fadeDelayChosen);
        pane.fadeDelay->setValue(45);
        QCOMPARE(Preferences::fadingInkDelay(preferences), 30);
        QCOMPARE(chosen.size(), 1);
    }

    // A folder that cannot be made: logged, and the answer is what is on disk.
    void anUnwritableFolderReportsTheDisk() {
        QVERIFY(QDir(m_config.path() + u"/autostart"_qs).removeRecursively());
        QFile blocker(m_config.path() + u"/autostart"_qs);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!LaunchOnStartup::setLaunchAtStartup(true));
        QVERIFY(blocker.remove());
    }

    // Quoted as desktop entries want: ", `, $ and \ escaped inside the quotes, % doubled, and
    // every backslash escaped once more for the file.
    void execQuotesThePath() {
        const QString text = LaunchOnStartup::entryText(u"/opt/My \"Q\" $x\\y 100%/quillory"_qs);
        QVERIFY2(
            text.contains(u"Exec=\"/opt/My \\\\\"Q\\\\\" \\\\$x\\\\\\\\y 100%%/quillory\"\n"_qs),
            qPrintable(text));
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestLaunchOnStartup)
#include "tst_launchonstartup.moc"
