#!/usr/bin/python3
# The real program as a screen reader meets it, through the accessibility bus.
# In every view a user can open, each focusable control must have a name no
# other control in sight shares and a role that says what it does, a box must
# give its entry as text rather than as its name, showing a page must not seem
# to move the focus, and Tab must take the focus to every control. The script
# starts its own X server and session bus, which starts the accessibility bus
# when first asked:
#   accessibility-test.py PROGRAM
import atexit, os, shutil, signal, subprocess, sys, tempfile, time  # noqa: E401

import pyatspi
from gi.repository import GLib

MAIN = "Vantorel Plane Editor"
PAGES = ["Armor/Engine", "Guns", "Hard Points", "Color Schemes", "Logos"]
# Every view: its window's title, the page its tab row shows (None where it has
# none) and the keys that open it from the view before. The editor starts on
# the first page, Ctrl+Tab shows the next; the modal About box comes last.
VIEWS = [(MAIN, page, "ctrl+Tab" if page != PAGES[0] else "") for page in PAGES] + [
    ("Plane Library", None, "ctrl+l"), ("About VTP Editor", None, "alt+h a")]
# What holds controls rather than being one.
CONTAINERS = {"frame", "dialog", "filler", "panel", "layered pane", "scroll pane", "tool bar", "status bar", "menu bar"}
faults, focused, processes = [], [], []


# Runs the bus's events until the condition holds.
def wait(what, condition):
    for _ in range(1500):
        while GLib.MainContext.default().iteration(False):
            pass
        if result := condition():
            return result
        time.sleep(0.02)
    sys.exit(f"timed out waiting for {what}")


# Starts a program in a process group of its own, so that the end of the test
# kills what it started too: the session bus starts the accessibility bus.
# Returns the first line the program prints.
def start(*command):
    processes.append(subprocess.Popen(command, stdout=subprocess.PIPE, start_new_session=True))
    return processes[-1].stdout.readline().decode().strip()


# Gives the window the focus, as a click would, then presses the keys as a
# keyboard does. Given the window, xdotool would send a key's release there as
# a made-up event once the key has opened another window, and Ctrl would stay
# down for the X server.
def keys(title, names):
    xdotool = ["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowfocus", "--sync"]
    subprocess.run(xdotool, timeout=60, check=True)
    names and subprocess.run(["xdotool", "key", "--delay", "20", *names.split()], timeout=60, check=True)


# A window is open for keys once it is active: before that, Qt moves its focus
# without a word, and the accessibility bus hears nothing of Tab.
def opened(app, title, page):
    shown = next((w for w in app if w and w.name == title
                  and {pyatspi.STATE_SHOWING, pyatspi.STATE_ACTIVE} <= set(w.getState().getStates())), None)
    tabs = page and shown and pyatspi.findDescendant(shown, lambda a: a.getRoleName() == "page tab list")
    return shown if not page or tabs and tabs.name == page else None


def check(app, title, page, opening):
    view = page or title
    # The focus stays on the plane name, the first text field, while another
    # page is shown; nothing may seem to take it.
    page and pyatspi.findDescendant(app, lambda a: a.getRoleName() == "text").queryComponent().grabFocus()
    wait("the events", lambda: True)
    shown = len(focused)
    keys(MAIN, opening)
    window = wait(view, lambda: opened(app, title, page))
    wait("the events", lambda: True)
    faults.extend(f"{view}: {s.name!r} in {s.parent.name!r} seems to take the focus" for s in focused[shown:] if page)
    # The focusable controls in sight, without the entries of a list or box.
    found = pyatspi.findAllDescendants(window, lambda a: a.getRoleName() not in CONTAINERS and a.parent.getRoleName()
                                       in CONTAINERS and {pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SHOWING}
                                       <= set(a.getState().getStates()))
    names = [control.name.strip() for control in found]
    for control, name, role in ((c, n, c.getRoleName()) for c, n in zip(found, names)):
        # A label, a picture or an unknown thing does not say what a control does.
        if not name or names.count(name) > 1 or role in ("label", "image", "unknown"):
            faults.append(f"{view}: the {role} {name!r} needs a name of its own and a role that says what it does")
        entries = role == "combo box" and [entry.name for entry in control[0]]
        if entries and (name in entries or control.queryText().getText(0, -1) not in entries):
            faults.append(f"{view}: the {role} {name!r} is named by its entry, or does not give it as text")
        # A table reads row by row, each cell under its column's heading.
        table = role == "table" and control.queryTable()
        if table and not (table.nRows and table.getAccessibleAt(0, 0).name
                          and all(table.getColumnHeader(c).name for c in range(table.nColumns))):
            faults.append(f"{view}: the table {name!r} does not read row by row under its column headings")
    # Twice round the window with Tab; an entry of a list or a tab row takes the focus for it.
    presses, before = 2 * len(found) + 4, len(focused)
    keys(title, " ".join(["Tab"] * presses))
    wait(f"the focus to go round {view}", lambda: len(focused) >= before + presses)
    reached = {path for source in focused[before:] for path in (source.path, source.parent.path)}
    faults.extend(f"{view}: Tab never reaches the {c.getRoleName()} {c.name!r}" for c in found
                  if c.path not in reached and c.getState().contains(pyatspi.STATE_ENABLED))
    return len(found)


def main(program, home):
    # The servers and the editor write nothing into the user's home. The X
    # server picks a display number that is free, whatever else runs, and must
    # not reset when its last client leaves: it refuses the next for a while.
    atexit.register(shutil.rmtree, home, True)
    atexit.register(lambda: [os.killpg(process.pid, signal.SIGKILL) for process in reversed(processes)])
    os.environ.update(HOME=home, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The library opens on a folder of two plane files, one of them refused.
    os.makedirs(f"{home}/planes")
    for name, size in (("Alpha", 204), ("Short", 203)):
        open(f"{home}/planes/{name}", "wb").write(bytes(size))
    os.makedirs(f"{home}/VTEditor")
    open(f"{home}/VTEditor/VTEditor.ini", "w").write(f"[Settings]\nLibraryDir={home}/planes\n")
    os.environ["DISPLAY"] = ":" + start("Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24")
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = start("dbus-daemon", "--session", "--nofork", "--print-address")
    processes.append(subprocess.Popen([program], start_new_session=True))
    pyatspi.Registry.registerEventListener(lambda e: e.detail1 and focused.append(e.source), "object:state-changed:focused")
    app = wait("the editor", lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "VTEditor"), None))
    keys(MAIN, "")
    wait("the editor's window", lambda: opened(app, MAIN, PAGES[0]))
    checked = sum(check(app, *view) for view in VIEWS)
    print("\n".join(faults + [f"{checked} controls in {len(VIEWS)} views checked: {len(faults)} faults"]))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], tempfile.mkdtemp()))
