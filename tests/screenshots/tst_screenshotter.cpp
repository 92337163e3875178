#include "platform/FolderBookmark.h"
#include "screenshots/Screenshotter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestScreenshotter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two-digit 12-hour clock, then the locale's own marker, as the locale writes it.
    void fileNameUsesTheTwelveHourClock() {
        const QDate day(2024, 3, 7);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(14, 5, 9)), QLocale::c()),
                 u"Quillory 2024-03-07 at 02.05.09 PM"_qs);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(0, 30, 0)), QLocale::c()),
                 u"Quillory 2024-03-07 at 12.30.00 AM"_qs);
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(12, 0, 1)), QLocale::c()),
                 u"Quillory 2024-03-07 at 12.00.01 PM"_qs);
        const QLocale spanish(u"es_ES"_qs); // "a. m." with a no-break space
        QCOMPARE(Screenshotter::fileName(QDateTime(day, QTime(9, 0, 0)), spanish),
                 u"Quillory 2024-03-07 at 09.00.00 "_qs + spanish.amText());
    }

    void displayPathShortensTheHomeFolderOnly() {
        const QString home = QDir::homePath();
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"/Screen Shots"_qs)),
                 u"~/Screen Shots"_qs);
        // Shown literally: a name with a percent sign keeps it.
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"/a%20b/c"_qs)),
                 u"~/a%20b/c"_qs);
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(u"/media/Data/Shots"_qs)),
                 u"/media/Data/Shots"_qs);
        // A folder whose name merely starts like the home folder's is not in it.
        QCOMPARE(Screenshotter::displayPath(QUrl::fromLocalFile(home + u"-old/x"_qs)),
                 home + u"-old/x"_qs);
    }

    // Resolves while the same folder stands at the path; stale once another one does; not at
    // all once nothing does, or from damaged data.
    void bookmarkFollowsTheFolder() {
        QTemporaryDir dir;
        const QString folder = dir.path() + u"/Shots"_qs;
        QVERIFY(QDir().mkpath(folder));
        const std::optional<QByteArray> data = FolderBookmark::create(folder);
        QVERIFY(data);
        QVERIFY(!FolderBookmark::create(folder + u"/missing"_qs));

        FolderBookmark::Resolved resolved = FolderBookmark::resolve(*data);
        QCOMPARE(resolved.path, folder);
        QVERIFY(!resolved.stale);

        QVERIFY(QDir().rename(folder, folder + u"-old"_qs) && QDir().mkpath(folder));
        resolved = FolderBookmark::resolve(*data);
        QCOMPARE(resolved.path, folder);
        QVERIFY(resolved.stale);

        QVERIFY(QDir(folder).removeRecursively());
        resolved = FolderBookmark::resolve(*data);
        QVERIFY(resolved.path.isEmpty());
        QVERIFY(resolved.error.contains(folder));

        for (const QByteArray &damaged :
             {QByteArray("not json"), QByteArray(R"({"path":"relative","device":"1","inode":"2"})"),
              QByteArray(R"({"path":"/tmp","device":1,"inode":2})")}) {
            resolved = FolderBookmark::resolve(damaged);
            QVERIFY(resolved.path.isEmpty());
            QVERIFY(!resolved.error.isEmpty());
        }
    }
};

QTEST_MAIN(TestScreenshotter)
#include "tst_screenshotter.moc"
