#include "drawing/Journal.h"

#include "drawing/DrawingViewModel.h"
#include "platform/DiagnosticLog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>

#include <unistd.h>

namespace {

QJsonArray keyJson(const std::tuple<QString, int, int> &key) {
    return {std::get<0>(key), surfaceName(Surface(std::get<1>(key))), std::get<2>(key)};
}

// The page each board shows, by the screen's name and the board: [["DP-1", "blackboard", 1]].
QJsonArray shownPages(const DrawingDocument &document) {
    QJsonArray shown;
    for (const ScreenDrawings &screen : document.screens) {
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            if (!screen.board(board).pages.empty())
                shown.append(QJsonArray{screen.name, surfaceName(board), screen.board(board).page});
        }
    }
    return shown;
}

// Each list of the document with its key, the screen's own first, then its boards' pages.
template <typename Document, typename Each> void forEachList(Document &document, Each each) {
    for (auto &screen : document.screens) {
        each(std::tuple(screen.name, int(Surface::screen), 0), screen.shapes);
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            auto &pages = screen.board(board).pages;
            for (std::size_t page = 0; page < pages.size(); ++page)
                each(std::tuple(screen.name, int(board), int(page)), pages[page]);
        }
    }
}
} // namespace

// Lives on the journal's thread: writes the file whole, or appends a change to it.
class Journal::Writer : public QObject {
public:
    Writer(QString filePath, std::shared_ptr<std::atomic<bool>> dropped)
        : m_filePath(std::move(filePath))
        , m_dropped(std::move(dropped))
        , m_appending(m_filePath) {
        m_synced.start();
    }

    // Set when a write failed: the next one has to be whole.
    std::atomic<bool> failed = false;

    void write(bool whole, const QByteArray &data) {
        if (m_dropped->load())
            return;
        QString reason;
        bool written = false;
        if (whole) {
            m_appending.close(); // the file is replaced
            QDir().mkpath(QFileInfo(m_filePath).path());
            QSaveFile file(m_filePath);
            written = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() &&
                      file.flush() && ::fsync(file.handle()) == 0 && file.commit();
            reason = file.errorString();
            m_synced.start();
        } else {
            // Open from one write to the next, while the file is the same.
            const bool there = QFileInfo::exists(m_filePath);
            if (!there)
                m_appending.close();
            else if (!m_appending.isOpen())
                m_appending.open(QIODevice::WriteOnly | QIODevice::Append);
            written = there && m_appending.isOpen() && m_appending.write(data) == data.size() &&
                      m_appending.flush();
            reason = there ? m_appending.errorString() : QStringLiteral("it went away");
            if (written)
                syncSoon();
            else
                m_appending.close();
        }
        if (written) {
            m_logged = false;
            return;
        }
        failed = true;
        if (!std::exchange(m_logged, true)) // once, until a write succeeds again
            QLOG_ERROR("Could not write the drawings' journal", m_filePath + u':', reason);
    }

    // The sync that is due, now (the end of a session).
    void syncNow() {
        if (m_sync && m_sync->isActive()) {
            m_sync->stop();
            Q_EMIT m_sync->timeout({});
        }
    }

private:
    // What is appended is in the system's cache at once, safe from a crash of Quillory's own;
    // it reaches the disk (safe from a power cut) within two seconds, with at most one sync in
    // two seconds, however fast the changes come.
    void syncSoon() {
        if (!m_sync) {
            m_sync = new QTimer(this);
            m_sync->setSingleShot(true);
            connect(m_sync, &QTimer::timeout, this, [this] {
                if (m_appending.isOpen())
                    ::fdatasync(m_appending.handle());
                m_synced.start();
            });
        }
        if (!m_sync->isActive())
            m_sync->start(
                int(std::clamp<qint64>(syncInterval - m_synced.elapsed(), 0, syncInterval)));
    }

