#!/usr/bin/python3
# A native Wayland window for the end-to-end tests. It fills itself with the colour given
# (#rrggbb) and writes one line per input that reaches it: "click", "drag", "wheel", "key".
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402

style = Gtk.CssProvider()
style.load_from_data(b"window { background: %s; }" % sys.argv[1].encode())
Gtk.StyleContext.add_provider_for_screen(Gdk.Screen.get_default(), style, 800)
window = Gtk.Window(title="native window", decorated=False)
window.add_events(Gdk.EventMask.BUTTON_PRESS_MASK | Gdk.EventMask.BUTTON_MOTION_MASK
                  | Gdk.EventMask.SCROLL_MASK | Gdk.EventMask.KEY_PRESS_MASK)


def report(line):
    print(line, flush=True)
    return True


window.connect("button-press-event", lambda *_: report("click"))
window.connect("motion-notify-event", lambda *_: report("drag"))
window.connect("scroll-event", lambda *_: report("wheel"))  # a notch may come as two
window.connect("key-press-event", lambda *_: report("key"))
window.connect("destroy", Gtk.main_quit)
window.maximize()
window.show()
Gtk.main()
