#!/usr/bin/python3
"""Prints the picture cards of the online library page that the program named sys.argv[1]
shows, read over the accessibility bus: one line per card, "NAME<TAB>X Y<TAB>X Y", with the
screen centres of its "设为壁纸" and "收藏" buttons (a card is an image followed by them)."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

SET, KEEP = "设为壁纸", "收藏"


def centre(node):
    e = node.get_extents(Atspi.CoordType.SCREEN)
    return f"{e.x + e.width // 2} {e.y + e.height // 2}"


def walk(node, cards, depth=0):
    if node is None or depth > 60:
        return
    role, name = node.get_role_name(), node.get_name()
    if role == "image" and name:
        cards.append([name, None, None])
    elif role == "link" and cards and name in (SET, KEEP):
        cards[-1][1 if name == SET else 2] = centre(node)
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), cards, depth + 1)


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == sys.argv[1]:
        cards = []
        walk(app, cards)
        for name, set_at, keep_at in cards:
            if set_at and keep_at:
                print(f"{name}\t{set_at}\t{keep_at}")