    static constexpr qint64 syncInterval = 2000; // ms
    const QString m_filePath;
    const std::shared_ptr<std::atomic<bool>> m_dropped;
    bool m_logged = false;
    QTimer *m_sync = nullptr;
    QElapsedTimer m_synced;
    QFile m_appending;
};

QString Journal::standardFilePath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state)) // unset, or not to be used (the XDG rule)
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/quillory/journal.quillory");
}

Journal::Journal(DrawingViewModel &model, QString filePath, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_filePath(std::move(filePath))
    , m_thread(new QThread(this))
    , m_dropped(std::make_shared<std::atomic<bool>>(false)) {
    m_writer = new Writer(m_filePath, m_dropped);
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread->setObjectName(QStringLiteral("Journal"));
    m_thread->start();
    m_delay.setSingleShot(true);
    m_delay.setInterval(writeDelay);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        // A stroke being drawn is kept once it is finished: its release asks again.
        if (!m_model.liveShape())
            write(false);
    });
}

Journal::~Journal() {
    if (m_following && !m_closed)
        sync();
    m_thread->quit();
    m_thread->wait();
}

QString Journal::keptFilePath() const {
    return QFileInfo(m_filePath).path() + QStringLiteral("/kept.quillory");
}

std::optional<DrawingDocument> Journal::read(const QByteArray &text, QString *error) {
    const qsizetype firstEnd = text.indexOf('\n');
    std::optional<DrawingDocument> document =
        DrawingFile::read(firstEnd < 0 ? text : text.left(firstEnd), error);
    if (!document || firstEnd < 0)
        return document;
    const QList<QByteArray> lines = text.mid(firstEnd + 1).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("change %1").arg(i + 1);
        QJsonParseError parsed;
        const QJsonObject record = QJsonDocument::fromJson(lines[i], &parsed).object();
        if (record.contains(QStringLiteral("shown"))) { // the page each board shows
            for (const QJsonValue &each : record.value(QStringLiteral("shown")).toArray()) {
                const QJsonArray shown = each.toArray();
                for (ScreenDrawings &screen : document->screens) {
                    if (screen.name != shown.at(0).toString())
                        continue;
                    BoardPages &board =
                        screen.board(shown.at(1).toString() == surfaceName(Surface::blackboard)
                                         ? Surface::blackboard
                                         : Surface::whiteboard);
                    // A new page is kept once it has shapes: till then it is empty here.
                    board.page = std::clamp(shown.at(2).toInt(), 0, 9999);
                    if (board.pages.size() <= std::size_t(board.page))
                        board.pages.resize(std::size_t(board.page) + 1);
                }
            }
            continue;
        }
        const QJsonArray key = record.value(QStringLiteral("list")).toArray();
        const bool added = record.contains(QStringLiteral("append"));
        std::optional<Drawings> shapes;
        if (parsed.error == QJsonParseError::NoError && key.size() == 3)
            shapes = DrawingFile::shapesFromJson(
                record.value(added ? QStringLiteral("append") : QStringLiteral("shapes")), where,
                error);
        if (!shapes && i == lines.size() - 1) {
            QLOG("The journal's last change was cut short; it is left out");
            break;
        }
        if (!shapes) {
            if (parsed.error != QJsonParseError::NoError || key.size() != 3)
                *error = qtTrId("file.error.damaged").arg(where);
            return std::nullopt;
        }
        // The list by its screen's name, surface and page, made where it is not yet.
        const QString name = key.at(0).toString();
        auto screen = std::find_if(document->screens.begin(), document->screens.end(),
                                   [&](const ScreenDrawings &each) { return each.name == name; });
        if (screen == document->screens.end()) {
            document->screens.push_back({});
            document->screens.back().name = name;
            screen = document->screens.end() - 1;
        }
        Drawings *list = &screen->shapes;
        const QString surface = key.at(1).toString();
        const int page = std::clamp(key.at(2).toInt(), 0, 9999);
        if (surface != surfaceName(Surface::screen)) {
            auto &pages =
                screen
                    ->board(surface == surfaceName(Surface::blackboard) ? Surface::blackboard
                                                                        : Surface::whiteboard)
                    .pages;
            if (pages.size() <= std::size_t(page))
                pages.resize(std::size_t(page) + 1);
            list = &pages[std::size_t(page)];
        }
        if (!added)
            list->clear();
        list->insert(list->end(), shapes->begin(), shapes->end());
    }
    return document;
}

