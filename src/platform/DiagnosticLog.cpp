#include "platform/DiagnosticLog.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>

#include <cstdio>

namespace {
// Debug off, as Qt's own categories are: a logging rule turns it on.
Q_LOGGING_CATEGORY(quilloryLog, "quillory", QtInfoMsg)

QMutex sinkMutex;
DiagnosticLog::Sink &currentSink() {
    static DiagnosticLog::Sink sink;
    return sink;
}
} // namespace

QString DiagnosticLog::marker(Marker marker) {
    switch (marker) {
    case Marker::Ordinary:
        return QStringLiteral("\u26AA\uFE0F");
    case Marker::Flagged:
        return QString::fromUcs4(U"\U0001F535", 1);
    case Marker::Error:
        return QString::fromUcs4(U"\U0001F534", 1);
    }
    return {};
}

QString DiagnosticLog::sourceName(const char *file) {
    return QFileInfo(QString::fromUtf8(file)).completeBaseName();
}

QString DiagnosticLog::format(Marker m, const char *file, const QStringList &items) {
    QString text = marker(m) + QStringLiteral(" [") + sourceName(file) + QLatin1Char(']');
    for (const QString &item : items)
        text += QLatin1Char(' ') + item;
    return text;
}

void DiagnosticLog::write(Marker m, const char *file, const QStringList &items) {
    writeLine(format(m, file, items));
}

bool DiagnosticLog::debugEnabled() {
    return quilloryLog().isDebugEnabled();
}

void DiagnosticLog::writeDebug(const QStringList &items) {
    writeLine(items.join(QLatin1Char(' ')));
}

void DiagnosticLog::writeLine(const QString &text) {
    QMutexLocker lock(&sinkMutex);
    if (currentSink()) {
        currentSink()(text);
        return;
    }
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void DiagnosticLog::setSink(Sink sink) {
    QMutexLocker lock(&sinkMutex);
    currentSink() = std::move(sink);
}
