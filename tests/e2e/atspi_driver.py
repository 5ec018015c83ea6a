"""Small helpers to drive a running program through the accessibility bus (AT-SPI).

The program is found, read and operated the way a screen reader or another assistive tool
does it: controls by their role and accessible name, texts through the Text interface, buttons
through their actions, keys through the X keyboard of the session (xdotool).
"""

import subprocess
import time
from typing import Callable, NamedTuple, Optional

import pyatspi


class Failure(Exception):
    """A check failed; the text says what the user would see."""


class Rect(NamedTuple):
    x: int
    y: int
    width: int
    height: int

    @property
    def right(self) -> int:
        return self.x + self.width

    @property
    def bottom(self) -> int:
        return self.y + self.height

    def contains(self, other: "Rect", slack: int = 0) -> bool:
        return (other.x >= self.x - slack and other.y >= self.y - slack
                and other.right <= self.right + slack and other.bottom <= self.bottom + slack)

    def overlaps(self, other: "Rect") -> bool:
        return (self.x < other.right and other.x < self.right and self.y < other.bottom
                and other.y < self.bottom)

    def __str__(self) -> str:
        return f"{self.width}x{self.height} at {self.x},{self.y}"


def wait_for(condition: Callable[[], object], what: str, timeout: float = 10.0,
             interval: float = 0.05):
    """Returns the first true value of condition(); fails with `what` after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the tree changes under us while windows open and close
            value = None
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"{what} (waited {timeout:g} s)")
        time.sleep(interval)


def role(acc) -> str:
    return acc.getRoleName()


def states(acc):
    return acc.getState()


def is_showing(acc) -> bool:
    return states(acc).contains(pyatspi.STATE_SHOWING)


def is_focused(acc) -> bool:
    return states(acc).contains(pyatspi.STATE_FOCUSED)


def find_all(root, role_name: Optional[str] = None, name: Optional[str] = None,
             showing: bool = True):
    """Every descendant of root with that role and accessible name (None: any)."""
    def match(acc) -> bool:
        return (acc is not None and (role_name is None or role(acc) == role_name)
                and (name is None or acc.name == name) and (not showing or is_showing(acc)))
    return pyatspi.findAllDescendants(root, match)


def find(root, role_name: Optional[str] = None, name: Optional[str] = None):
    """The one showing descendant with that role and name, or None."""
    found = find_all(root, role_name, name)
    return found[0] if found else None


def children(acc):
    return [c for c in acc if c is not None]


def extents(acc) -> Rect:
    e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return Rect(e.x, e.y, e.width, e.height)


def has_interface(acc, interface: str) -> bool:
    return interface in acc.get_interfaces()


def text_of(acc) -> str:
    return acc.queryText().getText(0, -1)


def char_extents(acc, offset: int) -> Rect:
    e = acc.queryText().getCharacterExtents(offset, pyatspi.DESKTOP_COORDS)
    return Rect(*e)


def press(acc, label: str) -> None:
    """Runs the control's press action (what a screen reader's 'activate' does)."""
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "click", "Toggle", "toggle"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise Failure(f"{label} offers no press action (actions: {names})")


def do_action(acc, action_name: str, label: str) -> None:
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if action_name not in names:
        raise Failure(f"{label} offers no {action_name} action (actions: {names})")
    action.doAction(names.index(action_name))


class Keyboard:
    """Keys typed on the X display of the session, into whatever has the keyboard focus."""

    def __init__(self, display: str):
        self.env = {"DISPLAY": display, "PATH": "/usr/bin:/bin"}

    def _run(self, *args: str) -> None:
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)

    def key(self, *keys: str) -> None:
        self._run("key", "--delay", "15", *keys)

    def type(self, text: str) -> None:
        self._run("type", "--delay", "15", text)

    def click(self, box) -> None:
        """A left click in the middle of a rectangle of the display, as a mouse user does."""
        self._run("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                  "click", "1")


def focus(acc, label: str) -> None:
    """Gives the control the keyboard focus and waits until it has it."""
    acc.queryComponent().grabFocus()
    wait_for(lambda: is_focused(acc), f"{label} does not take the keyboard focus")


def replace_text(keyboard: Keyboard, acc, text: str, label: str) -> None:
    """Focuses an edit, selects its whole text and types `text` over it."""
    focus(acc, label)
    keyboard.key("ctrl+a")
    keyboard.type(text)
    wait_for(lambda: text_of(acc) == text,
             f"{label} reads {text_of(acc)!r} after typing {text!r}", timeout=5)


def has_state(acc, state_name: str) -> bool:
    """Whether the control is in the named state ("focused", "checked", "sensitive", ...)."""
    return states(acc).contains(getattr(pyatspi, "STATE_" + state_name.upper()))


def dump(acc, depth: int = 0) -> str:
    """The subtree as indented lines of role, name, text and extents (for failure reports)."""
    try:
        where = str(extents(acc))
    except Exception:
        where = "?"
    text = f" text={text_of(acc)!r}" if has_interface(acc, "Text") else ""
    if has_interface(acc, "Action"):
        action = acc.queryAction()
        text += f" actions={[action.getName(i) for i in range(action.nActions)]}"
    shown = "" if is_showing(acc) else " hidden"
    lines = [f"{'  ' * depth}{role(acc)} {acc.name!r}{text} {where}{shown}"]
    for child in children(acc):
        lines.append(dump(child, depth + 1))
    return "\n".join(lines)
