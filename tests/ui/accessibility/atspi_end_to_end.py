#!/usr/bin/python3
"""Drives Obrix the way a screen reader does: over the desktop's accessibility bus (AT-SPI).

Starts the program, finds its main window on the bus, fills the 18 item boxes through the
editable-text interface of the boxes named "Question 1" ... "Question 18", presses Compute
through its action interface, and reads the Total's results by their names ("Total raw score",
"Total z-score", "Total percentile"); then switches to the OCD sample and reads them again.

Run it inside an X server and a session bus, as the test registration does:

    xvfb-run -a dbus-run-session -- /usr/bin/python3 atspi_end_to_end.py build/bin/Obrix

The program runs with a throw-away HOME and XDG folders (it registers its file type at start),
and is killed at the end whatever happened. Exit status 0 means every check passed.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi

# Seconds. Generous, because the sanitizer build starts slowly.
APP_START_TIMEOUT = 60
RESULT_TIMEOUT = 20
SPLASH_TIMEOUT = 20
WHOLE_RUN_TIMEOUT = 170
START_ATTEMPTS = 3
POLL_INTERVAL = 0.2

ITEM_RATING = "2"
# Every item rated 2 gives 36 in total; these are the Total's texts against each sample.
EXPECTED_TOTAL = {
    "General Population Sample": ("36", "Z Score = 1.55", "93.92 Percentile"),
    "OCD Population Sample": ("36", "Z Score = 0.59", "72.26 Percentile"),
}
RESULT_NAMES = ("Total raw score", "Total z-score", "Total percentile")
SPLASH_NAME = "Obrix is starting"


class CheckFailed(Exception):
    pass


def wait_for(what, probe, timeout):
    """Polls probe() until it returns something true; returns that, or fails naming what."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except CheckFailed:
            raise
        except Exception as error:  # the bus may answer with errors while the program starts
            last_error = error
        time.sleep(POLL_INTERVAL)
    detail = f" (last error: {last_error})" if last_error else ""
    raise CheckFailed(f"timed out after {timeout} s waiting for {what}{detail}")


def role(accessible):
    return accessible.getRoleName()


def find_named(root, name, roles):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.name == name and role(node) in roles
    )


class ProgramEnded(CheckFailed):
    pass


def find_application(process):
    if process.poll() is not None:
        raise ProgramEnded(f"Obrix ended with status {process.returncode} before it was found")
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.get_process_id() == process.pid:
            return app
    return None


def find_main_window(app):
    for index in range(app.childCount):
        window = app.getChildAtIndex(index)
        if window is None or window.name != "Obrix":
            continue
        if find_named(window, "Question 1", ("text", "combo box")) is not None:
            return window
    return None


