#include "platform/DiagnosticLog.h"
#include "settings/PreferenceStore.h"

#include <QDataStream>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimeZone>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The files in the folder of `file`.
QStringList entries(const QString &file, const QString &pattern = u"*"_qs) {
    return QFileInfo(file).dir().entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name);
}

// The XML of a property list without its declarations and layout.
QString bare(const QByteArray &bytes) {
    return QString::fromUtf8(bytes).remove(QRegularExpression(u"<[?!][^>]*>|(?<=>)\\s+"_qs));
}

QByteArray xmlPlist(const QByteArray &body) {
    return "<?xml version=\"1.0\"?><plist version=\"1.0\">" + body + "</plist>";
}

// A binary property list: {"name": "binary", "count": -5, "codes": [12, 11]}.
const QByteArray kBinary = QByteArray::fromHex(
    "62706c6973743030546e616d6555636f756e7455636f6465735662696e61727913fffffffffffffffb100c100b"
    "a20506d3000102030407080d131920292b2d30000000000000010100000000000000090000000000000008000"
    "0000000000037");

// Binary {"a": array 0}; array i holds `width` references to i + 1, the last none (or 0: a loop),
// or the last is the string `leaf`.
QByteArray binaryChain(int length, int width, bool loop = false, const QByteArray &leaf = {}) {
    QByteArray bytes("bplist00"), offsets;
    QDataStream out(&bytes, QIODevice::Append), table(&offsets, QIODevice::WriteOnly);
    for (int i = 0; i < length; ++i) {
        table << quint32(bytes.size());
        if (i + 1 == length && !leaf.isEmpty()) {
            out << quint8(0x5F) << quint8(0x12) << quint32(leaf.size());
            out.writeRawData(leaf.constData(), int(leaf.size()));
            continue;
        }
        const int refs = i + 1 < length ? width : int(loop);
        if (refs < 15)
            out << quint8(0xA0 | refs);
        else // the count follows as a 4-byte integer
            out << quint8(0xAF) << quint8(0x12) << quint32(refs);
        for (int n = 0; n < refs; ++n)
            out << quint32((i + 1) % length);
    }
    table << quint32(bytes.size()) << quint32(bytes.size() + 2); // "a", then the dictionary
    out << quint8(0x51) << quint8('a') << quint8(0xD1) << quint32(length) << quint32(0);
    const auto tableOffset = quint64(bytes.size());
    out.writeRawData(offsets.constData(), int(offsets.size()));
    out << quint64(0x0404) << quint64(length + 2) << quint64(length + 1) << tableOffset; // trailer
    return bytes;
}

// A number of a /proc file: of status, VmRSS (the resident memory, in kB) and VmHWM (its
// peak); of thread-self/io, wchar (the bytes the calling thread has written).
qint64 procNumber(const char *file, const char *field) {
    const QString text = QString::fromLatin1(readFile(u"/proc/"_qs + QLatin1String(file)));
    const QRegularExpressionMatch number =
        QRegularExpression(u"^%1:\\s*(\\d+)"_qs.arg(QLatin1String(field)),
                           QRegularExpression::MultilineOption)
            .match(text);
    return number.hasMatch() ? number.captured(1).toLongLong() : -1;
}

} // namespace

class TestPreferenceStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_paths = 0;
    QStringList m_errors; // the store logs errors only
    QString freshPath() { return m_dir.filePath(u"%1/q/preferences.plist"_qs.arg(++m_paths)); }

