#include "platform/KeyEvent.h"

#include "platform/x11/KeyCodeTranslation.h"

#include <QKeyEvent>

KeyEvent KeyEvent::fromQt(const QKeyEvent &event) {
    KeyEvent result;
    result.keyCode = KeyCodeTranslation::virtualKeyCode(event.nativeScanCode());
    result.modifierFlags = modifierFlagsFromQt(event.modifiers());
    result.isARepeat = event.isAutoRepeat();
    // Qt reports letters as the upper-case key whatever the modifiers (Ctrl+Shift+C is Key_C),
    // so the key itself gives the character without modifiers, Shift excepted (Ctrl+Shift+C
    // gives "C"); other keys keep their text.
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        result.charactersIgnoringModifiers =
            QChar((event.modifiers() & Qt::ShiftModifier ? u'A' : u'a') + (key - Qt::Key_A));
    else if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        result.charactersIgnoringModifiers = QChar(char16_t(key)).toLower();
    else
        result.charactersIgnoringModifiers = event.text();
    return result;
}
