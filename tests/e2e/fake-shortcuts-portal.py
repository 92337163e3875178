#!/usr/bin/python3
# A GlobalShortcuts portal for the tests, on the session bus as org.freedesktop.portal.Desktop
# (Debian's xdg-desktop-portal has no such interface yet). It answers CreateSession and
# BindShortcuts through Request objects as the real portal does (CreateSession on a path of its
# own, as older portals did), binds every shortcut with its preferred trigger except those named
# in argv, and offers the tests a control interface:
# Triggers() (each id with the preferred trigger of the last bind) and Press(id) (Activated, Deactivated).
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"
PORTAL = "org.freedesktop.portal.GlobalShortcuts"
CONTROL = "org.quillory.FakePortal"
refused = set(sys.argv[1:])


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session")
    def Close(self):
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.session = ""
        self.triggers = {}

    def answer(self, sender, options, results, own_path=False):
        token = "portal" if own_path else options['handle_token']
        path = f"{PATH}/request/{sender[1:].replace('.', '_')}/{token}"
        request = Request(self.bus, path)

        def respond():
            request.Response(dbus.UInt32(0), dbus.Dictionary(results, signature="sv"))
            request.remove_from_connection()
            return False

        GLib.timeout_add(50, respond)  # later, as a real portal answers
        return dbus.ObjectPath(path)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == PORTAL and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException(
            "no such property", name="org.freedesktop.DBus.Error.UnknownProperty")

    @dbus.service.method(PORTAL, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender):
        session = f"{PATH}/session/{sender[1:].replace('.', '_')}/{options['session_handle_token']}"
        Session(self.bus, session)
        return self.answer(sender, options, {"session_handle": dbus.ObjectPath(session)}, True)

    @dbus.service.method(PORTAL, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender):
        self.session = session
        self.triggers = {str(i): str(p.get("preferred_trigger", "")) for i, p in shortcuts}
        print("BindShortcuts", dict(self.triggers), flush=True)
        bound = [dbus.Struct((i, dbus.Dictionary({"description": p.get("description", ""),
                                                  "trigger_description": self.triggers[i]},
                                                 signature="sv")))
                 for i, p in shortcuts if i not in refused]
        return self.answer(sender, options,
                           {"shortcuts": dbus.Array(bound, signature="(sa{sv})")})

    @dbus.service.signal(PORTAL, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.signal(PORTAL, signature="osta{sv}")
    def Deactivated(self, session, shortcut_id, timestamp, options):
        pass

    @dbus.service.method(CONTROL, out_signature="a{sv}")
    def Triggers(self):
        return dbus.Dictionary(self.triggers, signature="sv")

    @dbus.service.method(CONTROL, in_signature="s")
    def Press(self, shortcut_id):
        empty = dbus.Dictionary({}, signature="sv")
        self.Activated(dbus.ObjectPath(self.session), shortcut_id, dbus.UInt64(0), empty)
        self.Deactivated(dbus.ObjectPath(self.session), shortcut_id, dbus.UInt64(0), empty)


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
portal = Portal(bus)
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
GLib.MainLoop().run()
