"""Drives the real Ortoplano from outside its process, over the Linux
accessibility bus (AT-SPI), as a screen reader or a test robot would.

The caller provides the X server and the D-Bus session (scripts/under-x.sh);
the program is started with its accessibility bridge always on.
"""

import os
import subprocess
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def wait_for(condition, what, timeout=15.0):
    """Polls until condition() gives something true, and returns it."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node):
    """Every object below node, depth first, in the order the tree gives them."""
    for child in children(node):
        yield child
        yield from descendants(child)


def role(node):
    return node.get_role_name()


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def enabled(node):
    return node.get_state_set().contains(Atspi.StateType.ENABLED)


def find_all(node, role_name=None, name=None, description=None):
    return [n for n in descendants(node)
            if (role_name is None or role(n) == role_name)
            and (name is None or n.get_name() == name)
            and (description is None or n.get_description() == description)]


def find(node, role_name=None, name=None, description=None):
    found = find_all(node, role_name, name, description)
    if not found:
        raise AssertionError(f"no {role_name or 'object'} named {name!r} under {node.get_name()!r}")
    return found[0]


def action_names(node):
    # Deprecated in favour of a call the Python bindings do not offer.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        return [node.get_action_name(i) for i in range(node.get_n_actions())]


def do(node, action):
    """Runs one of the object's actions ("Press", "Toggle", "ShowMenu")."""
    names = action_names(node)
    if action not in names:
        raise AssertionError(f"{role(node)} {node.get_name()!r} offers {names}, not {action!r}")
    node.do_action(names.index(action))


def set_text(field, text):
    field.set_text_contents(text)


class Program:
    """The real program, started for one test module and ended with it."""

    def __init__(self, executable, env=None):
        """env: variables to set, or to remove where the value is None."""
        Atspi.set_timeout(5000, 20000)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb")
        for key, value in (env or {}).items():
            if value is None:
                environment.pop(key, None)
            else:
                environment[key] = value
        self.process = subprocess.Popen([executable], env=environment)
        self.app = wait_for(self._application, "the program on the accessibility bus")

    def _application(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended early, status {self.process.returncode}")
        for app in children(Atspi.get_desktop(0)):
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except GLib.Error:  # an application leaving the bus as we ask
                continue
        return None

    def windows(self):
        return [w for w in children(self.app) if showing(w)]

    def window(self, name):
        """The showing top-level window of that accessible name."""
        return wait_for(lambda: next((w for w in self.windows() if w.get_name() == name), None),
                        f"the window {name!r}")

    def alerts(self):
        return [w for w in self.windows() if role(w) in ("alert", "dialog")]

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
