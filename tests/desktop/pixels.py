# Pictures for the desktop tests as rows of RGB bytes: X window dumps (xwd) of the screen, the
# game's 24-bit bitmaps, cropping, nearest-neighbour doubling and comparison.
import struct


class Picture:
    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows  # rows: bytes, 3 per pixel

    def pixel(self, x, y):
        return tuple(self.rows[y][3 * x:3 * x + 3])

    def crop(self, x, y, width, height):
        return Picture(width, height, [bytes(r[3 * x:3 * (x + width)]) for r in self.rows[y:y + height]])

    def doubled(self):
        """Twice the size, each pixel a 2 x 2 block: nearest-neighbour scaling by two."""
        rows = []
        for r in self.rows:
            wide = bytearray(len(r) * 2)
            for c in range(3):
                wide[c::6] = r[c::3]
                wide[3 + c::6] = r[c::3]
            rows += [bytes(wide), bytes(wide)]
        return Picture(self.width * 2, self.height * 2, rows)

    def save_ppm(self, path):
        with open(path, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (self.width, self.height))
            for r in self.rows:
                f.write(r)


def differing(a, b, x0=0, y0=0):
    """Pixels (x, y) of b, placed at (x0, y0) over a, whose colour differs from a's."""
    out = []
    for y in range(b.height):
        ra, rb = a.rows[y0 + y][3 * x0:3 * (x0 + b.width)], b.rows[y]
        if ra == rb:
            continue
        out += [(x, y) for x in range(b.width) if ra[3 * x:3 * x + 3] != rb[3 * x:3 * x + 3]]
    return out


def rows_match(a, b, x0, y0, rows):
    """Whether b's first rows lie unchanged in a at (x0, y0)."""
    if y0 + rows > a.height:
        return False
    return all(a.rows[y0 + y][3 * x0:3 * (x0 + b.width)] == b.rows[y] for y in range(rows))


def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise ValueError(f"{path} is not a bitmap")
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24:
        raise ValueError(f"{path} is a {bits}-bit bitmap, not 24-bit")
    stride = (width * 3 + 3) & ~3
    rows = []
    for i in range(abs(height)):
        bgr = data[offset + i * stride:offset + i * stride + width * 3]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if height > 0:  # stored bottom row first
        rows.reverse()
    return Picture(width, abs(height), rows)


def read_xwd(path):
    data = open(path, "rb").read()
    header = struct.unpack_from(">25I", data, 0)
    (header_size, _, pixmap_format, _, width, height, _, byte_order, _, _, _, bits_per_pixel,
     bytes_per_line, _, red_mask, green_mask, blue_mask, _, _, ncolors) = header[:20]
    step = bits_per_pixel // 8
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise ValueError(f"{path}: only true-colour ZPixmap dumps are read here")
    start = header_size + ncolors * 12

    def channel(mask):  # the byte of a stored pixel that holds this 8-bit channel
        shift = (mask & -mask).bit_length() - 1
        return shift // 8 if byte_order == 0 else step - 1 - shift // 8

    r, g, b = channel(red_mask), channel(green_mask), channel(blue_mask)
    rows = []
    for y in range(height):
        raw = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = raw[r::step], raw[g::step], raw[b::step]
        rows.append(bytes(rgb))
    return Picture(width, height, rows)


def read_ppm(path):
    """A binary PPM (P6, 8 bits a channel), as ImageMagick's convert writes one from a PNG."""
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:  # magic, width, height, maximum; comments start with #
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"{path}: only 8-bit binary PPM files are read here")
    width, height = int(fields[1]), int(fields[2])
    at += 1
    return Picture(width, height, [data[at + y * width * 3:at + (y + 1) * width * 3] for y in range(height)])


def find(screen, picture, rows):
    """Where the picture's first rows lie unchanged on the screen: (x, y) of its top-left, or None."""
    first = picture.rows[0]
    for y in range(screen.height - rows + 1):
        at = screen.rows[y].find(first)
        while at >= 0:
            if at % 3 == 0 and rows_match(screen, picture, at // 3, y, rows):
                return at // 3, y
            at = screen.rows[y].find(first, at + 1)
    return None
