#include "settings/StoredShortcut.h"

#include <QTemporaryDir>
#include <QTest>

class TestStoredShortcut : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PreferenceStore> m_store;

    void load() {
        // Leftovers from an earlier load must be cleared by the next one.
        StoredShortcut::shortcutKey() = QStringLiteral("stale");
        StoredShortcut::shortcutModifiers() = ModifierOption;
        loadStoredShortcut(QStringLiteral("ud_LineKey"), QStringLiteral("ud_LineFlag"), *m_store);
    }

private Q_SLOTS:
    void init() {
        QFile::remove(m_dir.filePath(QStringLiteral("preferences.plist")));
        m_store =
            std::make_unique<PreferenceStore>(m_dir.filePath(QStringLiteral("preferences.plist")));
    }

    void modifierCodesAddTheirFlags_data() {
        QTest::addColumn<QList<qint64>>("codes");
        QTest::addColumn<ModifierFlags>("expected");
        QTest::newRow("shift and command, unknown ignored")
            << QList<qint64>{14, 11, 99} << ModifierFlags(ModifierShift | ModifierCommand);
        QTest::newRow("control and option, repeats once")
            << QList<qint64>{13, 13, 12, 13} << ModifierFlags(ModifierOption | ModifierControl);
        QTest::newRow("neighbours of the codes")
            << QList<qint64>{10, 15, 0, -11, 11 + (qint64(1) << 32)} << ModifierFlags(0);
    }
    void modifierCodesAddTheirFlags() {
        QFETCH(QList<qint64>, codes);
        QFETCH(ModifierFlags, expected);
        QVERIFY(m_store->setString(QStringLiteral("ud_LineKey"), QStringLiteral("F1")));
        QVERIFY(m_store->setIntegerArray(QStringLiteral("ud_LineFlag"), codes));
        load();
        QCOMPARE(StoredShortcut::shortcutKey(), QStringLiteral("F1")); // taken as stored
        QCOMPARE(StoredShortcut::shortcutModifiers(), expected);
    }

    void absentOrOtherTypesGiveNoShortcut() {
        load();
        QCOMPARE(StoredShortcut::shortcutKey(), QString());
        QCOMPARE(StoredShortcut::shortcutModifiers(), ModifierFlags(0));
        QVERIFY(m_store->setInteger(QStringLiteral("ud_LineKey"), 37));
        QVERIFY(m_store->setString(QStringLiteral("ud_LineFlag"), QStringLiteral("14")));
        load();
        QCOMPARE(StoredShortcut::shortcutKey(), QString());
        QCOMPARE(StoredShortcut::shortcutModifiers(), ModifierFlags(0));
    }
};

QTEST_GUILESS_MAIN(TestStoredShortcut)
#include "tst_storedshortcut.moc"