Journal::Recovery Journal::recover() {
    Recovery recovery;
    QString path = m_filePath;
    recovery.unclean = QFileInfo::exists(path);
    if (!recovery.unclean && QFileInfo::exists(keptFilePath())) {
        // Kept by the last quit: from here on the journal holds them.
        if (!QFile::rename(keptFilePath(), m_filePath))
            path = keptFilePath();
    }
    QFile file(path);
    if (file.exists()) {
        QString error;
        std::optional<DrawingDocument> document;
        if (file.open(QIODevice::ReadOnly))
            document = read(file.readAll(), &error);
        else
            error = file.errorString();
        file.close();
        if (document) {
            m_model.load(*document);
            recovery.shapes = document->shapeCount();
            QLOG("Brought back", recovery.shapes, "shapes from", path,
                 recovery.unclean ? "(Quillory had not quit)" : "(kept at the last quit)");
        } else {
            recovery.error = error;
            recovery.setAsidePath =
                path + QStringLiteral(".damaged-") +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
            if (!QFile::rename(path, recovery.setAsidePath)) {
                QFile::remove(recovery.setAsidePath);
                QFile::rename(path, recovery.setAsidePath);
            }
            QLOG_ERROR("The drawings' journal", path, "cannot be read (" + error + "); kept as",
                       recovery.setAsidePath);
        }
    }
    m_following = true;
    connect(&m_model, &DrawingViewModel::keptDrawingsChanged, this, &Journal::schedule);
    return recovery;
}

void Journal::schedule() {
    if (!m_closed && !m_delay.isActive())
        m_delay.start();
}

const QByteArray &Journal::encoded(const std::shared_ptr<Renderable> &shape) {
    auto known = m_encoded.find(shape.get());
    if (known == m_encoded.end()) {
        QByteArray json =
            QJsonDocument(DrawingFile::shapeJson(*shape)).toJson(QJsonDocument::Compact);
        known = m_encoded.emplace(shape.get(), std::pair(shape, std::move(json))).first;
    }
    return known->second.second;
}

// The JSON text with each mark ("@shapes<n>@", a string) replaced by the array of list n's
// shapes in their kept text.
QByteArray Journal::spliced(const QByteArray &json, const std::vector<const Drawings *> &lists) {
    static const QByteArray open = "\"@shapes";
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = json.indexOf(open); at >= 0; at = json.indexOf(open, at + 1)) {
        if (at > 0 && json.at(at - 1) == '\\')
            continue; // inside a string of its own (a screen's name)
        const qsizetype end = json.indexOf("@\"", at + open.size());
        const std::size_t list = json.mid(at + open.size(), end - at - open.size()).toULongLong();
        out += json.mid(from, at - from);
        out += '[';
        for (std::size_t i = 0; i < lists[list]->size(); ++i) {
            if (i > 0)
                out += ',';
            out += encoded((*lists[list])[i]);
        }
        out += ']';
        from = end + 2;
    }
    out += json.mid(from);
    return out;
}

