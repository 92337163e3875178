<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: modalità puntatore, i clic vanno alle finestre sottostanti (fai clic per disegnare)</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Ti piace Quillory? Parlane agli altri e lascia una valutazione nel negozio di applicazioni.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Valuta ora</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>No, grazie!</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Disegna sullo schermo mentre presenti.

Con --action NOME invia un’azione al Quillory in esecuzione ed esce:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Associale alle scorciatoie del tuo desktop dove le catture dei tasti di X11 non arrivano (sessioni Wayland).</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Invia un’azione al Quillory in esecuzione.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>azione sconosciuta «%1»; le azioni sono: %2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>Le impostazioni non vengono salvate</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory non è riuscito a scrivere %1: %2. Le modifiche restano valide fino alla chiusura di Quillory.</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>mostra il livello di disegno sullo schermo sotto il puntatore</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Mostra Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>mostra o nascondi la tavolozza degli strumenti</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Mostra strumenti sul desktop</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>scegli lo strumento %1 e mostra il livello di disegno</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>avvia il conto alla rovescia della presentazione a schermo intero</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>salva una schermata dello schermo annotato come file PNG</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>copia una schermata dello schermo annotato negli appunti</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>attiva o disattiva l’evidenziazione del puntatore</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>lascia passare clic e tasti alle finestre sottostanti; i disegni restano</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>torna a disegnare dopo la modalità puntatore</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>attiva o disattiva l’inchiostro evanescente: le forme svaniscono alcuni secondi dopo essere state disegnate</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>attiva o disattiva il riflettore: lo schermo si oscura tranne un cerchio attorno al puntatore</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>ingrandisci lo schermo attorno al puntatore o torna allo schermo dal vivo</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>copri lo schermo con una lavagna bianca o torna allo schermo</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>copri lo schermo con una lavagna nera o torna allo schermo</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>stampa modalità, strumento, colore e spessore del livello di disegno come una riga di JSON</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>chiudi Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Marrone</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indaco</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Penna</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>un tratto di penna</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Linea</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>una linea</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Freccia</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>una freccia</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Rettangolo</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>un rettangolo</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Ellisse</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>un’ellisse</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Evidenziatore</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>un tratto di evidenziatore</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>un testo</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Puntatore laser</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Cancella su %1</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Disegna %1 su %2</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Cancella i disegni su %1</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>schermo sconosciuto</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Disegna con il mouse; questa scheda si sposta mentre disegni. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Disegnare sullo schermo</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Scegli un colore: rosso, giallo, verde, blu, viola, marrone, verde acqua, grigio, rosa</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Scegli uno strumento: penna, linea, freccia, rettangolo, ellisse. Tieni premuto Shift per raddrizzare un tratto di penna o una freccia</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Linea più sottile o più spessa (anche Ctrl+rotellina)</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Mostra o nascondi questa scheda</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Nascondi Quillory finché una scorciatoia o l’icona nell’area di notifica non lo richiama (Esc una volta sola con lo schermo vuoto)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Copia lo schermo con i disegni negli appunti</translation>
    </message>
    <message id="info.shortcut.screenshot">
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message id="info.shortcut.esc">
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message id="info.shortcut.esc.info">
        <source>Clear the screen (Ctrl+Z brings the drawings back)</source>
        <translation>Pulisci lo schermo (Ctrl+Z riporta i disegni)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory sul web</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>una cartella a tua scelta</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Salva lo schermo con i disegni come file PNG in </translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Imposta scorciatoia</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Qui le scorciatoie globali non raggiungono Quillory. Associa invece questi comandi a scorciatoie nelle impostazioni della tastiera del tuo desktop.</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Esegui ora</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Rimuovi scorciatoia: %1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Selettore colore</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Colore attuale</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Non ancora attiva: in attesa che il desktop la accetti.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Non attiva: il desktop non ha accettato questa combinazione; forse la usa un altro programma o un’altra scorciatoia.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Non attiva: il desktop non può usare questo tasto.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Non attiva: il servizio delle scorciatoie del desktop non ha funzionato.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 Puoi invece associare questo comando nelle impostazioni della tastiera del tuo desktop: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Copia il comando %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Nascondi strumenti sul desktop</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Registrazione: premi la nuova scorciatoia</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Usa una combinazione di tasti diversa.</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Inchiostro evanescente</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>L’inchiostro resta</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>Il riflettore richiede un compositor</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>Nessuna immagine dello schermo da ingrandire</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Modalità puntatore</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Tasto %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>nessun D-Bus di sessione attraverso cui raggiungere Quillory (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory non è in esecuzione</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory non ha risposto: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>azione sconosciuta «%1»</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Salva le schermate in:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Avvia Quillory all’accesso</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Evidenzia il puntatore</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>L’inchiostro evanescente sparisce dopo:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Secondi prima che l’inchiostro evanescente sparisca</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Scegli una cartella…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Cartella delle schermate: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Preferenze di Quillory</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Scegli una cartella per le schermate</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>Impossibile acquisire o salvare la schermata</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Schermata salvata in %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Schermata copiata negli appunti</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>La presentazione inizia tra</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Impostazioni del timer</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minuti:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Messaggio:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Colore:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Colore del testo</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Riprendi</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Timer della presentazione</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Mostra l’aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra l’aiuto, comprese le opzioni specifiche di Qt.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Modalità puntatore (attiva e disattiva)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Inchiostro evanescente</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Riflettore</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Lavagna bianca</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Lavagna nera</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>In una sessione Wayland l’evidenziazione appare solo sopra le finestre X11: sopra le finestre Wayland Quillory non vede il puntatore.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>attivare o disattivare la modalità puntatore</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 disattivato</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — premi %2 o fai clic sull’icona nell’area di notifica per disegnare</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — premi %2 per disegnare</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — fai clic sull’icona nell’area di notifica per disegnare</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — esegui «quillory --action draw» per disegnare</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Sposta la tavolozza</translation>
    </message>
    <message id="info.shortcut.slides">
        <source>PgDn PgUp ← →</source>
        <translation>PgDn PgUp ← →</translation>
    </message>
    <message id="info.shortcut.palette">
        <source>Palette</source>
        <translation>Tavolozza</translation>
    </message>
    <message id="info.shortcut.palette.info">
        <source>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</source>
        <translation>Colori, strumenti, modalità, annulla: «Mostra strumenti sul desktop» la mostra, la maniglia la sposta</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>non contiene disegni</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Salva i disegni del Quillory in esecuzione in un file: .svg, .pdf, .png o .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Apri un disegno .quillory nel Quillory in esecuzione, sullo schermo o sulla lavagna visualizzati.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Impossibile recuperare i disegni</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>I disegni conservati dall’ultima sessione sono danneggiati (%1). Il file viene conservato come %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Disegni recuperati</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory si è chiuso in modo imprevisto. Ciò che era stato disegnato è tornato sui rispettivi schermi e lavagne.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>su una lavagna, passa alla pagina successiva (una nuova dopo l’ultima)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>su una lavagna, torna alla pagina precedente</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>apri la finestra di esportazione: i disegni come SVG, PDF, PNG o disegno di Quillory</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>Immagine SVG (il disegno visualizzato)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>Documento PDF (ogni schermo e pagina di lavagna)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>Immagine PNG (il disegno visualizzato, trasparente)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Disegno di Quillory (da riaprire)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>impossibile esportare in «%1»: il nome deve terminare con .svg, .pdf, .png o .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>nessun disegno: non c’è nulla da esportare</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>il file è danneggiato: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>non è un file di disegno di Quillory</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>il file proviene da un Quillory più recente (formato %1); questo legge il formato %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Apri disegno su %1</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Esci da Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory è ancora in fase di avvio</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Conserva i disegni all’uscita da Quillory</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>Altrimenti vengono conservati solo se Quillory si chiude in modo imprevisto (un arresto anomalo, la perdita del display).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Esporta disegni</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Disegno %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Nome del file:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Cartella: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Scegli una cartella per l’esportazione</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>«%1» esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>I disegni non sono stati esportati</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Esporta i disegni: PDF, SVG, PNG, file Quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Diapositiva successiva/precedente nel programma sotto, i disegni restano; su una lavagna: pagina successiva/precedente</translation>
    </message>
</context>
</TS>
