<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory：ポインターモード、クリックは下のウィンドウに届きます（クリックで描画に戻る）</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory：%1、%2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>Quillory を気に入っていただけましたか？&#x3000;ぜひ周りの方にも紹介して、アプリストアで評価してください。</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>今すぐ評価</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>いいえ、結構です</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>プレゼンテーション中に画面に描画します。

--action 名前 を指定すると、実行中の Quillory にアクションを 1 つ送信して終了します：</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>X11 のキー取得が届かない環境（Wayland セッション）では、これらをデスクトップ自体のショートカットに割り当ててください。</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>実行中の Quillory にアクションを送信します。</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>不明なアクション「%1」です。使用できるアクション：%2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>設定は保存されません</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory は %1 に書き込めませんでした：%2。変更は Quillory を終了するまで有効です。</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>ポインターのある画面に描画レイヤーを表示</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>Quillory を表示</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>ツールパレットを表示／非表示</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>デスクトップにツールを表示</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>%1 ツールを選択して描画レイヤーを表示</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>全画面のプレゼンテーション用カウントダウンを開始</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>タイマー</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>描画入りの画面のスクリーンショットを PNG ファイルとして保存</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>描画入りの画面のスクリーンショットをクリップボードにコピー</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>カーソルの強調表示をオン／オフ</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>クリックとキー入力を下のウィンドウに通す（描画はそのまま残ります）</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>ポインターモードから描画に戻る</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>消えるインクのオン／オフ：図形は描いてから数秒後に消えていきます</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>スポットライトのオン／オフ：ポインターの周りの円を残して画面を暗くします</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>ポインターの周りの画面を拡大、または実際の画面に戻る</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>画面をホワイトボードで覆う、または画面に戻る</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>画面を黒板で覆う、または画面に戻る</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>描画レイヤーのモード、ツール、色、太さを 1 行の JSON で出力</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>Quillory を終了</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>茶色</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>グレー</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>藍色</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>ペン</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>ペンの線</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>長方形</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>長方形</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>蛍光ペン</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>蛍光ペンの線</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>消しゴム</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>レーザーポインター</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>消しゴムで消去（画面：%1）</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>%1を描画（画面：%2）</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>描画をすべて消去（画面：%1）</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>不明な画面</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>マウスで描画します。描画中、このカードは邪魔にならないよう脇に移動します。</translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>画面に描画</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>色を選択：赤、黄色、緑、青、紫、茶色、青緑、グレー、ピンク</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>ツールを選択：ペン、直線、矢印、長方形、楕円。Shift キーを押しながら描くと、ペンや矢印の線がまっすぐになります</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>線を細く／太く（Ctrl+ホイールでも可）</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>このカードの表示／非表示を切り替え</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>ショートカットかトレイアイコンで呼び出すまで Quillory を隠す（何も描かれていない画面では Esc 1 回）</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>描画ごと画面をクリップボードにコピー</translation>
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
        <translation>画面を消去（Ctrl+Z で描画を元に戻せます）</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory のウェブサイト</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>任意のフォルダー</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>描画ごと画面を PNG ファイルとして保存。保存先：</translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>ショートカットを設定</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>この環境ではグローバルショートカットが Quillory に届きません。代わりに、デスクトップのキーボード設定でこれらのコマンドをショートカットに割り当ててください。</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>今すぐ実行</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>ショートカットを削除：%1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>カラーピッカー</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>現在の色</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>設定…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>まだ有効ではありません：デスクトップが受け付けるのを待っています。</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>無効：デスクトップがこの組み合わせを受け付けませんでした。別のプログラムやショートカットが使用している可能性があります。</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>無効：デスクトップはこのキーを使用できません。</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>無効：デスクトップのショートカットサービスでエラーが発生しました。</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1代わりに、デスクトップのキーボード設定でこのコマンドを割り当てることができます：%2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>コマンド %1 をコピー</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>デスクトップのツールを隠す</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>記録中：新しいショートカットを押してください</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>別のキーの組み合わせを使用してください。</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>消えるインク</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>インクは消えません</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>スポットライトにはコンポジターが必要です</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>拡大する画面の画像がありません</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>ポインターモード</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>キー %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>Quillory に接続するためのセッション D-Bus がありません（%1）</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory は実行されていません</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory から応答がありませんでした：%1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>不明なアクション「%1」</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>スクリーンショットの保存先：</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>ログイン時に Quillory を起動</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>ポインターを強調表示</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>消えるインクの表示時間：</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>消えるインクが消えるまでの秒数</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>フォルダーを選択…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>スクリーンショットのフォルダー：%1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Quillory の設定</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>スクリーンショットの保存先フォルダーを選択</translation>
    </message>
    <message id="screenshot.locationPicker.accept">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="screenshot.notification.title">
        <source>Quillory</source>
        <translation>Quillory</translation>
    </message>
    <message id="screenshot.notification.error">
        <source>The screenshot could not be taken or saved</source>
        <translation>スクリーンショットを撮影または保存できませんでした</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>スクリーンショットを %1 に保存しました</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>スクリーンショットをクリップボードにコピーしました</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>残り時間</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>プレゼンテーション開始まで</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>タイマーの設定</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>分：</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>メッセージ：</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>色：</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>文字の色</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>再開</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>プレゼンテーションタイマー</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示します。</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>ポインターモード（オン／オフ）</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>消えるインク</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>スポットライト</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>ホワイトボード</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>黒板</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>、</translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>Wayland セッションでは、ハイライトは X11 ウィンドウの上でのみ表示されます。Wayland ウィンドウの上では Quillory はポインターを認識できません。</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>ポインターモードをオンまたはオフにする</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 オフ</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — 描画に戻るには %2 を押すか、トレイのアイコンをクリックします</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — 描画に戻るには %2 を押します</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — 描画に戻るにはトレイのアイコンをクリックします</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — 描画に戻るには「quillory --action draw」を実行します</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>パレットを移動</translation>
    </message>
    <message id="info.shortcut.slides">
        <source>PgDn PgUp ← →</source>
        <translation>PgDn PgUp ← →</translation>
    </message>
    <message id="info.shortcut.palette">
        <source>Palette</source>
        <translation>パレット</translation>
    </message>
    <message id="info.shortcut.palette.info">
        <source>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</source>
        <translation>色・ツール・モード・元に戻す。「デスクトップにツールを表示」で表示、ハンドルで移動</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>描画が含まれていません</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>描画をファイルに書き出す（.svg .pdf .png .quillory）</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>パス</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>.quillory 描画を表示中の画面やボードに開く</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>描画を復元できませんでした</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>前回のセッションから保持していた描画が破損しています（%1）。ファイルは %2 として保存されています。</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>描画を復元しました</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory は正常に終了しませんでした。描いた内容はそれぞれの画面とボードに戻っています。</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>ボードで次のページへ（最後のページの次は新しいページ）</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>ボードで前のページに戻る</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>エクスポートダイアログを開く：描画を SVG、PDF、PNG、Quillory 描画として書き出し</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>SVG 画像（表示中の描画）</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>PDF 文書（すべての画面とボードのページ）</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>PNG 画像（表示中の描画、透明背景）</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Quillory 描画（後で開き直せます）</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>「%1」にエクスポートできません：名前の末尾は .svg、.pdf、.png、.quillory のいずれかにしてください</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 は存在しません</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 はフォルダーです</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>何も描画されていません：エクスポートするものがありません</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>%1 に書き込めませんでした：%2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>ファイルが破損しています：%1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>Quillory の描画ファイルではありません</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>このファイルは新しい Quillory で作成されています（形式 %1）。この Quillory が読めるのは形式 %2 です</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>描画を開く（画面：%1）</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>Quillory を終了</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory はまだ起動中です</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>Quillory の終了時に描画を保持</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>オフの場合、描画が保持されるのは Quillory が正常に終了しなかったとき（クラッシュ、ディスプレイの切断など）のみです。</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>描画をエクスポート</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>描画 %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>ファイル名：</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>フォルダー：</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>フォルダー：%1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>エクスポート先フォルダーを選択</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>「%1」は既に存在します。置き換えますか？</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>描画をエクスポートできませんでした</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>描画をエクスポート：PDF、SVG、PNG、または再び開ける Quillory 描画</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>下のプログラムで次／前のスライドへ（描画はそのまま）。ボードでは次／前のページへ</translation>
    </message>
</context>
</TS>
