"""Drives tamro's real window as a screen reader does, over AT-SPI.

Run by tests/desktop_session.sh inside a D-Bus session with the window up:
reads every control's name, checks that each is there and, for a language
other than English, that the captions are translated; then previews the
examples through the edits and buttons, reads the "Rename" column, converts,
and answers the closing box. Exits 0 when all held, 1 with the reasons.

    atspi_window.py SONG_LIST OUTPUT_FOLDER [LANGUAGE.ts]
"""

import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import GLib

# What each control is called in English: (context, source[, comment]) as
# in the code, and the role a screen reader hears with it.
NAMED_CONTROLS = [
    (("AccessibleText", "Folders"), pyatspi.ROLE_TREE),
    (("AccessibleText", "Files of the folder"), pyatspi.ROLE_TABLE),
    (("AccessibleText", "File progress"), pyatspi.ROLE_PROGRESS_BAR),
    (("AccessibleText", "Total progress"), pyatspi.ROLE_PROGRESS_BAR),
    (("AccessibleText", "Naming mode"), None),  # the frame around the tabs
    (("CtamroDlg", "Convert", "the tab of the song-list mode"), pyatspi.ROLE_PAGE_TAB),
    (("CtamroDlg", "Rename", "the tab of the pattern mode"), pyatspi.ROLE_PAGE_TAB),
    (("DialogTemplate", "Output Folder :"), pyatspi.ROLE_TEXT),
    (("DialogTemplate", "Songlist file :"), pyatspi.ROLE_TEXT),
    (("DialogTemplate", "&Preview"), pyatspi.ROLE_PUSH_BUTTON),
    (("DialogTemplate", "&Convert"), pyatspi.ROLE_PUSH_BUTTON),
    (("DialogTemplate", "Choose the output folder"), pyatspi.ROLE_PUSH_BUTTON),
    (("DialogTemplate", "Choose the song-list file"), pyatspi.ROLE_PUSH_BUTTON),
    (("DialogTemplate", "Set Song &Source Folder"), pyatspi.ROLE_CHECK_BOX),
    (("DialogTemplate", "F5: Refresh"), pyatspi.ROLE_LABEL),
    (("DialogTemplate", "Song Source Folder"), pyatspi.ROLE_LABEL),
    (("DialogTemplate", "file :"), pyatspi.ROLE_LABEL),
    (("DialogTemplate", "total :"), pyatspi.ROLE_LABEL),
    (("DialogTemplate", "Rename files using text file"), pyatspi.ROLE_LABEL),
]
# Qt's own "Cancel" of its file dialog, from Qt's translations.
QT_CANCEL = {"": "Cancel", "de": "Abbrechen"}
# Roles of the controls that must never go without a name.
CONTROL_ROLES = {pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_PROGRESS_BAR,
                 pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TEXT,
                 pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX}

problems = []


def Translations(ts_path):
    """(context, source, comment) -> translation, from a Qt .ts file."""
    table = {}
    if not ts_path:
        return table
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"))
            if message.find("comment") is not None:
                key += (message.findtext("comment"),)
            forms = [f.text for f in message.iter("numerusform")]
            table[key] = forms[0] if forms else message.findtext("translation")
    return table


def Spoken(caption):
    """A caption as Qt hands it to a screen reader: the "&" of its key gone."""
    return caption.replace("&&", "\0").replace("&", "").replace("\0", "&")


