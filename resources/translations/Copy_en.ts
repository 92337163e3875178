<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Draw %1 on %2</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Clear Drawings on %1</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>Unknown Screen</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>Pen Stroke</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Choose a Folder for Screenshots</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Screenshot saved to %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Screenshot copied to the clipboard</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>The screenshot could not be taken or saved</translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Drawing on the screen</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Show or hide this card</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Copy the screen with its drawings to the clipboard</translation>
    </message>
    <message id="info.shortcut.screenshot">
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Save the screen with its drawings as a PNG file in </translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>a folder of your choice</translation>
    </message>
    <message id="info.shortcut.esc">
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message id="info.shortcut.esc.info">
        <source>Clear the screen (Ctrl+Z brings the drawings back)</source>
        <translation>Clear the screen (Ctrl+Z brings the drawings back)</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Draw with the mouse; this card steps aside while you draw. </translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory on the web</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Quillory Preferences</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>Settings are not saved</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory could not write %1: %2. Your changes last until Quillory ends.</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Save screenshots in:</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Choose a folder…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Screenshot folder: %1</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Start Quillory at login</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Do it now</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Clear shortcut: %1</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Color Picker</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Current colour</translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Set Shortcut</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Hide Tools on Desktop</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Show Tools on Desktop</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Recording: press the new shortcut</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Show Quillory</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Brown</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Time left</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>Presentation begins in</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Timer Settings</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minutes:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Message:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Colour:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Text colour</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Presentation Timer</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Highlight the pointer</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Rate Now</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>No, thanks!</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Send an action to the running Quillory.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>name</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>unknown action &quot;%1&quot;; the actions are: %2</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Please use a different key combination.</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>no session D-Bus to reach Quillory through (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory is not running</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory did not answer: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>unknown action &quot;%1&quot;</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>show the overlay on the screen under the pointer</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>show or hide the tool palette</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>pick the %1 tool and show the overlay</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>start the full-screen presentation countdown</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>save a screenshot of the annotated screen as a PNG file</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>copy a screenshot of the annotated screen to the clipboard</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>switch the cursor highlight on or off</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>end Quillory</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Not active yet: waiting for the desktop to accept it.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Not active: the desktop did not accept this combination; another program or shortcut may have it.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Not active: the desktop cannot use this key.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Not active: the desktop&apos;s shortcut service failed.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Copy the command %1</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Pen</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Arrow</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Key %1</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Highlighter</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>Highlighter Stroke</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Eraser</translation>
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
        <translation>Erase on %1</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Thinner or thicker line (Ctrl+wheel too)</translation>
    </message>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: pointer mode, clicks go to the windows below (click to draw)</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>let clicks and keys through to the windows below; the drawings stay</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>draw again after pointer mode</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>print the overlay&apos;s mode, tool, colour and width as one line of JSON</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Pointer mode</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>switch fading ink on or off: shapes fade away a few seconds after they are drawn</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>switch the spotlight on or off: the screen dims but for a circle around the pointer</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>magnify the screen around the pointer, or return to the live screen</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>cover the screen with a white board, or return to the screen</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>cover the screen with a black board, or return to the screen</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Laser Pointer</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Fading ink</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>Ink stays</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>The spotlight needs a compositor</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>No picture of the screen to zoom into</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>Fading ink goes after:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Seconds until fading ink is gone</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Displays help including Qt specific options.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Displays version information.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Pointer mode (on and off)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Fading ink</translation>
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
        <translation>White board</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Black board</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>switch pointer mode on or off</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 off</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — press %2 or click the tray icon to draw</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — press %2 to draw</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — click the tray icon to draw</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — run “quillory --action draw” to draw</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Move the palette</translation>
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
        <translation>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>it holds no drawings</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>path</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Open a .quillory drawing in the running Quillory, on the screen or board shown.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Drawings could not be brought back</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>The drawings kept from the last session are damaged (%1). The file is kept as %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Drawings brought back</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory ended without quitting. What was drawn is back on its screens and boards.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>on a board, turn to the next page (a new one after the last)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>on a board, turn back to the previous page</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>SVG picture (the drawing shown)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>PDF document (every screen and board page)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>PNG picture (the drawing shown, transparent)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Quillory drawing (to open again)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 is a folder</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>nothing is drawn: there is nothing to export</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>could not write %1: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>the file is damaged: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>not a Quillory drawing file</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>the file comes from a newer Quillory (format %1); this one reads format %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Open Drawing on %1</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Quit Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory is still starting</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Keep drawings when Quillory quits</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Export Drawings</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Drawing %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Choose a Folder for the Export</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>“%1” is there already. Replace it?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>The drawings were not exported</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Export as PDF, SVG, PNG or .quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</translation>
    </message>
</context>
</TS>
