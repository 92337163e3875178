<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Gefällt Ihnen Quillory? Erzählen Sie es weiter und bewerten Sie uns im App-Store.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Jetzt bewerten</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>Nein, danke!</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>Stiftstrich</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>%1 auf %2 zeichnen</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Zeichnungen auf %1 löschen</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>Unbekannter Bildschirm</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Mit der Maus zeichnen; diese Karte weicht beim Zeichnen aus. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Auf dem Bildschirm zeichnen</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Farbe wählen: Rot, Gelb, Grün, Blau, Lila, Braun, Türkis, Grau, Rosa</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Werkzeug wählen: Stift, Linie, Pfeil, Rechteck, Ellipse. Umschalt gedrückt halten, um einen Stift- oder Pfeilstrich gerade zu ziehen</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Diese Karte ein- oder ausblenden</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Quillory ausblenden, bis ein Tastenkürzel oder das Symbol im Benachrichtigungsfeld es zurückholt (einmal Esc bei leerem Bildschirm)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Den Bildschirm samt Zeichnungen in die Zwischenablage kopieren</translation>
    </message>
    <message id="info.shortcut.screenshot">
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message id="info.shortcut.esc">
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message id="info.shortcut.esc.info">
        <source>Clear the screen (Ctrl+Z brings the drawings back)</source>
        <translation>Den Bildschirm leeren (Strg+Z holt die Zeichnungen zurück)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory im Web</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>einem Ordner Ihrer Wahl</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Den Bildschirm samt Zeichnungen als PNG-Datei speichern in </translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Eine Aktion an das laufende Quillory senden.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>unbekannte Aktion „%1“; die Aktionen sind: %2</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Quillory anzeigen</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Werkzeuge auf dem Schreibtisch anzeigen</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Türkis</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Jetzt ausführen</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Tastenkürzel entfernen: %1</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Tastenkürzel festlegen</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Werkzeuge auf dem Schreibtisch ausblenden</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Aufnahme: Drücken Sie das neue Tastenkürzel</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Bitte verwenden Sie eine andere Tastenkombination.</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>kein Sitzungs-D-Bus, über den Quillory erreichbar wäre (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory läuft nicht</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory hat nicht geantwortet: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>unbekannte Aktion „%1“</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Bildschirmfotos speichern in:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Quillory bei der Anmeldung starten</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Mauszeiger hervorheben</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Ordner auswählen …</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Ordner für Bildschirmfotos: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Quillory-Einstellungen</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>Einstellungen werden nicht gespeichert</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory konnte %1 nicht schreiben: %2. Ihre Änderungen gelten, bis Quillory beendet wird.</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Ordner für Bildschirmfotos auswählen</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>Das Bildschirmfoto konnte nicht aufgenommen oder gespeichert werden</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Bildschirmfoto in %1 gespeichert</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Bildschirmfoto in die Zwischenablage kopiert</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>Die Präsentation beginnt in</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Timer-Einstellungen</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Starten</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Präsentations-Timer</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>die Zeichenebene auf dem Bildschirm unter dem Mauszeiger zeigen</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>die Werkzeugleiste zeigen oder ausblenden</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>das Werkzeug %1 wählen und die Zeichenebene zeigen</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>den bildschirmfüllenden Präsentations-Countdown starten</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>ein Bildschirmfoto mit den Zeichnungen als PNG-Datei sichern</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>ein Bildschirmfoto mit den Zeichnungen in die Zwischenablage kopieren</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>die Zeigerhervorhebung ein- oder ausschalten</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>Quillory beenden</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Auf dem Bildschirm zeichnen, während Sie präsentieren.

Mit --action NAME wird eine Aktion an das laufende Quillory geschickt und das Programm beendet:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Binden Sie diese an Tastenkürzel Ihrer Arbeitsumgebung, wo X11-Tastenbelegungen nicht hinreichen (Wayland-Sitzungen).</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Globale Tastenkürzel erreichen Quillory hier nicht. Legen Sie stattdessen diese Befehle in den Tastatureinstellungen Ihrer Arbeitsumgebung auf Tastenkürzel.</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Noch nicht aktiv: Die Arbeitsumgebung hat es noch nicht angenommen.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Nicht aktiv: Die Arbeitsumgebung hat diese Tastenkombination nicht angenommen; ein anderes Programm oder Tastenkürzel verwendet sie vielleicht.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Nicht aktiv: Die Arbeitsumgebung kann diese Taste nicht verwenden.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Nicht aktiv: Der Tastenkürzel-Dienst der Arbeitsumgebung ist fehlgeschlagen.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 Sie können stattdessen diesen Befehl in den Tastatureinstellungen Ihrer Arbeitsumgebung belegen: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Befehl %1 kopieren</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Textmarker</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>Textmarkerstrich</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Auf %1 radieren</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Dünnere oder dickere Linie (auch Strg+Mausrad)</translation>
    </message>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: Zeigermodus, Klicks gehen an die Fenster darunter (zum Zeichnen klicken)</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>Klicks und Tasten an die Fenster darunter durchlassen; die Zeichnungen bleiben</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>nach dem Zeigermodus wieder zeichnen</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>Modus, Werkzeug, Farbe und Stärke der Zeichenebene als eine Zeile JSON ausgeben</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Zeigermodus</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>Verblassende Tinte ein- oder ausschalten: Formen verblassen einige Sekunden nach dem Zeichnen</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>Spotlight ein- oder ausschalten: der Bildschirm wird bis auf einen Kreis um den Zeiger abgedunkelt</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>den Bildschirm um den Zeiger vergrößern oder zum laufenden Bildschirm zurückkehren</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>den Bildschirm mit einer weißen Tafel bedecken oder zum Bildschirm zurückkehren</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>den Bildschirm mit einer schwarzen Tafel bedecken oder zum Bildschirm zurückkehren</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Laserpointer</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Verblassende Tinte</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>Tinte bleibt</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>Das Spotlight braucht einen Compositor</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>Kein Bild des Bildschirms zum Vergrößern</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>Verblassende Tinte verschwindet nach:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Sekunden, bis verblassende Tinte verschwunden ist</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Zeigermodus (ein und aus)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Verblassende Tinte</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Weiße Tafel</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Schwarze Tafel</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>In einer Wayland-Sitzung erscheint die Hervorhebung nur über X11-Fenstern: Über Wayland-Fenstern kann Quillory den Mauszeiger nicht sehen.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>den Zeigermodus ein- oder ausschalten</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 aus</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — %2 drücken oder auf das Symbol im Systembereich klicken, um zu zeichnen</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — %2 drücken, um zu zeichnen</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — auf das Symbol im Systembereich klicken, um zu zeichnen</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — „quillory --action draw“ ausführen, um zu zeichnen</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Palette verschieben</translation>
    </message>
    <message id="info.shortcut.slides">
        <source>PgDn PgUp ← →</source>
        <translation>PgDn PgUp ← →</translation>
    </message>
    <message id="info.shortcut.palette">
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
    <message id="info.shortcut.palette.info">
        <source>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</source>
        <translation>Farben, Werkzeuge, Modi, Rückgängig: „Werkzeuge auf dem Schreibtisch anzeigen“ zeigt sie, ihr Griff verschiebt sie</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>die Datei enthält keine Zeichnungen</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Die Zeichnungen des laufenden Quillory in eine Datei schreiben: .svg, .pdf, .png oder .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Eine .quillory-Zeichnung im laufenden Quillory öffnen, auf dem angezeigten Bildschirm bzw. der angezeigten Tafel.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Zeichnungen konnten nicht wiederhergestellt werden</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>Die aus der letzten Sitzung aufbewahrten Zeichnungen sind beschädigt (%1). Die Datei wird als %2 aufbewahrt.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Zeichnungen wiederhergestellt</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory wurde nicht regulär beendet. Das Gezeichnete ist wieder auf seinen Bildschirmen und Tafeln.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>auf einer Tafel zur nächsten Seite blättern (nach der letzten eine neue)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>auf einer Tafel zur vorigen Seite zurückblättern</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>den Exportdialog öffnen: die Zeichnungen als SVG, PDF, PNG oder Quillory-Zeichnung</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>SVG-Bild (die angezeigte Zeichnung)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>PDF-Dokument (alle Bildschirme und Tafelseiten)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>PNG-Bild (die angezeigte Zeichnung, transparent)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Quillory-Zeichnung (zum erneuten Öffnen)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>Export nach „%1“ nicht möglich: der Name muss auf .svg, .pdf, .png oder .quillory enden</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>nichts gezeichnet: es gibt nichts zu exportieren</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>die Datei ist beschädigt: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>keine Quillory-Zeichnungsdatei</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>die Datei stammt von einem neueren Quillory (Format %1); dieses liest Format %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Zeichnung auf %1 öffnen</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Quillory beenden</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory startet noch</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Zeichnungen beim Beenden behalten</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>Sonst werden sie nur behalten, wenn Quillory nicht regulär beendet wird (Absturz, Verbindung zur Anzeige verloren).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Zeichnungen exportieren</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Zeichnung %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Ordner für den Export auswählen</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>„%1“ existiert bereits. Ersetzen?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>Die Zeichnungen wurden nicht exportiert</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Strg+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Zeichnungen exportieren: PDF, SVG, PNG, Quillory-Datei</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Nächste/vorige Folie im Programm darunter, Zeichnungen bleiben; auf einer Tafel: nächste/vorige Seite</translation>
    </message>
</context>
</TS>
