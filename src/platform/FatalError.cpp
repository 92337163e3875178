#include "platform/FatalError.h"

#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

QString fatalErrorMessage(const char *file, const char *function, int line, const QString &reason) {
    QString message = QStringLiteral("Fatal error: %1:%2:%3")
                          .arg(QFileInfo(QString::fromUtf8(file)).fileName(),
                               QString::fromUtf8(function), QString::number(line));
    if (!reason.isEmpty())
        message += QStringLiteral(": ") + reason;
    return message;
}

void fatalError(const char *file, const char *function, int line, const QString &reason) {
    const QByteArray text = fatalErrorMessage(file, function, line, reason).toUtf8() + '\n';
    std::fflush(stdout);
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
    std::abort();
}
