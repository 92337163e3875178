#include "platform/DiagnosticLog.h"
#include "settings/PreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QXmlStreamReader>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Collects the log lines written while it lives.
class LogCapture {
public:
    LogCapture() {
        DiagnosticLog::setSink([this](const QString &line) { lines.append(line); });
    }
    ~LogCapture() { DiagnosticLog::setSink({}); }
    QStringList errors() const {
        const QString marker = DiagnosticLog::marker(DiagnosticLog::Marker::Error);
        QStringList found;
        for (const QString &line : lines) {
            if (line.startsWith(marker))
                found.append(line);
        }
        return found;
    }
    QStringList lines;
};

QByteArray readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QStringList damagedCopies(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral("preferences.plist.damaged-*")}, QDir::Files,
                                  QDir::Name);
}

// The XML structure of a property list without its layout: element names and non-blank text.
// Empty when the bytes are not well-formed XML.
QStringList xmlTokens(const QByteArray &bytes) {
    QXmlStreamReader reader(bytes);
    QStringList tokens;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            tokens << QLatin1Char('<') + reader.name().toString();
        else if (reader.isEndElement())
            tokens << QStringLiteral("</") + reader.name().toString();
        else if (reader.isCharacters() && !reader.isWhitespace())
            tokens << reader.text().toString().trimmed();
    }
    return reader.hasError() ? QStringList() : tokens;
}

const QByteArray xmlHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n";

QByteArray xmlPlist(const QByteArray &body) {
    return xmlHeader + "<plist version=\"1.0\">\n" + body + "\n</plist>\n";
}

// A small "bplist00" writer for hand-made binary files: objects are given encoded, references
// are four bytes wide.
struct BinaryPlist {
    QList<QByteArray> objects;

    static QByteArray bigEndian(quint64 value, int size) {
        QByteArray bytes(size, '\0');
        for (int i = size - 1; i >= 0; --i, value >>= 8)
            bytes[i] = char(value & 0xFF);
        return bytes;
    }
    static QByteArray withCount(int marker, int count) {
        if (count < 15)
            return QByteArray(1, char(marker | count));
        return QByteArray(1, char(marker | 0x0F)) + char(0x11) + bigEndian(quint64(count), 2);
    }
    int add(const QByteArray &object) {
        objects.append(object);
        return int(objects.size() - 1);
    }
    int string(const QByteArray &ascii) { return add(withCount(0x50, int(ascii.size())) + ascii); }
    int integer(qint64 value) {
        return add(QByteArray(1, char(0x13)) + bigEndian(quint64(value), 8));
    }
    int boolean(bool value) { return add(QByteArray(1, char(value ? 0x09 : 0x08))); }
    int array(const QList<int> &refs) {
        QByteArray object = withCount(0xA0, int(refs.size()));
        for (int ref : refs)
            object += bigEndian(quint64(ref), 4);
        return add(object);
    }
    int dictionary(const QList<int> &keys, const QList<int> &values) {
        QByteArray object = withCount(0xD0, int(keys.size()));
        for (int ref : keys + values)
            object += bigEndian(quint64(ref), 4);
        return add(object);
    }
    QByteArray bytes(int top) const {
        QByteArray out = "bplist00";
        QList<quint64> offsets;
        for (const QByteArray &object : objects) {
            offsets.append(quint64(out.size()));
            out += object;
        }
        const quint64 table = quint64(out.size());
        for (quint64 offset : offsets)
            out += bigEndian(offset, 4);
        out += QByteArray(6, '\0') + char(4) + char(4);
        out += bigEndian(quint64(objects.size()), 8) + bigEndian(quint64(top), 8) +
               bigEndian(table, 8);
        return out;
    }
};

