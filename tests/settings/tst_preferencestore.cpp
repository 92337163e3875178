#include "platform/DiagnosticLog.h"
#include "settings/PreferenceStore.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entries(const QString &folder, const QString &pattern = u"*"_qs) {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
}
const QString kDamaged = u"preferences.plist.damaged-*"_qs;

// The XML structure of a property list without its layout: element names and non-blank text.
QStringList xmlTokens(const QByteArray &bytes) {
    QXmlStreamReader reader(bytes);
    QStringList tokens;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() || reader.isEndElement())
            tokens << (reader.isEndElement() ? u"/"_qs : QString()) + reader.name().toString();
        else if (reader.isCharacters() && !reader.isWhitespace())
            tokens << reader.text().toString().trimmed();
    }
    return reader.hasError() ? QStringList() : tokens;
}

QByteArray xmlPlist(const QByteArray &body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" + body +
           "\n</plist>\n";
}

// A binary property list: {"name": "binary", "count": -5, "codes": [12, 11]}.
const QByteArray kBinary = QByteArray::fromHex(
    "62706c6973743030546e616d6555636f756e7455636f6465735662696e61727913fffffffffffffffb100c100b"
    "a20506d3000102030407080d131920292b2d30000000000000010100000000000000090000000000000008000"
    "0000000000037");

QByteArray bigEndian(quint64 value, int size) {
    QByteArray bytes(size, '\0');
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xFF);
    return bytes;
}

// A binary property list {"a": array 0} whose arrays hold the references listed for them.
QByteArray binaryArrays(const QList<QList<int>> &arrays) {
    QByteArray out = "bplist00";
    QByteArray table;
    const auto add = [&](const QByteArray &object) {
        table += bigEndian(quint64(out.size()), 4);
        out += object;
    };
    for (const QList<int> &refs : arrays) {
        QByteArray object(1, char(0xA0 | refs.size()));
        for (int ref : refs)
            object += bigEndian(quint64(ref), 4);
        add(object);
    }
    const auto key = quint64(arrays.size());
    add("\x51"
        "a");
    add(char(0xD1) + bigEndian(key, 4) + bigEndian(0, 4));
    return out + table + QByteArray(6, '\0') + char(4) + char(4) + bigEndian(key + 2, 8) +
           bigEndian(key + 1, 8) + bigEndian(quint64(out.size()), 8);
}

} // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

    std::vector<std::unique_ptr<QTemporaryDir>> m_dirs;
    QStringList m_errors; // the error lines logged by the current test
    QString freshPath() {
        m_dirs.emplace_back(std::make_unique<QTemporaryDir>());
        return m_dirs.back()->filePath(u"quillory/preferences.plist"_qs);
    }