def splash_shown(app):
    return any(
        child is not None and child.name == SPLASH_NAME
        for child in (app.getChildAtIndex(i) for i in range(app.childCount))
    )


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for wanted in ("press", "toggle", "click"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise CheckFailed(f"'{accessible.name}' offers no press action (actions: {names})")


def check_labelled_by(accessible, caption):
    """Screen readers on Linux take a combo box's label from its "labelled by" relation."""
    labels = [
        relation.getTarget(index).name
        for relation in accessible.getRelationSet()
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
        for index in range(relation.getNTargets())
    ]
    if caption not in labels:
        raise CheckFailed(f"'{accessible.name}' ({role(accessible)}) is labelled by {labels}, "
                          f"not by '{caption}'")


def fill_items(window):
    for item in range(1, 19):
        name = f"Question {item}"
        # The edit field inside the combo box: what a screen reader reads while typing.
        field = find_named(window, name, ("text",))
        if field is None:
            raise CheckFailed(f"no editable text named '{name}'")
        check_labelled_by(field.parent, f"{name}:")
        field.queryEditableText().setTextContents(ITEM_RATING)
        wait_for(f"'{name}' to read {ITEM_RATING}", lambda: text_of(field) == ITEM_RATING, 5)


def check_total(window, sample):
    boxes = []
    for name in RESULT_NAMES:
        box = find_named(window, name, ("text",))
        if box is None:
            raise CheckFailed(f"no result box named '{name}'")
        boxes.append(box)
    expected = EXPECTED_TOTAL[sample]
    try:
        wait_for(
            f"the Total against the {sample}",
            lambda: tuple(text_of(box) for box in boxes) == expected,
            RESULT_TIMEOUT,
        )
    except CheckFailed as failure:
        shown = tuple(text_of(box) for box in boxes)
        raise CheckFailed(f"{failure}: expected {expected}, read {shown}") from None
    print(f"ok: Total against the {sample}: {', '.join(expected)}")


def run_checks(process):
    app = wait_for(
        "Obrix on the accessibility bus", lambda: find_application(process), APP_START_TIMEOUT
    )
    window = wait_for("the main window", lambda: find_main_window(app), APP_START_TIMEOUT)
    print("ok: main window found on the bus")
    # The splash goes by itself after about a second; checks run on the window alone.
    if splash_shown(app):
        print("ok: splash announced as " + repr(SPLASH_NAME))
    wait_for("the splash to close", lambda: not splash_shown(app), SPLASH_TIMEOUT)

    fill_items(window)
    print("ok: 18 items filled through their names")

    compute = find_named(window, "Compute", ("push button",))
    if compute is None:
        raise CheckFailed("no button named 'Compute'")
    press(compute)
    check_total(window, "General Population Sample")

    ocd = find_named(window, "OCD Population Sample", ("radio button",))
    if ocd is None:
        raise CheckFailed("no option button named 'OCD Population Sample'")
    press(ocd)
    check_total(window, "OCD Population Sample")
    if not ocd.getState().contains(pyatspi.STATE_CHECKED):
        raise CheckFailed("'OCD Population Sample' is not reported as checked")


def on_alarm(_signal, _frame):
    raise CheckFailed(f"the whole run took longer than {WHOLE_RUN_TIMEOUT} s")


def sanitizer_reports(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return [
            line.rstrip()
            for line in log
            if "AddressSanitizer" in line or "LeakSanitizer" in line or "runtime error:" in line
        ]


def run_program(program, environment, log_path):
    """Runs the checks on one start of the program; returns (status, whether to start again)."""
    with open(log_path, "w") as log:
        process = subprocess.Popen(
            [program], env=environment, stdout=log, stderr=subprocess.STDOUT,
            cwd=environment["HOME"]
        )
        try:
            run_checks(process)
            return 0, False
        except ProgramEnded as failure:
            process.wait(timeout=30)
            with open(log_path, encoding="utf-8", errors="replace") as output:
                # xvfb-run may hand over a display whose server is still coming up.
                if "could not connect to display" in output.read():
                    print(f"FAILED: {failure}: the X server was not ready", file=sys.stderr)
                    return 1, True
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1, False
        except CheckFailed as failure:
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1, False
        finally:
            if process.poll() is None:
                process.kill()
                process.wait(timeout=30)
            elif process.returncode != 0:
                print(f"note: Obrix ended with status {process.returncode}", file=sys.stderr)


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} <path to Obrix>", file=sys.stderr)
        return 2
    program = os.path.abspath(argv[1])
    if "DISPLAY" not in os.environ or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        print("needs an X display and a session bus (run under xvfb-run and dbus-run-session)",
              file=sys.stderr)
        return 2

    # A stuck call on the bus must not hang the test run.
    Atspi.set_timeout(10000, 30000)
    signal.signal(signal.SIGALRM, on_alarm)
    signal.alarm(WHOLE_RUN_TIMEOUT)

    home = tempfile.mkdtemp(prefix="obrix-atspi-")
    log_path = os.path.join(home, "obrix.log")
    environment = dict(os.environ)
    environment.update(
        {
            "HOME": home,
            "XDG_DATA_HOME": os.path.join(home, "data"),
            "XDG_CONFIG_HOME": os.path.join(home, "config"),
            "XDG_CACHE_HOME": os.path.join(home, "cache"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "QT_QPA_PLATFORM": "xcb",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "LC_ALL": "C.UTF-8",
            "LANG": "C.UTF-8",
        }
    )
    os.makedirs(environment["XDG_RUNTIME_DIR"], mode=0o700)

    status = 1
    for attempt in range(1, START_ATTEMPTS + 1):
        status, retry = run_program(program, environment, log_path)
        if not retry or attempt == START_ATTEMPTS:
            break
        print("note: the X server was not ready for Obrix; starting it again", file=sys.stderr)
        time.sleep(1)
    signal.alarm(0)

    reports = sanitizer_reports(log_path)
    if reports or status != 0:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            sys.stderr.write("--- Obrix output ---\n" + log.read())
    if reports:
        print("FAILED: sanitizer reports in Obrix's output", file=sys.stderr)
        status = 1
    shutil.rmtree(home, ignore_errors=True)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
