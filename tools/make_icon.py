"""Draw Orbisque's application icon: a globe with a red capital-city marker.

Regenerate with:  python3 tools/make_icon.py [REPOSITORY_ROOT]
Writes src/app/Orbisque.ico (16, 24, 32, 48 px as 32-bit DIBs, 256 px as PNG),
docs/icon.png, and docs/icon-sizes.png (every size, 16 and 32 magnified 8x).
Pure standard library and no randomness, so the output is byte-for-byte
reproducible.
"""
import collections
import math
import os
import struct
import sys
import zlib

BLUE, YELLOW, RED = (0, 0, 255), (255, 255, 0), (255, 0, 0)
MAGENTA, BLACK, WHITE = (255, 0, 255), (0, 0, 0), (255, 255, 255)
SIZES = (16, 24, 32, 48, 256)
TILT = math.radians(15)      # seen a little from the north, like a desk globe
CAPITAL = (26, 6)            # longitude, latitude: inside Africa

# Continents as blobs on the sphere: (longitude, latitude, radius) in degrees,
# longitude 0 facing the viewer over the Atlantic. Within a continent the
# blobs' fields add up, so neighbours melt into one rounded coast.
DETAILED = [[(-50, 46, 15), (-34, 58, 9), (-64, 30, 9), (-72, 16, 5)],
            [(-12, 72, 7)],
            [(-20, -4, 12), (-25, -22, 9), (-30, -40, 5)],
            [(12, 12, 10), (30, 18, 11), (36, -2, 11), (34, -18, 8),
             (32, -32, 5), (50, 8, 5)],
            [(24, 50, 7), (42, 56, 9), (10, 42, 4)], [(4, 56, 4)]]
SIMPLE = [[(-46, 36, 20), (-30, 4, 10), (-22, -22, 16)],
          [(28, 4, 24), (24, 42, 12)]]

# Globe and outline radii, then the marker's red, white and black radii, in
# pixels. Small sizes get fewer, bigger continents, a plain red dot straight on
# the land and crisp coasts (land decided once per pixel, no olive blends).
Look = collections.namedtuple('Look', 'land radius rim marker star grid crisp')
LOOKS = {16: Look(SIMPLE, 7.9, 1.4, (1.8, 1.8, 2.5), False, False, True),
         24: Look(SIMPLE, 11.9, 1.6, (2.5, 2.5, 3.4), False, False, True),
         32: Look(DETAILED, 15.8, 1.6, (3.0, 3.0, 4.0), False, False, False),
         48: Look(DETAILED, 23.7, 1.8, (3.6, 5.8, 7.0), True, False, False),
         256: Look(DETAILED, 126.0, 4.0, (14, 21, 25), True, True, False)}


def vec(lon, lat):
    """Unit vector of a point on the globe."""
    lo, la = math.radians(lon), math.radians(lat)
    return (math.cos(la) * math.sin(lo), math.sin(la),
            math.cos(la) * math.cos(lo))


def tilt(x, y, z, turn=TILT):
    """Rotate about the horizontal axis: globe to view, or back with -TILT."""
    c, s = math.cos(turn), math.sin(turn)
    return x, y * c - z * s, y * s + z * c


def in_star(x, y, outer, inner=0.42):
    """Point inside an upright five-pointed star centred on the origin."""
    a = abs((math.atan2(x, y) + math.pi / 5) % (2 * math.pi / 5) - math.pi / 5)
    r, s = math.hypot(x, y), outer * inner     # fold into one point's half
    px, py = r * math.sin(a), r * math.cos(a)
    nx, ny = s * math.sin(math.pi / 5), s * math.cos(math.pi / 5)   # notch
    return nx * (py - outer) + (outer - ny) * px <= 0   # inside tip-notch edge