void Journal::write(bool wait, bool whole) {
    m_delay.stop();
    const DrawingDocument document = m_model.document();
    whole = whole || !m_hasFile || m_writer->failed.exchange(false) ||
            m_addedBytes > std::max<qsizetype>(m_wholeBytes, 64 * 1024);
    QByteArray data;
    std::map<ListKey, const Drawings *> now;
    forEachList(document, [&now](ListKey key, const Drawings &list) { now[key] = &list; });
    if (whole) {
        std::vector<const Drawings *> lists;
        const QJsonObject json = DrawingFile::toJson(document, [&lists](const Drawings &shapes) {
            lists.push_back(&shapes);
            return QJsonValue(QStringLiteral("@shapes%1@").arg(lists.size() - 1));
        });
        // Only the shapes kept now stay encoded.
        std::unordered_map<const Renderable *, std::pair<std::shared_ptr<Renderable>, QByteArray>>
            used;
        for (const auto &[key, list] : now) {
            for (const std::shared_ptr<Renderable> &shape : *list)
                used.emplace(shape.get(), std::pair(shape, encoded(shape)));
        }
        m_encoded.swap(used);
        data = spliced(QJsonDocument(json).toJson(QJsonDocument::Compact), lists) + '\n';
        m_wholeBytes = data.size();
        m_addedBytes = 0;
    } else {
        // A list that grew at its end gets what it gained; any other change, the list as it is.
        const auto change = [this, &data](const ListKey &key, const Written &before,
                                          const Drawings &after) {
            const auto same = [&](std::size_t count) {
                return std::equal(before.begin(), before.begin() + qsizetype(count), after.begin(),
                                  [](const Renderable *was, const std::shared_ptr<Renderable> &is) {
                                      return was == is.get();
                                  });
            };
            if (before.size() == after.size() && same(before.size()))
                return;
            const bool grew = after.size() > before.size() && same(before.size());
            const Drawings shapes(grew ? after.begin() + qsizetype(before.size()) : after.begin(),
                                  after.end());
            const QJsonObject record{
                {QStringLiteral("list"), keyJson(key)},
                {grew ? QStringLiteral("append") : QStringLiteral("shapes"), u"@shapes0@"_qs}};
            data += spliced(QJsonDocument(record).toJson(QJsonDocument::Compact), {&shapes}) + '\n';
        };
        for (const auto &[key, list] : now) {
            const auto before = m_written.find(key);
            change(key, before != m_written.end() ? before->second : Written{}, *list);
        }
        for (const auto &[key, list] : m_written) {
            if (!now.count(key))
                change(key, list, {});
        }
        const QJsonArray shown = shownPages(document);
        if (shown != m_shownPages) // a line of its own, read after the lists
            data += QJsonDocument(QJsonObject{{QStringLiteral("shown"), shown}})
                        .toJson(QJsonDocument::Compact) +
                    '\n';
        m_addedBytes += data.size();
    }
    m_shownPages = shownPages(document);
    m_written.clear();
    for (const auto &[key, list] : now) {
        Written &kept = m_written[key];
        kept.reserve(list->size());
        for (const std::shared_ptr<Renderable> &shape : *list)
            kept.push_back(shape.get());
    }
    m_hasFile = true;
    if (data.isEmpty() && !wait)
        return;
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer, whole, data] { writer->write(whole, data); },
        wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void Journal::writeNow() {
    write(true);
}

void Journal::sync() {
    write(true);
    QMetaObject::invokeMethod(
        m_writer, [writer = m_writer] { writer->syncNow(); }, Qt::BlockingQueuedConnection);
}

void Journal::close(bool keep) {
    m_closed = true;
    m_delay.stop();
    if (keep) {
        write(true, true);
        QFile::remove(keptFilePath());
        if (QFile::rename(m_filePath, keptFilePath()))
            QLOG("The drawings are kept for the next start in", keptFilePath());
        return;
    }
    // Whatever is still queued is let go, then the journal goes.
    m_dropped->store(true);
    QMetaObject::invokeMethod(
        m_writer, [] {}, Qt::BlockingQueuedConnection);
    if (QFile::exists(m_filePath) && !QFile::remove(m_filePath))
        QLOG_ERROR("Could not remove the drawings' journal", m_filePath);
}
