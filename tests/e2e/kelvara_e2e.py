#!/usr/bin/env python3
"""Drives the built Kelvara the way assistive technology does and checks what a user meets.

    kelvara_e2e.py BIN_DIR

BIN_DIR holds `kelvara` and `kelvara-cli`. The test starts its own X server (Xvfb) and its own
D-Bus session with the accessibility bus, starts the program in them and works only through
the accessibility tree (AT-SPI) and the keyboard: it opens the pipe heat loss from the main
window, types a case, calculates, and compares the result fields with the batch tool's line for
the same case; then it checks that the main window opens centred, that no value or label is cut
off, that the h calculator keeps a typed emissivity when the air is switched, and that Esc does
not close a calculation window; last it opens "Dobor izolacji" from the main menu with the mouse,
fills it by keyboard and compares the governing thickness and size with the batch tool's. It
also checks the h calculator's h of a pipe condensation at the starting values, that "Anuluj"
there keeps a typed h, and that a pasted text goes into a field only as the number it means.
Then it opens "Zestawienie izolacji", adds and types a run, pastes three lines from the
clipboard, undoes the paste, saves the project, closes the window, opens the file again and
compares a run's size in the table with the batch tool's for the file; last it starts the program
again with that file on its command line and finds the run in the project window. Every process
it starts ends with it.

Exit status: 0 all checks passed, 1 a check failed, 77 skipped (a needed package is missing).
"""

import ctypes
import importlib.util
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
SCREEN = (1600, 1000)  # not the common default, so a centred window is told from a lucky one
INNER_TIMEOUT = 240  # seconds for the whole session; the ctest TIMEOUT is above it
PACKAGES = "xvfb dbus-daemon at-spi2-core python3-pyatspi xdotool xclip"


# ---------------------------------------------------------------------------------------------
# The session: X server, D-Bus, accessibility bus. Everything started here is ended here.
# ---------------------------------------------------------------------------------------------

def missing_tools():
    missing = [tool for tool in ("Xvfb", "dbus-run-session", "xdotool", "xclip")
               if not shutil.which(tool)]
    if not any(os.path.exists(p) for p in ("/usr/libexec/at-spi-bus-launcher",
                                           "/usr/lib/at-spi2-core/at-spi-bus-launcher")):
        missing.append("at-spi-bus-launcher")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append(f"pyatspi for {sys.executable}")
    return missing


