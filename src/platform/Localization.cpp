#include "platform/Localization.h"

#include "platform/DiagnosticLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <algorithm>
#include <utility>

namespace {
// The string table. It also stands in for the lines Qt's own command-line help gives its
// options where Qt's table for the language lacks them (French, Spanish, Italian, Polish and
// Japanese do), so that `--help` reads in one language. Qt's table is asked first.
class CopyTable : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override {
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return QTranslator::translate(context, sourceText, disambiguation, n);
        static const std::pair<const char *, const char *> optionTexts[] = {
            //% "Displays help on commandline options."
            {"Displays help on commandline options.", QT_TRID_NOOP("cli.option.help")},
            //% "Displays help including Qt specific options."
            {"Displays help including Qt specific options.", QT_TRID_NOOP("cli.option.helpAll")},
            //% "Displays version information."
            {"Displays version information.", QT_TRID_NOOP("cli.option.version")},
        };
        for (const auto &[qtText, id] : optionTexts) {
            if (qstrcmp(sourceText, qtText) == 0)
                return QTranslator::translate(nullptr, id, nullptr, n);
        }
        return {};
    }
};

// Owned by the application object, so they go with it.
struct Installed {
    QPointer<QTranslator> copy;
    QPointer<QTranslator> qt;
};

Installed &installed() {
    static Installed tables;
    return tables;
}

// "de_DE.UTF-8@euro" → {"de_DE", "de"}: the names a table may carry, most specific first. Where
// a language's only table is a regional one, that comes last: any Portuguese reads the Brazilian
// table, Chinese in simplified script the zh_CN one (traditional script goes on to the next
// language asked for, or English).
QStringList tableNames(const QString &language) {
    const QString name = language.section(u'.', 0, 0).section(u'@', 0, 0);
    const QString base = name.section(u'_', 0, 0);
    QStringList names = name == base ? QStringList{name} : QStringList{name, base};
    if (base == u"pt")
        names << QStringLiteral("pt_BR");
    else if (base == u"zh" && QLocale(name).script() != QLocale::TraditionalHanScript)
        names << QStringLiteral("zh_CN");
    return names;
}
} // namespace

QStringList Localization::languages(const QProcessEnvironment &environment) {
    QString messages;
    for (const QString &variable :
         {QStringLiteral("LC_ALL"), QStringLiteral("LC_MESSAGES"), QStringLiteral("LANG")}) {
        messages = environment.value(variable);
        if (!messages.isEmpty())
            break;
    }
    const QString name = tableNames(messages).constFirst();
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    return environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts)
           << messages;
}

bool Localization::install(const QStringList &languages) {
    QString language = QStringLiteral("en");
    for (const QString &wanted : languages) {
        const QStringList names = tableNames(wanted);
        const auto found = std::find_if(names.begin(), names.end(), [](const QString &name) {
            return QFile::exists(QStringLiteral(":/i18n/Copy_") + name + QStringLiteral(".qm"));
        });
        if (found != names.end()) {
            language = *found;
            break;
        }
    }
    auto *copy = new CopyTable(QCoreApplication::instance());
    if (!copy->load(QStringLiteral(":/i18n/Copy_") + language + QStringLiteral(".qm"))) {
        QLOG_ERROR("Could not load the string table Copy for", language);
        delete copy;
        return false;
    }
    // Qt's own table, for the file and colour dialogs, message box buttons and key names.
    QTranslator *qt = nullptr;
    if (language != u"en") {
        qt = new QTranslator(QCoreApplication::instance());
        if (!qt->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete qt;
            qt = nullptr;
        }
    }
    Installed &tables = installed();
    delete tables.copy; // which also uninstalls it
    delete tables.qt;
    tables = {copy, qt};
    QCoreApplication::installTranslator(copy);
    if (qt)
        QCoreApplication::installTranslator(qt);
    return true;
}
