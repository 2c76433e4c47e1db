"""The program's artwork: a photograph tucked into an open folder, drawn at any size.

The scene is described in unit coordinates (0..1, y downwards) and sampled several times per
pixel, so every size is drawn from the same shapes and comes out anti-aliased.
"""
import math

FOLDER_EDGE = (128, 74, 14)
FOLDER_BACK = (222, 150, 44)
FLAP_TOP, FLAP_BOTTOM = (255, 214, 110), (238, 166, 48)
FLAP_SHINE = (255, 236, 176)
PHOTO_EDGE = (120, 120, 120)
PHOTO_BORDER = (255, 255, 255)
SKY_TOP, SKY_BOTTOM = (62, 140, 222), (190, 226, 255)
SUN = (255, 206, 60)
HILL_NEAR, HILL_FAR = (46, 139, 87), (104, 190, 90)

PHOTO_CENTRE, PHOTO_HALF, PHOTO_TILT = (0.52, 0.40), (0.31, 0.23), math.radians(-7)


def _in_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    dx = max(left + radius - x, 0, x - (right - radius))
    dy = max(top + radius - y, 0, y - (bottom - radius))
    return dx * dx + dy * dy <= radius * radius


def _blend(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(p + (q - p) * t for p, q in zip(a, b))


class Scene:
    """The shapes, with an outline that stays about one pixel wide at the small sizes."""

    def __init__(self, size):
        self.line = max(0.014, 1.0 / size)

    def _flap(self, x, y):
        box = (0.05, 0.48, 0.95, 0.90)
        if not _in_rounded_rect(x, y, *box, 0.07):
            return None
        w = self.line
        if not _in_rounded_rect(x, y, box[0] + w, box[1] + w, box[2] - w, box[3] - w, 0.07 - w):
            return FOLDER_EDGE
        if y < box[1] + w + max(0.03, w):
            return FLAP_SHINE
        return _blend(FLAP_TOP, FLAP_BOTTOM, (y - box[1]) / (box[3] - box[1]))

    def _photo(self, x, y):
        cx, cy = PHOTO_CENTRE
        c, s = math.cos(-PHOTO_TILT), math.sin(-PHOTO_TILT)
        px, py = c * (x - cx) - s * (y - cy), s * (x - cx) + c * (y - cy)
        hx, hy = PHOTO_HALF
        if abs(px) > hx or abs(py) > hy:
            return None
        edge = self.line * 0.8
        if abs(px) > hx - edge or abs(py) > hy - edge:
            return PHOTO_EDGE
        border = edge + 0.035
        if abs(px) > hx - border or abs(py) > hy - border:
            return PHOTO_BORDER
        if py > 0.10 + 0.035 * math.sin(px * 11 + 1.0):
            return HILL_NEAR
        if py > 0.03 + 0.05 * math.sin(px * 7 - 0.6):
            return HILL_FAR
        if (px - 0.14) ** 2 + (py + 0.08) ** 2 <= 0.065 ** 2:
            return SUN
        return _blend(SKY_TOP, SKY_BOTTOM, (py + hy) / (2 * hy))

    def _back(self, x, y):
        body, tab = (0.05, 0.20, 0.95, 0.86), (0.05, 0.12, 0.44, 0.30)
        inside_body = _in_rounded_rect(x, y, *body, 0.07)
        if not inside_body and not _in_rounded_rect(x, y, *tab, 0.05):
            return None
        w = self.line
        filled = (_in_rounded_rect(x, y, body[0] + w, body[1] + w, body[2] - w, body[3] - w, 0.07 - w)
                  or _in_rounded_rect(x, y, tab[0] + w, tab[1] + w, tab[2] - w, tab[3] - w, 0.05 - w))
        return FOLDER_BACK if filled else FOLDER_EDGE

    def colour_at(self, x, y):
        """The colour of the topmost shape at a point, or None where the background shows."""
        for layer in (self._flap, self._photo, self._back):
            colour = layer(x, y)
            if colour is not None:
                return colour
        return None


def render(size, grid=None):
    """The artwork at size x size: rows of (r, g, b, a) with straight (not premultiplied) alpha,
    from grid x grid samples per pixel (one sample gives hard edges, for the 1-bit image)."""
    scene = Scene(size)
    grid = grid or (4 if size <= 64 else 2)
    offsets = [(i + 0.5) / grid for i in range(grid)]
    rows = []
    for row in range(size):
        out = []
        for col in range(size):
            hits = [scene.colour_at((col + ox) / size, (row + oy) / size)
                    for oy in offsets for ox in offsets]
            hits = [h for h in hits if h is not None]
            if not hits:
                out.append((0, 0, 0, 0))
                continue
            mean = [sum(h[i] for h in hits) / len(hits) for i in range(3)]
            alpha = round(255 * len(hits) / grid ** 2)
            out.append(tuple(round(v) for v in mean) + (alpha,))
        rows.append(out)
    return rows


def _ranges(box):
    return [max(c[i] for c in box) - min(c[i] for c in box) for i in range(3)]


def _median_cut(colours, count):
    """Up to `count` representative colours of a list, by splitting the widest box in half."""
    boxes = [sorted(colours)]
    while len(boxes) < count:
        widest = max(boxes, key=lambda box: max(_ranges(box)))
        ranges = _ranges(widest)
        if max(ranges) == 0:
            break
        channel = ranges.index(max(ranges))
        widest.sort(key=lambda c: c[channel])
        half = len(widest) // 2
        boxes.remove(widest)
        boxes += [widest[:half], widest[half:]]
    return [tuple(round(sum(c[i] for c in box) / len(box)) for i in range(3)) for box in boxes]


def _nearest(palette):
    cache = {}

    def index_of(colour):
        if colour not in cache:
            cache[colour] = min(range(len(palette)), key=lambda i: sum(
                (p - q) ** 2 for p, q in zip(palette[i], colour)))
        return cache[colour]
    return index_of


def transparency_mask(rows):
    return [[1 if a < 128 else 0 for *_, a in row] for row in rows]


def palettised(rows, bits):
    """The artwork reduced to a palette of its own: entry 0 stays black, for the pixels the AND
    mask makes transparent, and the rest come from the opaque pixels' own colours."""
    mask = transparency_mask(rows)
    opaque = [pixel[:3] for row, bits_row in zip(rows, mask)
              for pixel, hidden in zip(row, bits_row) if not hidden]
    palette = [(0, 0, 0)] + _median_cut(opaque, (1 << bits) - 1)
    index_of = _nearest(palette[1:])
    pixels = [[0 if hidden else 1 + index_of(pixel[:3]) for pixel, hidden in zip(row, bits_row)]
              for row, bits_row in zip(rows, mask)]
    return pixels, palette + [(0, 0, 0)] * ((1 << bits) - len(palette)), mask


def _dark(pixel):
    r, g, b, _ = pixel
    return 0.299 * r + 0.587 * g + 0.114 * b < 128


def _differs(a, b):
    """Two light, opaque neighbours of clearly different colours (dark ones are lines already)."""
    return (a[3] >= 128 and b[3] >= 128 and not _dark(a) and not _dark(b)
            and sum(abs(p - q) for p, q in zip(a[:3], b[:3])) > 90)


def monochrome(rows):
    """A black line drawing on white: dark pixels, and every boundary between two clearly
    different colours, turn black, so the photograph's frame, hills and sun stay visible."""
    mask = transparency_mask(rows)
    size = len(rows)
    pixels = []
    for y, (row, bits_row) in enumerate(zip(rows, mask)):
        out = []
        for x, (pixel, hidden) in enumerate(zip(row, bits_row)):
            neighbours = [rows[ny][nx] for nx, ny in ((x + 1, y), (x, y + 1))
                          if nx < size and ny < size]
            line = _dark(pixel) or any(_differs(pixel, n) for n in neighbours)
            out.append(0 if hidden or line else 1)
        pixels.append(out)
    return pixels, [(0, 0, 0), (255, 255, 255)], mask


# The hand pointer, drawn by hand: '#' black, '.' white, anything else transparent. The
# hotspot is the top of the index finger.
HAND = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..###
    #..#..#..#..#
 ## #..#..#..#..#
#..##...........#
#...#...........#
 #..............#
  #.............#
  #.............#
   #...........#
   #...........#
    #.........#
    #.........#
     #.......#
     #.......#
     #########
"""
HAND_HOTSPOT = (5, 0)


def hand_pointer(size=32):
    """The hand as 1-bit pixels (1 white, 0 black) and its AND mask."""
    lines = HAND.strip("\n").split("\n")
    lines += [""] * (size - len(lines))
    pixels = [[1 if ch == "." else 0 for ch in line.ljust(size)] for line in lines]
    mask = [[0 if ch in "#." else 1 for ch in line.ljust(size)] for line in lines]
    return pixels, mask
