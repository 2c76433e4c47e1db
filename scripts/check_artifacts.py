#!/usr/bin/env python3
"""Structural checks of the i686 product: what Windows finds when it loads the files.

usage: check_artifacts.py BUILD_DIR    (the i686 build folder)

Prints every check it makes, and exits 1 with the reason of each failed one. Each artifact has
a list of checks in artifacts() below; a new property of the product is one more function there.
"""
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from pe_file import IMAGE_FILE_DLL, PeError, PeFile

ROOT = Path(__file__).resolve().parent.parent
MACHINE_I386, PE32_MAGIC, SUBSYSTEM_GUI = 0x14C, 0x10B, 2
RT_CURSOR, RT_ICON, RT_GROUP_CURSOR, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 1, 3, 12, 14, 16, 24
TYPE_NAMES = {RT_CURSOR: "RT_CURSOR", RT_ICON: "RT_ICON", RT_GROUP_CURSOR: "RT_GROUP_CURSOR",
              RT_GROUP_ICON: "RT_GROUP_ICON", RT_VERSION: "RT_VERSION", RT_MANIFEST: "RT_MANIFEST"}
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# DLLs that every Windows has: a DLL outside this list (a compiler's runtime above all) would be
# missing on a bare machine and the program would not start.
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll",
                "oleaut32.dll", "comdlg32.dll", "advapi32.dll", "msvcrt.dll", "comctl32.dll",
                "shlwapi.dll", "uxtheme.dll", "msimg32.dll", "version.dll"}

# (size, bits per pixel) of every image the program icon must hold.
ICON_IMAGES = sorted([(32, 1), (48, 4), (32, 4), (16, 4), (48, 8), (32, 8), (16, 8),
                      (256, 32), (128, 32), (48, 32), (32, 32), (16, 32)])


class Failure(Exception):
    pass


def require(condition, message):
    if not condition:
        raise Failure(message)


def resource_id(name):
    """An identifier from resources/resource_ids.h, which the resource script and the code share."""
    text = (ROOT / "resources" / "resource_ids.h").read_text()
    found = re.search(rf"#define\s+{name}\s+(\d+)", text)
    require(found, f"{name} is not defined in resources/resource_ids.h")
    return int(found.group(1))


def one_resource(pe, kind, ident):
    found = [blob for (k, i, _), blob in pe.resources().items() if (k, i) == (kind, ident)]
    name = f"{TYPE_NAMES[kind]} resource {ident}"
    require(found, f"no {name}")
    require(len(found) == 1, f"the {name} is there in {len(found)} languages")
    return found[0]


def _row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def image_header(blob):
    """(width, height, bits per pixel, kind) of one icon or cursor image, from its own header."""
    if blob.startswith(PNG_SIGNATURE):
        width, height, depth, colour = struct.unpack_from(">IIBB", blob, 16)
        require((depth, colour) == (8, 6), "a PNG image that is not 8-bit RGBA")
        return width, height, 32, "PNG"
    size, width, double_height, _, bits = struct.unpack_from("<IiiHH", blob)
    require(size == 40, f"an image with a {size}-byte header, not a BITMAPINFOHEADER")
    height = double_height // 2
    needed = (_mask_offset(blob, width, height, bits) + _row_bytes(width, 1) * height)
    require(len(blob) >= needed, f"a {width}x{height} {bits}-bit image of {len(blob)} bytes, "
                                 f"too short for its pixels and mask ({needed})")
    return width, height, bits, "DIB"


def _mask_offset(blob, width, height, bits):
    colours = struct.unpack_from("<I", blob, 32)[0] or (1 << bits if bits <= 8 else 0)
    return 40 + 4 * colours + _row_bytes(width, bits) * height


