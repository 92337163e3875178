#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Loads the string table "Copy" (ID-based texts) for the user's language, falling back
// to English, and Qt's own texts (dialog buttons, key names) in the same language where the
// system has them. Texts are then looked up by id with qtTrId().
class Localization {
public:
    // The languages the user asks for, most wanted first, read as gettext reads them: the
    // LANGUAGE list, then the messages locale (LC_ALL, LC_MESSAGES, LANG). A C or POSIX
    // messages locale asks for none, LANGUAGE or not.
    static QStringList
    languages(const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    // Installs the table of the first language that has one ("de_DE.UTF-8" finds "de", "pt_PT"
    // the Brazilian "pt_BR"), replacing any table installed before; false when not even English
    // loads.
    static bool install(const QStringList &languages = Localization::languages());
};
