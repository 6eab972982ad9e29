#!/usr/bin/env python3
"""Stands in for desktop services on a private session bus, through their
documented D-Bus interfaces, and writes one line to LOG for each call:

  org.freedesktop.Notifications    Notify               -> "notify SUMMARY|BODY"
  org.freedesktop.portal.Desktop   GlobalShortcuts      -> "session TOKEN", "bind ID TRIGGER"
  org.kde.StatusNotifierWatcher    (with --tray) a tray -> "tray-item SERVICE"

SIGUSR1 emits the portal's Activated signal for every bound shortcut
("activated ID"); SIGUSR2 takes the tray away ("tray-gone").
--fail SERVICE answers that service's methods with an error instead.

  fake_desktop.py LOG [--tray] [--fail notify|portal]
"""
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL_PATH = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
WATCHER = "org.kde.StatusNotifierWatcher"

log_path = sys.argv[1]
failing = sys.argv[sys.argv.index("--fail") + 1] if "--fail" in sys.argv else ""


def record(line):
    with open(log_path, "a", encoding="utf-8") as f:
        f.write(line + "\n")


class Refused(dbus.DBusException):
    _dbus_error_name = "org.freedesktop.DBus.Error.Failed"


class Notifications(dbus.service.Object):
    next_id = 0

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        if failing == "notify":
            raise Refused("notifications refused")
        record("notify %s|%s" % (summary, body))
        Notifications.next_id += 1
        return Notifications.next_id

    @dbus.service.method("org.freedesktop.Notifications", out_signature="ssss")
    def GetServerInformation(self):
        return ("fake", "test", "1", "1.2")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PORTAL_PATH)
        self.bus = bus
        self.bound = []  # (session, id)

    def answer(self, sender, token, results):
        path = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender[1:].replace(".", "_"), token)
        request = Request(self.bus, path)
        GLib.idle_add(lambda: request.Response(dbus.UInt32(0), dbus.Dictionary(results, signature="sv")) and False)
        return dbus.ObjectPath(path)

    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        if failing == "portal":
            raise Refused("global shortcuts refused")
        token = str(options.get("session_handle_token", "s"))
        record("session " + token)
        session = "/org/freedesktop/portal/desktop/session/%s/%s" % (sender[1:].replace(".", "_"), token)
        return self.answer(sender, str(options["handle_token"]), {"session_handle": session})

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        for sid, props in shortcuts:
            record("bind %s %s" % (sid, props.get("preferred_trigger", "")))
            self.bound.append((session, sid))
        return self.answer(sender, str(options["handle_token"]), {"shortcuts": dbus.Array(shortcuts, signature="(sa{sv})")})

    @dbus.service.signal(SHORTCUTS, signature="osta{sv}")
    def Activated(self, session, shortcut, timestamp, options):
        pass

    def activate_all(self):
        for session, sid in self.bound:
            record("activated " + sid)
            self.Activated(dbus.ObjectPath(session), sid, dbus.UInt64(0), dbus.Dictionary({}, signature="sv"))


class Watcher(dbus.service.Object):
    """The tray host registry that desktops with a tray run."""

    XML = """<node><interface name="org.kde.StatusNotifierWatcher">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
</interface></node>"""

    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return self.XML

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        record("tray-item " + service)
        self.items.append(service)

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    def values(self):
        return {"IsStatusNotifierHostRegistered": True, "ProtocolVersion": dbus.Int32(0),
                "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s")}

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.values()[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.values()


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    keep = [dbus.service.BusName("org.freedesktop.Notifications", bus),
            dbus.service.BusName("org.freedesktop.portal.Desktop", bus)]
    Notifications(bus, "/org/freedesktop/Notifications")
    portal = Portal(bus)
    tray = []
    if "--tray" in sys.argv:
        tray = [dbus.service.BusName(WATCHER, bus), Watcher(bus)]

    def drop_tray():
        if tray:
            tray[1].remove_from_connection()
            bus.release_name(WATCHER)
            tray.clear()
            record("tray-gone")
        return False

    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, lambda: portal.activate_all() or True)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, lambda: drop_tray() or True)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or False)
    record("ready")
    loop.run()
    del keep


if __name__ == "__main__":
    main()
