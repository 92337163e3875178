#pragma once

#include "preferences/GeneralPreferencesVC.h"

#include <QWidget>

// The preferences window: the general pane, above normal windows and the overlay, on the
// desktop the user is on.
class PreferencesWindowController : public QWidget {
    Q_OBJECT
public:
    PreferencesWindowController(PreferenceStore &preferences, GeneralPreferencesVC::Folder folder,
                                QWidget *parent = nullptr);

    GeneralPreferencesVC *general() const { return m_general; }
    // Shows the window in front, its pane filled afresh.
    void showWindow();

private:
    GeneralPreferencesVC *m_general;
};
