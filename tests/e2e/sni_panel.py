#!/usr/bin/env python3
"""A small StatusNotifierWatcher with a host, as a desktop panel runs it, and the panel's side
of the conversation with the items, for the end-to-end scenarios.

  sni_panel.py watcher LOG [--no-host]   own org.kde.StatusNotifierWatcher on the session bus;
                                         log "registered ITEM" / "unregistered ITEM" lines
  sni_panel.py items                     the registered items, one a line ("NAME/PATH")
  sni_panel.py get PROPERTY              a property of the one registered item
  sni_panel.py activate | context-menu X Y   call the item's method
  sni_panel.py menu                      the labels of the item's exported menu, one a line
  sni_panel.py click LABEL               send "clicked" to the menu item with that label
"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WATCHER = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
WATCHER_XML = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""


def run_watcher(log_path, with_host):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    items = {}  # "NAME/PATH" -> name watch id
    log = open(log_path, "a", buffering=1)

    def emit(signal, entry):
        bus.emit_signal(None, WATCHER_PATH, WATCHER, signal, GLib.Variant("(s)", (entry,)))

    def on_call(conn, sender, path, iface, method, params, invocation):
        if method == "RegisterStatusNotifierItem":
            service = params.unpack()[0]
            # An item names its bus name, or only its object path on the caller's connection.
            name, obj = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
            entry = name + obj
            invocation.return_value(None)
            if entry in items:
                return

            def vanished(_conn, _name, entry=entry):
                watch = items.pop(entry, None)
                if watch is not None:
                    Gio.bus_unwatch_name(watch)
                    log.write("unregistered %s\n" % entry)
                    emit("StatusNotifierItemUnregistered", entry)

            items[entry] = Gio.bus_watch_name_on_connection(
                bus, name, Gio.BusNameWatcherFlags.NONE, None, vanished)
            log.write("registered %s\n" % entry)
            emit("StatusNotifierItemRegistered", entry)
        else:
            invocation.return_value(None)

    def on_get(conn, sender, path, iface, prop):
        if prop == "RegisteredStatusNotifierItems":
            return GLib.Variant("as", sorted(items))
        if prop == "IsStatusNotifierHostRegistered":
            return GLib.Variant("b", with_host)
        return GLib.Variant("i", 0)

    info = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML).interfaces[0]
    bus.register_object(WATCHER_PATH, info, on_call, on_get, None)
    loop = GLib.MainLoop()

    def acquired(*_):
        log.write("watcher up\n")

    Gio.bus_own_name_on_connection(bus, WATCHER, Gio.BusNameOwnerFlags.DO_NOT_QUEUE,
                                   acquired, lambda *_: loop.quit())
    loop.run()


def call(bus, name, path, iface, method, params=None, reply=None):
    return bus.call_sync(name, path, iface, method, params,
                         GLib.VariantType.new(reply) if reply else None,
                         Gio.DBusCallFlags.NONE, 5000, None)


def the_item(bus):
    entries = call(bus, WATCHER, WATCHER_PATH, "org.freedesktop.DBus.Properties", "Get",
                   GLib.Variant("(ss)", (WATCHER, "RegisteredStatusNotifierItems")), "(v)").unpack()[0]
    if len(entries) != 1:
        sys.exit("expected one item, found %d: %s" % (len(entries), entries))
    entry = entries[0]
    slash = entry.index("/")
    return entry[:slash], entry[slash:]


def item_property(bus, name, path, prop):
    return call(bus, name, path, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (ITEM, prop)), "(v)").unpack()[0]


def menu_items(bus, name, path):
    menu = item_property(bus, name, path, "Menu")
    call(bus, name, menu, MENU, "AboutToShow", GLib.Variant("(i)", (0,)))
    _, layout = call(bus, name, menu, MENU, "GetLayout",
                     GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))").unpack()
    return menu, [(child[0], child[1].get("label", "")) for child in layout[2]]


def main(argv):
    if len(argv) >= 3 and argv[1] == "watcher":
        run_watcher(argv[2], "--no-host" not in argv[3:])
        return 0
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    command = argv[1] if len(argv) > 1 else ""
    if command == "items":
        entries = call(bus, WATCHER, WATCHER_PATH, "org.freedesktop.DBus.Properties", "Get",
                       GLib.Variant("(ss)", (WATCHER, "RegisteredStatusNotifierItems")), "(v)").unpack()[0]
        for entry in entries:
            print(entry)
        return 0
    name, path = the_item(bus)
    if command == "get":
        value = item_property(bus, name, path, argv[2])
        if argv[2] == "IconPixmap":
            print(" ".join("%dx%d:%d" % (w, h, len(data)) for w, h, data in value))
        elif argv[2] == "ToolTip":
            print(value[2])
        else:
            print(value)
    elif command == "activate":
        call(bus, name, path, ITEM, "Activate", GLib.Variant("(ii)", (0, 0)))
    elif command == "context-menu":
        call(bus, name, path, ITEM, "ContextMenu", GLib.Variant("(ii)", (int(argv[2]), int(argv[3]))))
    elif command == "menu":
        for _, label in menu_items(bus, name, path)[1]:
            print(label)
    elif command == "click":
        menu, entries = menu_items(bus, name, path)
        ids = [i for i, label in entries if label == argv[2]]
        if not ids:
            sys.exit("no menu item %r" % argv[2])
        call(bus, name, menu, MENU, "Event",
             GLib.Variant("(isvu)", (ids[0], "clicked", GLib.Variant("i", 0), 0)))
    else:
        sys.exit(__doc__)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
