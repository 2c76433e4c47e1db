#!/usr/bin/env python3
"""Compiles the skins from their text form into Veneer's binary format (veneer/FORMAT.md).

    compile_skins.py --out-dir DIR --catalogue FILE SKIN...

Writes DIR/NN-name.vnsk for every skin and FILE, the catalogue: the skins in number order, each
as a built-in byte set (32-bit 1, 32-bit length, the bytes). The SKIN files must be numbered
01 to 33 without a gap. Any fault in them stops the build with file:line and a reason, and then
nothing is written. The output depends on nothing but the input, byte for byte.
"""
import argparse
import os
import re
import struct
import sys

SKIN_COUNT = 33
MAX_NAME_LENGTH = 63
METRICS = (("caption.height", 16, 48), ("frame.width", 1, 8), ("corner.radius", 0, 16))
FILL_KINDS = {"solid": (0, 1), "vgradient": (1, 2), "hgradient": (2, 2)}
CAPTION_BUTTON_STATES = ("normal", "hot", "pressed", "disabled", "inactive")
PUSH_BUTTON_STATES = ("normal", "hot", "pressed", "disabled", "focused", "default")
EDIT_COLOURS = ("edit.border.normal", "edit.border.hot", "edit.border.focused", "edit.border.disabled",
                "edit.text", "edit.background", "edit.disabled.text", "edit.disabled.background")
COLOUR = re.compile(r"#[0-9a-fA-F]{6}")
FILE_NAME = re.compile(r"(\d\d)-[a-z0-9-]+\.skin")


class SkinError(Exception):
    def __init__(self, where, reason):
        super().__init__(f"{where}: {reason}")


def colour(words, where):
    if len(words) != 1 or not COLOUR.fullmatch(words[0]):
        raise SkinError(where, f"expected one colour #rrggbb, got '{' '.join(words)}'")
    return bytes.fromhex(words[0][1:])


def fill(words, where):
    if not words or words[0] not in FILL_KINDS:
        raise SkinError(where, "expected a fill: solid #c, vgradient #top #bottom or hgradient #left #right")
    kind, colours = FILL_KINDS[words[0]]
    if len(words) != 1 + colours:
        raise SkinError(where, f"'{words[0]}' takes {colours} colour(s)")
    return bytes([kind]) + b"".join(colour([w], where) for w in words[1:])


def box(text_word):
    def parse(words, where):
        if len(words) < 6 or words[-4] != "border" or words[-2] != text_word:
            raise SkinError(where, f"expected <fill> border #c {text_word} #c")
        return fill(words[:-4], where) + colour(words[-3:-2], where) + colour(words[-1:], where)
    return parse


def name(words, where):
    text = " ".join(words)
    if not 1 <= len(text) <= MAX_NAME_LENGTH or not all(0x20 <= ord(c) <= 0x7E for c in text):
        raise SkinError(where, f"a name is 1 to {MAX_NAME_LENGTH} printable ASCII characters")
    return text.encode("ascii") + b"\0"


def number(key, low, high):
    def parse(words, where):
        if len(words) != 1 or not words[0].isdigit() or not low <= int(words[0]) <= high:
            raise SkinError(where, f"{key} is a whole number from {low} to {high}")
        return bytes([int(words[0])])
    return parse


# The records in tag order, each with the keys whose values make its payload, in payload order.
def records():
    yield 0x0100, [("name", name)]
    yield 0x0200, [(key, number(key, low, high)) for key, low, high in METRICS]
    for state, look in enumerate(("active", "inactive")):
        yield 0x0300 | state, [(f"caption.{look}", fill), (f"frame.{look}", colour), (f"title.{look}", colour)]
    for part, button in ((0x04, "close"), (0x05, "minimize"), (0x06, "maximize")):
        for state, look in enumerate(CAPTION_BUTTON_STATES):
            yield part << 8 | state, [(f"{button}.{look}", box("glyph"))]
    yield 0x0700, [("window.background", fill)]
    yield 0x0701, [("dialog.background", fill)]
    for state, look in enumerate(PUSH_BUTTON_STATES):
        yield 0x0800 | state, [(f"button.{look}", box("text"))]
    yield 0x0900, [(key, colour) for key in EDIT_COLOURS]
    yield 0x0A00, [("label.text", colour), ("label.disabled.text", colour)]


