#include "drawing/Journal.h"

#include "drawing/DrawingViewModel.h"
#include "platform/DiagnosticLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>
#include <QThread>

#include <unistd.h>

// Lives on the journal's thread: writes the newest document it is handed, skips the older
// ones still queued.
class Journal::Writer : public QObject {
public:
    Writer(QString filePath, std::shared_ptr<std::atomic<quint64>> latest)
        : m_filePath(std::move(filePath))
        , m_latest(std::move(latest)) {}

    void write(quint64 generation, const QJsonObject &document) {
        if (generation != m_latest->load())
            return; // a newer one is on its way
        const QByteArray data = QJsonDocument(document).toJson(QJsonDocument::Compact);
        QDir().mkpath(QFileInfo(m_filePath).path());
        QSaveFile file(m_filePath);
        const bool written = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() &&
                             file.flush() && ::fsync(file.handle()) == 0 && file.commit();
        if (written) {
            m_failed = false;
            return;
        }
        const QString reason = file.errorString();
        file.cancelWriting();
        if (!std::exchange(m_failed, true)) // once, until a write succeeds again
            QLOG_ERROR("Could not write the drawings' journal", m_filePath + u':', reason);
    }

private:
    const QString m_filePath;
    const std::shared_ptr<std::atomic<quint64>> m_latest;
    bool m_failed = false;
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
    , m_latest(std::make_shared<std::atomic<quint64>>(0)) {
    m_writer = new Writer(m_filePath, m_latest);
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    m_thread->setObjectName(QStringLiteral("Journal"));
    m_thread->start(QThread::LowPriority);
    m_delay.setSingleShot(true);
    m_delay.setInterval(writeDelay);
    connect(&m_delay, &QTimer::timeout, this, [this] { write(false); });
}

Journal::~Journal() {
    if (m_following && !m_closed)
        write(false);
    m_thread->quit();
    m_thread->wait();
}

QString Journal::keptFilePath() const {
    return QFileInfo(m_filePath).path() + QStringLiteral("/kept.quillory");
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
            document = DrawingFile::read(file.readAll(), &error);
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

QJsonObject Journal::encoded(const std::shared_ptr<Renderable> &shape) {
    auto known = m_encoded.find(shape.get());
    if (known == m_encoded.end())
        known =
            m_encoded.emplace(shape.get(), std::pair(shape, DrawingFile::shapeJson(*shape))).first;
    return known->second.second;
}

void Journal::write(bool wait) {
    m_delay.stop();
    // The shapes met on the way are kept encoded for the next write; the others are let go.
    std::unordered_map<const Renderable *, std::pair<std::shared_ptr<Renderable>, QJsonObject>>
        used;
    const QJsonObject document =
        DrawingFile::toJson(m_model.document(), [&](const std::shared_ptr<Renderable> &shape) {
            QJsonObject json = encoded(shape);
            used.emplace(shape.get(), std::pair(shape, json));
            return json;
        });
    m_encoded.swap(used);
    const quint64 generation = ++*m_latest;
    QMetaObject::invokeMethod(
        m_writer,
        [writer = m_writer, generation, document] { writer->write(generation, document); },
        wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void Journal::writeNow() {
    write(true);
}

void Journal::close(bool keep) {
    m_closed = true;
    m_delay.stop();
    if (keep) {
        write(true);
        QFile::remove(keptFilePath());
        if (QFile::rename(m_filePath, keptFilePath()))
            QLOG("The drawings are kept for the next start in", keptFilePath());
        return;
    }
    // Whatever is still queued is let go, then the journal goes.
    ++*m_latest;
    QMetaObject::invokeMethod(
        m_writer, [] {}, Qt::BlockingQueuedConnection);
    if (QFile::exists(m_filePath) && !QFile::remove(m_filePath))
        QLOG_ERROR("Could not remove the drawings' journal", m_filePath);
}
