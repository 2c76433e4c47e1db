#!/usr/bin/env python3
"""The skin compiler as the build runs it: real skin files in, exit status, message and outputs out."""
import glob
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
COMPILER = os.path.join(ROOT, "resources", "generators", "compile_skins.py")
SOURCES = sorted(glob.glob(os.path.join(ROOT, "resources", "skins", "*.skin")))
PROGRAM_SKIN = next(path for path in SOURCES if os.path.basename(path).startswith("10-"))


def compile_skins(sources, work):
    out_dir, catalogue = os.path.join(work, "compiled"), os.path.join(work, "catalogue.bin")
    result = subprocess.run([sys.executable, COMPILER, "--out-dir", out_dir, "--catalogue", catalogue, *sources],
                            capture_output=True, text=True)
    return result, out_dir, catalogue


def read(path):
    with open(path, "rb") as f:
        return f.read()


def line_of(text, key):
    return next(n for n, line in enumerate(text.splitlines(), 1) if line.startswith(key + " "))


class GoodSkins(unittest.TestCase):
    def test_compiles_all_skins_the_same_way_every_time(self):
        outputs = []
        for _ in range(2):
            with tempfile.TemporaryDirectory() as work:
                result, out_dir, catalogue = compile_skins(SOURCES, work)
                self.assertEqual(result.returncode, 0, result.stderr)
                files = sorted(os.listdir(out_dir))
                outputs.append([read(os.path.join(out_dir, f)) for f in files] + [read(catalogue)])
        self.assertEqual(len(files), 33)
        self.assertEqual(outputs[0], outputs[1])
        self.assertLessEqual(len(outputs[0][-1]), 64 * 1024, "the catalogue should stay small")


# Each case changes the program's skin in one place: (what, key whose line changes, new line or
# None to drop it). The compiler must stop at that line (or name the missing key).
BAD_LINES = [
    ("colour too short", "frame.active", "frame.active = #12345"),
    ("colour without #", "title.active", "title.active = 123456"),
    ("colour not hex", "label.text", "label.text = #12345g"),
    ("unknown fill", "caption.active", "caption.active = radial #000000 #ffffff"),
    ("solid with two colours", "window.background", "window.background = solid #000000 #ffffff"),
    ("gradient with one colour", "dialog.background", "dialog.background = vgradient #000000"),
    ("box without border", "button.hot", "button.hot = solid #000000 text #ffffff"),
    ("caption button with text", "close.hot", "close.hot = solid #000000 border #111111 text #ffffff"),
    ("push button with glyph", "button.default", "button.default = solid #000000 border #111111 glyph #ffffff"),
    ("caption height 15", "caption.height", "caption.height = 15"),
    ("caption height 49", "caption.height", "caption.height = 49"),
    ("frame width 0", "frame.width", "frame.width = 0"),
    ("frame width 9", "frame.width", "frame.width = 9"),
    ("corner radius 17", "corner.radius", "corner.radius = 17"),
    ("corner radius negative", "corner.radius", "corner.radius = -1"),
    ("metric not a number", "frame.width", "frame.width = two"),
    ("name too long", "name", "name = " + "a" * 64),
    ("name not ASCII", "name", "name = Aurore\u0301"),
    ("no equals sign", "edit.text", "edit.text #000000"),
    ("no value", "edit.background", "edit.background ="),
    ("unknown key", "label.disabled.text", "label.disabled.text = #000000\nlabel.shadow = #000000"),
    ("key given twice", "label.text", "label.text = #000000\nlabel.text = #111111"),
]


class BadSkins(unittest.TestCase):
    def compile_with(self, text, name="10-aurora.skin"):
        """Compiles the real skins with the program's skin replaced by `text`."""
        work = tempfile.mkdtemp()
        self.addCleanup(subprocess.run, ["rm", "-rf", work])
        path = os.path.join(work, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        result, out_dir, catalogue = compile_skins([p for p in SOURCES if p != PROGRAM_SKIN] + [path], work)
        self.assertEqual(result.returncode, 1)
        self.assertFalse(os.path.exists(out_dir) or os.path.exists(catalogue), "nothing is written on failure")
        return path, result.stderr

    def test_names_the_file_and_line_of_a_bad_line(self):
        good = read(PROGRAM_SKIN).decode()
        for what, key, replacement in BAD_LINES:
            with self.subTest(what):
                lines = good.splitlines()
                number = line_of(good, key)
                lines[number - 1] = replacement
                bad_line = number + replacement.count("\n")
                path, message = self.compile_with("\n".join(lines) + "\n")
                self.assertIn(f"{path}:{bad_line}:", message)

    def test_names_a_missing_key(self):
        good = read(PROGRAM_SKIN).decode()
        for key in ("name", "corner.radius", "minimize.inactive", "edit.disabled.background"):
            with self.subTest(key):
                lines = [line for line in good.splitlines() if not line.startswith(key + " ")]
                _, message = self.compile_with("\n".join(lines) + "\n")
                self.assertIn(f"'{key}' is missing", message)

    def test_refuses_a_copy_of_another_skins_name_or_look(self):
        good = read(PROGRAM_SKIN).decode()
        other = read(SOURCES[0]).decode()
        renamed = good.replace("name = Aurora", "name = " + line_of_value(other, "name"))
        self.assertIn("same name", self.compile_with(renamed)[1])
        self.assertIn("same look", self.compile_with(other.replace(line_of_value(other, "name"), "Aurora"))[1])

    def test_refuses_badly_numbered_files(self):
        text = read(PROGRAM_SKIN).decode()
        for name in ("34-aurora.skin", "00-aurora.skin", "01-aurora.skin", "10_Aurora.skin", "10-aurora.txt"):
            with self.subTest(name):
                path, message = self.compile_with(text, name)
                self.assertIn(path, message)


def line_of_value(text, key):
    return text.splitlines()[line_of(text, key) - 1].partition("=")[2].strip()


if __name__ == "__main__":
    unittest.main()