def opaque_at(blob, x, y):
    """Whether a DIB image hides the screen at a pixel (its AND mask bit is 0)."""
    width, height, bits, _ = image_header(blob)
    row = _mask_offset(blob, width, height, bits) + _row_bytes(width, 1) * (height - 1 - y)
    return not blob[row + x // 8] & (0x80 >> x % 8)


def describe(images):
    return ", ".join(f"{size}x{size} {bits}-bit" for size, bits in images)


# --- the checks: each takes the parsed file and its path, says what holds or raises Failure ---

def pe32_i386(pe, path):
    require(pe.magic == PE32_MAGIC, f"optional header magic {pe.magic:#x}: not PE32 (32-bit)")
    require(pe.machine == MACHINE_I386, f"machine {pe.machine:#x}, not i386 (0x14c)")
    return "PE32 for i386"


def gui_program(pe, path):
    require(not pe.characteristics & IMAGE_FILE_DLL, "marked as a DLL")
    require(pe.subsystem == SUBSYSTEM_GUI, f"subsystem {pe.subsystem}, not GUI (2)")
    return "a program for the GUI subsystem"


def dll(pe, path):
    require(pe.characteristics & IMAGE_FILE_DLL, "not marked as a DLL")
    return "a DLL"


def windows_imports_only(pe, path):
    dlls = pe.imported_dlls()
    foreign = [name for name in dlls if name.lower() not in WINDOWS_DLLS]
    require(not foreign, "imports DLLs that Windows does not ship: " + ", ".join(foreign))
    return "imports only Windows DLLs: " + ", ".join(dlls)


def exports_exactly(*names):
    def check(pe, path):
        found = pe.exported_names()
        require(found == list(names), f"exports {found or 'nothing'}, not exactly {list(names)}")
        return "exports exactly " + ", ".join(names)
    check.__name__ = "exports_exactly"
    return check


def carries_byte_set(payload):
    """The program writes this file out of itself, so it must hold that very build of it, as a
    built-in byte set: a 32-bit 1, a 32-bit length, then the bytes."""
    def check(pe, path):
        try:
            image = payload.read_bytes()
        except OSError as error:
            raise Failure(f"cannot read {payload}: {error}")
        require(struct.pack("<II", 1, len(image)) + image in pe.data,
                f"does not carry this build's {payload.name} ({len(image)} bytes) as a byte set")
        return f"carries this build's {payload.name} ({len(image)} bytes) as a byte set"
    check.__name__ = "carries_byte_set"
    return check


def program_icon(pe, path):
    ident = resource_id("IDI_PROGRAM")
    groups = [i for k, i, _ in pe.resources() if k == RT_GROUP_ICON]
    # Explorer shows the first icon group: named ones sort before numbered ones.
    require(groups and all(isinstance(g, int) for g in groups) and min(groups) == ident,
            f"the icon groups are {groups}: the first must be IDI_PROGRAM ({ident})")
    group = one_resource(pe, RT_GROUP_ICON, ident)
    _, kind, count = struct.unpack_from("<HHH", group)
    require(kind == 1, f"icon group of type {kind}")
    found = []
    for entry in range(count):
        width, height, _, _, _, bits, size, image_id = struct.unpack_from(
            "<BBBBHHIH", group, 6 + 14 * entry)
        width, height = width or 256, height or 256
        image = one_resource(pe, RT_ICON, image_id)
        require(len(image) == size, f"icon image {image_id}: {len(image)} bytes, group says {size}")
        actual = image_header(image)
        require(actual[:3] == (width, height, bits), f"icon image {image_id}: the group says "
                f"{width}x{height} {bits}-bit, the image is {actual[0]}x{actual[1]} {actual[2]}-bit")
        # Only loaders that know PNG look at the large sizes; the small ones must be bitmaps.
        require(actual[3] == "DIB" or width >= 128, f"the {width}x{height} image is a PNG")
        found.append((width, bits))
    require(sorted(found) == ICON_IMAGES,
            f"icon images: {describe(found)}; expected {describe(ICON_IMAGES)}")
    return f"file icon (group {ident}) with {len(found)} images: {describe(found)}"


def hand_cursor(pe, path):
    ident = resource_id("IDC_HAND_POINTER")
    group = one_resource(pe, RT_GROUP_CURSOR, ident)
    _, kind, count = struct.unpack_from("<HHH", group)
    require(kind == 2 and count >= 1, f"cursor group of type {kind} with {count} images")
    shown = []
    for entry in range(count):
        image_id = struct.unpack_from("<H", group, 6 + 14 * entry + 12)[0]
        blob = one_resource(pe, RT_CURSOR, image_id)
        x, y = struct.unpack_from("<HH", blob)
        width, height, bits, form = image_header(blob[4:])
        require(form == "DIB", "a cursor image that is not a bitmap")
        require(x < width and y < height, f"hotspot ({x}, {y}) outside the {width}x{height} image")
        require(opaque_at(blob[4:], x, y), f"hotspot ({x}, {y}) on a transparent pixel")
        shown.append(f"{width}x{height} {bits}-bit, hotspot ({x}, {y})")
    return f"hand cursor (group {ident}): " + "; ".join(shown)


def manifest(pe, path):
    blob = one_resource(pe, RT_MANIFEST, 1)
    try:
        root = ElementTree.fromstring(blob)
    except ElementTree.ParseError as error:
        raise Failure(f"the manifest is not well-formed XML: {error}")
    require(root.tag == "{urn:schemas-microsoft-com:asm.v1}assembly",
            f"the manifest's root is {root.tag}, not an assembly")
    level = root.find(".//{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")
    require(level is not None and level.get("level") == "asInvoker",
            "the manifest does not ask to run as the invoking user (asInvoker)")
    return "application manifest, runs asInvoker"


def _version_block(blob, at):
    """One node of a version resource: (length, key, value bytes, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", blob, at)
    key_end = at + 6
    while blob[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = blob[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    value_end = value_at + value_length * (2 if kind == 1 else 1)
    children, child = [], (value_end + 3) & ~3
    while child < at + length:
        node = _version_block(blob, child)
        children.append(node)
        child = (child + node[0] + 3) & ~3
    return length, key, blob[value_at:value_end], children


def version_info(pe, path):
    _, key, fixed, children = _version_block(one_resource(pe, RT_VERSION, 1), 0)
    require(key == "VS_VERSION_INFO", f"version resource named {key!r}")
    signature, _, ms, ls = struct.unpack_from("<IIII", fixed)
    require(signature == 0xFEEF04BD, "the version resource has no fixed file information")
    strings = {name: value.decode("utf-16-le").rstrip("\0")
               for _, block, _, tables in children if block == "StringFileInfo"
               for _, _, _, entries in tables for _, name, value, _ in entries}
    original = strings.get("OriginalFilename")
    require(original == path.name, f"OriginalFilename is {original!r}, not {path.name!r}")
    return (f"version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}, "
            f"OriginalFilename {original}")


def artifacts(build):
    """Every file of the product with its checks."""
    engine = build / "veneer" / "Veneer.dll"
    return [
        (build / "app" / "Veldrane.exe", [pe32_i386, gui_program, windows_imports_only,
                                          program_icon, hand_cursor, manifest, version_info,
                                          carries_byte_set(engine)]),
        (engine, [pe32_i386, dll, windows_imports_only, exports_exactly("Veneer_AttachSkin")]),
    ]


def run_checks(path, checks):
    """Runs the checks of one file, printing each; returns whether all of them held."""
    print(path)
    try:
        pe = PeFile(path)
    except (OSError, PeError, struct.error) as error:
        print(f"  FAIL cannot read it: {error}")
        return False
    held = True
    for check in checks:
        try:
            print("  ok  ", check(pe, path))
        except Failure as error:
            print("  FAIL", error)
            held = False
        except (PeError, struct.error, IndexError, ValueError, UnicodeDecodeError) as error:
            print(f"  FAIL {check.__name__}: malformed file ({error})")
            held = False
    return held


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__.strip())
    results = [run_checks(path, checks) for path, checks in artifacts(Path(argv[1]))]
    if not all(results):
        sys.exit("the i686 artifacts fail the checks marked FAIL above")
    print("the i686 artifacts pass every check")


if __name__ == "__main__":
    main(sys.argv)
