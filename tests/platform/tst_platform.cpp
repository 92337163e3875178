#include "platform/ApplicationIcon.h"
#include "platform/DiagnosticLog.h"
#include "platform/FatalError.h"
#include "platform/KeyEvent.h"
#include "platform/Localization.h"
#include "platform/NotificationCenter.h"

#include <QDirIterator>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void logLineAndFatalError() {
        QProcess child; // this program, as main answers --fatal
        child.start(QCoreApplication::applicationFilePath(), {u"--fatal"_qs});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAllStandardOutput(), "\U0001F535 [tst_platform] flagged 42 true\n"_qba);
        const QByteArray error = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::CrashExit &&
                     error.contains("Fatal error: tst_platform.cpp:main:") &&
                     error.endsWith(": outlet\n"),
                 error.constData());
    }

    void notificationsReachLiveObservers() {
        NotificationCenter center;
        auto gone = std::make_unique<QObject>();
        QStringList heard;
        center.addObserver(gone.get(), u"n"_qs, [&](const auto &) { heard << "gone"; });
        center.addObserver(this, u"n"_qs, [&](const auto &n) { heard << n.name; });
        gone.reset(); // held weakly: it just stops hearing
        center.post(u"n"_qs);
        QCOMPARE(heard, QStringList{"n"});
    }

    // An auto-repeated Super+Alt+C on the keypad: Super is Control, Alt is Option.
    // GNOME and its relatives tint one-colour tray icons; the others get the coloured pen.
    void symbolicTrayIconWhereTheDesktopWantsIt() {
        QVERIFY(ApplicationIcon::prefersSymbolicIcons(u"ubuntu:GNOME"_qs));
        QVERIFY(ApplicationIcon::prefersSymbolicIcons(u"Budgie:GNOME"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(u"KDE"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(u"X-Cinnamon"_qs));
        QVERIFY(!ApplicationIcon::prefersSymbolicIcons(QString()));
        QVERIFY(!ApplicationIcon::trayIcon().isNull());
    }

    void keyEventFromQt() {
        const KeyEvent key = KeyEvent::fromQt(QKeyEvent(
            QEvent::KeyPress, Qt::Key_C, Qt::MetaModifier | Qt::AltModifier | Qt::KeypadModifier,
            54, 0, 0, QString(), true));
        QVERIFY(key.keyCode == 8u && key.isARepeat &&
                key.modifierFlags == (ModifierControl | ModifierOption));
    }

    void everyTextIdHasAnEnglishText() {
        QVERIFY(Localization::install());
        QString sources;
        QDirIterator files(QUILLORY_SOURCE_DIR u"/src"_qs, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            sources += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
        }
        const QRegularExpression call(u"(?:qtTrId|QT_TRID_NOOP)\\(\"([^\"]+)\"\\)"_qs);
        QVERIFY(sources.count(call) >= 8);
        for (const auto &match : call.globalMatch(sources)) {
            const QString id = match.captured(1), text = qtTrId(qPrintable(id));
            QVERIFY2(!text.isEmpty() && text != id, qPrintable(id));
        }
    }
};

int main(int argc, char *argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "--fatal") == 0) {
        QLOG_FLAG("flagged", 42, true);
        QUILLORY_FATAL(QStringLiteral("outlet"));
    }
    QCoreApplication app(argc, argv);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_platform.moc"
