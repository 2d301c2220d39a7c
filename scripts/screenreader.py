#!/usr/bin/env python3
"""Reads the running desktop program as a screen reader does, over the
accessibility bus: the main window's list (its column headers, rows and
cells), then opens Tools, License File... and reads the licence window's
text. Prints what it read; exits 1 when a part could not be read."""
import sys
import time

import pyatspi
from gi.repository import GLib


def find(root, predicate, depth=0):
    if root is None or depth > 30:
        return None
    if predicate(root):
        return root
    for i in range(root.childCount):
        found = find(root.getChildAtIndex(i), predicate, depth + 1)
        if found is not None:
            return found
    return None


def application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    return None


def wait_for(root, predicate, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find(root, predicate)
        if found is not None:
            return found
        time.sleep(0.3)
    return None


def main():
    failures = []
    app = application('quintarel')
    if app is None:
        print('no application "quintarel" on the accessibility bus')
        return 1
    table = wait_for(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    if table is None:
        print('no table in the main window')
        return 1
    print('list: "%s" (%s)' % (table.name, table.description))
    cells = table.queryTable()
    print('rows %d, columns %d' % (cells.nRows, cells.nColumns))
    headers = [cells.getColumnDescription(c) or
               (cells.getColumnHeader(c).name if cells.getColumnHeader(c) else '')
               for c in range(cells.nColumns)]
    print('headers: ' + ' | '.join(headers))
    for r in range(min(cells.nRows, 3)):
        print('row %d: ' % r + ' | '.join(cells.getAccessibleAt(r, c).name
                                         for c in range(cells.nColumns)))
    if cells.nRows == 0 or not any(headers) or not table.name:
        failures.append('the list')

    item = find(app, lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and
                'License File' in a.name)
    if item is None:
        failures.append('the menu command License File...')
    else:
        # The command opens a modal window: the program answers only once it
        # closes, so the call is left waiting briefly and the window read.
        pyatspi.setTimeout(2000, 15000)
        try:
            item.queryAction().doAction(0)
        except GLib.GError:
            pass
        dialog = wait_for(app, lambda a: a.getRole() == pyatspi.ROLE_DIALOG)
        text = dialog and wait_for(dialog, lambda a: a.getRole() in (
            pyatspi.ROLE_TEXT, pyatspi.ROLE_PARAGRAPH, pyatspi.ROLE_ENTRY))
        if not text:
            failures.append('the licence window')
        else:
            content = text.queryText().getText(0, -1)
            print('licence text: "%s" (%s), %d characters; first line: %s' % (
                text.name, text.description, len(content), content.splitlines()[0] if content else ''))
            if not content or not text.name:
                failures.append('the licence text')
    if failures:
        print('not read: ' + ', '.join(failures))
        return 1
    print('read: the list and the licence text')
    return 0


if __name__ == '__main__':
    sys.exit(main())
