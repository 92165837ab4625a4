"""The real program, end to end, in the Portuguese regional setting: the Points
form opened from the menu entry "Pontos", "Resolver" of the frame "Ponto médio
de um segmento" pressed, and the answer read back; then a distance whose
answer shows the decimal comma.

    scripts/under-x.sh /usr/bin/python3 tests/desktop/test_endtoend.py --program build/ortoplano \\
        --grab build/tests/desktop/ortoplano_grab_window --output-dir build/tests/desktop \\
        [--screenshot docs/pontos-resolvido.png]

The picture of the solved form goes to the output folder, and with
--screenshot also to the given file (the one the documentation shows).
"""

import argparse
import os
import shutil
import subprocess
import sys
import unittest

from atspi_harness import Program, children, do, find, find_all, role, set_text, wait_for

options = None
program = None


def fresh_name(node):
    node.clear_cache()
    return node.get_name()


def result_of(panel):
    return next(n for n in children(panel)
                if role(n) == "label" and n.get_description() == "Resultado")


def window_id(title):
    """The X window of that caption, from the X server's own list."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           capture_output=True, text=True, timeout=10)
    ids = found.stdout.split()
    if not ids:
        raise AssertionError(f"no X window captioned {title!r}")
    return ids[0]


def save_picture(title):
    path = os.path.join(options.output_dir, "pontos-resolvido.png")
    subprocess.run([options.grab, window_id(title), path], check=True, timeout=30,
                   env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    if options.screenshot:
        shutil.copyfile(path, options.screenshot)
    return path


class PointsFormEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        menu_bar = find(program.window("ORTOPLANO"), "menu bar")
        do(find(menu_bar, "menu item", "Pontos"), "Press")
        cls.form = program.window("PONTOS — ORTOPLANO PLANA")

    def press_resolver(self, frame):
        panel = find(self.form, "panel", frame)
        result = result_of(panel)
        before = fresh_name(result)
        do(find(panel, "push button", "Resolver"), "Press")
        wait_for(lambda: fresh_name(result) != before or program.alerts(), f"the answer of {frame}")
        self.assertEqual(program.alerts(), [])
        return fresh_name(result)

    def test_1_midpoint_of_the_example(self):
        self.assertEqual(self.press_resolver("Ponto médio de um segmento"), "(-3 , 1)")
        picture = save_picture("ORTOPLANO PLANA")
        self.assertGreater(os.path.getsize(picture), 10000)

    def test_2_distance_written_with_the_decimal_comma(self):
        panel = find(self.form, "panel", "Distância entre dois pontos")
        typed = {"Abcissa de A": "0", "Ordenada de A": "0", "Abcissa de B": "1/2",
                 "Ordenada de B": "0"}
        for name, text in typed.items():
            set_text(find(panel, "text", name), text)
        self.assertEqual([f.get_name() for f in find_all(panel, "text")], list(typed))
        self.assertEqual(self.press_resolver("Distância entre dois pontos"), "Sqr(0,25)")


def main():
    global options, program
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--grab", required=True, help="the window-grabbing tool")
    parser.add_argument("--output-dir", required=True)
    parser.add_argument("--screenshot", help="also save the picture of the solved form here")
    options, rest = parser.parse_known_args()
    os.makedirs(options.output_dir, exist_ok=True)
    portuguese = {"LANG": "pt_PT.UTF-8", "LANGUAGE": "pt_PT", "LC_ALL": None, "LC_NUMERIC": None}
    program = Program(options.program, env=portuguese)
    try:
        outcome = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    finally:
        program.end()
    sys.exit(0 if outcome.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