def read_lines(path):
    values = {}
    with open(path, encoding="utf-8") as source:
        for line_number, line in enumerate(source, 1):
            where = f"{path}:{line_number}"
            text = line.strip()
            if not text or text.startswith("#"):
                continue
            key, equals, value = (part.strip() for part in text.partition("="))
            if not equals or not key or not value:
                raise SkinError(where, "expected key = value")
            if key in values:
                raise SkinError(where, f"'{key}' is given twice (first at line {values[key][1]})")
            values[key] = (value.split(), line_number)
    return values


def compile_skin(path):
    values = read_lines(path)
    known = set()
    payloads = []
    for tag, fields in records():
        payload = b""
        for key, parse in fields:
            known.add(key)
            if key not in values:
                raise SkinError(path, f"'{key}' is missing")
            words, line_number = values[key]
            payload += parse(words, f"{path}:{line_number}")
        payloads.append((tag, payload))
    for key, (_, line_number) in values.items():
        if key not in known:
            raise SkinError(f"{path}:{line_number}", f"unknown key '{key}'")
    return payloads


def encode(payloads):
    offset = 12 + 8 * len(payloads)
    directory = b""
    for tag, payload in payloads:
        directory += struct.pack("<HHI", tag, len(payload), offset)
        offset += len(payload)
    header = b"VNSK" + struct.pack("<HHI", 1, len(payloads), offset)
    return header + directory + b"".join(payload for _, payload in payloads)


def numbered(paths):
    by_number = {}
    for path in paths:
        match = FILE_NAME.fullmatch(os.path.basename(path))
        if not match:
            raise SkinError(path, "a skin's file is named NN-name.skin (lower case, digits, dashes)")
        n = int(match.group(1))
        if not 1 <= n <= SKIN_COUNT or n in by_number:
            raise SkinError(path, f"its number must be one of 01 to {SKIN_COUNT}, used once")
        by_number[n] = path
    missing = [f"{n:02}" for n in range(1, SKIN_COUNT + 1) if n not in by_number]
    if missing:
        raise SkinError("skins", "missing number(s) " + ", ".join(missing))
    return [by_number[n] for n in sorted(by_number)]


def check_distinct(skins):
    """Two skins may share neither their name (the first record) nor their look (the rest)."""
    seen_names, seen_looks = {}, {}
    for path, payloads in skins:
        for seen, key, what in ((seen_names, payloads[0], "name"), (seen_looks, tuple(payloads[1:]), "look")):
            if key in seen:
                raise SkinError(path, f"has the same {what} as {seen[key]}")
            seen[key] = path


def write_atomically(path, data):
    temporary = path + ".tmp"
    with open(temporary, "wb") as out:
        out.write(data)
    os.replace(temporary, path)


def main():
    arguments = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    arguments.add_argument("--out-dir", required=True)
    arguments.add_argument("--catalogue", required=True)
    arguments.add_argument("skins", nargs="+")
    options = arguments.parse_args()
    try:
        compiled = [(path, compile_skin(path)) for path in numbered(options.skins)]
        check_distinct(compiled)
    except (SkinError, OSError, UnicodeDecodeError) as error:
        print(f"error: {error}", file=sys.stderr)
        return 1
    skins = [(path, encode(payloads)) for path, payloads in compiled]
    os.makedirs(options.out_dir, exist_ok=True)
    for path, skin in skins:
        write_atomically(os.path.join(options.out_dir, os.path.basename(path)[:-len(".skin")] + ".vnsk"), skin)
    write_atomically(options.catalogue, b"".join(struct.pack("<II", 1, len(skin)) + skin for _, skin in skins))
    return 0


if __name__ == "__main__":
    sys.exit(main())
