#!/usr/bin/python3
"""Prints the texts of the message boxes that a running program shows, read over the
accessibility bus: one line per label and button, for every application named sys.argv[1]."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    role = node.get_role_name()
    name = node.get_name()
    if role in ("label", "push button") and name:
        print(f"{role}: {name}")
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == sys.argv[1]:
        for j in range(app.get_child_count()):
            window = app.get_child_at_index(j)
            if window.get_role_name() in ("alert", "dialog"):
                walk(window)
