#!/usr/bin/env python3
"""A stand-in for plasmashell on the session bus: org.kde.PlasmaShell.evaluateScript records
each script (SCRIPT_LOG, one file per call: script-N.js) and runs it with gjs against the
desktops in STATE (plasma_desktops.js), answering what it printed, or a D-Bus error when the
script threw, as plasmashell does.

usage: plasma_shell.py STATE SCRIPT_DIR READY_FILE
"""
import os
import subprocess
import sys

from gi.repository import Gio, GLib

INTERFACE = """
<node>
  <interface name="org.kde.PlasmaShell">
    <method name="evaluateScript">
      <arg type="s" name="script" direction="in"/>
      <arg type="s" direction="out"/>
    </method>
  </interface>
</node>
"""

state, script_dir, ready_file = sys.argv[1:4]
runner = os.path.join(os.path.dirname(os.path.abspath(__file__)), "plasma_desktops.js")
calls = 0


def on_call(connection, sender, path, interface, method, parameters, invocation):
    global calls
    calls += 1
    script_file = os.path.join(script_dir, "script-%d.js" % calls)
    with open(script_file, "w", encoding="utf-8") as out:
        out.write(parameters.unpack()[0])
    run = subprocess.run(["gjs", runner, script_file, state], capture_output=True, text=True)
    if run.returncode != 0:
        invocation.return_dbus_error("org.kde.PlasmaShell.Error", run.stderr.strip() or "error")
    else:
        invocation.return_value(GLib.Variant("(s)", (run.stdout,)))


def on_bus(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    connection.register_object("/PlasmaShell", info, on_call, None, None)


def on_name(connection, name):
    with open(ready_file, "w") as out:
        out.write("ready\n")


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.plasmashell", Gio.BusNameOwnerFlags.NONE,
                 on_bus, on_name, lambda *a: sys.exit("name lost"))
GLib.MainLoop().run()
