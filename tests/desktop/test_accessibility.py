"""The accessibility tree of the real program, read over the accessibility bus:
the main window, its menu and the viewers are named windows with named
entries and buttons; the forms' frames carry their fields and buttons; a
frame's "Resolver", pressed through the action interface, gives an answer
that a screen reader can read. What each control of a form says is checked
in-process, and cheaper, by tests/topics/tst_accessibility.cpp.

    scripts/under-x.sh /usr/bin/python3 tests/desktop/test_accessibility.py --program build/ortoplano
"""

import argparse
import sys
import time
import unittest

from atspi_harness import (Program, action_names, children, descendants, do, enabled, find,
                           find_all, role, showing, wait_for)

MENU = ["Ficheiro", "Pontos", "Reta 1", "Reta 2", "Reta 3", "Reta 4", "Circunferência 1",
        "Circunferência 2", "Circunferência 3", "Triângulo", "Índice", "Instruções",
        "Sintaxe", "Funções definidas"]
TOPIC_ENTRIES = MENU[1:10]
VIEWERS = {"Índice": "Índice — ORTOPLANO", "Instruções": "Instruções — ORTOPLANO PLANA",
           "Sintaxe": "SINTAXE", "Funções definidas": "FUNÇÕES DEFINIDAS"}
FORM_SUFFIX = " — ORTOPLANO PLANA"
BOUNDS = ["Xmínimo", "Xmáximo", "Ymínimo", "Ymáximo"]

program = None


def fresh_name(node):
    node.clear_cache()
    return node.get_name()


def results_of(panel):
    return [n for n in children(panel) if role(n) == "label" and n.get_description() == "Resultado"]


class MainWindow(unittest.TestCase):
    def setUp(self):
        self.main = program.window("ORTOPLANO")
        self.menu_bar = find(self.main, "menu bar")

    def test_main_window_is_a_window(self):
        self.assertEqual(role(self.main), "frame")

    def test_menu_bar_holds_the_fourteen_entries_in_order(self):
        self.assertEqual(self.menu_bar.get_name(), "Menu principal")
        entries = [e for e in children(self.menu_bar) if role(e) == "menu item"]
        self.assertEqual([e.get_name() for e in entries], MENU)

    def test_ficheiro_opens_a_menu_that_holds_abandonar(self):
        ficheiro = find(self.menu_bar, "menu item", "Ficheiro")
        self.assertIn("ShowMenu", action_names(ficheiro))
        find(ficheiro, "menu item", "Abandonar o programa")

    def test_built_topics_and_every_viewer_can_be_chosen(self):
        entries = {e.get_name(): e for e in children(self.menu_bar)}
        chosen = [n for n in MENU[1:] if enabled(entries[n])]
        self.assertIn("Pontos", chosen)
        for viewer in VIEWERS:
            self.assertIn(viewer, chosen)
        for name in chosen:
            self.assertEqual(action_names(entries[name]), ["Press"], name)

    def test_figures_are_described(self):
        figures = [n for n in descendants(self.main) if n.get_name().startswith("Figura: ")]
        self.assertEqual(len(figures), 4)


class ProblemForms(unittest.TestCase):
    """Every topic the build holds, opened from its menu entry."""

    @classmethod
    def setUpClass(cls):
        main = program.window("ORTOPLANO")
        menu_bar = find(main, "menu bar")
        cls.forms = {}
        for entry in TOPIC_ENTRIES:
            item = find(menu_bar, "menu item", entry)
            if not enabled(item):
                continue
            before = {w.get_name() for w in program.windows()}
            do(item, "Press")
            cls.forms[entry] = wait_for(
                lambda: next((w for w in program.windows() if w.get_name().endswith(FORM_SUFFIX)
                              and w.get_name() not in before), None),
                f"the form of {entry}")

    def each_form(self):
        self.assertIn("Pontos", self.forms)
        for entry, form in self.forms.items():
            with self.subTest(form=entry):
                yield form

    def panels(self, form):
        return [p for p in find_all(form, "panel") if showing(p)]

    def test_eixos_frame_names_its_fields_and_grid(self):
        for form in self.each_form():
            eixos = self.panels(form)[0]
            self.assertEqual(eixos.get_name(), "Eixos")
            fields = [n.get_name() for n in find_all(eixos, "text")]
            self.assertEqual(sorted(fields), sorted(BOUNDS))
            find(eixos, "check box", "Desenhar grelha")

    def test_frames_have_their_buttons(self):
        for form in self.each_form():
            for panel in self.panels(form)[1:]:
                buttons = [b.get_name() for b in find_all(panel, "push button")]
                self.assertIn("Resolver", buttons, panel.get_name())
                self.assertIn(buttons, (["Resolver"], ["Dados", "Resolver"]))

    def test_board_and_common_buttons(self):
        for form in self.each_form():
            find(form, name="Quadro de desenho")
            for caption in ("Instruções", "Índice", "Sintaxe", "Funções", "Fechar", "Sair"):
                find(form, "push button", caption)

    def test_resolver_writes_an_answer_a_screen_reader_reads(self):
        for form in self.each_form():
            for panel in self.panels(form)[1:]:
                results = results_of(panel)
                if not results:
                    continue
                before = fresh_name(results[0])
                do(find(panel, "push button", "Resolver"), "Press")
                wait_for(lambda: fresh_name(results[0]) != before or program.alerts(),
                         f"the answer of {panel.get_name()!r}")
                # Some examples come with a remark, an alert of its own: two circles
                # that touch (the answer follows once it is read), or a triangle whose
                # vertices are in line (the remark is the whole answer).
                remarks = program.alerts()
                for alert in remarks:
                    do(find(alert, "push button", "OK"), "Press")
                wait_for(lambda: not program.alerts(), "the remark to close")
                if remarks:
                    time.sleep(0.3)
                    if fresh_name(results[0]) == before:
                        continue
                answer = fresh_name(results[0])
                self.assertTrue(answer.strip())
                self.assertNotEqual(answer, panel.get_name())


class Viewers(unittest.TestCase):
    def test_each_viewer_is_a_named_window_with_named_buttons(self):
        menu_bar = find(program.window("ORTOPLANO"), "menu bar")
        for entry, window_name in VIEWERS.items():
            with self.subTest(viewer=entry):
                do(find(menu_bar, "menu item", entry), "Press")
                viewer = program.window(window_name)
                self.assertEqual(role(viewer), "frame")
                for button in ("Página anterior", "Página seguinte", "Fechar"):
                    find(viewer, "push button", button)
                pages = [n for n in descendants(viewer) if n.get_name().startswith("Página 1 de ")]
                self.assertEqual(len(pages), 1)
                do(find(viewer, "push button", "Fechar"), "Press")
                wait_for(lambda: window_name not in [w.get_name() for w in program.windows()],
                         f"{window_name!r} to close")


def main():
    global program
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    args, rest = parser.parse_known_args()
    program = Program(args.program)
    try:
        outcome = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    finally:
        program.end()
    sys.exit(0 if outcome.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
