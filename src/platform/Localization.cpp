#include "platform/Localization.h"

#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool Localization::install() {
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *candidate = new QTranslator(QCoreApplication::instance());
    if (!candidate->load(QLocale(), QStringLiteral("Copy"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")) &&
        !candidate->load(QStringLiteral(":/i18n/Copy_en.qm"))) {
        QLOG_ERROR("Could not load the string table Copy");
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    translator = candidate;
    return true;
}
