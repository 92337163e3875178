<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: tryb wskaźnika, kliknięcia trafiają do okien pod spodem (kliknij, aby rysować)</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Podoba Ci się Quillory? Poleć go innym i oceń nas w sklepie z aplikacjami.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Oceń teraz</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>Nie, dziękuję!</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Rysowanie na ekranie podczas prezentacji.

Z opcją --action NAZWA wysyła jedną akcję do działającego Quillory i kończy pracę:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Przypisz je do skrótów swojego środowiska graficznego tam, gdzie nie sięga przechwytywanie klawiszy X11 (sesje Wayland).</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Wysyła akcję do działającego Quillory.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>nieznana akcja „%1”; dostępne akcje: %2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>Ustawienia nie są zapisywane</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory nie mógł zapisać %1: %2. Zmiany obowiązują do zamknięcia Quillory.</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>pokazuje warstwę rysowania na ekranie pod wskaźnikiem</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Pokaż Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>pokazuje lub ukrywa paletę narzędzi</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Pokaż narzędzia na pulpicie</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>wybiera narzędzie %1 i pokazuje warstwę rysowania</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>uruchamia pełnoekranowe odliczanie do prezentacji</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Minutnik</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>zapisuje zrzut ekranu z rysunkami jako plik PNG</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>kopiuje zrzut ekranu z rysunkami do schowka</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>włącza lub wyłącza wyróżnienie wskaźnika</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>przepuszcza kliknięcia i klawisze do okien pod spodem; rysunki zostają</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>wraca do rysowania po trybie wskaźnika</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>włącza lub wyłącza zanikający tusz: kształty znikają kilka sekund po narysowaniu</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>włącza lub wyłącza reflektor: ekran ciemnieje poza okręgiem wokół wskaźnika</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>powiększa ekran wokół wskaźnika lub wraca do bieżącego obrazu ekranu</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>zakrywa ekran białą tablicą lub wraca do ekranu</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>zakrywa ekran czarną tablicą lub wraca do ekranu</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>wypisuje tryb, narzędzie, kolor i grubość warstwy rysowania jako jeden wiersz JSON</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>kończy działanie Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>Indygo</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>Pióro</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>pociągnięcie pióra</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>linię</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Strzałka</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>strzałkę</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Prostokąt</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>prostokąt</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Elipsa</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>elipsę</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Zakreślacz</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>pociągnięcie zakreślacza</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Gumka</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>tekst</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Wskaźnik laserowy</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Wymaż (ekran: %1)</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Narysuj %1 (ekran: %2)</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Wyczyść rysunki (ekran: %1)</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>nieznany</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Rysuj myszą; podczas rysowania ta karta usuwa się na bok. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Rysowanie na ekranie</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Wybierz kolor: czerwony, żółty, zielony, niebieski, fioletowy, brązowy, morski, szary, różowy</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Wybierz narzędzie: pióro, linia, strzałka, prostokąt, elipsa. Przytrzymaj Shift, aby wyprostować pociągnięcie pióra lub strzałkę</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Cieńsza lub grubsza linia (także Ctrl+kółko myszy)</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Pokaż lub ukryj tę kartę</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Ukryj Quillory, dopóki skrót lub ikona w zasobniku systemowym go nie przywróci (na pustym ekranie wystarczy jedno Esc)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Skopiuj ekran z rysunkami do schowka</translation>
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
        <translation>Wyczyść ekran (Ctrl+Z przywraca rysunki)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory w sieci</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>wybranym przez siebie folderze</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Zapisz ekran z rysunkami jako plik PNG w </translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Ustaw skrót</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Skróty globalne nie docierają tu do Quillory. Zamiast tego przypisz te polecenia do skrótów w ustawieniach klawiatury środowiska graficznego.</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Wykonaj teraz</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Usuń skrót: %1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Wybór koloru</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Bieżący kolor</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Jeszcze nieaktywny: oczekiwanie na akceptację przez środowisko graficzne.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Nieaktywny: środowisko graficzne nie przyjęło tej kombinacji; być może używa jej inny program lub skrót.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Nieaktywny: środowisko graficzne nie może użyć tego klawisza.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Nieaktywny: usługa skrótów środowiska graficznego zawiodła.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 Zamiast tego możesz przypisać to polecenie w ustawieniach klawiatury środowiska graficznego: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Kopiuj polecenie %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Ukryj narzędzia na pulpicie</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Nagrywanie: naciśnij nowy skrót</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Użyj innej kombinacji klawiszy.</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Zanikający tusz</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>Tusz zostaje</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>Reflektor wymaga menedżera kompozycji</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>Brak obrazu ekranu do powiększenia</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Tryb wskaźnika</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Klawisz %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>brak sesyjnej magistrali D-Bus, przez którą można połączyć się z Quillory (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory nie jest uruchomiony</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory nie odpowiedział: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>nieznana akcja „%1”</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Zapisuj zrzuty ekranu w:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Uruchamiaj Quillory po zalogowaniu</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Wyróżniaj wskaźnik</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>Zanikający tusz znika po:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Liczba sekund do zniknięcia zanikającego tuszu</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Wybierz folder…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Folder zrzutów ekranu: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Preferencje Quillory</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Wybierz folder na zrzuty ekranu</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>Nie udało się wykonać ani zapisać zrzutu ekranu</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Zapisano zrzut ekranu w %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Skopiowano zrzut ekranu do schowka</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Pozostały czas</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>Prezentacja zacznie się za</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Ustawienia minutnika</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minuty:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Komunikat:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Kolor:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Wyzeruj</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Wznów</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Minutnik prezentacji</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Wyświetla pomoc wraz z opcjami specyficznymi dla Qt.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Tryb wskaźnika (włącz i wyłącz)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Zanikający tusz</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Reflektor</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Biała tablica</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Czarna tablica</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>W sesji Wayland podświetlenie pojawia się tylko nad oknami X11: nad oknami Wayland Quillory nie widzi wskaźnika.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>włącz lub wyłącz tryb wskaźnika</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 — wyłączono</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — naciśnij %2 lub kliknij ikonę w zasobniku, aby rysować</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — naciśnij %2, aby rysować</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — kliknij ikonę w zasobniku, aby rysować</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — uruchom „quillory --action draw”, aby rysować</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Przesuń paletę</translation>
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
        <translation>Kolory, narzędzia, tryby, cofanie: „Pokaż narzędzia na pulpicie” ją pokazuje, uchwyt ją przesuwa</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>nie zawiera rysunków</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Zapisuje rysunki działającego Quillory do pliku: .svg, .pdf, .png lub .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>ścieżka</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Otwiera rysunek .quillory w działającym Quillory, na wyświetlanym ekranie lub tablicy.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Nie udało się przywrócić rysunków</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>Rysunki zachowane z ostatniej sesji są uszkodzone (%1). Plik zachowano jako %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Przywrócono rysunki</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory zakończył działanie w nieoczekiwany sposób. To, co zostało narysowane, wróciło na swoje ekrany i tablice.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>na tablicy przechodzi do następnej strony (po ostatniej tworzy nową)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>na tablicy wraca do poprzedniej strony</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>otwiera okno eksportu: rysunki jako SVG, PDF, PNG lub rysunek Quillory</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>Obraz SVG (wyświetlany rysunek)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>Dokument PDF (każdy ekran i każda strona tablicy)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>Obraz PNG (wyświetlany rysunek, przezroczysty)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Rysunek Quillory (do ponownego otwarcia)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>nie można wyeksportować do „%1”: nazwa musi kończyć się na .svg, .pdf, .png lub .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>folder %1 nie istnieje</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 jest folderem</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>nic nie narysowano: nie ma czego eksportować</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>nie udało się zapisać %1: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>plik jest uszkodzony: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>to nie jest plik rysunku Quillory</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>plik pochodzi z nowszej wersji Quillory (format %1); ta wersja odczytuje format %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Otwórz rysunek (ekran: %1)</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Zakończ Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory jeszcze się uruchamia</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Zachowuj rysunki po zamknięciu Quillory</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>W przeciwnym razie są zachowywane tylko wtedy, gdy Quillory zakończy działanie w nieoczekiwany sposób (awaria, utrata połączenia z ekranem).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Eksportuj rysunki</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Rysunek %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Nazwa pliku:</translation>
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
        <translation>Eksportuj</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Wybierz folder do eksportu</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>„%1” już istnieje. Zastąpić?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>Nie wyeksportowano rysunków</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Eksportuj rysunki: PDF, SVG, PNG, plik Quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Następny/poprzedni slajd w programie pod spodem, rysunki zostają; na tablicy: następna/poprzednia strona</translation>
    </message>
</context>
</TS>
