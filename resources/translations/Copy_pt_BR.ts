<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory: modo ponteiro, os cliques vão para as janelas abaixo (clique para desenhar)</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory: %1, %2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Está gostando do Quillory? Conte para outras pessoas e avalie-nos na loja de aplicativos.</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>Avaliar agora</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>Não, obrigado!</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>Desenhe na tela enquanto apresenta.

Com --action NOME, envia uma ação para o Quillory em execução e sai:</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>Associe-as aos atalhos do seu próprio ambiente gráfico onde as capturas de teclas do X11 não chegam (sessões Wayland).</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>Enviar uma ação para o Quillory em execução.</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>ação desconhecida “%1”; as ações são: %2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>As configurações não são salvas</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>O Quillory não conseguiu gravar %1: %2. Suas alterações valem até o Quillory ser fechado.</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>mostrar a camada de desenho na tela sob o ponteiro</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Mostrar o Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>mostrar ou ocultar a paleta de ferramentas</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>Mostrar ferramentas na área de trabalho</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>escolher a ferramenta %1 e mostrar a camada de desenho</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>iniciar a contagem regressiva da apresentação em tela cheia</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>salvar uma captura da tela anotada como arquivo PNG</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>copiar uma captura da tela anotada para a área de transferência</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>ativar ou desativar o destaque do ponteiro</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>deixar cliques e teclas passarem para as janelas abaixo; os desenhos ficam</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>voltar a desenhar depois do modo ponteiro</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>ativar ou desativar a tinta efêmera: as formas somem alguns segundos depois de desenhadas</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>ativar ou desativar o holofote: a tela escurece, exceto um círculo em volta do ponteiro</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>ampliar a tela em volta do ponteiro ou voltar à tela ao vivo</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>cobrir a tela com um quadro branco ou voltar à tela</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>cobrir a tela com um quadro negro ou voltar à tela</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>imprimir o modo, a ferramenta, a cor e a espessura da camada de desenho como uma linha de JSON</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>encerrar o Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>Amarelo</translation>
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
        <translation>Roxo</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>Marrom</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>Cinza</translation>
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
        <translation>Caneta</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>um traço de caneta</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>uma linha</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>Seta</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>uma seta</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>Retângulo</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>um retângulo</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>uma elipse</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>Marca-texto</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>um traço de marca-texto</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>Borracha</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>um texto</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>Ponteiro laser</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>Apagar em %1</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>Desenhar %1 em %2</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>Limpar os desenhos em %1</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>tela desconhecida</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>Desenhe com o mouse; este cartão sai da frente enquanto você desenha. </translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>Desenhar na tela</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>Escolher uma cor: vermelho, amarelo, verde, azul, roxo, marrom, azul-petróleo, cinza, rosa</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>Escolher uma ferramenta: caneta, linha, seta, retângulo, elipse. Segure Shift para endireitar um traço de caneta ou uma seta</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>Linha mais fina ou mais grossa (também Ctrl+roda do mouse)</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>Mostrar ou ocultar este cartão</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>Ocultar o Quillory até que um atalho ou o ícone na bandeja do sistema o traga de volta (Esc uma vez só com a tela vazia)</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>Copiar a tela com os desenhos para a área de transferência</translation>
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
        <translation>Limpar a tela (Ctrl+Z traz os desenhos de volta)</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory na web</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>uma pasta de sua escolha</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>Salvar a tela com os desenhos como arquivo PNG em </translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>Definir atalho</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>Os atalhos globais não chegam ao Quillory aqui. Em vez disso, associe estes comandos a atalhos nas configurações de teclado do seu ambiente gráfico.</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>Executar agora</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>Remover atalho: %1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>Seletor de cores</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>Cor atual</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>Ainda não ativo: aguardando o ambiente gráfico aceitá-lo.</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>Inativo: o ambiente gráfico não aceitou esta combinação; outro programa ou atalho pode estar usando-a.</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>Inativo: o ambiente gráfico não pode usar esta tecla.</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>Inativo: o serviço de atalhos do ambiente gráfico falhou.</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1 Em vez disso, você pode associar este comando nas configurações de teclado do seu ambiente gráfico: %2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>Copiar o comando %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>Ocultar ferramentas na área de trabalho</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>Gravando: pressione o novo atalho</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>Use outra combinação de teclas.</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>Tinta efêmera</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>A tinta fica</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>O holofote precisa de um compositor</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>Nenhuma imagem da tela para ampliar</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>Modo ponteiro</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>nenhum D-Bus de sessão pelo qual alcançar o Quillory (%1)</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>o Quillory não está em execução</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>o Quillory não respondeu: %1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>ação desconhecida “%1”</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>Salvar capturas de tela em:</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>Iniciar o Quillory ao entrar na sessão</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>Destacar o ponteiro</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>A tinta efêmera some após:</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> s</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>Segundos até a tinta efêmera sumir</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>Escolher uma pasta…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>Pasta das capturas de tela: %1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Preferências do Quillory</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>Escolher uma pasta para as capturas de tela</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>Não foi possível fazer ou salvar a captura de tela</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>Captura de tela salva em %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>Captura de tela copiada para a área de transferência</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>A apresentação começa em</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>Configurações do temporizador</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>Mensagem:</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>Cor:</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>Cor do texto</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>Continuar</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>Temporizador da apresentação</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>Modo ponteiro (ativar e desativar)</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>Tinta efêmera</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>Holofote</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>Quadro branco</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>Quadro negro</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>Em uma sessão Wayland o destaque aparece apenas sobre janelas X11: sobre janelas Wayland o Quillory não consegue ver o ponteiro.</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>ativar ou desativar o modo ponteiro</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 desativado</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — pressione %2 ou clique no ícone da bandeja para desenhar</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — pressione %2 para desenhar</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — clique no ícone da bandeja para desenhar</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — execute “quillory --action draw” para desenhar</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>Mover a paleta</translation>
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
        <translation>Cores, ferramentas, modos, desfazer: “Mostrar ferramentas na área de trabalho” a mostra, a alça a move</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>não contém desenhos</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>Salvar os desenhos do Quillory em execução em um arquivo: .svg, .pdf, .png ou .quillory.</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>caminho</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>Abrir um desenho .quillory no Quillory em execução, na tela ou no quadro exibido.</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>Não foi possível recuperar os desenhos</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>Os desenhos guardados da última sessão estão danificados (%1). O arquivo foi mantido como %2.</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>Desenhos recuperados</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>O Quillory foi encerrado inesperadamente. O que foi desenhado voltou às respectivas telas e quadros.</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>em um quadro, ir para a próxima página (uma nova depois da última)</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>em um quadro, voltar à página anterior</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>abrir a caixa de diálogo de exportação: os desenhos como SVG, PDF, PNG ou desenho do Quillory</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>Imagem SVG (o desenho exibido)</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>Documento PDF (todas as telas e páginas de quadro)</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>Imagem PNG (o desenho exibido, transparente)</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Desenho do Quillory (para abrir de novo)</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>não é possível exportar para “%1”: o nome precisa terminar em .svg, .pdf, .png ou .quillory</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>nada foi desenhado: não há nada para exportar</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>o arquivo está danificado: %1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>não é um arquivo de desenho do Quillory</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>o arquivo vem de um Quillory mais recente (formato %1); este lê o formato %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>Abrir desenho em %1</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Sair do Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>o Quillory ainda está iniciando</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Manter os desenhos ao sair do Quillory</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>Caso contrário, eles só são mantidos quando o Quillory é encerrado inesperadamente (uma falha, a perda da tela).</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>Exportar desenhos</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>Desenho %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>Pasta:</translation>
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
        <translation>Pasta: %1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>Escolher uma pasta para a exportação</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>“%1” já existe. Substituir?</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>Os desenhos não foram exportados</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>Exportar os desenhos: PDF, SVG, PNG, arquivo do Quillory</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>Slide seguinte/anterior no programa abaixo, os desenhos ficam; num quadro: página seguinte/anterior</translation>
    </message>
</context>
</TS>