QByteArray sampleBinaryPlist() {
    BinaryPlist plist;
    const int name = plist.string("name");
    const int count = plist.string("count");
    const int flag = plist.string("flag");
    const int codes = plist.string("codes");
    const int value = plist.string("binary");
    const int five = plist.integer(-5);
    const int yes = plist.boolean(true);
    const int list = plist.array({plist.integer(12), plist.integer(11)});
    return plist.bytes(plist.dictionary({name, count, flag, codes}, {value, five, yes, list}));
}

bool isRoot() {
    return ::geteuid() == 0;
}

} // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

private:
    QString freshPath() {
        m_dirs.emplace_back(std::make_unique<QTemporaryDir>());
        return m_dirs.back()->filePath(QStringLiteral("quillory/preferences.plist"));
    }
    std::vector<std::unique_ptr<QTemporaryDir>> m_dirs;

private Q_SLOTS:
    void cleanup() { m_dirs.clear(); }

    void standardStoreFollowsXdgConfigHome() {
        QTemporaryDir config;
        const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString expected = config.filePath(QStringLiteral("quillory/preferences.plist"));
        QCOMPARE(PreferenceStore::standardFilePath(), expected);

        // XDG: a relative or empty value is ignored.
        const QString home =
            QDir::homePath() + QStringLiteral("/.config/quillory/preferences.plist");
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(PreferenceStore::standardFilePath(), home);
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(PreferenceStore::standardFilePath(), home);
        qputenv("XDG_CONFIG_HOME", previous);
    }

    void eachTypeRoundTripsThroughTheFile() {
        const QString path = freshPath();
        // Control characters and U+FFFF are no XML characters, yet the file must stay readable.
        const QString text =
            QStringLiteral("Grüße <&> \"quotes\" 'apos' ]]> 日本語 \t line\nbreak") + QChar(0x01) +
            QChar(0x1F) + QChar(0xFFFF) + QChar(0xFFFE) + QStringLiteral("\r\n end");
        const QDateTime when(QDate(2023, 3, 8), QTime(20, 26, 40), QTimeZone::utc());
        const QDateTime early(QDate(1999, 12, 31), QTime(23, 59, 58), QTimeZone::utc());
        const QDateTime berlin(QDate(2024, 7, 1), QTime(9, 30, 15), QTimeZone("Europe/Berlin"));
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i));
        bytes.append(QByteArray(3, '\0'));
        const QList<qint64> codes{12, 13, 14, 11, -1, 5'000'000'000};
        {
            PreferenceStore store(path);
            QVERIFY(store.setString(QStringLiteral("TimerMessage"), text));
            QVERIFY(store.setString(QStringLiteral("empty"), QString()));
            QVERIFY(store.setInteger(QStringLiteral("TimerMinutes"), 3));
            QVERIFY(store.setInteger(QStringLiteral("negative"), -42));
            QVERIFY(store.setInteger(QStringLiteral("large"), 5'000'000'000));
            QVERIFY(store.setInteger(QStringLiteral("min"), std::numeric_limits<qint64>::min()));
            QVERIFY(store.setInteger(QStringLiteral("max"), std::numeric_limits<qint64>::max()));
            QVERIFY(store.setBool(QStringLiteral("yes"), true));
            QVERIFY(store.setBool(QStringLiteral("no"), false));
            QVERIFY(store.setDate(QStringLiteral("firstAppInstallDate"), when));
            QVERIFY(store.setDate(QStringLiteral("early"), early));
            QVERIFY(store.setDate(QStringLiteral("berlin"), berlin));
            QVERIFY(store.setDate(QStringLiteral("fraction"), when.addMSecs(750)));
            QVERIFY(store.setData(QStringLiteral("pz.screenshotBookmark"), bytes));
            QVERIFY(store.setData(QStringLiteral("noBytes"), QByteArray()));
            QVERIFY(store.setIntegerArray(QStringLiteral("ud_LineFlag"), codes));
            QVERIFY(store.setIntegerArray(QStringLiteral("emptyArray"), {}));
            QVERIFY(store.setString(QStringLiteral("key <&> ü"), QStringLiteral("odd key")));
            // In memory, dates are already kept to the second, as on disk.
            QCOMPARE(store.date(QStringLiteral("fraction")), when);
        }
        PreferenceStore store(path);
        QCOMPARE(store.string(QStringLiteral("TimerMessage")), text);
        QCOMPARE(store.string(QStringLiteral("empty")), QString());
        QCOMPARE(store.integer(QStringLiteral("TimerMinutes")), 3);
        QCOMPARE(store.integer(QStringLiteral("negative")), -42);
        QCOMPARE(store.integer(QStringLiteral("large")), 5'000'000'000);
        QCOMPARE(store.integer(QStringLiteral("min")), std::numeric_limits<qint64>::min());
        QCOMPARE(store.integer(QStringLiteral("max")), std::numeric_limits<qint64>::max());
        QCOMPARE(store.boolean(QStringLiteral("yes")), true);
        QCOMPARE(store.boolean(QStringLiteral("no")), false);
        QCOMPARE(store.date(QStringLiteral("firstAppInstallDate")), when);
        QCOMPARE(store.date(QStringLiteral("early")), early);
        QCOMPARE(store.date(QStringLiteral("berlin")), berlin);
        QCOMPARE(store.date(QStringLiteral("fraction")), when);
        QCOMPARE(store.data(QStringLiteral("pz.screenshotBookmark")), bytes);
        QCOMPARE(store.data(QStringLiteral("noBytes")), QByteArray());
        QCOMPARE(store.integerArray(QStringLiteral("ud_LineFlag")), codes);
        QCOMPARE(store.integerArray(QStringLiteral("emptyArray")), QList<qint64>());
        QCOMPARE(store.string(QStringLiteral("key <&> ü")), QStringLiteral("odd key"));

        // A reader of another type treats the key as absent.
        QCOMPARE(store.integer(QStringLiteral("firstAppInstallDate")), std::nullopt);
        QCOMPARE(store.string(QStringLiteral("pz.screenshotBookmark")), std::nullopt);
        QCOMPARE(store.data(QStringLiteral("TimerMessage")), std::nullopt);
        QCOMPARE(store.date(QStringLiteral("TimerMinutes")), std::nullopt);
        QCOMPARE(store.integerArray(QStringLiteral("TimerMinutes")), std::nullopt);
        QCOMPARE(store.string(QStringLiteral("ud_LineFlag")), std::nullopt);

        // Dates the file cannot hold are refused, not mangled.
        LogCapture log;
        QVERIFY(!store.setDate(QStringLiteral("d"), QDateTime()));
        QVERIFY(!store.setDate(QStringLiteral("d"),
                               QDateTime(QDate(2100, 1, 1), QTime(0, 0), QTimeZone::utc())));
        QVERIFY(!store.contains(QStringLiteral("d")));
        QCOMPARE(log.errors().size(), 2);

        // Keys are stored exactly as given.
        QVERIFY(!store.contains(QStringLiteral("pz.screenshotbookmark")));
        QVERIFY(!store.contains(QStringLiteral("ud_LineFlag ")));
    }

    void foreignFileTypesFollowTheSameRules() {
        // Written by another program: a Boolean is no integer, 0/1 integers are no Booleans,
        // a mixed or nested array is no integer array, a real is no integer.
        const QString path = freshPath();
        writeFile(path, xmlPlist("<dict>\n"
                                 "<key>flag</key><true/>\n"
                                 "<key>one</key><integer>1</integer>\n"
                                 "<key>zero</key><integer>0</integer>\n"
                                 "<key>mixed</key><array><integer>11</integer><string>14</string>"
                                 "</array>\n"
                                 "<key>nested</key><array><array><integer>11</integer></array>"
                                 "</array>\n"
                                 "<key>withBool</key><array><integer>11</integer><true/></array>\n"
                                 "<key>real</key><real>3.0</real>\n"
                                 "<key>number</key><string>3</string>\n"
                                 "</dict>"));
        PreferenceStore store(path);
        QCOMPARE(store.boolean(QStringLiteral("flag")), true);
        QCOMPARE(store.integer(QStringLiteral("flag")), std::nullopt);
        QCOMPARE(store.integer(QStringLiteral("one")), 1);
        QCOMPARE(store.boolean(QStringLiteral("one")), std::nullopt);
        QCOMPARE(store.boolean(QStringLiteral("zero")), std::nullopt);
        QCOMPARE(store.integerArray(QStringLiteral("mixed")), std::nullopt);
        QCOMPARE(store.integerArray(QStringLiteral("nested")), std::nullopt);
        QCOMPARE(store.integerArray(QStringLiteral("withBool")), std::nullopt);
        QCOMPARE(store.integer(QStringLiteral("real")), std::nullopt);
        QCOMPARE(store.integer(QStringLiteral("number")), std::nullopt);
        QVERIFY(store.contains(QStringLiteral("mixed")));
        QVERIFY(store.contains(QStringLiteral("real")));
    }

    void unknownKeysAndTypesSurviveRewrites() {
        const QString path = freshPath();
        const QByteArray original = xmlPlist(
            "<dict>\n"
            "<key>real</key><real>2.5</real>\n"
            "<key>nested</key><dict><key>inner</key><array><string>a</string><real>1.5</real>"
            "<dict><key>deep</key><false/></dict></array></dict>\n"
            "<key>TimerMinutes</key><integer>7</integer>\n"
            "<key>mixed</key><array><integer>1</integer><string>two</string></array>\n"
            "<key>when</key><date>2020-02-29T12:00:00Z</date>\n"
            "</dict>");
        writeFile(path, original);
        {
            PreferenceStore store(path);
            QVERIFY(store.setString(QStringLiteral("added"), QStringLiteral("x")));
            QVERIFY(store.remove(QStringLiteral("added")));
        }
        const QStringList before = xmlTokens(original);
        QVERIFY(!before.isEmpty());
        QCOMPARE(xmlTokens(readFile(path)), before);

        // Replacing one value leaves the order and the other values as they were.
        {
            PreferenceStore store(path);
            QVERIFY(store.setInteger(QStringLiteral("TimerMinutes"), 9));
        }
        QStringList expected = before;
        expected[expected.indexOf(QStringLiteral("7"))] = QStringLiteral("9");
        QCOMPARE(xmlTokens(readFile(path)), expected);
    }

    void writesReplaceTheFileAtomically() {
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        PreferenceStore store(path);
        QVERIFY(store.setString(QStringLiteral("TimerMessage"), QStringLiteral("first")));

        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0700));

        const QByteArray first = readFile(path);
        QVERIFY(first.startsWith("<?xml"));
        const QStringList tokens = xmlTokens(first);
        QCOMPARE(tokens.mid(0, 2), (QStringList{"<plist", "<dict"}));
        QVERIFY(tokens.contains(QStringLiteral("first")));

        // A hard link keeps the old inode: a rewrite in place would change it too.
        const QString link = folder + QStringLiteral("/old-link");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()),
                 0);
        QVERIFY(store.setString(QStringLiteral("TimerMessage"), QStringLiteral("second")));
        QCOMPARE(readFile(link), first);
        QVERIFY(xmlTokens(readFile(path)).contains(QStringLiteral("second")));
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));
        QFile::remove(link);

        QCOMPARE(entries(folder), QStringList{"preferences.plist"});
    }

    void temporariesLeftByACrashAreRemovedWhenOld() {
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        writeFile(path, xmlPlist("<dict/>"));
        const QString stale = folder + QStringLiteral("/.preferences.plist.a1B2c3");
        const QString young = folder + QStringLiteral("/.preferences.plist.d4E5f6");
        writeFile(stale, "half");
        writeFile(young, "half");
        QFile file(stale);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        file.close();
        PreferenceStore store(path);
        QVERIFY(!store.contains(QStringLiteral("x")));
        QCOMPARE(entries(folder), (QStringList{".preferences.plist.d4E5f6", "preferences.plist"}));
    }

    void missingFileIsAnEmptyStoreUntilTheFirstWrite() {
        LogCapture log;
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("config/quillory"));
        const QString path = folder + QStringLiteral("/preferences.plist");
        PreferenceStore store(path);
        QVERIFY(!store.contains(QStringLiteral("FirstTimeMenu")));
        QCOMPARE(store.boolean(QStringLiteral("FirstTimeMenu")), std::nullopt);
        QVERIFY(store.remove(QStringLiteral("FirstTimeMenu")));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("config"))));
        QVERIFY(log.errors().isEmpty());

        QVERIFY(store.setBool(QStringLiteral("FirstTimeMenu"), true));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(PreferenceStore(path).boolean(QStringLiteral("FirstTimeMenu")), true);
        QVERIFY(log.errors().isEmpty());
    }

    void binaryFilesAreReadAndRewrittenAsXml() {
        const QString path = freshPath();
        writeFile(path, sampleBinaryPlist());
        PreferenceStore store(path);
        QCOMPARE(store.string(QStringLiteral("name")), QStringLiteral("binary"));
        QCOMPARE(store.integer(QStringLiteral("count")), -5);
        QCOMPARE(store.boolean(QStringLiteral("flag")), true);
        QCOMPARE(store.integerArray(QStringLiteral("codes")), (QList<qint64>{12, 11}));
        QVERIFY(store.setInteger(QStringLiteral("count"), 6));
        QVERIFY(readFile(path).startsWith("<?xml"));
        PreferenceStore again(path);
        QCOMPARE(again.string(QStringLiteral("name")), QStringLiteral("binary"));
        QCOMPARE(again.integer(QStringLiteral("count")), 6);
    }

    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray valid = xmlPlist("<dict><key>TimerMinutes</key><integer>5</integer>"
                                          "<key>TimerMessage</key><string>hello</string></dict>");
        QTest::newRow("text") << QByteArray("these are not preferences\n");
        QTest::newRow("truncated XML") << valid.left(valid.size() - 20);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("array root") << xmlPlist("<array><integer>1</integer></array>");
        QTest::newRow("string root") << xmlPlist("<string>x</string>");
        QTest::newRow("mismatched tags")
            << xmlPlist("<dict><key>a</key><string>b</integer></dict>");
        QByteArray garbage("bplist00");
        QRandomGenerator random(7);
        for (int i = 0; i < 300; ++i)
            garbage.append(char(random.bounded(256)));
        QTest::newRow("binary garbage") << garbage;
        QTest::newRow("truncated binary") << sampleBinaryPlist().left(60);
        QTest::newRow("NUL bytes") << QByteArray(64, '\0');

        // Input that makes libplist 2.2 overflow its stack or expand exponentially.
        QTest::newRow("deep XML nesting") << xmlPlist(
            "<dict><key>a</key>" + QByteArray("<array>").repeated(1'000'000) + "</dict>");
        QTest::newRow("deep closed XML nesting")
            << xmlPlist("<dict><key>a</key>" + QByteArray("<array>").repeated(5000) +
                        QByteArray("</array>").repeated(5000) + "</dict>");
        BinaryPlist deep;
        const int deepKey = deep.string("a");
        for (int i = 0; i < 200'000; ++i)
            deep.array({int(deep.objects.size()) + 1});
        deep.array({});
        QTest::newRow("deep binary nesting") << deep.bytes(deep.dictionary({deepKey}, {1}));
        BinaryPlist shared; // object i = [i+1, i+1]: 2^40 nodes once expanded
        const int sharedKey = shared.string("a");
        for (int i = 0; i < 40; ++i)
            shared.array({i + 2, i + 2});
        shared.array({});
        QTest::newRow("binary shared references")
            << shared.bytes(shared.dictionary({sharedKey}, {1}));
        BinaryPlist cycle;
        cycle.array({1});
        cycle.array({0});
        QTest::newRow("binary cycle") << cycle.bytes(cycle.dictionary({cycle.string("a")}, {0}));
    }

    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty() {
        QFETCH(QByteArray, content);
        LogCapture log;
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        writeFile(path, content);

        PreferenceStore store(path);
        QVERIFY(!store.contains(QStringLiteral("TimerMinutes")));
        QCOMPARE(store.integer(QStringLiteral("TimerMinutes")), std::nullopt);

        const QStringList copies = damagedCopies(folder);
        QCOMPARE(copies.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^preferences\\.plist\\.damaged-\\d{8}-\\d{6}$"))
                    .match(copies.first())
                    .hasMatch());
        QCOMPARE(readFile(folder + QLatin1Char('/') + copies.first()), content);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.errors().first().contains(path));
        QVERIFY(log.errors().first().contains(copies.first()));

        QVERIFY(store.setInteger(QStringLiteral("TimerMinutes"), 4));
        QCOMPARE(PreferenceStore(path).integer(QStringLiteral("TimerMinutes")), 4);
        QCOMPARE(damagedCopies(folder), copies);
        QCOMPARE(log.errors().size(), 1);
    }

    void damagedCopiesNeverOverwriteEachOther() {
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        // Occupy the plain and "-2" names of this second and the next one.
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime &when : {now, now.addSecs(1)}) {
            const QString base = path + QStringLiteral(".damaged-") +
                                 when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
            writeFile(base, "earlier");
            writeFile(base + QStringLiteral("-2"), "earlier");
        }
        LogCapture log;
        writeFile(path, "damaged again");
        PreferenceStore store(path);
        QVERIFY(!store.contains(QStringLiteral("x")));
        QStringList copies = damagedCopies(folder);
        QCOMPARE(copies.size(), 5);
        QStringList fresh;
        for (const QString &name : copies) {
            if (readFile(folder + QLatin1Char('/') + name) != "earlier")
                fresh.append(name);
        }
        QCOMPARE(fresh.size(), 1);
        QVERIFY(fresh.first().endsWith(QStringLiteral("-3")));
        QCOMPARE(readFile(folder + QLatin1Char('/') + fresh.first()), QByteArray("damaged again"));
    }

    void failedWritesKeepThePreviousFileAndTheValueInMemory() {
        // A full disk, simulated by a file size limit, which holds for root as well.
        const QString path = freshPath();
        const QString folder = QFileInfo(path).absolutePath();
        {
            PreferenceStore store(path);
            QVERIFY(store.setString(QStringLiteral("TimerMessage"), QStringLiteral("old")));
        }
        const QByteArray before = readFile(path);
        LogCapture log;
        PreferenceStore store(path);
        const QByteArray big(64 * 1024, 'x');
        {
            struct rlimit saved;
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            struct rlimit limited = saved;
            limited.rlim_cur = 4096;
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
            const bool written = store.setData(QStringLiteral("TimerColor"), big);
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previousHandler);
            QVERIFY(!written);
        }
        QCOMPARE(readFile(path), before);
        QCOMPARE(entries(folder), QStringList{"preferences.plist"});
        QCOMPARE(store.data(QStringLiteral("TimerColor")), big);
        QCOMPARE(store.string(QStringLiteral("TimerMessage")), QStringLiteral("old"));
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.errors().first().contains(path));
        QVERIFY(log.errors().first().contains(qt_error_string(EFBIG)));

        // The next write that succeeds carries the value kept in memory.
        QVERIFY(store.setBool(QStringLiteral("rateDone"), true));
        QCOMPARE(PreferenceStore(path).data(QStringLiteral("TimerColor")), big);
    }

    void unwritableLocationsFailWithoutHarm() {
        LogCapture log;
        QTemporaryDir dir;
        // The folder cannot be created: a regular file stands where it should be.
        writeFile(dir.filePath(QStringLiteral("blocker")), "a file");
        const QString blocked = dir.filePath(QStringLiteral("blocker/quillory/preferences.plist"));
        PreferenceStore store(blocked);
        QVERIFY(!store.setInteger(QStringLiteral("TimerMinutes"), 10));
        QCOMPARE(store.integer(QStringLiteral("TimerMinutes")), 10);
        QCOMPARE(log.errors().size(), 1);
        QVERIFY(log.errors().first().contains(blocked));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("blocker"))), QByteArray("a file"));

        if (isRoot())
            return; // permissions do not stop root; the size-limit case covers a refused write
        const QString path = dir.filePath(QStringLiteral("readonly/preferences.plist"));
        QVERIFY(PreferenceStore(path).setInteger(QStringLiteral("TimerMinutes"), 1));
        const QByteArray before = readFile(path);
        QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
        PreferenceStore readOnly(path);
        QVERIFY(!readOnly.setInteger(QStringLiteral("TimerMinutes"), 2));
        QCOMPARE(readOnly.integer(QStringLiteral("TimerMinutes")), 2);
        QFile::setPermissions(QFileInfo(path).absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readFile(path), before);
        QCOMPARE(log.errors().size(), 2);
    }

    void changesByOthersAreSeenOnTheNextAccess() {
        const QString path = freshPath();
        PreferenceStore first(path);
        PreferenceStore second(path);
        QCOMPARE(first.string(QStringLiteral("ud_LineKey")), std::nullopt);

        QVERIFY(second.setString(QStringLiteral("ud_LineKey"), QStringLiteral("l")));
        QCOMPARE(first.string(QStringLiteral("ud_LineKey")), QStringLiteral("l"));

        // Each write starts from the file as it is: neither store drops the other's keys.
        QVERIFY(first.setBool(QStringLiteral("rateDone"), true));
        QVERIFY(second.setInteger(QStringLiteral("TimerMinutes"), 8));
        QVERIFY(first.setString(QStringLiteral("ud_LineKey"), QStringLiteral("k")));
        PreferenceStore third(path);
        QCOMPARE(third.boolean(QStringLiteral("rateDone")), true);
        QCOMPARE(third.integer(QStringLiteral("TimerMinutes")), 8);
        QCOMPARE(third.string(QStringLiteral("ud_LineKey")), QStringLiteral("k"));

        QVERIFY(second.remove(QStringLiteral("rateDone")));
        QVERIFY(!first.contains(QStringLiteral("rateDone")));

        // Edited in place by hand (same inode).
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(xmlPlist("<dict><key>TimerMinutes</key><integer>15</integer></dict>"));
        }
        QCOMPARE(first.integer(QStringLiteral("TimerMinutes")), 15);
        QVERIFY(!first.contains(QStringLiteral("ud_LineKey")));

        // Deleted.
        QVERIFY(QFile::remove(path));
        QVERIFY(!first.contains(QStringLiteral("TimerMinutes")));
    }

    void randomInputNeverCrashesOrLosesTheFile() {
        LogCapture log; // keeps the thousands of damage reports off the console
        // This is about parsing, not the disk: in memory where possible, fsync is free there.
        const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
        QTemporaryDir dir(shm ? QStringLiteral("/dev/shm/tst_preferencestore-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/tst_preferencestore-XXXXXX"));
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("quillory"));
        const QString path = folder + QStringLiteral("/preferences.plist");
        const QByteArray valid =
            xmlPlist("<dict>\n\t<key>ud_LineKey</key>\n\t<string>l &amp; &#x4E2D;</string>\n"
                     "\t<key>ud_LineFlag</key>\n\t<array><integer>14</integer>"
                     "<integer>11</integer></array>\n"
                     "\t<key>rateDone</key>\n\t<true/>\n\t<key>TimerMinutes</key>\n"
                     "\t<integer>-3</integer>\n\t<key>firstAppInstallDate</key>\n"
                     "\t<date>2021-05-06T07:08:09Z</date>\n\t<key>TimerColor</key>\n"
                     "\t<data>AAECAwQ=</data>\n\t<key>real</key>\n\t<real>0.5</real>\n"
                     "\t<key>nested</key>\n\t<dict><key>a</key><array/></dict>\n</dict>");
        const QByteArray binary = sampleBinaryPlist();
        // Fragments that steer the mutations into the parser's corners.
        QList<QByteArray> pieces =
            QByteArray("< > </ /> & &amp; &# &#x &#0; &#xD800; &#99999999; <key> </key> <dict> "
                       "</dict> <array> </array> <string> </string> <integer> </integer> <data> "
                       "</data> <date> </date> <real> </real> <true/> <false/> <!-- --> "
                       "<![CDATA[ ]]> <? ?> \" ' = 99999999999999999999999 - "
                       "9999-99-99T99:99:99Z ==== \xC3 \xFF")
                .split(' ');
        pieces << " " << QByteArray(1, '\0');
        QRandomGenerator random(20240601);
        const auto keys = {"ud_LineKey",          "ud_LineFlag", "rateDone", "TimerMinutes",
                           "firstAppInstallDate", "TimerColor",  "real",     "nested"};

        for (int iteration = 0; iteration < 3000; ++iteration) {
            QByteArray input;
            switch (random.bounded(5)) {
            case 0:
                input.resize(random.bounded(400));
                for (char &c : input)
                    c = char(random.bounded(256));
                if (random.bounded(2))
                    input.prepend(random.bounded(2) ? "bplist00" : "<?xml");
                break;
            case 1:
                input = valid.left(random.bounded(int(valid.size()) + 1));
                break;
            case 2:
                input = binary;
                input.truncate(random.bounded(int(binary.size()) + 1));
                for (int m = random.bounded(4); m > 0 && !input.isEmpty(); --m)
                    input[random.bounded(int(input.size()))] = char(random.bounded(256));
                break;
            default:
                input = valid;
                for (int m = 1 + random.bounded(8); m > 0; --m) {
                    const int at = random.bounded(int(input.size()) + 1);
                    switch (random.bounded(5)) {
                    case 0:
                        if (at < input.size())
                            input[at] = char(random.bounded(256));
                        break;
                    case 1:
                        input.remove(at, random.bounded(24));
                        break;
                    case 2:
                        input.insert(at, pieces[random.bounded(int(pieces.size()))]);
                        break;
                    case 3:
                        input.insert(at, input.mid(random.bounded(int(input.size()) + 1),
                                                   random.bounded(80)));
                        break;
                    default:
                        input.insert(at, QByteArray(random.bounded(2) ? "<array>" : "<dict>")
                                             .repeated(random.bounded(400)));
                        break;
                    }
                }
                break;
            }

            QDir(folder).removeRecursively();
            writeFile(path, input);
            PreferenceStore store(path);
            for (const char *key : keys) {
                const QString name = QString::fromLatin1(key);
                store.contains(name);
                store.string(name);
                store.integer(name);
                store.boolean(name);
                store.date(name);
                store.data(name);
                store.integerArray(name);
            }

            // The user's bytes are never lost: either still in place or kept aside.
            const QStringList copies = damagedCopies(folder);
            if (copies.isEmpty())
                QCOMPARE(readFile(path), input);
            else
                QCOMPARE(readFile(folder + QLatin1Char('/') + copies.first()), input);

            if (iteration % 25 == 0) {
                QVERIFY(store.setIntegerArray(QStringLiteral("ud_LineFlag"), {12, 14}));
                QVERIFY(store.setString(QStringLiteral("ud_LineKey"), QStringLiteral("k")));
                PreferenceStore reread(path);
                QCOMPARE(reread.integerArray(QStringLiteral("ud_LineFlag")),
                         (QList<qint64>{12, 14}));
                QCOMPARE(reread.string(QStringLiteral("ud_LineKey")), QStringLiteral("k"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
