<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory&#xa0;: mode pointeur, les clics vont aux fenêtres en dessous (cliquer pour dessiner)</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory&#xa0;: %1, %2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Vous appréciez Quillory&#x202f;? Parlez-en autour de vous et donnez-nous une note dans la boutique d’applications.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Noter maintenant</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>Non merci&#x202f;!</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Dessiner sur l’écran pendant une présentation.

Avec --action NOM, envoie une action au Quillory en cours d’exécution et se termine&#xa0;:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Associez-les aux raccourcis de votre environnement de bureau là où les captures de touches X11 n’arrivent pas (sessions Wayland).</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Envoyer une action au Quillory en cours d’exécution.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>action inconnue «&#xa0;%1&#xa0;»&#x202f;; les actions sont&#xa0;: %2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>Les réglages ne sont pas enregistrés</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory n’a pas pu écrire %1&#xa0;: %2. Vos modifications valent jusqu’à la fermeture de Quillory.</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>afficher le calque de dessin sur l’écran sous le pointeur</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Afficher Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>afficher ou masquer la palette d’outils</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Afficher les outils sur le bureau</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>choisir l’outil %1 et afficher le calque de dessin</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>lancer le compte à rebours de présentation en plein écran</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Minuteur</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>enregistrer une capture de l’écran annoté en fichier PNG</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>copier une capture de l’écran annoté dans le presse-papiers</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>activer ou désactiver la mise en évidence du pointeur</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>laisser passer clics et touches vers les fenêtres en dessous&#x202f;; les dessins restent</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>dessiner à nouveau après le mode pointeur</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>activer ou désactiver l’encre éphémère&#xa0;: les formes s’estompent quelques secondes après avoir été dessinées</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>activer ou désactiver le projecteur&#xa0;: l’écran s’assombrit, sauf un cercle autour du pointeur</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>agrandir l’écran autour du pointeur ou revenir à l’écran en direct</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>couvrir l’écran d’un tableau blanc ou revenir à l’écran</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>couvrir l’écran d’un tableau noir ou revenir à l’écran</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>afficher le mode, l’outil, la couleur et l’épaisseur du calque de dessin sur une ligne de JSON</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>quitter Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Bleu sarcelle</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>un trait de stylo</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>une ligne</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>une flèche</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>un rectangle</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>une ellipse</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Surligneur</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>un trait de surligneur</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>un texte</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Pointeur laser</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Gommer sur %1</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Dessiner %1 sur %2</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Effacer les dessins sur %1</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>écran inconnu</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Dessinez à la souris&#x202f;; cette carte s’écarte pendant que vous dessinez. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Dessiner sur l’écran</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Choisir une couleur&#xa0;: rouge, jaune, vert, bleu, violet, marron, bleu sarcelle, gris, rose</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Choisir un outil&#xa0;: stylo, ligne, flèche, rectangle, ellipse. Maintenir Maj pour redresser un trait de stylo ou une flèche</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Trait plus fin ou plus épais (aussi Ctrl+molette)</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Afficher ou masquer cette carte</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Échap Échap</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Masquer Quillory jusqu’à ce qu’un raccourci ou l’icône de la zone de notification le rappelle (Échap une seule fois sur un écran vide)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Copier l’écran et ses dessins dans le presse-papiers</translation>
    </message>
    <message id="info.shortcut.screenshot">
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message id="info.shortcut.esc">
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message id="info.shortcut.esc.info">
        <source>Clear the screen (Ctrl+Z brings the drawings back)</source>
        <translation>Effacer l’écran (Ctrl+Z fait revenir les dessins)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory sur le Web</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>un dossier de votre choix</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Enregistrer l’écran et ses dessins en fichier PNG dans </translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Définir un raccourci</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Les raccourcis globaux n’atteignent pas Quillory ici. Associez plutôt ces commandes à des raccourcis dans les réglages du clavier de votre environnement de bureau.</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Exécuter maintenant</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Effacer le raccourci&#xa0;: %1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Couleur actuelle</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Pas encore actif&#xa0;: l’environnement de bureau ne l’a pas encore accepté.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Inactif&#xa0;: l’environnement de bureau n’a pas accepté cette combinaison&#x202f;; un autre programme ou raccourci l’utilise peut-être.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Inactif&#xa0;: l’environnement de bureau ne peut pas utiliser cette touche.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Inactif&#xa0;: le service de raccourcis de l’environnement de bureau a échoué.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 Vous pouvez plutôt associer cette commande à un raccourci dans les réglages du clavier de votre environnement de bureau&#xa0;: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Copier la commande %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Masquer les outils sur le bureau</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Enregistrement&#xa0;: appuyez sur le nouveau raccourci</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Veuillez utiliser une autre combinaison de touches.</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Encre éphémère</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>L’encre reste</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>Le projecteur a besoin d’un compositeur</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>Aucune image de l’écran à agrandir</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Mode pointeur</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Touche %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>aucun D-Bus de session par lequel joindre Quillory (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory n’est pas lancé</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory n’a pas répondu&#xa0;: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>action inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Enregistrer les captures dans&#xa0;:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Lancer Quillory à l’ouverture de session</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Mettre en évidence le pointeur</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>L’encre éphémère disparaît après&#xa0;:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Secondes avant que l’encre éphémère disparaisse</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Dossier des captures d’écran&#xa0;: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Préférences de Quillory</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Choisir un dossier pour les captures d’écran</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>La capture d’écran n’a pas pu être prise ou enregistrée</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Capture d’écran enregistrée dans %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Capture d’écran copiée dans le presse-papiers</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>La présentation commence dans</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Réglages du minuteur</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minutes&#xa0;:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Message&#xa0;:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Couleur du texte</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Reprendre</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Minuteur de présentation</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l’aide, y compris les options propres à Qt.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Mode pointeur (activer et désactiver)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Encre éphémère</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Projecteur</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Tableau blanc</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Tableau noir</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>Dans une session Wayland, la mise en évidence n’apparaît qu’au-dessus des fenêtres X11 : au-dessus des fenêtres Wayland, Quillory ne voit pas le pointeur.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>activer ou désactiver le mode pointeur</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 désactivé</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — appuyez sur %2 ou cliquez sur l’icône de la zone de notification pour dessiner</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — appuyez sur %2 pour dessiner</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — cliquez sur l’icône de la zone de notification pour dessiner</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — lancez « quillory --action draw » pour dessiner</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Déplacer la palette</translation>
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
        <translation>Couleurs, outils, modes, annuler : « Afficher les outils sur le bureau » l’affiche, sa poignée la déplace</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>le fichier ne contient aucun dessin</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Écrire les dessins du Quillory en cours d’exécution dans un fichier&#xa0;: .svg, .pdf, .png ou .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Ouvrir un dessin .quillory dans le Quillory en cours d’exécution, sur l’écran ou le tableau affiché.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Les dessins n’ont pas pu être récupérés</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>Les dessins conservés de la dernière session sont endommagés (%1). Le fichier est conservé sous le nom %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Dessins récupérés</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory s’est arrêté sans avoir été quitté. Ce qui avait été dessiné est de retour sur ses écrans et tableaux.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>sur un tableau, passer à la page suivante (une nouvelle après la dernière)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>sur un tableau, revenir à la page précédente</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>ouvrir la boîte de dialogue d’exportation&#xa0;: les dessins en SVG, PDF, PNG ou en dessin Quillory</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>Image SVG (le dessin affiché)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>Document PDF (chaque écran et chaque page de tableau)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>Image PNG (le dessin affiché, transparent)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Dessin Quillory (pour le rouvrir)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>impossible d’exporter vers «&#xa0;%1&#xa0;»&#xa0;: le nom doit se terminer par .svg, .pdf, .png ou .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>rien n’est dessiné&#xa0;: il n’y a rien à exporter</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>le fichier est endommagé&#xa0;: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>ce n’est pas un fichier de dessin Quillory</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>le fichier provient d’un Quillory plus récent (format %1)&#x202f;; celui-ci lit le format %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Ouvrir un dessin sur %1</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Quitter Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory est encore en cours de démarrage</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Conserver les dessins en quittant Quillory</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>Sinon, ils ne sont conservés que si Quillory s’arrête sans avoir été quitté (plantage, perte de l’affichage).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Exporter les dessins</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Dessin %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Nom du fichier&#xa0;:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Dossier&#xa0;: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Choisir un dossier pour l’exportation</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer&#x202f;?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>Les dessins n’ont pas été exportés</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Exporter les dessins&#xa0;: PDF, SVG, PNG, fichier Quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Diapositive suivante/précédente du programme en dessous, les dessins restent&#x202f;; sur un tableau&#xa0;: page suivante/précédente</translation>
    </message>
</context>
</TS>
