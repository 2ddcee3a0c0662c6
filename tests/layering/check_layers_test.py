#!/usr/bin/env python3
"""The layer check over small trees: a clean tree passes and each kind of
upward or sideways include, and each widget header in the core, is found."""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # leave the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_layers  # noqa: E402

# One header per folder, each including only what its layer may see.
CLEAN_TREE = {
    "game_data/game_data.h": ["<QString>", "<QtCore/QList>", "<vector>"],
    "engine/potion_rec.h": ['"game_data/game_data.h"'],
    "engine/search_conditions.h": [],
    "recipe_list/search_slots.h": ['"engine/search_conditions.h"', '"engine/potion_rec.h"'],
    "reference_table/grid_model.h": ['"recipe_list/search_slots.h"'],
    "favorites/favorites_model.h": ['"recipe_list/search_slots.h"', '"game_data/game_data.h"'],
    "settings/settings_file.h": ['"favorites/favorites_model.h"', '"reference_table/grid_model.h"'],
    "session/program_state.h": ['"settings/settings_file.h"'],
    "visuals/bmc_library/qor_bmc.h": [],
    "visuals/ui/picture_library.h": ['"qor_bmc.h"', "<QImage>"],
    "cli/cli_app.h": ['"settings/settings_file.h"', "<QCommandLineParser>"],
    "recipe_list/ui/potion_header.h": ['"recipe_list/search_slots.h"', '"visuals/ui/picture_library.h"',
                                       "<QHeaderView>"],
    "reference_table/ui/grid_header_view.h": ['"reference_table/grid_model.h"', '"recipe_list/search_slots.h"'],
    "main_window/ui/form_main.h": ['"recipe_list/ui/potion_header.h"', '"reference_table/ui/grid_header_view.h"',
                                   '"session/program_state.h"', "<QMainWindow>"],
    "app/main.cpp": ['"main_window/ui/form_main.h"', "<QApplication>"],
}

QTCORE_HEADERS = ["QString", "QList", "QCommandLineParser", "QByteArray"]


class LayerCheck(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.src = os.path.join(self.dir.name, "src")
        self.qtcore = os.path.join(self.dir.name, "QtCore")
        os.makedirs(self.qtcore)
        for name in QTCORE_HEADERS:
            open(os.path.join(self.qtcore, name), "w").close()
        for path, includes in CLEAN_TREE.items():
            self.write(path, includes)

    def tearDown(self):
        self.dir.cleanup()

    def write(self, path, includes):
        full = os.path.join(self.src, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w") as f:
            f.write("#pragma once\n" + "".join(f"#include {i}\n" for i in includes))

    def add_include(self, path, include):
        with open(os.path.join(self.src, path), "a") as f:
            f.write(f"#include {include}\n")

    def problems(self, exceptions=()):
        return check_layers.check(self.src, self.qtcore, exceptions)

    def assertOneProblem(self, where, words):
        problems = self.problems()
        self.assertEqual(len(problems), 1, problems)
        self.assertTrue(problems[0].startswith(where), problems)
        for w in words:
            self.assertIn(w, problems[0])

    def test_clean_tree_passes(self):
        self.assertEqual(self.problems(), [])

    def test_engine_including_the_recipe_list_is_upward(self):
        self.add_include("engine/potion_rec.h", '"recipe_list/search_slots.h"')
        self.assertOneProblem("engine/potion_rec.h:3", ["higher layer", "'recipe_list'"])

    def test_favorites_including_the_settings_is_upward(self):
        self.add_include("favorites/favorites_model.h", '"settings/settings_file.h"')
        self.assertOneProblem("favorites/favorites_model.h:4", ["higher layer", "'settings'"])

    def test_models_of_one_layer_do_not_include_each_other(self):
        self.add_include("favorites/favorites_model.h", '"reference_table/grid_model.h"')
        self.assertOneProblem("favorites/favorites_model.h", ["its own layer"])

    def test_core_never_includes_the_widgets(self):
        self.add_include("session/program_state.h", '"main_window/ui/form_main.h"')
        self.assertOneProblem("session/program_state.h", ["higher layer", "'main_window/ui'"])

    def test_ui_folders_of_two_subsystems_do_not_include_each_other(self):
        self.add_include("reference_table/ui/grid_header_view.h", '"recipe_list/ui/potion_header.h"')
        self.assertOneProblem("reference_table/ui/grid_header_view.h", ["its own layer", "'recipe_list/ui'"])

    def test_a_subsystem_ui_sees_only_its_own_model_and_those_below(self):
        self.add_include("recipe_list/ui/potion_header.h", '"favorites/favorites_model.h"')
        self.assertOneProblem("recipe_list/ui/potion_header.h", ["widgets of 'recipe_list'", "'favorites'"])

    def test_a_shared_ui_folder_serves_the_subsystem_ui_but_not_the_reverse(self):
        self.write("common_ui/view_colors.h", ['"game_data/game_data.h"', "<QColor>"])
        self.add_include("recipe_list/ui/potion_header.h", '"common_ui/view_colors.h"')
        self.assertEqual(self.problems(), [])
        self.add_include("common_ui/view_colors.h", '"recipe_list/ui/potion_header.h"')
        self.assertOneProblem("common_ui/view_colors.h", ["higher layer"])

    def test_the_cli_uses_the_core_only(self):
        for header, words in [('"visuals/ui/picture_library.h"', ["its own layer", "'visuals/ui'"]),
                              ('"main_window/ui/form_main.h"', ["higher layer", "'main_window/ui'"])]:
            with self.subTest(header=header):
                self.tearDown()
                self.setUp()
                self.add_include("cli/cli_app.h", header)
                self.assertOneProblem("cli/cli_app.h", words)

    def test_core_and_cli_use_qtcore_only(self):
        for path, header in [("engine/search_conditions.h", "<QColor>"), ("game_data/game_data.h", "<QtGui/QImage>"),
                             ("cli/cli_app.h", "<QWidget>"), ("visuals/bmc_library/qor_bmc.h", "<QtWidgets>")]:
            with self.subTest(path=path):
                self.tearDown()
                self.setUp()
                self.add_include(path, header)
                self.assertOneProblem(path, ["QtCore only", header])

    def test_a_folder_without_a_row_fails(self):
        self.write("widgets/panel.h", [])
        self.assertOneProblem("widgets/panel.h", ["no row in the layer table"])

    def test_an_exception_covers_its_include_and_fails_once_the_include_is_gone(self):
        self.add_include("recipe_list/ui/potion_header.h", '"favorites/favorites_model.h"')
        exception = ("recipe_list/ui/potion_header.h", "favorites/favorites_model.h")
        self.assertEqual(self.problems([exception]), [])
        self.write("recipe_list/ui/potion_header.h", [])
        problems = self.problems([exception])
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("delete its row", problems[0])


if __name__ == "__main__":
    unittest.main()
