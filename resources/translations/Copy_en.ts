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
    <message id="menu.placeholder">
        <source>Shortcuts and colours will be set here.</source>
        <translation>Shortcuts and colours will be set here.</translation>
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
</context>
</TS>