def paint(x, y, look, land, centre):
    """Colour at (x, y) pixels from the middle (y up), or None outside; land
    is looked up at the pixel's centre instead when the look is crisp."""
    rad, (dot, ring, edge) = look.radius, look.marker
    mx, my, _ = (rad * c for c in tilt(*vec(*CAPITAL)))
    d = math.hypot(x - mx, y - my)
    if d < ring:
        red = in_star(x - mx, y - my, dot * 1.45) if look.star else d < dot
        return RED if red else WHITE
    r = math.hypot(x, y)
    if d < edge or rad - look.rim <= r < rad:
        return BLACK
    if r >= rad:
        return None
    px, py = (c / rad for c in (centre if look.crisp else (x, y)))
    pz = math.sqrt(max(0.0, 1 - px * px - py * py))
    gx, gy, gz = tilt(px, py, pz, -TILT)
    for blobs in land:
        if sum(w / max(1e-9, (gx - cx) ** 2 + (gy - cy) ** 2 + (gz - cz) ** 2)
               for (cx, cy, cz), w in blobs) >= 1:
            return YELLOW
    if look.grid:                   # every 30 degrees, lines about 1.6 px wide
        lon, lat, half = math.atan2(gx, gz), math.asin(gy), 0.8 / rad
        step = math.pi / 6
        if (abs((lon + step / 2) % step - step / 2) * math.cos(lat) < half or
                abs((lat + step / 2) % step - step / 2) < half):
            return MAGENTA
    return BLUE


def render(size):
    """RGBA rows of one size, n*n samples a pixel; coverage becomes alpha."""
    look, n, h = LOOKS[size], (4 if size > 64 else 8), size / 2
    land = [[(vec(lon, lat), math.radians(r) ** 2) for lon, lat, r in blobs]
            for blobs in look.land]

    def pixel(i, j):
        centre = (i + 0.5 - h, h - j - 0.5)
        hits = [c for b in range(n) for a in range(n)
                if (c := paint(i + (a + 0.5) / n - h, h - j - (b + 0.5) / n,
                               look, land, centre))]
        if not hits:
            return 0, 0, 0, 0
        return tuple(round(sum(c[k] for c in hits) / len(hits))
                     for k in range(3)) + (round(255 * len(hits) / n ** 2),)
    return [[pixel(i, j) for i in range(size)] for j in range(size)]


def png(rows):
    """PNG file bytes of RGBA rows."""
    raw = b''.join(b'\0' + bytes(v for p in row for v in p) for row in rows)
    head = struct.pack('>IIBBBBB', len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    out = b'\x89PNG\r\n\x1a\n'
    for tag, data in ((b'IHDR', head), (b'IDAT', zlib.compress(raw, 9)),
                      (b'IEND', b'')):
        out += struct.pack('>I', len(data)) + tag + data
        out += struct.pack('>I', zlib.crc32(tag + data))
    return out


def dib(rows):
    """Icon DIB: header with doubled height, bottom-up BGRA, then AND mask."""
    n, up = len(rows), rows[::-1]
    pixels = b''.join(bytes((b, g, r, a)) for row in up for r, g, b, a in row)
    stride = (n + 31) // 32 * 4                 # mask rows pad to 32 bits
    mask = b''.join(int(''.join('01'[p[3] == 0] for p in row).ljust(
        stride * 8, '0'), 2).to_bytes(stride, 'big') for row in up)
    head = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 32, 0,
                       len(pixels) + len(mask), 0, 0, 0, 0)
    return head + pixels + mask


def ico(images):
    """ICO file bytes from {size: rows}; 256 goes in as PNG."""
    blobs = [png(images[s]) if s == 256 else dib(images[s]) for s in SIZES]
    out, offset = struct.pack('<HHH', 0, 1, len(SIZES)), 6 + 16 * len(SIZES)
    for s, blob in zip(SIZES, blobs):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def preview(images, zoom=8, gap=12):
    """Every size on white at real size, then 16 and 32 magnified."""
    tiles = [images[s] for s in SIZES]
    tiles += [[[p for p in row for _ in range(zoom)] for row in images[s]
               for _ in range(zoom)] for s in (16, 32)]
    h = max(len(t) for t in tiles) + 2 * gap
    w = sum(len(t) for t in tiles) + gap * (len(tiles) + 1)
    sheet, x = [[(255, 255, 255, 255)] * w for _ in range(h)], gap
    for t in tiles:
        y = (h - len(t)) // 2
        for j, row in enumerate(t):
            sheet[y + j][x:x + len(row)] = [tuple(
                (c * p[3] + 255 * (255 - p[3]) + 127) // 255 for c in p[:3])
                + (255,) for p in row]
        x += len(t) + gap
    return sheet


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..')
    images = {s: render(s) for s in SIZES}
    files = {os.path.join('src', 'app', 'Orbisque.ico'): ico(images),
             os.path.join('docs', 'icon.png'): png(images[256]),
             os.path.join('docs', 'icon-sizes.png'): png(preview(images))}
    for name, data in files.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)
        print(f'{name}  {len(data)} bytes')


if __name__ == '__main__':
    main()
