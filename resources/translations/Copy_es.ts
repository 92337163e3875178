<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: modo puntero, los clics van a las ventanas de debajo (haga clic para dibujar)</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>¿Le gusta Quillory? Recomiéndelo a otras personas y valórenos en la tienda de aplicaciones.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Valorar ahora</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>No, gracias</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Dibuje en la pantalla mientras presenta.

Con --action NOMBRE, envía una acción al Quillory en ejecución y termina:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Asígnelas a los atajos de su propio escritorio allí donde no llegan las capturas de teclas de X11 (sesiones Wayland).</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Enviar una acción al Quillory en ejecución.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>acción desconocida «%1»; las acciones son: %2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>La configuración no se guarda</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory no pudo escribir %1: %2. Sus cambios se mantienen hasta que Quillory se cierre.</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>mostrar la capa de dibujo en la pantalla bajo el puntero</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Mostrar Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>mostrar u ocultar la paleta de herramientas</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Mostrar herramientas en el escritorio</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>elegir la herramienta %1 y mostrar la capa de dibujo</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>iniciar la cuenta atrás de la presentación a pantalla completa</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>guardar una captura de la pantalla anotada como archivo PNG</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>copiar una captura de la pantalla anotada al portapapeles</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>activar o desactivar el resaltado del puntero</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>dejar pasar clics y teclas a las ventanas de debajo; los dibujos se mantienen</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>volver a dibujar después del modo puntero</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>activar o desactivar la tinta efímera: las formas se desvanecen unos segundos después de dibujarlas</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>activar o desactivar el foco: la pantalla se oscurece salvo un círculo alrededor del puntero</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>ampliar la pantalla alrededor del puntero o volver a la pantalla en vivo</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>cubrir la pantalla con una pizarra blanca o volver a la pantalla</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>cubrir la pantalla con una pizarra negra o volver a la pantalla</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>mostrar el modo, la herramienta, el color y el grosor de la capa de dibujo como una línea de JSON</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>cerrar Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Lápiz</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>un trazo de lápiz</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>una línea</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>una flecha</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>un rectángulo</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>una elipse</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Resaltador</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>un trazo de resaltador</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>un texto</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Puntero láser</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Borrar en %1</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Dibujar %1 en %2</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Borrar los dibujos en %1</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>pantalla desconocida</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Dibuje con el ratón; esta tarjeta se aparta mientras dibuja. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Dibujar en la pantalla</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Elegir un color: rojo, amarillo, verde, azul, morado, marrón, verde azulado, gris, rosa</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Elegir herramienta: lápiz, línea, flecha, rectángulo, elipse. Mayúsculas endereza un trazo de lápiz o una flecha</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Línea más fina o más gruesa (también Control+rueda)</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Mostrar u ocultar esta tarjeta</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Escape Escape</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Ocultar Quillory hasta que un atajo o el icono de la bandeja lo muestre (Escape una vez en una pantalla vacía)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Control+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Copiar la pantalla con sus dibujos al portapapeles</translation>
    </message>
    <message id="info.shortcut.screenshot">
        <source>Ctrl+S</source>
        <translation>Control+S</translation>
    </message>
    <message id="info.shortcut.esc">
        <source>Esc</source>
        <translation>Escape</translation>
    </message>
    <message id="info.shortcut.esc.info">
        <source>Clear the screen (Ctrl+Z brings the drawings back)</source>
        <translation>Limpiar la pantalla (Control+Z recupera los dibujos)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory en la web</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>una carpeta de su elección</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Guardar la pantalla con sus dibujos como archivo PNG en </translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Definir atajo</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Aquí los atajos globales no llegan a Quillory. Asigne en su lugar estas órdenes a atajos en la configuración del teclado de su escritorio.</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Ejecutar ahora</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Quitar atajo: %1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Selector de color</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Color actual</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Aún no está activo: esperando a que el escritorio lo acepte.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>No está activo: el escritorio no aceptó esta combinación; puede que otro programa o atajo la esté usando.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>No está activo: el escritorio no puede usar esta tecla.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>No está activo: falló el servicio de atajos del escritorio.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 En su lugar, puede asignar esta orden en la configuración del teclado de su escritorio: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Copiar la orden %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Ocultar herramientas en el escritorio</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Grabando: pulse el nuevo atajo</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Use otra combinación de teclas.</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Tinta efímera</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>La tinta permanece</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>El foco necesita un compositor</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>No hay imagen de la pantalla que ampliar</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Modo puntero</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>no hay un D-Bus de sesión por el que llegar a Quillory (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory no se está ejecutando</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory no respondió: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>acción desconocida «%1»</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Guardar capturas en:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Iniciar Quillory al iniciar sesión</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Resaltar el puntero</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>La tinta efímera desaparece tras:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Segundos hasta que desaparece la tinta efímera</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Elegir una carpeta…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Carpeta de capturas de pantalla: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Preferencias de Quillory</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Elegir una carpeta para las capturas de pantalla</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>No se pudo tomar o guardar la captura de pantalla</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Captura de pantalla guardada en %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Captura de pantalla copiada al portapapeles</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>La presentación empieza en</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Configuración del temporizador</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Color del texto</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Reanudar</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Temporizador de presentación</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Modo puntero (activar y desactivar)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Tinta efímera</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Foco</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Pizarra blanca</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Pizarra negra</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>En una sesión Wayland el resaltado solo aparece sobre ventanas X11: sobre las ventanas Wayland Quillory no puede ver el puntero.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>activar o desactivar el modo puntero</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 desactivado</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — pulse %2 o haga clic en el icono de la bandeja para dibujar</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — pulse %2 para dibujar</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — haga clic en el icono de la bandeja para dibujar</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — ejecute «quillory --action draw» para dibujar</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Mover la paleta</translation>
    </message>
    <message id="info.shortcut.slides">
        <source>PgDn PgUp ← →</source>
        <translation>PgDn PgUp ← →</translation>
    </message>
    <message id="info.shortcut.palette">
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message id="info.shortcut.palette.info">
        <source>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</source>
        <translation>Colores, herramientas, modos, deshacer: «Mostrar herramientas en el escritorio» la muestra y su asa la mueve</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>no contiene dibujos</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Escribir los dibujos del Quillory en ejecución en un archivo: .svg, .pdf, .png o .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Abrir un dibujo .quillory en el Quillory en ejecución, en la pantalla o pizarra que se muestra.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>No se pudieron recuperar los dibujos</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>Los dibujos guardados de la última sesión están dañados (%1). El archivo se conserva como %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Dibujos recuperados</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory se cerró de forma inesperada. Lo dibujado vuelve a estar en sus pantallas y pizarras.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>en una pizarra, pasar a la página siguiente (una nueva después de la última)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>en una pizarra, volver a la página anterior</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>abrir el cuadro de diálogo de exportación: los dibujos como SVG, PDF, PNG o dibujo de Quillory</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>Imagen SVG (el dibujo mostrado)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>Documento PDF (todas las pantallas y páginas de pizarra)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>Imagen PNG (el dibujo mostrado, transparente)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Dibujo de Quillory (para volver a abrirlo)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>no se puede exportar a «%1»: el nombre debe terminar en .svg, .pdf, .png o .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>no hay nada dibujado: no hay nada que exportar</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>no se pudo escribir %1: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>el archivo está dañado: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>no es un archivo de dibujo de Quillory</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>el archivo procede de un Quillory más reciente (formato %1); este lee el formato %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Abrir dibujo en %1</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Salir de Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory todavía se está iniciando</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Conservar los dibujos al salir de Quillory</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>De lo contrario, solo se conservan si Quillory se cierra de forma inesperada (un fallo, la pérdida de la pantalla).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Exportar dibujos</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Dibujo %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Elegir una carpeta para la exportación</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>«%1» ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>No se exportaron los dibujos</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Control+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Exportar los dibujos: PDF, SVG, PNG, archivo de Quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Diapositiva siguiente/anterior en el programa de debajo, los dibujos quedan; en una pizarra: página siguiente/anterior</translation>
    </message>
</context>
</TS>