private Q_SLOTS:
    void initTestCase() {
        DiagnosticLog::setSink([this](const QString &line) {
            if (line.startsWith(DiagnosticLog::marker(DiagnosticLog::Marker::Error)))
                m_errors << line;
        });
    }
    void init() { m_errors.clear(); }
    void cleanup() { m_dirs.clear(); }

    void standardStoreFollowsXdgConfigHome() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString expected = config.filePath(QStringLiteral("quillory/preferences.plist"));
        QCOMPARE(PreferenceStore::standardFilePath(), expected);

        // XDG: a relative or empty value is ignored.
        const QString home = QDir::homePath() + u"/.config/quillory/preferences.plist"_qs;
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(PreferenceStore::standardFilePath(), home);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(PreferenceStore::standardFilePath(), home);
    }

    void valuesKeepTheirTypesThroughTheFile() {
        const QString path = freshPath();
        // Control characters and U+FFFF are no XML characters, yet the file must stay readable.
        const QString text = u"Grüße <&> ]]> 日本語\t\n"_qs + QChar(0x01) + QChar(0xFFFF);
        const QDateTime when(QDate(2023, 3, 8), QTime(20, 26, 40), QTimeZone::utc());
        const QByteArray bytes("\0\x01\xFF]]><&", 9);
        const QList<qint64> codes{12, 11, -1, 5'000'000'000};
        {
            PreferenceStore store(path);
            QVERIFY(store.setString(u"TimerMessage"_qs, text));
            QVERIFY(store.setInteger(u"min"_qs, std::numeric_limits<qint64>::min()));
            QVERIFY(store.setBool(u"no"_qs, false));
            QVERIFY(store.setDate(u"fraction"_qs, when.addMSecs(750)));
            QVERIFY(store.setData(u"bytes"_qs, bytes));
            QVERIFY(store.setIntegerArray(u"codes"_qs, codes));
            QCOMPARE(store.date(u"fraction"_qs), when); // to the second in memory too
        }
        PreferenceStore store(path);
        QCOMPARE(store.string(u"TimerMessage"_qs), text);
        QCOMPARE(store.integer(u"min"_qs), std::numeric_limits<qint64>::min());
        QCOMPARE(store.boolean(u"no"_qs), false);
        QCOMPARE(store.date(u"fraction"_qs), when);
        QCOMPARE(store.data(u"bytes"_qs), bytes);
        QCOMPARE(store.integerArray(u"codes"_qs), codes);
        QCOMPARE(store.string(u"bytes"_qs), std::nullopt); // another type: absent

        // Dates the file cannot hold are refused, not mangled.
        QVERIFY(!store.setDate(u"d"_qs, QDateTime()));
        QVERIFY(
            !store.setDate(u"d"_qs, QDateTime(QDate(2100, 1, 1), QTime(0, 0), QTimeZone::utc())));
        QVERIFY(!store.contains(u"d"_qs));
        QCOMPARE(m_errors.size(), 2);
    }

    void foreignFilesFollowTheSameRulesAndSurviveRewrites() {
        const QString path = freshPath();
        const QByteArray original = xmlPlist(
            "<dict><key>flag</key><true/><key>one</key><integer>1</integer>\n"
            "<key>mixed</key><array><integer>11</integer><string>14</string></array>\n"
            "<key>nested</key><dict><key>a</key><array><real>1.5</real></array></dict>\n"
            "<key>TimerMinutes</key><integer>7</integer><key>empty</key><data></data></dict>");
        writeFile(path, original);
        {
            PreferenceStore store(path);
            // A Boolean is no integer, an integer no Boolean, a mixed array no integer array.
            QCOMPARE(store.integer(u"flag"_qs), std::nullopt);
            QCOMPARE(store.boolean(u"one"_qs), std::nullopt);
            QCOMPARE(store.integerArray(u"mixed"_qs), std::nullopt);
            QCOMPARE(store.data(u"empty"_qs), QByteArray());
            QVERIFY(store.setString(u"added"_qs, u"x"_qs));
            QVERIFY(store.remove(u"added"_qs));
        }
        const QStringList before = xmlTokens(original);
        QCOMPARE(xmlTokens(readFile(path)), before);
        // Replacing one value leaves the order and the other values as they were.
        QVERIFY(PreferenceStore(path).setInteger(u"TimerMinutes"_qs, 9));
        QStringList expected = before;
        expected[expected.indexOf(u"7"_qs)] = u"9"_qs;
        QCOMPARE(xmlTokens(readFile(path)), expected);

        // A binary file is read, and rewritten as XML.
        writeFile(path, kBinary);
        PreferenceStore binary(path);
        QCOMPARE(binary.integerArray(u"codes"_qs), (QList<qint64>{12, 11}));
        QVERIFY(binary.setInteger(u"count"_qs, 6));
        QVERIFY(readFile(path).startsWith("<?xml"));
        QCOMPARE(PreferenceStore(path).string(u"name"_qs), u"binary"_qs);
    }

    void aMissingFileIsAnEmptyStoreUntilAPrivateAtomicWrite() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"config/quillory"_qs);
        const QString path = folder + u"/preferences.plist"_qs;
        PreferenceStore store(path);
        QVERIFY(!store.contains(u"FirstTimeMenu"_qs));
        QVERIFY(store.remove(u"FirstTimeMenu"_qs));
        QVERIFY(!QFileInfo::exists(dir.filePath(u"config"_qs))); // nothing written yet
        QVERIFY(store.setBool(u"FirstTimeMenu"_qs, true));
        QVERIFY(m_errors.isEmpty());
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0700));

        // A hard link keeps the old inode: a rewrite in place would change it too.
        const QString link = folder + u"/old-link"_qs;
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()),
                 0);
        const QByteArray first = readFile(path);
        QVERIFY(store.setBool(u"FirstTimeMenu"_qs, false));
        QCOMPARE(readFile(link), first);
        QVERIFY(QFile::remove(link));

        // A crash between writing a temporary and renaming it leaves the temporary behind;
        // only old ones go, a young one may be another process's write in progress.
        writeFile(folder + u"/.preferences.plist.d4E5f6"_qs, "young");
        QFile stale(folder + u"/.preferences.plist.a1B2c3"_qs);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        QVERIFY(stale.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
        QCOMPARE(PreferenceStore(path).boolean(u"FirstTimeMenu"_qs), false);
        QCOMPARE(entries(folder), (QStringList{".preferences.plist.d4E5f6", "preferences.plist"}));
    }

    // One file per kind of damage. The last four would make libplist 2.2 overflow its stack or
    // expand exponentially; text that is not UTF-8 would make the file we write unreadable.
    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated XML") << xmlPlist("<dict><key>a</key><integer>5</integer>");
        QTest::newRow("array root") << xmlPlist("<array><integer>1</integer></array>");
        QTest::newRow("truncated binary") << kBinary.left(60);
        QTest::newRow("binary text not UTF-8") << QByteArray(kBinary).replace("codes", "code\xEF");
        QTest::newRow("deep XML") << xmlPlist("<dict><key>a</key>" +
                                              QByteArray("<array>").repeated(5000) +
                                              QByteArray("</array>").repeated(5000) + "</dict>");
        QList<QList<int>> deep; // array i holds array i + 1
        for (int i = 1; i < 200'000; ++i)
            deep << QList<int>{i};
        QTest::newRow("deep binary") << binaryArrays(deep << QList<int>{});
        QList<QList<int>> shared; // 2^40 nodes once expanded
        for (int i = 1; i <= 40; ++i)
            shared << QList<int>{i, i};
        QTest::newRow("shared binary references") << binaryArrays(shared << QList<int>{});
        QTest::newRow("binary cycle") << binaryArrays({{1}, {0}});
    }

    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty() {
        QFETCH(QByteArray, content);
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        writeFile(path, content);
        QVERIFY(!PreferenceStore(path).contains(u"a"_qs));
        const QStringList copies = entries(folder, kDamaged);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(readFile(folder + u'/' + copies.first()), content);
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().contains(path) && m_errors.first().contains(copies.first()));
    }

    void damagedCopiesNeverOverwriteEachOther() {
        const QString path = freshPath();
        // Occupy the plain and "-2" names of this second and the next one.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime &when : {now, now.addSecs(1)}) {
            const QString base = path + u".damaged-"_qs + when.toString(u"yyyyMMdd-HHmmss"_qs);
            writeFile(base, "earlier");
            writeFile(base + u"-2"_qs, "earlier");
        }
        writeFile(path, "damaged again");
        QVERIFY(!PreferenceStore(path).contains(u"x"_qs));
        const QString folder = QFileInfo(path).absolutePath();
        const QStringList copies = entries(folder, kDamaged);
        QCOMPARE(copies.size(), 5);
        const auto fresh = std::find_if(copies.begin(), copies.end(), [&](const QString &name) {
            return readFile(folder + u'/' + name) == "damaged again";
        });
        QVERIFY(fresh != copies.end() && fresh->endsWith(u"-3"_qs));
    }

    // A write that fails leaves the previous file as it was, keeps the value in memory for the
    // running program and says why: a full disk (a file size limit, which holds for root too),
    // a folder that cannot be made, a read-only folder.
    void failedWritesKeepThePreviousFileAndTheValueInMemory() {
        const QString path = freshPath();
        QVERIFY(PreferenceStore(path).setString(u"TimerMessage"_qs, u"old"_qs));
        const QByteArray before = readFile(path);
        PreferenceStore store(path);
        const QByteArray big(64 * 1024, 'x');
        struct rlimit saved;
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit limited = saved;
        limited.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool written = store.setData(u"TimerColor"_qs, big);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QCOMPARE(readFile(path), before);
        QCOMPARE(entries(QFileInfo(path).absolutePath()), QStringList{"preferences.plist"});
        QCOMPARE(store.data(u"TimerColor"_qs), big);
        QVERIFY(m_errors.size() == 1 && m_errors.first().contains(qt_error_string(EFBIG)));
        // The next write that succeeds carries the value kept in memory.
        QVERIFY(store.setBool(u"rateDone"_qs, true));
        QCOMPARE(PreferenceStore(path).data(u"TimerColor"_qs), big);

        PreferenceStore blocked(path + u"/quillory/preferences.plist"_qs); // a file in the way
        QVERIFY(!blocked.setInteger(u"TimerMinutes"_qs, 10));
        QCOMPARE(blocked.integer(u"TimerMinutes"_qs), 10);
        QCOMPARE(m_errors.size(), 2);

        // Root ignores permissions but not a read-only bind mount: the write runs in a child
        // process with its own mount namespace (see main()).
        if (QProcess::execute(u"unshare"_qs, {u"-rm"_qs, u"true"_qs}) != 0)
            QSKIP("no mount namespace (unshare -rm) for a read-only folder");
        QProcess child;
        child.start(u"unshare"_qs, {u"-rm"_qs, u"sh"_qs, u"-c"_qs,
                                    u"mount --bind -o ro \"$0\" \"$0\" && exec \"$@\""_qs,
                                    QFileInfo(path).absolutePath(),
                                    QCoreApplication::applicationFilePath(), u"--write"_qs, path});
        QVERIFY(child.waitForFinished(10000));
        const QString output = QString::fromUtf8(child.readAll());
        QVERIFY2(child.exitCode() == 0 && output.contains(qt_error_string(EROFS)),
                 qPrintable(output));
        QVERIFY(!PreferenceStore(path).contains(u"TimerMinutes"_qs));
    }

    void changesByOthersAreSeenOnTheNextAccess() {
        const QString path = freshPath();
        PreferenceStore first(path);
        PreferenceStore second(path);
        QVERIFY(!first.contains(u"ud_LineKey"_qs));
        // Each write starts from the file as it is: neither store drops the other's keys.
        QVERIFY(second.setString(u"ud_LineKey"_qs, u"l"_qs));
        QVERIFY(first.setBool(u"rateDone"_qs, true));
        QCOMPARE(second.boolean(u"rateDone"_qs), true);
        QCOMPARE(PreferenceStore(path).string(u"ud_LineKey"_qs), u"l"_qs);
        // Edited in place by hand (same inode), then deleted.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(xmlPlist("<dict><key>TimerMinutes</key><integer>15</integer></dict>"));
        file.close();
        QCOMPARE(first.integer(u"TimerMinutes"_qs), 15);
        QVERIFY(QFile::remove(path));
        QVERIFY(!first.contains(u"TimerMinutes"_qs));
    }

    // Mutated files, replayable from the seed: the store neither crashes nor loses the user's
    // bytes, which stay in place or are kept aside, and what it writes it reads back.
    void mutatedFilesNeverCrashOrGetLost() {
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        const QByteArray xml = xmlPlist(
            "<dict><key>k</key><string>l &amp; &#x4E2D;</string><key>codes</key><array>"
            "<integer>14</integer></array><key>d</key><date>2021-05-06T07:08:09Z</date></dict>");
        const QList<QByteArray> pieces =
            QByteArray("< </ /> &# &#xD800; <dict> <array> <date> <![CDATA[ 99999999999999999999")
                .split(' ');
        QRandomGenerator random(20240601);
        for (int iteration = 0; iteration < 400; ++iteration) {
            QByteArray input = random.bounded(4) ? xml : kBinary;
            for (int m = 1 + random.bounded(6); m > 0; --m) {
                const int at = random.bounded(int(input.size()));
                if (random.bounded(2))
                    input[at] = char(random.bounded(256));
                else
                    input.insert(at, pieces[random.bounded(int(pieces.size()))]);
            }
            QDir(folder).removeRecursively();
            writeFile(path, input);
            PreferenceStore store(path);
            store.date(u"d"_qs);
            const QStringList copies = entries(folder, kDamaged);
            QCOMPARE(readFile(copies.isEmpty() ? path : folder + u'/' + copies.first()), input);
            QVERIFY(store.setIntegerArray(u"codes"_qs, {12}));
            QCOMPARE(PreferenceStore(path).integerArray(u"codes"_qs), QList<qint64>{12});
        }
    }
};

int main(int argc, char *argv[]) {
    // The write into a read-only folder of failedWritesKeepThePreviousFileAndTheValueInMemory.
    if (argc == 3 && qstrcmp(argv[1], "--write") == 0) {
        PreferenceStore store(QString::fromLocal8Bit(argv[2]));
        const bool written = store.setInteger(u"TimerMinutes"_qs, 2);
        return !written && store.integer(u"TimerMinutes"_qs) == 2 ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestPreferenceStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_preferencestore.moc"