def become_subreaper():
    """Orphans of the session (the bus daemons) become our children, so we can end them."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def own_children():
    me = str(os.getpid())
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if fields[1] == me and fields[0] != "Z":
            pids.append(int(entry))
    return pids


def reap():
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            return


def end_process(proc, grace=5.0):
    """Ends a process we started and the process group it leads."""
    if proc.poll() is None:
        try:
            os.killpg(proc.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            proc.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            proc.wait()


def end_leftovers(grace=3.0):
    """Ends every process of the session still alive (they are our children as subreaper)."""
    deadline = time.monotonic() + grace
    while own_children() and time.monotonic() < deadline:
        reap()
        time.sleep(0.05)
    for pid in own_children():
        os.kill(pid, signal.SIGKILL)
    time.sleep(0.1)
    reap()


def start_xvfb():
    read_end, write_end = os.pipe()
    width, height = SCREEN
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 15
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], 0.5)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip():
        end_process(xvfb)
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def outer(bin_dir):
    missing = missing_tools()
    if missing:
        print("SKIPPED: the end-to-end accessibility test needs " + ", ".join(missing)
              + f" (Debian packages: {PACKAGES})")
        return SKIPPED
    become_subreaper()
    xvfb, display = start_xvfb()
    status = 1
    runtime_dir = tempfile.mkdtemp(prefix="kelvara-e2e-")
    os.chmod(runtime_dir, 0o700)
    try:
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DBUS_", "AT_SPI", "WAYLAND", "QT_QPA"))}
        env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime_dir, NO_AT_BRIDGE="0")
        report = os.path.join(runtime_dir, "report.txt")
        env.update(KELVARA_E2E_REPORT=report)
        # The bus daemons talk on stdout and stderr; that goes to the log, shown on failure.
        session_log = tempfile.TemporaryFile()
        inner_proc = subprocess.Popen(
            ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner",
             bin_dir], env=env, stdout=session_log, stderr=session_log, start_new_session=True)
        try:
            status = inner_proc.wait(timeout=INNER_TIMEOUT)
        except subprocess.TimeoutExpired:
            print(f"FAIL: the session did not end within {INNER_TIMEOUT} s; ended by force")
            status = 1
        finally:
            end_process(inner_proc)
        if os.path.exists(report):
            with open(report) as lines:
                print(lines.read(), end="")
        if status != 0:
            session_log.seek(0)
            print("--- log of the session ---\n"
                  + session_log.read().decode(errors="replace").strip())
    finally:
        end_process(xvfb)
        end_leftovers()
        shutil.rmtree(runtime_dir, ignore_errors=True)
    return status


# ---------------------------------------------------------------------------------------------
# The checks, inside the session.
# ---------------------------------------------------------------------------------------------

HEAT_LOSS_CAPTION = "Obliczanie strat ciepla w rurociagu"
CALCULATOR_CAPTION = "Obliczanie wspólczynnika przejmowania ciepla z powierzchni h"
H_LABEL = "Wspólczynnik przejmowania ciepla z powierzchni h"
MATERIAL_LABEL = "material izolacyjny"
INPUT_LABELS = ["Temp otoczenia", "Temp czynnika", "Srednica rury", "Grubosc izolacji",
                "Dlugosc rury", MATERIAL_LABEL, H_LABEL, "Koszty kWh"]
RESULT_LABELS = ["sredni wspólczynnik przewodzenia ciepla lambda",
                 "Wspólczynnik przenikania ciepla k", "Straty ciepla Q",
                 "Straty Q przez izolacje", "koszty na godzine"]

# Cases in the order of the window's rows (the batch tool's column order).
INSULATED_CASE = ["20", "70", "33.7", "30", "10", "Welna mineralna (otuliny)", "9", "0.45"]
BARE_10_KM_CASE = ["20", "118", "100", "0", "10000", "Szklo piankowe", "9", "0.5"]

CONDENSATION_CAPTION = "Zabezpieczanie przed kondensacja na rurach"
# At the starting values the h calculator gives 9.960 for this material, and "Oblicz" 7.097 mm.
CONDENSATION_MATERIAL = "Kauczuk syntetyczny KV-Flex"

SIZING_CAPTION = "Dobor izolacji"
SIZING_LISTS = (MATERIAL_LABEL, "Rodzaj przewodu")
# An ordinary hot pipe: the regulation's row by its 54.5 mm bore (poz. 3) governs; empty
# limits are not used.
SIZING_CASE = [("Temp otoczenia", "20"), ("Temp czynnika", "70"), ("wilgotnosc wzgledna", "50"),
               ("Srednica zewnetrzna rury", "60.3"), ("Srednica wewnetrzna rury", "54.5"),
               (MATERIAL_LABEL, "Welna mineralna (otuliny)"), (H_LABEL, "9"),
               ("Rodzaj przewodu", "Przewod zwykly (poz. 1-4 wg srednicy wewnetrznej)"),
               ("max temperatura powierzchni", "25"), ("max strata ciepla", ""),
               ("zapas ponad punkt rosy", ""), ("Dlugosc rury", "10"),
               ("czas pracy w roku", "5000"), ("Koszty kWh", "0.5"),
               ("wskaznik emisji CO2", "0.7")]
SIZING_GOVERNING = "decyduje: minimum wg warunkow technicznych"
# The regulation's line names the row that applied.
SIZING_REGULATION = "minimum wg warunkow technicznych (poz. 3)"
BOX_TITLES = ("Dane", "Wyniki", "sprawdz")

PROJECT_CAPTION = "Zestawienie izolacji"
# The typed run: its mark, then the cells to its right (the rest keep the defaults).
PROJECT_TYPED = ["E2E-01", "20", "70", "50", "33.7", "27.3"]
# Three runs as a spreadsheet gives them: the mark and the fifteen sizing fields.
PROJECT_PASTED = ["\t".join(["P-%d" % k] + [v for _, v in SIZING_CASE]) for k in (1, 2, 3)]
SIZE_COLUMN = 1 + len(SIZING_CASE) + 2  # the mark, the inputs, the criterion, the thickness
# In the batch tool's line: the mark, then pipe-sizing's fields (the governing size as above).
SIZE_FIELD = 1 + len(SIZING_CASE) + 10


def inner(bin_dir):
    import atspi_driver as drv

    sys.stdout = open(os.environ["KELVARA_E2E_REPORT"], "w", buffering=1)

    program = os.path.join(bin_dir, "kelvara")
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", QT_LOGGING_RULES="qt.qpa.*=false")
    log = tempfile.TemporaryFile()
    proc = subprocess.Popen([program], env=env, cwd=bin_dir, stdout=log, stderr=log,
                            start_new_session=True)
    session = Session(drv, proc, bin_dir, env["DISPLAY"])
    try:
        session.run()
    except drv.Failure as failure:  # the program never got as far as the first check
        session.failures.append("start-up")
        print(f"FAIL start-up: {failure}")
    finally:
        end_process(proc)
        if session.failures:
            log.seek(0)
            output = log.read().decode(errors="replace").strip()
            if output:
                print("--- output of kelvara ---\n" + output)
    if session.project_file:
        # The saved project named on the command line opens in the project window.
        proc = subprocess.Popen([program, session.project_file], env=env, cwd=bin_dir,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        second = Session(drv, proc, bin_dir, env["DISPLAY"])
        second.failures, second.count = session.failures, session.count
        try:
            second.check('"kelvara FILE.kelvara" opens the project',
                         second.opens_from_command_line, session.project_file)
        finally:
            end_process(proc)
            session.count = second.count
            shutil.rmtree(os.path.dirname(session.project_file), ignore_errors=True)
    print(f"{len(session.failures)} of {session.count} checks failed" if session.failures
          else f"all {session.count} checks passed")
    return 1 if session.failures else 0


class Session:
    def __init__(self, drv, proc, bin_dir, display):
        self.drv = drv
        self.proc = proc
        self.bin_dir = bin_dir
        self.keyboard = drv.Keyboard(display)
        self.failures = []
        self.count = 0
        self.app = None
        self.main = None
        self.project_file = None  # the project saved by project_round_trip

    # -- bookkeeping ---------------------------------------------------------------------------

    def check(self, title, body, *args):
        """Runs one named check; a failure is recorded and the next check goes on."""
        self.count += 1
        started = time.monotonic()
        try:
            body(*args)
        except self.drv.Failure as failure:
            self.failures.append(title)
            print(f"FAIL {title}:\n    " + str(failure).replace("\n", "\n    "))
            self.dismiss_messages()
            return False
        print(f"ok   {title} ({time.monotonic() - started:.1f} s)")
        return True

    # -- finding things ------------------------------------------------------------------------

    def windows(self):
        return [w for w in self.drv.children(self.app) if self.drv.is_showing(w)]

    def window(self, name, timeout=10.0):
        return self.drv.wait_for(
            lambda: next((w for w in self.windows() if w.name == name), None),
            f'no window "{name}" appears', timeout)

    def messages(self):
        return [w for w in self.windows() if self.drv.role(w) == "alert"]

    def message_text(self, box):
        return " / ".join(l.name for l in self.drv.find_all(box, "label") if l.name)

    def dismiss_messages(self):
        for box in self.messages():
            button = self.drv.find(box, "push button")
            if button is not None:
                self.drv.press(button, "the message's button")

    def panel(self, window, title):
        found = self.drv.find(window, "panel", title)
        if found is None:
            raise self.drv.Failure(f'the window "{window.name}" has no group "{title}"')
        return found

    def row_of(self, panel, label_text):
        """The controls on the same line as a row label (what a sighted user sees as the row)."""
        drv = self.drv
        label = drv.find(panel, "label", label_text)
        if label is None:
            raise drv.Failure(f'no row "{label_text}" in the group "{panel.name}"')
        box = drv.extents(label)
        middle = box.y + box.height // 2
        row = []
        for acc in drv.find_all(panel):
            if drv.role(acc) in ("text", "combo box", "push button"):
                r = drv.extents(acc)
                if r.y <= middle <= r.bottom and r.x >= box.x:
                    row.append(acc)
        return row

    def control(self, panel, role_name, label_text):
        """A row's control, by its accessible name; by its place when it has none yet (the
        missing name is reported by the naming check)."""
        named = self.drv.find(panel, role_name, label_text)
        if named is not None:
            return named
        placed = [a for a in self.row_of(panel, label_text) if self.drv.role(a) == role_name]
        if not placed:
            raise self.drv.Failure(f'the row "{label_text}" has no {role_name}')
        return placed[0]

    # -- doing things --------------------------------------------------------------------------

    def type_into(self, panel, label_text, text):
        edit = self.control(panel, "text", label_text)
        self.drv.replace_text(self.keyboard, edit, text, f'the field "{label_text}"')

    def choose(self, panel, label_text, item):
        """Opens the list's popup and picks `item` with the arrow keys and Enter."""
        drv = self.drv
        combo = self.control(panel, "combo box", label_text)
        items = [c.name for c in drv.children(drv.children(combo)[0])]
        if item not in items:
            raise drv.Failure(f'the list "{label_text}" does not offer "{item}" ({items})')
        drv.do_action(combo, "ShowMenu", f'the list "{label_text}"')
        popup = drv.children(combo)[0]
        drv.wait_for(lambda: drv.is_showing(popup) and drv.extents(popup).width > 0,
                     f'the list "{label_text}" does not open')
        self.keyboard.key("Home", *(["Down"] * items.index(item)), "Return")
        drv.wait_for(lambda: not drv.extents(popup).width or not drv.is_showing(popup),
                     f'the list "{label_text}" does not close after Enter', timeout=5)

    def fill_heat_loss(self, window, case):
        panel = self.panel(window, "Dane")
        for label_text, value in zip(INPUT_LABELS, case):
            if label_text == MATERIAL_LABEL:
                self.choose(panel, label_text, value)
            else:
                self.type_into(panel, label_text, value)

    def calculate(self, window):
        """Presses "Oblicz" and returns the result fields' texts once they change."""
        drv = self.drv
        results = self.panel(window, "Wyniki")
        fields = [self.control(results, "text", label) for label in RESULT_LABELS]
        before = [drv.text_of(f) for f in fields]
        drv.press(drv.find(window, "push button", "Oblicz"), 'the button "Oblicz"')
        printing = drv.find(window, "push button", "Drukuj")

        def settled():
            boxes = self.messages()
            if boxes:
                return ("message", self.message_text(boxes[0]))
            # The fields are read one by one: a reading that straddles the calculation
            # differs from the next one.
            now = [drv.text_of(f) for f in fields]
            if now != before and drv.has_state(printing, "sensitive"):
                if now == [drv.text_of(f) for f in fields]:
                    return ("done", now)
            return None

        outcome = drv.wait_for(settled, '"Oblicz" shows no new result and no message')
        if outcome[0] == "message":
            raise drv.Failure(f'"Oblicz" answers with the message "{outcome[1]}"')
        return outcome[1]

    # -- the checks ----------------------------------------------------------------------------

    def run(self):
        drv = self.drv
        self.app = drv.wait_for(self.find_application, "the program does not appear on the "
                                "accessibility bus", timeout=20)
        self.main = self.window("Kelvara 5", timeout=20)
        # The splash stands over the main window for 3 s, then closes itself.
        drv.wait_for(lambda: not [w for w in self.windows() if w is not self.main
                                  and w.name != "Kelvara 5"],
                     "the splash does not close", timeout=10)

        self.check("main window opens centred on the screen", self.main_window_centred)
        if not self.check('"Straty ciepla" of the pipes opens the pipe heat loss',
                          self.open_pipe_heat_loss):
            return
        window = self.window(HEAT_LOSS_CAPTION)
        # While no material is remembered (a list showing a choice is read by it).
        self.check("every edit, list and button carries its row's name", self.row_names, window)
        self.close_window(window, HEAT_LOSS_CAPTION)
        # While every value is the starting one (closing kept the values shown at opening).
        self.check("condensation at the starting values: h 9.960 and 7.097 mm",
                   self.condensation_from_calculator)
        self.open_pipe_heat_loss()
        window = self.window(HEAT_LOSS_CAPTION)
        self.check("heat loss typed by keyboard matches the batch tool", self.matches_batch_tool,
                   window, INSULATED_CASE)
        if self.check('"oblicz h" opens the h calculator', self.open_calculator, window):
            self.check("h calculator: no value or label is cut off",
                       self.calculator_nothing_cut_off)
            self.check("h calculator: every field carries its label's name",
                       self.calculator_field_names)
            self.check("h calculator keeps a typed emissivity when the air is switched",
                       self.calculator_keeps_emissivity)
            self.check('h calculator: "zewnatrz" works from a screen reader too',
                       self.calculator_choices_by_action)
            self.check('Esc in the h calculator is "Anuluj"', self.calculator_escape_cancels,
                       window)
            self.close_calculator()
            self.check('"Anuluj" in the h calculator keeps a typed h', self.cancel_keeps_typed_h,
                       window)
        self.check("a pasted text goes into a field only as the number it means",
                   self.paste_only_numbers, window)
        self.check("a 10 km bare pipe: no value or label is cut off", self.nothing_cut_off,
                   window, BARE_10_KM_CASE)
        self.check("Esc does not close the calculation window", self.escape_keeps_window, window)
        self.close_window(window, HEAT_LOSS_CAPTION)
        self.check('"Dobor izolacji" from the menu gives the batch tool\'s governing size and row',
                   self.sizing_from_menu)
        self.check('"Zestawienie izolacji": a run typed, a paste undone, saved and opened again',
                   self.project_round_trip)
        self.check("the program closes on request", self.close_program, window)

    def find_application(self):
        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)
        for app in self.drv.children(desktop):
            try:
                if app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                continue
        return None

    def main_window_centred(self):
        box = self.drv.extents(self.main)
        width, height = SCREEN
        left, right = box.x, width - box.right
        top, bottom = box.y, height - box.bottom
        # A menu bar or frame measured on one side only may shift the centre a little.
        slack = 24
        if abs(left - right) > slack or abs(top - bottom) > slack:
            raise self.drv.Failure(
                f"the main window ({box}) stands off the centre of the {width}x{height} "
                f"screen: {left} px free on the left, {right} on the right, {top} above, "
                f"{bottom} below")

    def open_pipe_heat_loss(self):
        drv = self.drv
        pipes = self.panel(self.main, "Rurociagi")
        button = drv.find(pipes, "push button", "Straty ciepla")
        if button is None:
            raise drv.Failure('the group "Rurociagi" has no button "Straty ciepla"')
        drv.press(button, 'the button "Straty ciepla"')
        window = self.window(HEAT_LOSS_CAPTION)
        if not drv.has_state(window, "active"):
            drv.wait_for(lambda: drv.has_state(window, "active"),
                         f'the window "{HEAT_LOSS_CAPTION}" does not become active')

    def row_names(self, window):
        drv = self.drv
        wrong = []
        for group, labels in (("Dane", INPUT_LABELS), ("Wyniki", RESULT_LABELS)):
            panel = self.panel(window, group)
            for label_text in labels:
                for acc in self.row_of(panel, label_text):
                    expected = "oblicz h" if drv.role(acc) == "push button" else label_text
                    if acc.name != expected:
                        wrong.append(f'the {drv.role(acc)} of the row "{label_text}" is '
                                     f'announced as "{acc.name}", not "{expected}"')
        if wrong:
            raise drv.Failure("\n".join(wrong))

    def batch_line(self, case):
        tool = os.path.join(self.bin_dir, "kelvara-cli")
        run = subprocess.run([tool, "pipe-heatloss"], input="\t".join(case) + "\n",
                             capture_output=True, text=True, timeout=30)
        if run.returncode != 0:
            raise self.drv.Failure(f"the batch tool refuses the case {case}: "
                                   f"{run.stdout.strip()} {run.stderr.strip()}")
        return run.stdout.rstrip("\n").split("\t")

    def matches_batch_tool(self, window, case):
        self.fill_heat_loss(window, case)
        shown = self.calculate(window)
        expected = self.batch_line(case)[len(case):len(case) + len(RESULT_LABELS)]
        if shown != expected:
            rows = "\n".join(f'"{label}": window {s!r}, batch tool {e!r}'
                             for label, s, e in zip(RESULT_LABELS, shown, expected) if s != e)
            raise self.drv.Failure(f"the window's results differ from the batch tool's for "
                                   f"{case}:\n{rows}")

    def nothing_cut_off(self, window, case):
        drv = self.drv
        self.fill_heat_loss(window, case)
        shown = self.calculate(window)
        longest = max(shown, key=len)
        if len(longest) < 12:
            raise drv.Failure(f"the case {case} gives no long value to show ({shown})")
        problems = []
        for title in ("Dane", "Wyniki", "sprawdz"):
            problems += self.cut_off_in(self.panel(window, title))
        if problems:
            raise drv.Failure("\n".join(problems))

    def cut_off_in(self, panel):
        """Texts wider than their control, controls outside their group or over each other."""
        drv = self.drv
        frame = drv.extents(panel)
        title_height = 10  # the group's title runs along its top edge
        inside = frame._replace(y=frame.y + title_height, height=frame.height - title_height)
        controls = [a for a in drv.find_all(panel)
                    if drv.role(a) in ("label", "text", "combo box", "push button")
                    and drv.extents(a).width > 0]
        problems = []

        def shown_as(acc):
            text = drv.text_of(acc) if drv.has_interface(acc, "Text") else acc.name
            return f'the {drv.role(acc)} "{text}" ({drv.extents(acc)})'

        for acc in controls:
            box = drv.extents(acc)
            if not inside.contains(box):
                problems.append(f'{shown_as(acc)} reaches out of the group "{panel.name}" '
                                f'({frame}) or under its title')
            if drv.has_interface(acc, "Text"):
                count = acc.queryText().characterCount
                for offset in {0, count - 1} if count else ():
                    char = drv.char_extents(acc, offset)
                    if char.width and not box.contains(char, slack=1):
                        problems.append(f"{shown_as(acc)} is cut off: its character "
                                        f"{offset + 1} of {count} is drawn at {char}")
        for i, a in enumerate(controls):
            for b in controls[i + 1:]:
                if drv.extents(a).overlaps(drv.extents(b)):
                    problems.append(f"{shown_as(a)} and {shown_as(b)} lie over each other")
        return problems

    def open_calculator(self, window):
        drv = self.drv
        inputs = self.panel(window, "Dane")
        drv.press(self.control(inputs, "push button", "oblicz h"), 'the button "oblicz h"')
        self.window(CALCULATOR_CAPTION)

    def calculator(self):
        return next((w for w in self.windows() if w.name == CALCULATOR_CAPTION), None)

    def calculator_nothing_cut_off(self):
        calculator = self.calculator()
        problems = []
        for title in ("Dane", "dodatkowe ustawienia", "sprawdz"):
            problems += self.cut_off_in(self.panel(calculator, title))
        if problems:
            raise self.drv.Failure("\n".join(problems))

    def calculator_field_names(self):
        drv = self.drv
        settings = self.panel(self.calculator(), "dodatkowe ustawienia")
        wrong = []
        for label in drv.find_all(settings, "label"):
            for acc in self.row_of(settings, label.name):
                if acc.name != label.name:
                    wrong.append(f'the {drv.role(acc)} beside "{label.name}" is announced as '
                                 f'"{acc.name}"')
        if wrong:
            raise drv.Failure("\n".join(wrong))

    def calculator_keeps_emissivity(self):
        drv = self.drv
        calculator = self.calculator()
        settings = self.panel(calculator, "dodatkowe ustawienia")
        emissivity = drv.find(settings, "text", "Wspólczynnik emisji")
        unnamed = emissivity is None
        if unnamed:
            emissivity = drv.find_all(settings, "text")[0]
        drv.replace_text(self.keyboard, emissivity, "0.55", 'the field "Wspólczynnik emisji"')
        outdoor = self.choice(calculator, "zewnatrz")
        # The way a keyboard user clicks it: focus, then Space.
        drv.focus(outdoor, 'the choice "zewnatrz"')
        self.keyboard.key("space")
        drv.wait_for(lambda: drv.has_state(outdoor, "checked"), '"zewnatrz" does not become checked')
        self.wind_speed_shown(calculator, 'clicking "zewnatrz"')
        if drv.text_of(emissivity) != "0.55":
            raise drv.Failure(f'after typing 0.55 and clicking "zewnatrz" the field '
                              f'"Wspólczynnik emisji" reads {drv.text_of(emissivity)!r}')
        if unnamed:
            raise drv.Failure('the emissivity field has no accessible name '
                              '("Wspólczynnik emisji"); it kept 0.55')

    def choice(self, calculator, name):
        found = self.drv.find(calculator, "radio button", name)
        if found is None:
            raise self.drv.Failure(f'the h calculator offers no "{name}"')
        return found

    def wind_speed_shown(self, calculator, after):
        drv = self.drv
        settings = self.panel(calculator, "dodatkowe ustawienia")
        drv.wait_for(lambda: drv.find(settings, "label", "predkosc wiatru (m/s)"),
                     f'{after} shows no "predkosc wiatru (m/s)"', timeout=5)

    def calculator_choices_by_action(self):
        """A screen reader chooses with the control's own action, not with a click."""
        drv = self.drv
        calculator = self.calculator()
        indoor, outdoor = self.choice(calculator, "wewnatrz"), self.choice(calculator, "zewnatrz")
        drv.focus(indoor, 'the choice "wewnatrz"')
        self.keyboard.key("space")
        drv.wait_for(lambda: drv.has_state(indoor, "checked"), '"wewnatrz" does not become checked')
        drv.press(outdoor, 'the choice "zewnatrz"')
        drv.wait_for(lambda: drv.has_state(outdoor, "checked"),
                     '"zewnatrz" chosen by its accessible action does not become checked')
        self.wind_speed_shown(calculator, '"zewnatrz" chosen by its accessible action')

    def calculator_escape_cancels(self, window):
        """Esc in the h calculator is "Anuluj": it closes and h stays as it was."""
        drv = self.drv
        h_field = self.control(self.panel(window, "Dane"), "text", H_LABEL)
        h_before = drv.text_of(h_field)
        self.dismiss_messages()
        focus_target = drv.find(self.calculator(), "push button", "Pomoc")
        drv.focus(focus_target, 'the h calculator\'s "Pomoc"')
        self.keyboard.key("Escape")
        drv.wait_for(lambda: self.calculator() is None, "Esc does not close the h calculator",
                     timeout=5)
        if float(drv.text_of(h_field)) != float(h_before):
            raise drv.Failure(f"Esc in the h calculator changed h from {h_before!r} to "
                              f"{drv.text_of(h_field)!r}")

    def close_calculator(self):
        drv = self.drv
        self.dismiss_messages()
        calculator = self.calculator()
        if calculator is not None:
            cancel = drv.find(calculator, "push button", "Anuluj")
            if cancel is not None:
                drv.press(cancel, 'the button "Anuluj"')
            drv.wait_for(lambda: self.calculator() is None,
                         '"Anuluj" does not close the h calculator')

    def condensation_from_calculator(self):
        drv = self.drv
        pipes = self.panel(self.main, "Rurociagi")
        drv.press(drv.find(pipes, "push button", "Przed kondensacja"),
                  'the button "Przed kondensacja"')
        window = self.window(CONDENSATION_CAPTION)
        try:
            inputs = self.panel(window, "Dane")
            self.choose(inputs, MATERIAL_LABEL, CONDENSATION_MATERIAL)
            self.open_calculator(window)
            drv.press(drv.find(self.calculator(), "push button", "kontynuuj"),
                      'the button "kontynuuj"')
            drv.wait_for(lambda: self.calculator() is None, '"kontynuuj" does not close')
            h = drv.text_of(self.control(inputs, "text", H_LABEL))
            drv.press(drv.find(window, "push button", "Oblicz"), 'the button "Oblicz"')
            results = self.panel(window, "Wyniki")
            thickness = self.control(results, "text", "minimalna grubosc izolacji")
            shown = drv.wait_for(lambda: drv.text_of(thickness), '"Oblicz" shows no thickness')
            if [h, shown] != ["9.960", "7.097"]:
                raise drv.Failure(f"h reads {h!r} and the thickness {shown!r}, not 9.960 and "
                                  f"7.097")
        finally:
            self.close_window(window, CONDENSATION_CAPTION)

    def cancel_keeps_typed_h(self, window):
        drv = self.drv
        h_field = self.control(self.panel(window, "Dane"), "text", H_LABEL)
        drv.replace_text(self.keyboard, h_field, "8", "the h field")
        self.open_calculator(window)
        self.close_calculator()
        if drv.text_of(h_field) != "8":
            raise drv.Failure(f'after typing 8 and "Anuluj" in the h calculator h reads '
                              f"{drv.text_of(h_field)!r}")

    def paste_only_numbers(self, window):
        """Shift+Insert of "1e3" changes nothing; "1 234,5" goes in as 1234.5."""
        drv = self.drv
        edit = self.control(self.panel(window, "Dane"), "text", "Dlugosc rury")
        drv.replace_text(self.keyboard, edit, "10", 'the field "Dlugosc rury"')

        def paste(text):
            subprocess.run(["xclip", "-selection", "clipboard"], input=text, text=True,
                           check=True, timeout=10)
            drv.wait_for(lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                                                capture_output=True, text=True,
                                                timeout=10).stdout == text,
                         f'the clipboard does not take "{text}"')
            self.keyboard.key("shift+Insert")

        drv.focus(edit, 'the field "Dlugosc rury"')
        self.keyboard.key("End")
        paste("1e3")
        # A key typed after the paste arrives after it: once it shows, the paste was handled.
        self.keyboard.type("7")
        drv.wait_for(lambda: drv.text_of(edit).endswith("7"), 'the key after the paste is lost')
        if drv.text_of(edit) != "107":
            raise drv.Failure(f'"10", Shift+Insert of "1e3" and "7" read {drv.text_of(edit)!r}')
        self.keyboard.key("ctrl+a")
        paste("1 234,5")
        drv.wait_for(lambda: drv.text_of(edit) != "107", 'Shift+Insert of "1 234,5" does nothing')
        if drv.text_of(edit) != "1234.5":
            raise drv.Failure(f'Shift+Insert of "1 234,5" enters {drv.text_of(edit)!r}')
        drv.replace_text(self.keyboard, edit, "10", 'the field "Dlugosc rury"')

    def escape_keeps_window(self, window):
        drv = self.drv
        edit = self.control(self.panel(window, "Dane"), "text", "Koszty kWh")
        drv.replace_text(self.keyboard, edit, "0.5", 'the field "Koszty kWh"')
        self.keyboard.key("Escape")
        # A key typed after Esc arrives after it: once the field shows it, Esc was handled.
        self.keyboard.type("1")
        drv.wait_for(lambda: HEAT_LOSS_CAPTION not in [w.name for w in self.windows()]
                     or drv.text_of(edit) == "0.51", "neither Esc nor the next key arrived")
        if HEAT_LOSS_CAPTION not in [w.name for w in self.windows()]:
            raise drv.Failure("Esc closed the calculation window (its results are gone)")

    def close_window(self, window, caption):
        drv = self.drv
        self.dismiss_messages()
        if caption in [w.name for w in self.windows()]:
            drv.press(drv.find(window, "push button", "zamknij"), 'the button "zamknij"')
            drv.wait_for(lambda: caption not in [w.name for w in self.windows()],
                         f'"zamknij" does not close the window "{caption}"')

    def sizing_from_menu(self):
        drv = self.drv
        item = drv.find(self.main, "menu item", SIZING_CAPTION)
        if item is None:
            raise drv.Failure(f'the main menu has no "{SIZING_CAPTION}"')
        self.keyboard.click(drv.extents(item))
        window = self.window(SIZING_CAPTION)
        panel = self.panel(window, "Dane")
        for label_text, value in SIZING_CASE:
            if label_text in SIZING_LISTS:
                self.choose(panel, label_text, value)
            elif value:
                self.type_into(panel, label_text, value)
        drv.press(drv.find(window, "push button", "Oblicz"), 'the button "Oblicz"')
        results = self.panel(window, "Wyniki")

        def governing():
            boxes = self.messages()
            if boxes:
                raise drv.Failure(f'"Oblicz" answers with "{self.message_text(boxes[0])}"')
            return drv.find(results, "text", SIZING_GOVERNING)

        thickness = drv.wait_for(governing, f'"Oblicz" shows no "{SIZING_GOVERNING}"')
        size = drv.find(results, "text", "Rozmiar izolacji: " + SIZING_GOVERNING)
        if size is None:
            raise drv.Failure("the governing line has no size field named after it")
        tool = os.path.join(self.bin_dir, "kelvara-cli")
        run = subprocess.run([tool, "pipe-sizing"],
                             input="\t".join(v for _, v in SIZING_CASE) + "\n",
                             capture_output=True, text=True, timeout=30)
        fields = run.stdout.rstrip("\n").split("\t")
        if run.returncode != 0 or len(fields) < 27:
            raise drv.Failure(f"the batch tool refuses the sizing case: {run.stdout.strip()} "
                              f"{run.stderr.strip()}")
        shown = [drv.text_of(thickness), drv.text_of(size)]
        expected = fields[len(SIZING_CASE) + 9:len(SIZING_CASE) + 11]
        if shown != expected:
            raise drv.Failure(f"the governing thickness and size read {shown}, the batch tool "
                              f"gives {expected}")
        problems = []
        if drv.find(results, "text", SIZING_REGULATION) is None:
            problems.append(f'the results have no "{SIZING_REGULATION}"')
        for title in BOX_TITLES:
            panel = self.panel(window, title)
            problems += self.cut_off_in(panel)
            # A label is read by its own text, never by the name of its box.
            for label in drv.find_all(panel, "label"):
                if not label.name or label.name in BOX_TITLES:
                    problems.append(f'a label of "{title}" at {drv.extents(label)} is read '
                                    f'as "{label.name}"')
        self.close_window(window, SIZING_CAPTION)
        if problems:
            raise drv.Failure("\n".join(problems))

    # -- the project window ----------------------------------------------------------------------

    def project_window(self):
        return self.drv.wait_for(
            lambda: next((w for w in self.windows() if w.name.startswith(PROJECT_CAPTION)), None),
            f'no window "{PROJECT_CAPTION}" appears')

    def run_table(self, window):
        table = self.drv.find(window, "table", "Odcinki")
        if table is None:
            raise self.drv.Failure('the project window has no table "Odcinki"')
        return table

    def wait_rows(self, table, rows, what):
        self.drv.wait_for(lambda: table.queryTable().nRows == rows,
                          f"{what}: the table has {table.queryTable().nRows} runs, not {rows}")

    def file_dialog(self, caption, path):
        """Types the path into the file dialog named `caption` and confirms it."""
        self.window(caption)
        self.keyboard.key("ctrl+a")
        self.keyboard.type(path)
        self.keyboard.key("Return")
        self.drv.wait_for(lambda: caption not in [w.name for w in self.windows()],
                          f'the dialog "{caption}" does not close')

    def open_project_window(self):
        drv = self.drv
        item = drv.find(self.main, "menu item", PROJECT_CAPTION)
        if item is None:
            raise drv.Failure(f'the main menu has no "{PROJECT_CAPTION}"')
        self.keyboard.click(drv.extents(item))
        return self.project_window()

    def project_round_trip(self):
        drv = self.drv
        window = self.open_project_window()
        table = self.run_table(window)
        drv.press(drv.find(window, "push button", "Dodaj odcinek"), '"Dodaj odcinek"')
        self.wait_rows(table, 1, '"Dodaj odcinek"')
        # The new run's mark has the focus: typing fills it, Tab goes to the next cell.
        for value in PROJECT_TYPED:
            self.keyboard.type(value)
            self.keyboard.key("Tab")
        self.keyboard.key("Escape")
        typed = [table.queryTable().getAccessibleAt(0, c).name for c in range(len(PROJECT_TYPED))]
        if typed != PROJECT_TYPED:
            raise drv.Failure(f"the typed run reads {typed}, not {PROJECT_TYPED}")

        xclip = subprocess.run(["xclip", "-selection", "clipboard", "-i"],
                               input="\n".join(PROJECT_PASTED) + "\n", text=True, timeout=30,
                               env={"DISPLAY": os.environ["DISPLAY"], "PATH": "/usr/bin:/bin"})
        if xclip.returncode != 0:
            raise drv.Failure("xclip cannot fill the clipboard")
        self.keyboard.key("ctrl+v")
        self.wait_rows(table, 4, "Ctrl+V with three lines")
        self.keyboard.key("ctrl+z")
        self.wait_rows(table, 1, "Ctrl+Z after the paste")

        folder = tempfile.mkdtemp(prefix="kelvara-e2e-project-")
        path = os.path.join(folder, "e2e.kelvara")
        self.project_file = path  # removed once the command-line check has used it
        try:
            self.keyboard.key("ctrl+s")
            self.file_dialog("Zapisz projekt", path)
            drv.wait_for(lambda: os.path.exists(path), "Ctrl+S writes no project file")
            drv.wait_for(lambda: not window.name.endswith("*"),
                         f'the saved project\'s title still tells unsaved changes: "{window.name}"')
            drv.press(drv.find(window, "push button", "zamknij"), 'the project\'s "zamknij"')
            drv.wait_for(lambda: not [w for w in self.windows()
                                      if w.name.startswith(PROJECT_CAPTION)],
                         '"zamknij" does not close the saved project')

            window = self.open_project_window()
            table = self.run_table(window)
            self.keyboard.key("ctrl+o")
            self.file_dialog("Otworz projekt", path)
            self.wait_rows(table, 1, "the opened project")
            size = table.queryTable().getAccessibleAt(0, SIZE_COLUMN).name
            tool = os.path.join(self.bin_dir, "kelvara-cli")
            run = subprocess.run([tool, "project", path], capture_output=True, text=True,
                                 timeout=30)
            fields = run.stdout.split("\n")[0].split("\t")
            if run.returncode != 0 or len(fields) <= SIZE_FIELD:
                raise drv.Failure(f"the batch tool refuses the project: {run.stdout.strip()} "
                                  f"{run.stderr.strip()}")
            if fields[0] != PROJECT_TYPED[0] or size != fields[SIZE_FIELD]:
                raise drv.Failure(f"the opened run's size reads {size!r}, the batch tool gives "
                                  f"{fields[SIZE_FIELD]!r} for {fields[0]!r}")
            if not size:
                raise drv.Failure("the typed run has no size")
        finally:
            if [w for w in self.windows() if w.name.startswith(PROJECT_CAPTION)]:
                drv.press(drv.find(self.project_window(), "push button", "zamknij"),
                          'the project\'s "zamknij"')
                drv.wait_for(lambda: not [w for w in self.windows()
                                          if w.name.startswith(PROJECT_CAPTION)],
                             '"zamknij" does not close the project window')

    def opens_from_command_line(self, path):
        drv = self.drv
        self.app = drv.wait_for(self.find_application, "the program does not appear on the "
                                "accessibility bus", timeout=20)
        # After the splash (3 s) the project window opens over the main window.
        window = drv.wait_for(
            lambda: next((w for w in self.windows() if w.name.startswith(PROJECT_CAPTION)
                          and os.path.basename(path) in w.name), None),
            f'no window "{PROJECT_CAPTION}" with {os.path.basename(path)} appears', timeout=20)
        table = self.run_table(window)
        self.wait_rows(table, 1, "the project named on the command line")
        mark = table.queryTable().getAccessibleAt(0, 0).name
        if mark != PROJECT_TYPED[0]:
            raise drv.Failure(f"the opened run's mark reads {mark!r}, not {PROJECT_TYPED[0]!r}")

    def close_program(self, window):
        drv = self.drv
        if HEAT_LOSS_CAPTION in [w.name for w in self.windows()]:
            drv.press(drv.find(window, "push button", "zamknij"), 'the button "zamknij"')
            drv.wait_for(lambda: HEAT_LOSS_CAPTION not in [w.name for w in self.windows()],
                         '"zamknij" does not close the calculation window')
        drv.press(drv.find(self.panel(self.main, "sprawdz"), "push button", "zamknij"),
                  'the main window\'s "zamknij"')
        question = drv.wait_for(lambda: next(iter(self.messages()), None),
                                '"zamknij" asks nothing')
        text = self.message_text(question)
        if "Are you sure to close the program?" not in text:
            raise drv.Failure(f'"zamknij" asks "{text}"')
        # The standard buttons speak the toolkit's Polish, as in the user's other programs.
        yes = drv.find(question, "push button", "&Tak") or drv.find(question, "push button",
                                                                     "Tak")
        if yes is None:
            raise drv.Failure("the question has no button Tak")
        drv.press(yes, "Tak")
        drv.wait_for(lambda: self.proc.poll() is not None, "the program does not end after Tak")
        if self.proc.returncode != 0:
            raise drv.Failure(f"the program ends with status {self.proc.returncode}")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(outer(os.path.abspath(sys.argv[1])))
