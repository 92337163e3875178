<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="tray.toolTip.pointer">
        <source>Quillory: pointer mode, clicks go to the windows below (click to draw)</source>
        <translation>Quillory：指针模式，点击会传递到下方窗口（点击以返回绘图）</translation>
    </message>
    <message id="tray.toolTip">
        <source>Quillory: %1, %2</source>
        <translation>Quillory：%1，%2</translation>
    </message>
    <message id="rateus.message">
        <source>Enjoying Quillory? Spread the word and share with others. Rate us on the app store.</source>
        <translation>喜欢 Quillory 吗？请把它推荐给其他人，并在应用商店为我们评分。</translation>
    </message>
    <message id="rateus.rate">
        <source>Rate Now</source>
        <translation>立即评分</translation>
    </message>
    <message id="rateus.decline">
        <source>No, thanks!</source>
        <translation>不用了，谢谢！</translation>
    </message>
    <message id="cli.description.head">
        <source>Draw on the screen while you present.

With --action NAME, sends one action to the running Quillory and exits:</source>
        <translation>在演示时于屏幕上绘图。

使用 --action 名称 时，向正在运行的 Quillory 发送一个操作，然后退出：</translation>
    </message>
    <message id="cli.description.tail">
        <source>Bind these to your desktop&apos;s own shortcuts where X11 key grabs do not reach (Wayland sessions).</source>
        <translation>在 X11 按键捕获无法生效的环境（Wayland 会话）中，请将它们绑定到桌面自带的快捷键。</translation>
    </message>
    <message id="cli.option.action">
        <source>Send an action to the running Quillory.</source>
        <translation>向正在运行的 Quillory 发送一个操作。</translation>
    </message>
    <message id="cli.option.action.value">
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message id="cli.unknownAction">
        <source>unknown action &quot;%1&quot;; the actions are: %2</source>
        <translation>未知操作“%1”；可用的操作有：%2</translation>
    </message>
    <message id="preferences.notSaved.title">
        <source>Settings are not saved</source>
        <translation>设置未保存</translation>
    </message>
    <message id="preferences.notSaved.text">
        <source>Quillory could not write %1: %2. Your changes last until Quillory ends.</source>
        <translation>Quillory 无法写入 %1：%2。您的更改在 Quillory 退出之前有效。</translation>
    </message>
    <message id="cli.action.activate">
        <source>show the overlay on the screen under the pointer</source>
        <translation>在指针所在的屏幕上显示绘图层</translation>
    </message>
    <message id="menu.row.activate">
        <source>Show Quillory</source>
        <translation>显示 Quillory</translation>
    </message>
    <message id="cli.action.toggleTools">
        <source>show or hide the tool palette</source>
        <translation>显示或隐藏工具面板</translation>
    </message>
    <message id="menu.row.showTools">
        <source>Show Tools on Desktop</source>
        <translation>在桌面上显示工具</translation>
    </message>
    <message id="cli.action.tool">
        <source>pick the %1 tool and show the overlay</source>
        <translation>选择 %1 工具并显示绘图层</translation>
    </message>
    <message id="cli.action.timer">
        <source>start the full-screen presentation countdown</source>
        <translation>开始全屏演示倒计时</translation>
    </message>
    <message id="menu.row.timer">
        <source>Timer</source>
        <translation>计时器</translation>
    </message>
    <message id="cli.action.save">
        <source>save a screenshot of the annotated screen as a PNG file</source>
        <translation>将带有绘图的屏幕截图保存为 PNG 文件</translation>
    </message>
    <message id="cli.action.copy">
        <source>copy a screenshot of the annotated screen to the clipboard</source>
        <translation>将带有绘图的屏幕截图复制到剪贴板</translation>
    </message>
    <message id="cli.action.highlight">
        <source>switch the cursor highlight on or off</source>
        <translation>打开或关闭光标突出显示</translation>
    </message>
    <message id="cli.action.pointer">
        <source>let clicks and keys through to the windows below; the drawings stay</source>
        <translation>让点击和按键传递到下方窗口；绘图保留</translation>
    </message>
    <message id="cli.action.draw">
        <source>draw again after pointer mode</source>
        <translation>从指针模式返回绘图</translation>
    </message>
    <message id="cli.action.fade">
        <source>switch fading ink on or off: shapes fade away a few seconds after they are drawn</source>
        <translation>打开或关闭渐隐墨迹：图形绘制几秒后逐渐消失</translation>
    </message>
    <message id="cli.action.spotlight">
        <source>switch the spotlight on or off: the screen dims but for a circle around the pointer</source>
        <translation>打开或关闭聚光灯：除指针周围的圆形区域外，屏幕其余部分变暗</translation>
    </message>
    <message id="cli.action.zoom">
        <source>magnify the screen around the pointer, or return to the live screen</source>
        <translation>放大指针周围的屏幕，或返回实时屏幕</translation>
    </message>
    <message id="cli.action.whiteboard">
        <source>cover the screen with a white board, or return to the screen</source>
        <translation>用白板覆盖屏幕，或返回屏幕</translation>
    </message>
    <message id="cli.action.blackboard">
        <source>cover the screen with a black board, or return to the screen</source>
        <translation>用黑板覆盖屏幕，或返回屏幕</translation>
    </message>
    <message id="cli.action.state">
        <source>print the overlay&apos;s mode, tool, colour and width as one line of JSON</source>
        <translation>以一行 JSON 输出绘图层的模式、工具、颜色和线宽</translation>
    </message>
    <message id="cli.action.quit">
        <source>end Quillory</source>
        <translation>退出 Quillory</translation>
    </message>
    <message id="color.red">
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message id="color.yellow">
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message id="color.green">
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message id="color.blue">
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message id="color.purple">
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message id="color.brown">
        <source>Brown</source>
        <translation>棕色</translation>
    </message>
    <message id="color.teal">
        <source>Teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message id="color.gray">
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message id="color.indigo">
        <source>Indigo</source>
        <translation>靛蓝色</translation>
    </message>
    <message id="color.pink">
        <source>Pink</source>
        <translation>粉色</translation>
    </message>
    <message id="tool.pen">
        <source>Pen</source>
        <translation>笔</translation>
    </message>
    <message id="renderable.type.line">
        <source>Pen Stroke</source>
        <translation>笔画</translation>
    </message>
    <message id="tool.line">
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message id="renderable.type.straightLine">
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message id="tool.arrow">
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message id="renderable.type.arrow">
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message id="tool.rectangle">
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message id="renderable.type.rectangle">
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message id="tool.ellipse">
        <source>Ellipse</source>
        <translation>椭圆</translation>
    </message>
    <message id="renderable.type.circle">
        <source>Ellipse</source>
        <translation>椭圆</translation>
    </message>
    <message id="tool.highlighter">
        <source>Highlighter</source>
        <translation>荧光笔</translation>
    </message>
    <message id="renderable.type.highlighter">
        <source>Highlighter Stroke</source>
        <translation>荧光笔笔画</translation>
    </message>
    <message id="tool.eraser">
        <source>Eraser</source>
        <translation>橡皮擦</translation>
    </message>
    <message id="tool.text">
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message id="renderable.type.text">
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message id="tool.laser">
        <source>Laser Pointer</source>
        <translation>激光笔</translation>
    </message>
    <message id="drawing.undo.eraseAction">
        <source>Erase on %1</source>
        <translation>擦除（屏幕：%1）</translation>
    </message>
    <message id="drawing.undo.drawAction">
        <source>Draw %1 on %2</source>
        <translation>绘制%1（屏幕：%2）</translation>
    </message>
    <message id="drawing.undo.clearAction">
        <source>Clear Drawings on %1</source>
        <translation>清除绘图（屏幕：%1）</translation>
    </message>
    <message id="error.unknownScreenName">
        <source>Unknown Screen</source>
        <translation>未知屏幕</translation>
    </message>
    <message id="info.footnote.1">
        <source>Draw with the mouse; this card steps aside while you draw. </source>
        <translation>用鼠标绘图；绘图时此卡片会自动让开。</translation>
    </message>
    <message id="info.title">
        <source>Drawing on the screen</source>
        <translation>在屏幕上绘图</translation>
    </message>
    <message id="info.shortcut.numbers">
        <source>1–9</source>
        <translation>1–9</translation>
    </message>
    <message id="info.shortcut.numbers.info">
        <source>Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink</source>
        <translation>选择颜色：红色、黄色、绿色、蓝色、紫色、棕色、蓝绿色、灰色、粉色</translation>
    </message>
    <message id="info.shortcut.letters.info">
        <source>Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke</source>
        <translation>选择工具：笔、直线、箭头、矩形、椭圆。按住 Shift 可将笔画或箭头拉直</translation>
    </message>
    <message id="info.shortcut.width.info">
        <source>Thinner or thicker line (Ctrl+wheel too)</source>
        <translation>线条变细或变粗（也可用 Ctrl+滚轮）</translation>
    </message>
    <message id="info.shortcut.slash.info">
        <source>Show or hide this card</source>
        <translation>显示或隐藏此卡片</translation>
    </message>
    <message id="info.shortcut.hide">
        <source>Esc Esc</source>
        <translation>Esc Esc</translation>
    </message>
    <message id="info.shortcut.hide.info">
        <source>Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)</source>
        <translation>隐藏 Quillory，直到用快捷键或托盘图标将其唤回（屏幕上没有绘图时只需按一次 Esc）</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard">
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message id="info.shortcut.screenshot.clipboard.info">
        <source>Copy the screen with its drawings to the clipboard</source>
        <translation>将屏幕连同绘图复制到剪贴板</translation>
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
        <translation>清空屏幕（按 Ctrl+Z 可恢复绘图）</translation>
    </message>
    <message id="info.footnote.2">
        <source>Quillory on the web</source>
        <translation>Quillory 网站</translation>
    </message>
    <message id="info.shortcut.screenshot.info.select">
        <source>a folder of your choice</source>
        <translation>您选择的文件夹</translation>
    </message>
    <message id="info.shortcut.screenshot.info">
        <source>Save the screen with its drawings as a PNG file in </source>
        <translation>将屏幕连同绘图保存为 PNG 文件，保存位置：</translation>
    </message>
    <message id="menu.setShortcut">
        <source>Set Shortcut</source>
        <translation>设置快捷键</translation>
    </message>
    <message id="menu.shortcut.noService">
        <source>Global shortcuts do not reach Quillory here. Bind these commands to shortcuts in your desktop&apos;s keyboard settings instead.</source>
        <translation>在此环境中，全局快捷键无法到达 Quillory。请改为在桌面的键盘设置中为这些命令绑定快捷键。</translation>
    </message>
    <message id="menu.row.do">
        <source>Do it now</source>
        <translation>立即执行</translation>
    </message>
    <message id="menu.clear.accessible">
        <source>Clear shortcut: %1</source>
        <translation>清除快捷键：%1</translation>
    </message>
    <message id="menu.copyCommand">
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message id="menu.colorPicker">
        <source>Color Picker</source>
        <translation>颜色选择器</translation>
    </message>
    <message id="menu.selectedColor">
        <source>Current colour</source>
        <translation>当前颜色</translation>
    </message>
    <message id="menu.preferences">
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message id="menu.shortcut.pending">
        <source>Not active yet: waiting for the desktop to accept it.</source>
        <translation>尚未生效：正在等待桌面接受。</translation>
    </message>
    <message id="menu.shortcut.refusedTaken">
        <source>Not active: the desktop did not accept this combination; another program or shortcut may have it.</source>
        <translation>未生效：桌面未接受此组合键；可能已被其他程序或快捷键占用。</translation>
    </message>
    <message id="menu.shortcut.refusedKey">
        <source>Not active: the desktop cannot use this key.</source>
        <translation>未生效：桌面无法使用此按键。</translation>
    </message>
    <message id="menu.shortcut.failed">
        <source>Not active: the desktop&apos;s shortcut service failed.</source>
        <translation>未生效：桌面的快捷键服务出错。</translation>
    </message>
    <message id="menu.shortcut.instead">
        <source>%1 You can bind this command in your desktop&apos;s keyboard settings instead: %2</source>
        <translation>%1您也可以改为在桌面的键盘设置中绑定此命令：%2</translation>
    </message>
    <message id="menu.copyCommand.accessible">
        <source>Copy the command %1</source>
        <translation>复制命令 %1</translation>
    </message>
    <message id="menu.row.hideTools">
        <source>Hide Tools on Desktop</source>
        <translation>在桌面上隐藏工具</translation>
    </message>
    <message id="menu.recording">
        <source>Recording: press the new shortcut</source>
        <translation>正在录制：请按下新的快捷键</translation>
    </message>
    <message id="menu.shortcut.taken">
        <source>Please use a different key combination.</source>
        <translation>请使用其他组合键。</translation>
    </message>
    <message id="overlay.notice.fadeOn">
        <source>Fading ink</source>
        <translation>渐隐墨迹</translation>
    </message>
    <message id="overlay.notice.fadeOff">
        <source>Ink stays</source>
        <translation>墨迹保留</translation>
    </message>
    <message id="overlay.notice.spotlightNeedsCompositor">
        <source>The spotlight needs a compositor</source>
        <translation>聚光灯需要合成器</translation>
    </message>
    <message id="overlay.notice.noZoomPicture">
        <source>No picture of the screen to zoom into</source>
        <translation>没有可放大的屏幕图像</translation>
    </message>
    <message id="overlay.pointerMode">
        <source>Pointer mode</source>
        <translation>指针模式</translation>
    </message>
    <message id="palette.key">
        <source>Key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message id="remote.noBus">
        <source>no session D-Bus to reach Quillory through (%1)</source>
        <translation>没有可用于连接 Quillory 的会话 D-Bus（%1）</translation>
    </message>
    <message id="remote.notRunning">
        <source>Quillory is not running</source>
        <translation>Quillory 未在运行</translation>
    </message>
    <message id="remote.noAnswer">
        <source>Quillory did not answer: %1</source>
        <translation>Quillory 没有响应：%1</translation>
    </message>
    <message id="remote.refused">
        <source>unknown action &quot;%1&quot;</source>
        <translation>未知操作“%1”</translation>
    </message>
    <message id="notification.action.show">
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message id="preferences.folder.label">
        <source>Save screenshots in:</source>
        <translation>截图保存位置：</translation>
    </message>
    <message id="preferences.startAtLogin">
        <source>Start Quillory at login</source>
        <translation>登录时启动 Quillory</translation>
    </message>
    <message id="preferences.highlightCursor">
        <source>Highlight the pointer</source>
        <translation>突出显示指针</translation>
    </message>
    <message id="preferences.fadeDelay.label">
        <source>Fading ink goes after:</source>
        <translation>渐隐墨迹消失时间：</translation>
    </message>
    <message id="preferences.fadeDelay.suffix">
        <source> s</source>
        <translation> 秒</translation>
    </message>
    <message id="preferences.fadeDelay.accessible">
        <source>Seconds until fading ink is gone</source>
        <translation>渐隐墨迹消失前的秒数</translation>
    </message>
    <message id="preferences.folder.none">
        <source>Choose a folder…</source>
        <translation>选择文件夹…</translation>
    </message>
    <message id="preferences.folder.accessible">
        <source>Screenshot folder: %1</source>
        <translation>截图文件夹：%1</translation>
    </message>
    <message id="preferences.title">
        <source>Quillory Preferences</source>
        <translation>Quillory 首选项</translation>
    </message>
    <message id="screenshot.locationPicker.title">
        <source>Choose a Folder for Screenshots</source>
        <translation>选择截图保存文件夹</translation>
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
        <translation>无法截取或保存截图</translation>
    </message>
    <message id="screenshot.notification.success">
        <source>Screenshot saved to %1</source>
        <translation>截图已保存到 %1</translation>
    </message>
    <message id="screenshot.notification.success.clipboard">
        <source>Screenshot copied to the clipboard</source>
        <translation>截图已复制到剪贴板</translation>
    </message>
    <message id="timer.time.accessible">
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message id="timer.message.default">
        <source>Presentation begins in</source>
        <translation>距离演示开始还有</translation>
    </message>
    <message id="timer.settings.title">
        <source>Timer Settings</source>
        <translation>计时器设置</translation>
    </message>
    <message id="timer.settings.minutes">
        <source>Minutes:</source>
        <translation>分钟：</translation>
    </message>
    <message id="timer.settings.message">
        <source>Message:</source>
        <translation>消息：</translation>
    </message>
    <message id="timer.settings.color">
        <source>Colour:</source>
        <translation>颜色：</translation>
    </message>
    <message id="timer.settings.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="timer.settings.minutes.accessible">
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message id="timer.settings.message.accessible">
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message id="timer.settings.color.accessible">
        <source>Text colour</source>
        <translation>文字颜色</translation>
    </message>
    <message id="timer.reset">
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message id="timer.pause">
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message id="timer.play">
        <source>Play</source>
        <translation>继续</translation>
    </message>
    <message id="timer.window.title">
        <source>Presentation Timer</source>
        <translation>演示计时器</translation>
    </message>
    <message id="cli.option.help">
        <source>Displays help on commandline options.</source>
        <translation>在命令行选项上显示帮助。</translation>
    </message>
    <message id="cli.option.helpAll">
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特有选项的帮助。</translation>
    </message>
    <message id="cli.option.version">
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message id="info.shortcut.pointerMode">
        <source>Pointer mode (on and off)</source>
        <translation>指针模式（开启和关闭）</translation>
    </message>
    <message id="info.shortcut.fade">
        <source>Fading ink</source>
        <translation>渐隐墨迹</translation>
    </message>
    <message id="info.shortcut.spotlight">
        <source>Spotlight</source>
        <translation>聚光灯</translation>
    </message>
    <message id="info.shortcut.zoom">
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message id="info.shortcut.whiteboard">
        <source>White board</source>
        <translation>白板</translation>
    </message>
    <message id="info.shortcut.blackboard">
        <source>Black board</source>
        <translation>黑板</translation>
    </message>
    <message id="info.shortcut.separator">
        <source>, </source>
        <translation>、</translation>
    </message>
    <message id="preferences.highlightCursor.wayland">
        <source>In a Wayland session the highlight shows only over X11 windows: over Wayland windows Quillory cannot see the pointer.</source>
        <translation>在 Wayland 会话中，高亮只显示在 X11 窗口上方：在 Wayland 窗口上方 Quillory 无法看到指针。</translation>
    </message>
    <message id="cli.action.togglePointer">
        <source>switch pointer mode on or off</source>
        <translation>打开或关闭指针模式</translation>
    </message>
    <message id="overlay.notice.off">
        <source>%1 off</source>
        <translation>%1 已关闭</translation>
    </message>
    <message id="overlay.pointerMode.shortcutOrTray">
        <source>%1 — press %2 or click the tray icon to draw</source>
        <translation>%1 — 按 %2 或点击托盘图标以继续绘图</translation>
    </message>
    <message id="overlay.pointerMode.shortcut">
        <source>%1 — press %2 to draw</source>
        <translation>%1 — 按 %2 以继续绘图</translation>
    </message>
    <message id="overlay.pointerMode.tray">
        <source>%1 — click the tray icon to draw</source>
        <translation>%1 — 点击托盘图标以继续绘图</translation>
    </message>
    <message id="overlay.pointerMode.command">
        <source>%1 — run “quillory --action draw” to draw</source>
        <translation>%1 — 运行“quillory --action draw”以继续绘图</translation>
    </message>
    <message id="palette.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="palette.redo">
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message id="palette.toolTip">
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message id="palette.grip">
        <source>Move the palette</source>
        <translation>移动调色板</translation>
    </message>
    <message id="info.shortcut.slides">
        <source>PgDn PgUp ← →</source>
        <translation>PgDn PgUp ← →</translation>
    </message>
    <message id="info.shortcut.palette">
        <source>Palette</source>
        <translation>调色板</translation>
    </message>
    <message id="info.shortcut.palette.info">
        <source>Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it</source>
        <translation>颜色、工具、模式、撤销：“在桌面上显示工具”显示它，拖动手柄可移动</translation>
    </message>
    <message id="open.error">
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message id="open.error.empty">
        <source>it holds no drawings</source>
        <translation>其中没有绘图</translation>
    </message>
    <message id="cli.option.export">
        <source>Write the running Quillory&apos;s drawings to a file: .svg, .pdf, .png or .quillory.</source>
        <translation>将绘图写入文件（.svg .pdf .png .quillory）</translation>
    </message>
    <message id="cli.option.path.value">
        <source>path</source>
        <translation>路径</translation>
    </message>
    <message id="cli.option.open">
        <source>Open a .quillory drawing in the running Quillory, on the screen or board shown.</source>
        <translation>在当前屏幕或白板/黑板上打开 .quillory 绘图</translation>
    </message>
    <message id="journal.damaged.title">
        <source>Drawings could not be brought back</source>
        <translation>无法恢复绘图</translation>
    </message>
    <message id="journal.damaged.body">
        <source>The drawings kept from the last session are damaged (%1). The file is kept as %2.</source>
        <translation>上次会话保留的绘图已损坏（%1）。该文件已保留为 %2。</translation>
    </message>
    <message id="journal.restored.title">
        <source>Drawings brought back</source>
        <translation>绘图已恢复</translation>
    </message>
    <message id="journal.restored.body">
        <source>Quillory ended without quitting. What was drawn is back on its screens and boards.</source>
        <translation>Quillory 未正常退出。之前的绘图已恢复到各自的屏幕和白板/黑板上。</translation>
    </message>
    <message id="cli.action.nextPage">
        <source>on a board, turn to the next page (a new one after the last)</source>
        <translation>在白板或黑板上翻到下一页（最后一页之后新建一页）</translation>
    </message>
    <message id="cli.action.previousPage">
        <source>on a board, turn back to the previous page</source>
        <translation>在白板或黑板上翻回上一页</translation>
    </message>
    <message id="cli.action.export">
        <source>open the export dialog: the drawings as SVG, PDF, PNG or a Quillory drawing</source>
        <translation>打开导出对话框：将绘图导出为 SVG、PDF、PNG 或 Quillory 绘图</translation>
    </message>
    <message id="export.format.svg">
        <source>SVG picture (the drawing shown)</source>
        <translation>SVG 图片（当前显示的绘图）</translation>
    </message>
    <message id="export.format.pdf">
        <source>PDF document (every screen and board page)</source>
        <translation>PDF 文档（所有屏幕和白板/黑板页面）</translation>
    </message>
    <message id="export.format.png">
        <source>PNG picture (the drawing shown, transparent)</source>
        <translation>PNG 图片（当前显示的绘图，透明背景）</translation>
    </message>
    <message id="export.format.quillory">
        <source>Quillory drawing (to open again)</source>
        <translation>Quillory 绘图（可再次打开）</translation>
    </message>
    <message id="export.error.extension">
        <source>cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory</source>
        <translation>无法导出到“%1”：文件名必须以 .svg、.pdf、.png 或 .quillory 结尾</translation>
    </message>
    <message id="export.error.folder">
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message id="export.error.isFolder">
        <source>%1 is a folder</source>
        <translation>%1 是一个文件夹</translation>
    </message>
    <message id="export.error.empty">
        <source>nothing is drawn: there is nothing to export</source>
        <translation>没有任何绘图：没有可导出的内容</translation>
    </message>
    <message id="export.error.write">
        <source>could not write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message id="file.error.damaged">
        <source>the file is damaged: %1</source>
        <translation>文件已损坏：%1</translation>
    </message>
    <message id="file.error.foreign">
        <source>not a Quillory drawing file</source>
        <translation>不是 Quillory 绘图文件</translation>
    </message>
    <message id="file.error.newer">
        <source>the file comes from a newer Quillory (format %1); this one reads format %2</source>
        <translation>该文件来自较新版本的 Quillory（格式 %1）；此版本只能读取格式 %2</translation>
    </message>
    <message id="drawing.undo.openAction">
        <source>Open Drawing on %1</source>
        <translation>打开绘图（屏幕：%1）</translation>
    </message>
    <message id="menu.quit">
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message id="menu.quit.accessible">
        <source>Quit Quillory</source>
        <translation>退出 Quillory</translation>
    </message>
    <message id="overlay.notice.page">
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message id="remote.starting">
        <source>Quillory is still starting</source>
        <translation>Quillory 仍在启动中</translation>
    </message>
    <message id="preferences.keepDrawings">
        <source>Keep drawings when Quillory quits</source>
        <translation>退出 Quillory 时保留绘图</translation>
    </message>
    <message id="preferences.keepDrawings.detail">
        <source>Otherwise they are kept only when Quillory ends without quitting (a crash, a lost display).</source>
        <translation>否则，仅当 Quillory 未正常退出（崩溃、显示器断开）时才会保留绘图。</translation>
    </message>
    <message id="export.title">
        <source>Export Drawings</source>
        <translation>导出绘图</translation>
    </message>
    <message id="export.defaultName">
        <source>Drawing %1</source>
        <translation>绘图 %1</translation>
    </message>
    <message id="export.fileName">
        <source>File name:</source>
        <translation>文件名：</translation>
    </message>
    <message id="export.folder">
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message id="export.format">
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message id="export.accept">
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message id="export.folder.accessible">
        <source>Folder: %1</source>
        <translation>文件夹：%1</translation>
    </message>
    <message id="export.folder.title">
        <source>Choose a Folder for the Export</source>
        <translation>选择导出文件夹</translation>
    </message>
    <message id="export.replace">
        <source>“%1” is there already. Replace it?</source>
        <translation>“%1”已存在。要替换吗？</translation>
    </message>
    <message id="export.failed">
        <source>The drawings were not exported</source>
        <translation>绘图未导出</translation>
    </message>
    <message id="info.shortcut.export">
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message id="info.shortcut.export.info">
        <source>Export as PDF, SVG, PNG or .quillory</source>
        <translation>导出绘图：PDF、SVG、PNG 或可再次打开的 Quillory 绘图</translation>
    </message>
    <message id="info.shortcut.slides.pages">
        <source>Next or previous slide in the program below, the drawings staying; on a board, its next or previous page</source>
        <translation>在下方程序中切换到下一张或上一张幻灯片，绘图保留；在白板或黑板上切换到下一页或上一页</translation>
    </message>
</context>
</TS>
