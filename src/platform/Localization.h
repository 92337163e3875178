#pragma once

#include <QString>

// Loads the string table "Copy" (ID-based texts) for the user's language, falling back
// to English. Texts are then looked up by id with qtTrId().
class Localization {
public:
    static bool install();
};
