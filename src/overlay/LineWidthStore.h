#pragma once

#include <QList>

class DrawingViewModel;
class PreferenceStore;

// Each tool's line width as the preference keeps it, in palette order: read into the model at
// start, written when one changes (and only then).
class LineWidthStore {
public:
    LineWidthStore(PreferenceStore &preferences, DrawingViewModel &model);
    // A width missing, out of bounds or not a number is the tool's own; the others hold.
    void load();
    void save();

private:
    QList<qint64> widths() const;

    PreferenceStore &m_preferences;
    DrawingViewModel &m_model;
    QList<qint64> m_stored; // what the preference holds, as read or last written
};