private Q_SLOTS:
    void initTestCase() {
        DiagnosticLog::setSink([this](const QString &l) { m_errors << l; });
        std::signal(SIGXFSZ, SIG_IGN); // a write over the file size limit fails with EFBIG
    }
    void init() { m_errors.clear(); }

    void valuesKeepTheirTypesThroughTheFile() {
        const QString path = freshPath();
        // Control characters and U+FFFF are no XML characters, yet the file must stay readable.
        const QString text = u"Grüße <&> ]]> 日本語\t\n"_qs + QChar(0x01) + QChar(0xFFFF);
        const QDateTime when(QDate(2023, 3, 8), QTime(20, 26, 40), QTimeZone::utc());
        const QList<qint64> codes{std::numeric_limits<qint64>::min(), -1, 5'000'000'000};
        PreferenceStore writer(path);
        QVERIFY(writer.setString(u"TimerMessage"_qs, text) && writer.setBool(u"no"_qs, false) &&
                writer.setDate(u"fraction"_qs, when.addMSecs(750)) &&
                writer.setData(u"bytes"_qs, QByteArray("\0\xFF", 2)) &&
                writer.setIntegerArray(u"codes"_qs, codes));
        writer.flush();
        QCOMPARE(writer.date(u"fraction"_qs), when); // to the second in memory too
        PreferenceStore store(path);
        QCOMPARE(store.string(u"TimerMessage"_qs), text);
        QCOMPARE(store.date(u"fraction"_qs), when);
        QCOMPARE(store.integerArray(u"codes"_qs), codes);
        QVERIFY(store.boolean(u"no"_qs) == false && store.data(u"bytes"_qs) == "\0\xFF"_qba);
        // Dates the file cannot hold are refused, not mangled.
        QVERIFY(!store.setDate(u"d"_qs, QDateTime()) &&
                !store.setDate(u"d"_qs, QDateTime::fromSecsSinceEpoch(qint64(1) << 32)));
        QVERIFY(!store.contains(u"d"_qs) && m_errors.size() == 2);
    }

    void foreignFilesFollowTheSameRulesAndSurviveRewrites() {
        const QString path = freshPath();
        const QByteArray original = xmlPlist(
            "<dict><key>flag</key><true/><key>one</key><integer>1</integer>\n"
            "<key>mixed</key><array><integer>11</integer><string>14</string></array>\n"
            "<key>nested</key><dict><key>a</key><array><real>1.5</real></array></dict>\n"
            "<key>TimerMinutes</key><integer>7</integer><key>empty</key><data></data></dict>");
        writeFile(path, original);
        PreferenceStore store(path);
        // A value of another type counts as absent; a mixed array is no integer array.
        QVERIFY(!store.integer(u"flag"_qs) && !store.boolean(u"one"_qs) &&
                !store.string(u"one"_qs) && !store.integerArray(u"mixed"_qs));
        // Replacing one value leaves the order and everything else as it was.
        QVERIFY(store.setInteger(u"TimerMinutes"_qs, 5'000'000'000));
        store.flush();
        QCOMPARE(bare(readFile(path)), bare(original).replace(u">7<"_qs, u">5000000000<"_qs));

        // A binary file is read, and rewritten as XML.
        writeFile(path, kBinary);
        QCOMPARE(store.integerArray(u"codes"_qs), (QList<qint64>{12, 11}));
        QVERIFY(store.setInteger(u"count"_qs, 6));
        store.flush();
        QVERIFY(readFile(path).startsWith("<?xml"));
        QCOMPARE(PreferenceStore(path).string(u"name"_qs), u"binary"_qs);
    }

    void aMissingFileIsAnEmptyStoreUntilAPrivateAtomicWrite() {
        qputenv("XDG_CONFIG_HOME", "config"); // relative: ignored, as XDG asks
        QCOMPARE(PreferenceStore::standardFilePath(),
                 QDir::homePath() + u"/.config/quillory/preferences.plist"_qs);
        const QString path = freshPath(), folder = QFileInfo(path).absolutePath();
        PreferenceStore first(path), second(path);
        QVERIFY(!first.contains(u"rateDone"_qs) && first.remove(u"rateDone"_qs));
        QVERIFY(!QFileInfo::exists(folder)); // nothing written yet
        QVERIFY(second.setString(u"ud_LineKey"_qs, u"l"_qs) && m_errors.isEmpty());
        second.flush();
        QCOMPARE(int(QFile::permissions(path)), 0x6600);   // 0600: read and write for the owner
        QCOMPARE(int(QFile::permissions(folder)), 0x7700); // 0700

        // Each write starts from the file as it is, and replaces it whole: a hard link keeps
        // the old inode, which a rewrite in place would change too.
        const QString link = folder + u"/old-link"_qs;
        QCOMPARE(::link(qPrintable(path), qPrintable(link)), 0);
        const QByteArray before = readFile(path);
        QVERIFY(first.setBool(u"rateDone"_qs, true));
        first.flush();
        QCOMPARE(readFile(link), before);
        QVERIFY(second.boolean(u"rateDone"_qs) && second.string(u"ud_LineKey"_qs) == u"l"_qs);
        QVERIFY(QFile::remove(path) && !first.contains(u"rateDone"_qs)); // deleted by another
    }

    // One file per kind of damage. The last four would make libplist 2.2 overflow its stack or
    // expand exponentially; text that is not UTF-8 would make the file we write unreadable.
    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated XML") << xmlPlist("<dict><key>a</key><integer>5</integer>");
        QTest::newRow("array root") << xmlPlist("<array><integer>1</integer></array>");
        QTest::newRow("truncated binary") << kBinary.left(60);
        QTest::newRow("binary text not UTF-8") << QByteArray(kBinary).replace("codes", "code\xEF");
        QTest::newRow("deep XML") << xmlPlist("<dict><key>a</key>" +
                                              QByteArray("<array>").repeated(5000) +
                                              QByteArray("</array>").repeated(5000) + "</dict>");
        QTest::newRow("deep binary") << binaryChain(200'000, 1);
        QTest::newRow("shared binary references") << binaryChain(41, 2); // 2^40 nodes expanded
        QTest::newRow("binary cycle") << binaryChain(2, 1, true);
        QTest::newRow("shared binary string") // 4096 references to 64 KiB: 256 MiB expanded
            << binaryChain(2, 4096, false, QByteArray(64 * 1024, 'x'));
    }

    // Earlier copies are never overwritten: this second's and the next's first two names are taken.
    void damagedFilesAreKeptAsideAndTheStoreStartsEmpty() {
        QFETCH(QByteArray, content);
        const QString path = freshPath();
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime &when : {now, now.addSecs(1)}) {
            const QString base = path + u".damaged-"_qs + when.toString(u"yyyyMMdd-HHmmss"_qs);
            writeFile(base, "earlier");
            writeFile(base + u"-2"_qs, "earlier");
        }
        writeFile(path, content);
        // Refused before anything is built from it: the peak memory (reset by writing 5 to
        // clear_refs) stays near where it was.
        QFile peak(u"/proc/self/clear_refs"_qs);
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1 && peak.flush());
        const qint64 before = procNumber("self/status", "VmRSS");
        QVERIFY(before > 0 && !PreferenceStore(path).contains(u"a"_qs));
        QCOMPARE_LT(procNumber("self/status", "VmHWM") - before, 64 * 1024);
        QCOMPARE(entries(path, u"*.damaged-*"_qs).size(), 5);
        const QString copy = entries(path, u"*-3"_qs).value(0);
        QCOMPARE(readFile(QFileInfo(path).dir().filePath(copy)), content);
        QVERIFY(m_errors.size() == 1 && m_errors[0].contains(path) && m_errors[0].contains(copy));
    }

    // A write that fails (a full disk, as a file size limit that binds root too; a folder that
    // cannot be made) leaves the previous file, keeps the value in memory and says why, on the
    // thread that watches.
    void failedWritesKeepThePreviousFileAndTheValueInMemory() {
        const QString path = freshPath();
        PreferenceStore store(path), blocked(path + u"/quillory/preferences.plist"_qs);
        QStringList told;
        for (PreferenceStore *watched : {&store, &blocked})
            watched->writeFailedHandler.watch(this, [&](const PreferenceStore::WriteFailure &f) {
                told << f.filePath << f.reason << QThread::currentThread()->objectName();
            });
        QThread::currentThread()->setObjectName(u"watcher"_qs);
        QVERIFY(store.setString(u"TimerMessage"_qs, u"old"_qs));
        store.flush();
        const QByteArray before = readFile(path), big(64 * 1024, 'x');
        rlimit saved;
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const rlimit limited{4096, saved.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const bool queued = store.setData(u"TimerColor"_qs, big);
        store.flush();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(queued && store.data(u"TimerColor"_qs) == big && readFile(path) == before);
        QCOMPARE(entries(path), QStringList{"preferences.plist"}); // no temporary left behind
        QVERIFY(m_errors.size() == 1 && m_errors[0].contains(qt_error_string(EFBIG)));
        QTRY_COMPARE(told, (QStringList{path, qt_error_string(EFBIG), u"watcher"_qs}));
        // Someone else writes the file meanwhile: it is read, the value kept in memory is set
        // again on it, and the next file holds both.
        QVERIFY(PreferenceStore(path).setInteger(u"TimerMinutes"_qs, 9));
        QVERIFY(store.integer(u"TimerMinutes"_qs) == 9 && store.data(u"TimerColor"_qs) == big);
        store.flush();
        QCOMPARE(PreferenceStore(path).data(u"TimerColor"_qs), big);

        told.clear(); // a file is in the way of the folder
        QVERIFY(blocked.setInteger(u"k"_qs, 10) && blocked.integer(u"k"_qs) == 10);
        blocked.flush();
        QTRY_COMPARE(told.size(), 3);
        QVERIFY(told[0] == blocked.filePath() && told[1].endsWith(qt_error_string(ENOTDIR)) &&
                told[2] == u"watcher"_qs);
    }

    // A link to the file (a dotfile manager's, relative) is written through and stays a link;
    // one that leads nowhere or round in a circle is left as it is, and the log says why.
    void aSymbolicLinkIsWrittenThrough() {
        const QString path = freshPath(), target = m_dir.filePath(u"dotfiles/quillory.plist"_qs);
        writeFile(target, xmlPlist("<dict><key>kept</key><true/></dict>"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) &&
                ::symlink("../../dotfiles/quillory.plist", qPrintable(path)) == 0);
        PreferenceStore store(path);
        QVERIFY(store.setInteger(u"TimerMinutes"_qs, 4));
        store.flush();
        QVERIFY(QFileInfo(path).isSymLink() &&
                PreferenceStore(target).integer(u"TimerMinutes"_qs) == 4);
        QVERIFY(PreferenceStore(target).boolean(u"kept"_qs) && m_errors.isEmpty());
        for (const char *to : {"missing.plist", "preferences.plist"}) {
            QVERIFY(QFile::remove(path) && ::symlink(to, qPrintable(path)) == 0);
            QVERIFY(store.setBool(u"rateDone"_qs, true));
            store.flush();
            QVERIFY(QFileInfo(path).isSymLink() &&
                    QFile::symLinkTarget(path).endsWith(QLatin1String(to)));
            QVERIFY2(m_errors.value(m_errors.size() - 1).contains(u"symbolic link"_qs),
                     qPrintable(m_errors.join(u'\n')));
        }
    }

    // A value with which the next start would refuse the file (25 MiB of data is over 32 MiB
    // in base64) is refused: the previous value stays, in memory and in the file, and later
    // writes go on.
    void aValueTheNextStartWouldRefuseIsRefused() {
        const QString path = freshPath();
        PreferenceStore store(path);
        QStringList told;
        store.writeFailedHandler.watch(
            this, [&](const PreferenceStore::WriteFailure &f) { told << f.reason; });
        QVERIFY(store.setData(u"TimerColor"_qs, "old"_qba));
        QVERIFY(!store.setData(u"TimerColor"_qs, QByteArray(25 << 20, 'x')));
        QVERIFY(told.size() == 1 && told[0].contains(u"too large"_qs));
        QVERIFY(store.setBool(u"rateDone"_qs, true));
        store.flush();
        PreferenceStore reread(path);
        for (PreferenceStore *reader : {&store, &reread})
            QVERIFY(reader->data(u"TimerColor"_qs) == "old"_qba && reader->boolean(u"rateDone"_qs));
    }

    // A burst of writes (200 remote actions in a row) leaves the disk to the store's thread:
    // the caller writes no byte to any file, readers see each value at once, and the file ends
    // with the last values, at the latest once the store is gone.
    void aBurstOfWritesLeavesTheDiskToTheStore() {
        const QString path = freshPath();
        {
            PreferenceStore store(path);
            const qint64 before = procNumber("thread-self/io", "wchar");
            QVERIFY(before >= 0);
            for (int i = 1; i <= 200; ++i) {
                QVERIFY(store.setInteger(u"TimerMinutes"_qs, i) &&
                        store.setBool(u"CursorHighlight"_qs, i % 2));
                QVERIFY(store.integer(u"TimerMinutes"_qs) == i);
            }
            QCOMPARE(procNumber("thread-self/io", "wchar"), before);
        }
        PreferenceStore reread(path);
        QVERIFY(reread.integer(u"TimerMinutes"_qs) == 200 &&
                reread.boolean(u"CursorHighlight"_qs) == false);
    }

    // A FIFO is set aside unopened (a writer comes by, so that opening it fails, not hangs).
    void aFifoIsSetAsideUnopened() {
        const QString path = freshPath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && ::mkfifo(qPrintable(path), 0600) == 0);
        std::atomic<bool> done = false;
        std::thread writer([&] {
            for (; !done; ::usleep(20'000))
                ::close(::open(qPrintable(path), O_WRONLY | O_NONBLOCK));
        });
        PreferenceStore store(path);
        const bool written = !store.contains(u"a"_qs) && store.setBool(u"a"_qs, true);
        store.flush();
        done = true;
        writer.join();
        QVERIFY(written && QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).dir().entryList({u"*.damaged-*"_qs}, QDir::System).size(), 1);
        QVERIFY(m_errors.size() == 1 && m_errors[0].contains(u"it is a FIFO"_qs));
    }

    // A writer ended by a signal in the middle of its writes (a session ending) leaves the old
    // file or the new one, whole, at whatever moment the signal comes: nothing is moved aside
    // as damaged.
    void aWriterEndedBySignalLeavesAWholeFile() {
        const QString path = freshPath();
        QVERIFY(PreferenceStore(path).setString(u"TimerMessage"_qs, u"start"_qs));
        // The writers end at once, without the test runner's crash report.
        struct sigaction plain = {}, runners = {};
        plain.sa_handler = SIG_DFL;
        ::sigaction(SIGTERM, &plain, &runners);
        for (int round = 0; round < 24; ++round) {
            const pid_t writer = ::fork();
            if (writer == 0) {
                PreferenceStore store(path);
                for (int i = 0;; ++i)
                    store.setString(u"TimerMessage"_qs, QString(50'000, QChar(u'a' + i % 26)));
            }
            QVERIFY(writer > 0);
            ::usleep(useconds_t(1000 + round * 1700));
            ::kill(writer, round % 2 ? SIGKILL : SIGTERM);
            int status = 0;
            QCOMPARE(::waitpid(writer, &status, 0), writer);
            QVERIFY(WIFSIGNALED(status));
            const std::optional<QString> read = PreferenceStore(path).string(u"TimerMessage"_qs);
            QVERIFY(read == u"start"_qs || (read && read->size() == 50'000));
            QCOMPARE(entries(path, u"preferences.plist*"_qs), QStringList{"preferences.plist"});
        }
        ::sigaction(SIGTERM, &runners, nullptr);
        QVERIFY(m_errors.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPreferenceStore)
#include "tst_preferencestore.moc"
