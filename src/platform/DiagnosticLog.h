#pragma once

#include <QDebug>
#include <QString>
#include <QStringList>

#include <functional>

// The developer log on standard output. Every line reads
//   <marker> [<SourceFile>] item item ...
// where the marker tells an ordinary line, a flagged one and an error apart.
class DiagnosticLog {
public:
    enum class Marker { Ordinary, Flagged, Error };

    static QString marker(Marker marker);
    // "src/drawing/Renderable.cpp" -> "Renderable"
    static QString sourceName(const char *file);
    static QString format(Marker marker, const char *file, const QStringList &items);
    static void write(Marker marker, const char *file, const QStringList &items);

    // Debug lines are bare words (no marker, no source), for developers following events one
    // by one. They are off unless the logging rule "quillory.debug=true" is on
    // (QT_LOGGING_RULES or a qtlogging.ini), so an ordinary log gets no line per event.
    static bool debugEnabled();
    static void writeDebug(const QStringList &items);

    // Tests capture the lines instead of printing them; an empty sink restores stdout.
    using Sink = std::function<void(const QString &line)>;
    static void setSink(Sink sink);

    template <typename T> static QString item(const T &value) {
        if constexpr (std::is_convertible_v<T, QString>) {
            return QString(value);
        } else if constexpr (std::is_same_v<T, bool>) {
            return value ? QStringLiteral("true") : QStringLiteral("false");
        } else if constexpr (std::is_arithmetic_v<T>) {
            return QString::number(value);
        } else {
            QString text;
            QDebug(&text).noquote().nospace() << value;
            return text;
        }
    }

    template <typename... Items>
    static void line(Marker marker, const char *file, const Items &...items) {
        write(marker, file, QStringList{item(items)...});
    }
    template <typename... Items> static void debugLine(const Items &...items) {
        writeDebug(QStringList{item(items)...});
    }

private:
    static void writeLine(const QString &text);
};

#define QLOG(...) DiagnosticLog::line(DiagnosticLog::Marker::Ordinary, __FILE__, __VA_ARGS__)
#define QLOG_FLAG(...) DiagnosticLog::line(DiagnosticLog::Marker::Flagged, __FILE__, __VA_ARGS__)
#define QLOG_ERROR(...) DiagnosticLog::line(DiagnosticLog::Marker::Error, __FILE__, __VA_ARGS__)
#define QLOG_DEBUG(...)                                                                            \
    do {                                                                                           \
        if (DiagnosticLog::debugEnabled())                                                         \
            DiagnosticLog::debugLine(__VA_ARGS__);                                                 \
    } while (false)