def WaitFor(what, find, seconds=20, give_up=True):
    """What `find` finds within `seconds`; past them the check ends, or with
    `give_up` False the caller is handed None to tell what it saw instead."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    if not give_up:
        return None
    raise SystemExit("atspi_window: gave up waiting for " + what)


def Descendants(root):
    """The objects under `root`, without the rows and cells of trees and
    tables. The window may still be filling its tree, which makes objects
    come and go; a walk that meets one gone is walked again."""
    for _ in range(20):
        found = []

        def Walk(node, depth):
            if node is None or depth > 40:
                return
            found.append(node)
            if node.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE):
                return
            for i in range(node.childCount):
                Walk(node.getChildAtIndex(i), depth + 1)

        try:
            Walk(root, 0)
            # Read now what is read later, while each object is known to be there.
            return [(node, node.name, node.getRole()) for node in found]
        except GLib.GError:
            time.sleep(0.2)
    raise SystemExit("atspi_window: the window's objects never held still")


def Press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in ("Press", "press", "click"):
            actions.doAction(i)
            return
    problems.append("no press action on " + node.name)


def main():
    song_list, output = sys.argv[1], sys.argv[2]
    translated = Translations(sys.argv[3] if len(sys.argv) > 3 else None)

    def Say(key):
        return Spoken(translated.get(key) or key[1])

    desktop = pyatspi.Registry.getDesktop(0)
    app = WaitFor("tamro on the accessibility bus",
                  lambda: next((a for a in desktop if a is not None and a.name == "tamro"), None))
    window = WaitFor("the main window", lambda: next(
        (w for w in app if w is not None and w.name == Say(("DialogTemplate", "Song file convert"))),
        None))

    # The folder given on the command line is listed once the window is up.
    def Listed():
        tables = [n for n, _, role in Descendants(window) if role == pyatspi.ROLE_TABLE]
        return tables if tables and tables[0].queryTable().nRows >= 9 else None

    WaitFor("the folder's files in the list", Listed)
    nodes = Descendants(window)
    by_name = {}
    for node, name, role in nodes:
        by_name.setdefault((name, role), node)
        # The pages that are not shown are not read; what is shown is named.
        if role in CONTROL_ROLES and not name.strip():
            problems.append("a %s without a name" % role.value_nick)
    for key, role in NAMED_CONTROLS:
        if role is None:
            if not any(name == Say(key) for _, name, _ in nodes):
                problems.append("nothing named %r" % Say(key))
        elif (Say(key), role) not in by_name:
            problems.append("no %s named %r" % (role.value_nick, Say(key)))
        # A translated window shows no English caption that has a translation.
        if translated and translated.get(key) and Spoken(translated[key]) != Spoken(key[1]):
            if any(name == Spoken(key[1]) for _, name, _ in nodes):
                problems.append("English %r is shown" % Spoken(key[1]))

    # The window keeps its fixed size under the compositor.
    if window.getState().contains(pyatspi.STATE_RESIZABLE):
        problems.append("the main window can be resized")

    # Both bars tell their values.
    for key in (("AccessibleText", "File progress"), ("AccessibleText", "Total progress")):
        bar = by_name.get((Say(key), pyatspi.ROLE_PROGRESS_BAR))
        if bar is not None and bar.queryValue().maximumValue != 100:
            problems.append("%r does not tell its range" % bar.name)

    # A preview and a convert, through the edits and buttons alone.
    edit = by_name[(Say(("DialogTemplate", "Songlist file :")), pyatspi.ROLE_TEXT)]
    edit.queryEditableText().setTextContents(song_list)
    out_edit = by_name[(Say(("DialogTemplate", "Output Folder :")), pyatspi.ROLE_TEXT)]
    out_edit.queryEditableText().setTextContents(output)
    table = by_name[(Say(("AccessibleText", "Files of the folder")), pyatspi.ROLE_TABLE)]
    Press(by_name[(Say(("DialogTemplate", "&Preview")), pyatspi.ROLE_PUSH_BUTTON)])
    rename = Say(("CtamroDlg", "Rename", "the column of new names"))

    def NewNames():
        try:
            cells = table.queryTable()
            if cells.nColumns < 5 or cells.getColumnDescription(1) != rename:
                return None
            names = [cells.getAccessibleAt(row, 1).name for row in range(cells.nRows)]
        except GLib.GError:
            return None  # the list is being filled
        read[:] = names
        # The preview fills its column piece by piece; it is read once whole.
        whole = names.count("Title-Singer.mp3") == 2 and "Yesterday Again-The Harbours.mp3" in names
        return names if whole else None

    read = []
    if not WaitFor("the %r column" % rename, NewNames, give_up=False):
        problems.append("the %r column reads %r" % (rename, read))

    Press(by_name[(Say(("DialogTemplate", "&Convert")), pyatspi.ROLE_PUSH_BUTTON)])
    completed = Say(("RunEnd", "Completed."))

    def ClosingBox():
        for top in app:
            if top is None or top.name != "tamro":
                continue
            if any(completed in name for _, name, _ in Descendants(top)):
                return top
        return None

    box = WaitFor("the box saying %r" % completed, ClosingBox, seconds=60)
    ok = next((n for n, _, role in Descendants(box) if role == pyatspi.ROLE_PUSH_BUTTON), None)
    if ok is None:
        problems.append("the closing box has no button")
    else:
        if translated and ok.name == "OK" and sys.argv[3].endswith(("_ko.ts", "_zh_CN.ts")):
            problems.append("Qt's own OK button is not translated")
        Press(ok)

    # A file dialog opens over the window, named as the window names it, and
    # goes again with Qt's own Cancel.
    Press(by_name[(Say(("DialogTemplate", "Choose the output folder")), pyatspi.ROLE_PUSH_BUTTON)])
    title = Say(("CtamroDlg", "Current folder is:"))
    chooser = WaitFor("the folder dialog %r" % title, lambda: next(
        (top for top in app if top is not None and top.name == title), None))
    language = sys.argv[3].rsplit("_", 1)[-1][:-3] if len(sys.argv) > 3 else ""
    cancel = next((n for n, name, role in Descendants(chooser)
                   if role == pyatspi.ROLE_PUSH_BUTTON and name == QT_CANCEL[language]), None)
    if cancel is None:
        problems.append("the folder dialog has no button %r" % QT_CANCEL[language])
    else:
        Press(cancel)
        WaitFor("the folder dialog to go", lambda: not any(
            top is not None and top.name == title for top in app))

    for problem in problems:
        print("atspi_window: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
