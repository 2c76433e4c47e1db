"""Writers for Windows icon (.ico) and cursor (.cur) files.

Each image is a device-independent bitmap (XOR colour bits plus a 1-bit AND mask, stored bottom-up
at twice its height) or, for the large sizes, a PNG, which Windows Vista and later accept inside an
icon: a 128-pixel bitmap alone would be 66 KB, a PNG of the same picture is a few.
"""
import struct
import zlib
from dataclasses import dataclass


@dataclass
class Image:
    """One image of an icon or cursor: rows of pixels, top row first.

    For depths up to 8 bits a pixel is a palette index; at 32 bits it is an (r, g, b, a) tuple.
    `mask` rows hold 1 where the screen shows through (the AND mask).
    """
    width: int
    height: int
    bits: int
    pixels: list
    mask: list
    palette: list = None   # (r, g, b) tuples, 2**bits of them, for depths up to 8 bits
    as_png: bool = False


def _padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def _pack_indices(row, bits):
    """Packs palette indices into bytes, leftmost pixel in the high bits."""
    per_byte = 8 // bits
    out = bytearray()
    for start in range(0, len(row), per_byte):
        byte = 0
        chunk = row[start:start + per_byte]
        for index in chunk:
            byte = (byte << bits) | index
        out.append(byte << (bits * (per_byte - len(chunk))))
    return bytes(out)


def _xor_row(image, row):
    if image.bits == 32:
        return b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in row)
    return _pack_indices(row, image.bits)


def dib(image):
    """The image as a DIB: header, palette, XOR bits and AND mask, rows bottom-up."""
    xor = b"".join(_padded(_xor_row(image, row)) for row in reversed(image.pixels))
    mask = b"".join(_padded(_pack_indices(row, 1)) for row in reversed(image.mask))
    header = struct.pack("<IiiHHIIiiII", 40, image.width, image.height * 2, 1, image.bits,
                         0, len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in image.palette or [])
    return header + palette + xor + mask


def png(image):
    """A 32-bit image as an RGBA PNG."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in image.pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def _directory(kind, images, fields):
    """An icon (kind 1) or cursor (kind 2) file: directory, then every image's bytes.

    `fields(image)` gives the two 16-bit entry fields that differ between the kinds: colour
    planes and bit depth for icons, the hotspot for cursors.
    """
    blobs = [png(image) if image.as_png else dib(image) for image in images]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, kind, len(images))
    for image, blob in zip(images, blobs):
        colours = 1 << image.bits if image.bits < 8 else 0
        out += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, colours, 0,
                           *fields(image), len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def icon_file(images):
    return _directory(1, images, lambda image: (1, image.bits))


def cursor_file(image, hotspot):
    return _directory(2, [image], lambda _: hotspot)
