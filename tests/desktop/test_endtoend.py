"""The real program in the Portuguese regional setting, driven over the accessibility bus
(AT-SPI) as a screen reader would, under scripts/under-x.sh (see tests/desktop/CMakeLists.txt)."""

import argparse
import os
import subprocess
import sys
import tempfile
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

MENU = ["Ficheiro", "Pontos", "Reta 1", "Reta 2", "Reta 3", "Reta 4", "Circunferência 1",
        "Circunferência 2", "Circunferência 3", "Triângulo", "Índice", "Instruções",
        "Sintaxe", "Funções definidas", "Ferramentas"]
BOUNDS = ["Xmínimo", "Xmáximo", "Ymínimo", "Ymáximo"]
TWO_POINTS = ["Abcissa de A", "Ordenada de A", "Abcissa de B", "Ordenada de B"]
POINTS_FORM = [  # each frame: its fields, its buttons
    ("Eixos", BOUNDS, [f"{verb} {bound}" for bound in BOUNDS for verb in ("Aumentar", "Diminuir")]),
    ("Representação de um ponto", ["Abcissa de P", "Ordenada de P"], ["Resolver"]),
    ("Ponto médio de um segmento", TWO_POINTS, ["Dados", "Resolver"]),
    ("Distância entre dois pontos", TWO_POINTS, ["Dados", "Resolver"]),
    ("Mediatriz de um segmento", TWO_POINTS, ["Dados", "Resolver"])]


def wait_for(condition, what):
    deadline = time.monotonic() + 15
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)
    return value


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node):
    return [d for child in children(node) for d in [child] + descendants(child)]


def find_all(node, role, name=None):
    return [n for n in descendants(node)
            if n.get_role_name() == role and name in (None, n.get_name())]


def find(node, role, name):
    found = find_all(node, role, name)
    assert found, f"no {role} named {name!r} under {node.get_name()!r}"
    return found[0]


def windows():
    return [w for w in children(app) if w.get_state_set().contains(Atspi.StateType.SHOWING)]


def window(name):
    return wait_for(lambda: next((w for w in windows() if w.get_name() == name), None),
                    f"the window {name!r}")


def xdotool(*words):
    subprocess.run(["xdotool", *words], check=True, timeout=10)


def grab(window_ids, path):
    subprocess.run([options.grab, *window_ids, path], check=True, timeout=30)


def window_id(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           capture_output=True, text=True, timeout=10)
    return found.stdout.split()[0]


def focus_form():
    xdotool("windowfocus", "--sync", window_id("^ORTOPLANO PLANA$"))


def result_of(panel):
    """The first result of a frame."""
    return next(n for n in children(panel) if n.get_description() == "Resultado")


def board_of(form):
    return next(d for d in descendants(form) if d.get_name() == "Quadro de desenho")


def on_screen(board):
    """World (x, y) on the usual viewport, −10 to 10 with a margin of 0.8, as screen words."""
    box = board.get_extents(Atspi.CoordType.SCREEN)
    return lambda x, y: [str(round(box.x + (x + 10.8) / 21.6 * box.width)),
                         str(round(box.y + (10.8 - y) / 21.6 * box.height))]


def alerts():
    return [w for w in windows() if w.get_role_name() in ("alert", "dialog")]


def on_bus(process):
    assert process.poll() is None, f"the program ended early, status {process.returncode}"
    for application in children(Atspi.get_desktop(0)):
        try:
            if application and application.get_process_id() == process.pid:
                return application
        except GLib.Error:  # an application leaving the bus as we ask
            pass


class EndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.main = window("ORTOPLANO")
        cls.menu = find(cls.main, "menu bar", "Menu principal")
        find(cls.menu, "menu item", "Pontos").do_action(0)  # its first action: Press
        cls.form = window("PONTOS — ORTOPLANO PLANA")

    def test_1_main_window_menu_and_viewer(self):
        self.assertEqual(self.main.get_role_name(), "frame")
        entries = children(self.menu)
        self.assertEqual([e.get_name() for e in entries], MENU)
        find(entries[0], "menu item", "Abandonar o programa")
        figures = [d for d in descendants(self.main) if d.get_name().startswith("Figura: ")]
        self.assertEqual(len(figures), 4)
        find(self.menu, "menu item", "Sintaxe").do_action(0)
        viewer = window("SINTAXE")
        self.assertEqual(viewer.get_role_name(), "frame")
        find(viewer, "push button", "Fechar").do_action(0)

    def test_2_points_form_frames_fields_and_buttons(self):
        frames = [(p.get_name(), [f.get_name() for f in find_all(p, "text")],
                   [b.get_name() for b in find_all(p, "push button")])
                  for p in find_all(self.form, "panel")]
        self.assertEqual(frames, POINTS_FORM)
        find(self.form, "check box", "Desenhar grelha")
        for caption in ("Instruções", "Índice", "Sintaxe", "Funções", "Fechar", "Sair"):
            find(self.form, "push button", caption)

    def solve(self, frame, typed=None, form=None):
        panel = find(form or self.form, "panel", frame)
        for name, text in (typed or {}).items():
            find(panel, "text", name).set_text_contents(text)
        result = result_of(panel)
        before = result.get_name()
        find(panel, "push button", "Resolver").do_action(0)
        wait_for(lambda: result.get_name() != before or alerts(), f"the answer of {frame}")
        self.assertEqual(alerts(), [])
        return result.get_role_name(), result.get_name()

    @staticmethod
    def result_names(form, frame):
        try:
            return [n.get_name() for n in children(find(form, "panel", frame))
                    if n.get_description() == "Resultado"]
        except GLib.Error:  # a result replaced as we ask
            return None

    def grab_beside_its_solution(self, path):
        """The form and the window "Resolução" moved beside it, in one picture."""
        form, beside = (window_id(name) for name in ("^ORTOPLANO PLANA$", "^Resolu.*o$"))
        width = subprocess.run(["xdotool", "getwindowgeometry", "--shell", form],
                               capture_output=True, text=True, timeout=10).stdout
        x = int(dict(line.split("=") for line in width.split())["WIDTH"]) + 16
        xdotool("windowmove", "--sync", beside, str(x), "0")
        time.sleep(0.5)
        grab([form, beside], path)

    def test_3_midpoint_is_announced_and_pictured(self):
        self.assertEqual(self.solve("Ponto médio de um segmento"), ("label", "(-3 , 1)"))
        path = options.screenshot or os.path.join(options.output_dir, "pontos-resolvido.png")
        grab([window_id("^ORTOPLANO PLANA$")], path)
        self.assertGreater(os.path.getsize(path), 10000)

    def test_4_distance_written_with_the_decimal_comma(self):
        typed = dict(zip(TWO_POINTS, ["0", "0", "1/2", "0"]))
        self.assertEqual(self.solve("Distância entre dois pontos", typed), ("label", "Sqr(0,25)"))

    def test_5_worked_solution_read_as_a_list(self):
        typed = dict(zip(TWO_POINTS, ["-8", "-2", "6", "4"]))
        self.assertEqual(self.solve("Distância entre dois pontos", typed), ("label", "Sqr(232)"))
        find(find(self.menu, "menu item", "Ferramentas"), "menu item",
             "Resolução passo a passo").do_action(0)
        solution = window("Resolução")
        [steps_list] = wait_for(lambda: find_all(solution, "list"), "the list of steps")
        self.assertEqual(steps_list.get_name(), "Distância entre dois pontos, A(−8 , −2), B(6 , 4)")
        steps = children(steps_list)
        self.assertEqual({step.get_role_name() for step in steps}, {"list item"})
        names = [step.get_name() for step in steps]
        self.assertEqual(len(names), 5)
        self.assertTrue(names[0].startswith("Aplicamos a fórmula da distância entre dois pontos."))
        self.assertIn("d(A, B) = √((6 − (−8))² + (4 − (−2))²)", names[1])
        self.assertTrue(names[-1].endswith("d(A, B) = 2√58 ≈ 15,23"), names[-1])
        shown = lambda step: step.get_state_set().contains(Atspi.StateType.VISIBLE)
        self.assertTrue(all(shown(step) for step in steps))
        if options.solution_screenshot:
            self.grab_beside_its_solution(options.solution_screenshot)
        find(solution, "push button", "Anterior").do_action(0)
        wait_for(lambda: not shown(steps[-1]), "the last step hidden")
        self.assertIn("ainda não mostrado", steps[-1].get_description())
        self.assertTrue(shown(steps[-2]))

    def test_6_classroom_display_from_the_keyboard(self):
        tools = find(self.menu, "menu item", "Ferramentas")
        projector = next(n for n in descendants(tools) if n.get_name() == "Modo de projecção")
        projector.do_action(0)
        checked = lambda: projector.get_state_set().contains(Atspi.StateType.CHECKED)
        wait_for(checked, "projector mode on")
        panel = find(self.form, "panel", "Ponto médio de um segmento")
        result = result_of(panel)
        focus_form()
        field = find(panel, "text", "Abcissa de A")
        field.set_text_contents("4")  # A(4, −2), B(−8, 4): the midpoint is (−2, 1)
        field.grab_focus()  # the frame whose buttons the keys then press
        xdotool("key", "F11")
        board = window("Quadro em ecrã inteiro")
        xdotool("key", "d", "r")
        wait_for(lambda: result.get_name() == "(-2 , 1)", "the answer after D and R")
        wait_for(lambda: "(-2 , 1)" in board.get_description(), "the answer on the board")
        if options.projector_screenshot:
            time.sleep(0.5)
            grab([window_id("^Quadro em ecr")], options.projector_screenshot)
        xdotool("key", "Escape")
        wait_for(lambda: "Quadro em ecrã inteiro" not in [w.get_name() for w in windows()],
                 "the form back")
        projector.do_action(0)
        wait_for(lambda: not checked(), "projector mode off")

    def test_6b_point_moved_from_the_keyboard(self):
        frame = "Ponto médio de um segmento"
        typed = dict(zip(TWO_POINTS, ["0", "0", "2", "2"]))
        self.assertEqual(self.solve(frame, typed), ("label", "(1 , 1)"))
        panel = find(self.form, "panel", frame)
        result, board = result_of(panel), board_of(self.form)
        focus_form()
        board.grab_focus()
        wait_for(lambda: board.get_state_set().contains(Atspi.StateType.FOCUSED), "the board")
        xdotool("key", "Tab", "Right", "Up")
        # A moves a division (half a unit) right and up: the midpoint of (0,5 , 0,5) and (2 , 2)
        wait_for(lambda: result.get_name() == "(1,25 , 1,25)", "the midpoint after the keys")
        self.assertEqual(find(panel, "text", "Abcissa de A").get_text(0, -1), "0.5")
        self.assertIn("A em (0,5 , 0,5)", board.get_description())

    def test_7_circle_solution_follows_another_form(self):
        find(self.form, "push button", "Fechar").do_action(0)
        wait_for(lambda: all(w.get_name() != self.form.get_name() for w in windows()),
                 "the Points form closed")
        find(self.menu, "menu item", "Circunferência 2").do_action(0)
        form = window("CIRCUNFERÊNCIA - 2 — ORTOPLANO PLANA")
        self.assertEqual(self.solve("Circunferência de centro C e tangente a uma recta", form=form),
                         ("label", "(x- 2)^2 + (y+2)^2 = 32"))
        solution = window("Resolução")
        [steps_list] = wait_for(lambda: find_all(solution, "list"), "the list of steps")
        wait_for(lambda: steps_list.get_name().startswith("Circunferência de centro P(2 , −2)"),
                 "the solution of the circle")
        find(solution, "push button", "Tudo").do_action(0)
        names = [step.get_name() for step in children(steps_list)]
        self.assertTrue(any("= 4√2" in name for name in names), names)  # the radius, exact
        self.assertIn("(x − 2)² + (y + 2)² = 32", names[-1])
        if options.circle_screenshot:
            self.grab_beside_its_solution(options.circle_screenshot)

    def test_6c_point_dragged_across_a_circle(self):
        find(self.menu, "menu item", "Circunferência 3").do_action(0)
        form = window("CIRCUNFERÊNCIA - 3 — ORTOPLANO PLANA")
        frame = "Rectas que passam por P e são tg a uma circunferência"
        focus_form()
        time.sleep(0.5)  # the form active before the press: coming back would clear its board
        # P(−1, 0) outside the circle of centre (1, 0) and radius √2: two tangents
        self.solve(frame, {"Abcissa de P": "-1", "Ordenada de P": "0"}, form=form)
        panel = find(form, "panel", frame)
        fields = lambda: [find(panel, "text", n).get_text(0, -1)
                          for n in ("Abcissa de P", "Ordenada de P")]
        at, shot = self.press_and_move(form, (-1, 0), [(x, 0.1) for x in (-0.5, 0, 0.5)],
                                       options.drag_screenshots)  # into the circle
        wait_for(lambda: fields() == ["0.5", "0"], "P inside the circle")
        # an empty result is named by its caption; a tangent is an equation
        no_tangent = lambda names: names is not None and not any("=" in n for n in names)
        wait_for(lambda: no_tangent(self.result_names(form, frame)), "no tangents left over")
        time.sleep(0.3)
        shot(2)
        for x in (1.5, 2.5, 3.5):  # out on the other side
            xdotool("mousemove", *at(x, 1.1))
            time.sleep(0.2)
        xdotool("mouseup", "1")
        wait_for(lambda: fields() == ["3.5", "1"], "P outside again")
        self.assertEqual(alerts(), [])
        xdotool("mousemove", *at(-9, -9))
        time.sleep(0.3)
        shot(3)

    def test_6d_circle_resized_and_line_turned(self):
        # On from the drag of P: P(3,5 , 1) outside the circle of centre (1, 0) and radius √2
        form = window("CIRCUNFERÊNCIA - 3 — ORTOPLANO PLANA")
        frame = "Rectas que passam por P e são tg a uma circunferência"
        shots = options.equation_drag_screenshots
        self.drag_equation(form, frame, (1 + 2 ** 0.5, 0), [(2.6, 1), (3.1, 1.9)],
                           "x^2+y^2-2x-7=0", f"{shots}-circunferencia" if shots else None)
        # r² = 8 takes P inside: no tangents, and no box
        self.assertFalse(any("=" in n for n in self.result_names(form, frame)))
        find(self.menu, "menu item", "Circunferência 1").do_action(0)
        form = window("CIRCUNFERÊNCIA - 1 — ORTOPLANO PLANA")
        frame = "Circunferência com centro num ponto e tg a uma recta"
        focus_form()
        time.sleep(0.5)
        self.solve(frame, {"Equação da recta": "y=0,5x+1", "Abcissa de P": "2",
                           "Ordenada de P": "-3"}, form=form)
        # Its grip 80 pixels along it from (0 , 1), where it crosses the y-axis
        along = 80 * 21.6 / 631 / 5 ** 0.5
        self.drag_equation(form, frame, (2 * along, 1 + along), [(2.5, 0), (2.1, -1.9)],
                           "y=-1,5x+1", f"{shots}-recta" if shots else None)

    @staticmethod
    def press_and_move(form, start, path, shots):
        """Presses the mouse at the world point `start` of the form's board and moves it along
        `path`, saving the form first at `shots`-1.png; gives the world-to-screen map and the
        saver of the form's later pictures."""
        at = on_screen(board_of(form))
        form_id = window_id("^ORTOPLANO PLANA$")
        shot = lambda n: grab([form_id], f"{shots}-{n}.png") if shots else None
        xdotool("mousemove", *at(*start))
        time.sleep(0.3)
        shot(1)
        xdotool("mousedown", "1")
        for point in path:
            xdotool("mousemove", *at(*point))
            time.sleep(0.2)
        return at, shot

    def drag_equation(self, form, frame, grip, path, written, shots):
        """Drags the grip at the world point `grip` along `path` with the mouse until the
        equation reads `written`, saving the form before and during the drag at `shots`."""
        panel = find(form, "panel", frame)
        equation = lambda: [t.get_text(0, -1) for t in find_all(panel, "text")
                            if "x" in t.get_text(0, -1)]
        _, shot = self.press_and_move(form, grip, path, shots)
        wait_for(lambda: equation() == [written], f"the equation {written}")
        time.sleep(0.3)
        shot(2)
        xdotool("mouseup", "1")
        self.assertEqual(alerts(), [])


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    for option in ("--program", "--grab", "--output-dir"):
        parser.add_argument(option, required=True)
    parser.add_argument("--screenshot", help="also save the picture of the solved form here")
    parser.add_argument("--solution-screenshot",
                        help="also save the solved form beside its worked solution here")
    parser.add_argument("--circle-screenshot",
                        help="also save a solved circle frame beside its worked solution here")
    parser.add_argument("--drag-screenshots",
                        help="also save P dragged across a circle, before, during and after the "
                             "drag, as this path followed by -1.png, -2.png and -3.png")
    parser.add_argument("--equation-drag-screenshots",
                        help="also save a circle resized and a line turned, before and during "
                             "the drag, as this path followed by -circunferencia-1.png, -2.png, "
                             "-recta-1.png and -2.png")
    parser.add_argument("--projector-screenshot",
                        help="also save the full-screen board in projector mode here")
    options, rest = parser.parse_known_args()
    Atspi.set_timeout(5000, 20000)
    # The program's settings go to a scratch folder, never to the user's own.
    os.environ.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                      LC_ALL="pt_PT.UTF-8", LANGUAGE="pt_PT",
                      XDG_CONFIG_HOME=tempfile.mkdtemp(prefix="ortoplano-config-"))
    process = subprocess.Popen([options.program])
    app = wait_for(lambda: on_bus(process), "the program on the accessibility bus")
    app.set_cache_mask(Atspi.Cache.NONE)  # answers change as the tests look
    try:
        unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
    finally:
        process.terminate()
        process.wait(timeout=10)
