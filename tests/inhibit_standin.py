#!/usr/bin/python3
"""A stand-in on the session bus for the desktop's inhibit services, which cannot run headless:
the XDG desktop portal's org.freedesktop.portal.Inhibit and org.freedesktop.ScreenSaver. Like the
real services it hands out a request object (portal) or a cookie (screen saver), and drops every
request of a client that leaves the bus, as it sees in NameOwnerChanged. Like the real portal, it
makes the request object as the call comes in, at the path the caller's handle_token names, and
answers when it is done: with --portal-delay SECONDS that is so many seconds later, as a portal
that is slow to start. Each event is one line in the log file:

    portal inhibit flags=12 reason=<reason> handle=<path>
    portal answered handle=<path>
    portal close handle=<path>
    screensaver inhibit application=<name> reason=<reason> cookie=<n>
    screensaver uninhibit cookie=<n>
    <service> dropped <handle or cookie> of a client that left the bus

    inhibit_standin.py LOG [--portal] [--portal-delay SECONDS] [--screensaver]
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL_PATH = "/org/freedesktop/portal/desktop"


class Log:
    def __init__(self, path):
        self.file = open(path, "a", buffering=1)

    def write(self, line):
        self.file.write(line + "\n")


class Requests:
    """What each client holds, so that a client that is gone can be released."""

    def __init__(self, log, service):
        self.log = log
        self.service = service
        self.held = {}

    def hold(self, client, key, on_release=None):
        self.held[key] = (client, on_release)

    def release(self, key):
        client, on_release = self.held.pop(key, (None, None))
        if on_release:
            on_release()
        return client is not None

    def client_gone(self, client):
        for key, (holder, _) in list(self.held.items()):
            if holder == client:
                self.release(key)
                self.log.write(f"{self.service} dropped {key} of a client that left the bus")


class PortalRequest(dbus.service.Object):
    def __init__(self, bus, path, requests):
        super().__init__(bus, path)
        self.path = path
        self.requests = requests

    @dbus.service.method("org.freedesktop.portal.Request", in_signature="", out_signature="")
    def Close(self):
        if self.requests.release(self.path):
            self.requests.log.write(f"portal close handle={self.path}")


class Portal(dbus.service.Object):
    def __init__(self, bus, log, delay):
        super().__init__(bus, PORTAL_PATH)
        self.bus = bus
        self.log = log
        self.delay = delay
        self.requests = Requests(log, "portal")
        self.count = 0

    @dbus.service.method("org.freedesktop.portal.Inhibit", in_signature="sua{sv}",
                         out_signature="o", sender_keyword="sender",
                         async_callbacks=("answer", "fail"))
    def Inhibit(self, window, flags, options, sender, answer, fail):
        self.count += 1
        client = sender[1:].replace(".", "_")
        token = str(options.get("handle_token", f"standin{self.count}"))
        path = f"{PORTAL_PATH}/request/{client}/{token}"
        request = PortalRequest(self.bus, path, self.requests)
        self.requests.hold(sender, path, lambda: request.remove_from_connection())
        self.log.write(f"portal inhibit flags={int(flags)} reason={options.get('reason', '')} "
                       f"handle={path}")

        def answer_now():
            answer(dbus.ObjectPath(path))
            self.log.write(f"portal answered handle={path}")
            return False

        if self.delay > 0:
            GLib.timeout_add(int(self.delay * 1000), answer_now)
        else:
            answer_now()


class ScreenSaver(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, "/org/freedesktop/ScreenSaver")
        self.log = log
        self.requests = Requests(log, "screensaver")
        self.cookie = 0

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="ss", out_signature="u",
                         sender_keyword="sender")
    def Inhibit(self, application, reason, sender):
        self.cookie += 1
        self.requests.hold(sender, self.cookie)
        self.log.write(f"screensaver inhibit application={application} reason={reason} "
                       f"cookie={self.cookie}")
        return dbus.UInt32(self.cookie)

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="u", out_signature="")
    def UnInhibit(self, cookie):
        if self.requests.release(int(cookie)):
            self.log.write(f"screensaver uninhibit cookie={int(cookie)}")


def main():
    log = Log(sys.argv[1])
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    services = []
    names = []
    delay = float(sys.argv[sys.argv.index("--portal-delay") + 1]) \
        if "--portal-delay" in sys.argv else 0
    if "--portal" in sys.argv:
        services.append(Portal(bus, log, delay))
        names.append(dbus.service.BusName("org.freedesktop.portal.Desktop", bus))
    if "--screensaver" in sys.argv:
        services.append(ScreenSaver(bus, log))
        names.append(dbus.service.BusName("org.freedesktop.ScreenSaver", bus))

    def owner_changed(name, old, new):
        if name.startswith(":") and old and not new:
            for service in services:
                service.requests.client_gone(name)

    bus.add_signal_receiver(owner_changed, "NameOwnerChanged", "org.freedesktop.DBus")
    log.write("ready")
    GLib.MainLoop().run()


if __name__ == "__main__":
    main()
