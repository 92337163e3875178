#pragma once

#include <QObject>
#include <QPalette>

class QDBusMessage;

// Keeps the application's palette in line with the desktop's light or dark preference, as the
// desktop settings portal reports it (org.freedesktop.appearance color-scheme), also when the
// user switches while Quillory runs. Where the desktop's own Qt theme already gives a dark
// palette, or the portal says nothing, the palette is left as Qt chose it.
class ColorScheme : public QObject {
    Q_OBJECT
public:
    enum class Preference : uint { none = 0, dark = 1, light = 2 };

    explicit ColorScheme(QObject *parent = nullptr);

    // Applies a preference as if the desktop had reported it.
    void apply(Preference preference);

    // The palette for dark mode: Qt's standard roles in dark greys, with a blue accent.
    static QPalette darkPalette();

public Q_SLOTS:
    // The portal's change signal (D-Bus delivers only to public slots).
    void settingChanged(const QDBusMessage &message);

private:
    void read();

    QPalette m_startPalette;
};
