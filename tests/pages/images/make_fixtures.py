#!/usr/bin/env python3
"""Writes the small PNG, JPEG and GIF files the host's image tests decode.

Standard library only: PNG through zlib, a baseline JPEG and GIF's LZW written out here.
Run it from anywhere; the files land next to this script. The tests know every pixel below.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

RED = (255, 0, 0)
GREEN = (0, 255, 0)
BLUE = (0, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
YELLOW = (255, 255, 0)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


# --- PNG ---------------------------------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(width, height, bit_depth, color_type, rows, interlaced=False, extra=b""):
    """`rows` are the raw scanlines (bytes, no filter byte)."""
    header = struct.pack(">IIBBBBB", width, height, bit_depth, color_type, 0, 0,
                         1 if interlaced else 0)
    if interlaced:
        raw = adam7(width, height, bit_depth, color_type, rows)
    else:
        raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def adam7(width, height, bit_depth, color_type, rows):
    """The seven passes of an interlaced image, each row with filter byte 0."""
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[color_type]
    pixel_bytes = channels * bit_depth // 8  # whole bytes only: depths 8 and 16
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
              (0, 1, 1, 2)]
    out = b""
    for x0, y0, dx, dy in passes:
        for y in range(y0, height, dy):
            row = b"".join(rows[y][x * pixel_bytes:(x + 1) * pixel_bytes]
                           for x in range(x0, width, dx))
            if row:
                out += b"\x00" + row
    return out


def rgb_rows(pixels):
    return [bytes(c for p in row for c in p) for row in pixels]


def make_pngs():
    quad = [[RED, GREEN, BLUE, WHITE], [BLACK, YELLOW, (10, 20, 30), (128, 128, 128)]]
    rgb = png(4, 2, 8, 2, rgb_rows(quad))
    write("quad.png", rgb)
    # The same file with its IDAT's checksum broken.
    idat = rgb.index(b"IDAT")
    length = struct.unpack(">I", rgb[idat - 4:idat])[0]
    crc = idat + 4 + length
    write("bad-crc.png", rgb[:crc] + bytes(b ^ 0xFF for b in rgb[crc:crc + 4]) + rgb[crc + 4:])

    # Palette: 0 red, 1 opaque blue, 2 fully transparent green, 3 half-transparent white.
    palette = png_chunk(b"PLTE", bytes(RED + BLUE + GREEN + WHITE))
    alpha = png_chunk(b"tRNS", bytes([255, 255, 0, 128]))
    write("palette.png", png(2, 2, 8, 3, [bytes([0, 1]), bytes([2, 3])], extra=palette + alpha))

    # 16-bit grey with alpha, interlaced, 9x9: pixel (x, y) has grey 0x1000 * x + 0x100 * y
    # (high byte 16x + y) and alpha 0xFFFF except the last column, alpha 0.
    rows = []
    for y in range(9):
        row = b""
        for x in range(9):
            row += struct.pack(">HH", 0x1000 * x + 0x100 * y, 0 if x == 8 else 0xFFFF)
        rows.append(row)
    write("gray-alpha-16-interlaced.png", png(9, 9, 16, 4, rows, interlaced=True))

    # The side limit, and one pixel past it (black lines compress to almost nothing).
    write("wide-16384.png", png(16384, 1, 8, 0, [bytes(16384)]))
    write("wide-16385.png", png(16385, 1, 8, 0, [bytes(16385)]))

    # 20x10, left half red and right half blue: the picture the pages show.
    half = [[RED] * 10 + [BLUE] * 10 for _ in range(10)]
    write("red-blue-20x10.png", png(20, 10, 8, 2, rgb_rows(half)))


# --- JPEG (baseline, 8x8 blocks, no subsampling, quantisers of 1) -------------------------------

ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34,
          27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44,
          51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63]

# The typical tables of the JPEG standard's annex K: counts per code length, then the values.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], [
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
    0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52,
    0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25,
    0x26, 0x27, 0x28, 0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45,
    0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64,
    0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
    0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6,
    0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3,
    0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8,
    0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA])


def huffman_codes(table):
    counts, values = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.bits = 0
        self.count = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.bits = (self.bits << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.bits)
                if self.bits == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.bits = self.count = 0

    def flush(self):
        while self.count:
            self.put(1, 1)  # pad with ones
        return bytes(self.out)


def category(value):
    return 0 if value == 0 else int(abs(value)).bit_length()


def magnitude_bits(value):
    return value if value >= 0 else value + (1 << category(value)) - 1


def fdct(block):
    out = [0.0] * 64
    for v in range(8):
        for u in range(8):
            total = 0.0
            for y in range(8):
                for x in range(8):
                    total += (block[y * 8 + x] * math.cos((2 * x + 1) * u * math.pi / 16) *
                              math.cos((2 * y + 1) * v * math.pi / 16))
            cu = math.sqrt(0.5) if u == 0 else 1.0
            cv = math.sqrt(0.5) if v == 0 else 1.0
            out[v * 8 + u] = 0.25 * cu * cv * total
    return out


def jpeg(width, height, planes, adobe_transform=None):
    """`planes`: one function (x, y) -> sample 0..255 per component, already in the file's
    colour space (YCbCr, grey or CMYK). Every component uses the one pair of tables."""
    dc, ac = huffman_codes(DC_LUMA), huffman_codes(AC_LUMA)
    n = len(planes)
    out = b"\xff\xd8"
    if adobe_transform is not None:
        out += b"\xff\xee" + struct.pack(">H", 14) + b"Adobe" + struct.pack(">HHHB", 100, 0, 0,
                                                                            adobe_transform)
    out += b"\xff\xdb" + struct.pack(">H", 67) + b"\x00" + bytes([1] * 64)
    out += b"\xff\xc0" + struct.pack(">HBHHB", 8 + 3 * n, 8, height, width, n)
    for c in range(n):
        out += bytes([c + 1, 0x11, 0])
    for kind, table in ((0x00, DC_LUMA), (0x10, AC_LUMA)):
        body = bytes([kind]) + bytes(table[0]) + bytes(table[1])
        out += b"\xff\xc4" + struct.pack(">H", 2 + len(body)) + body
    out += b"\xff\xda" + struct.pack(">HB", 6 + 2 * n, n)
    for c in range(n):
        out += bytes([c + 1, 0x00])
    out += bytes([0, 63, 0])
    bits = BitWriter()
    previous = [0] * n
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c, plane in enumerate(planes):
                block = [plane(min(bx + x, width - 1), min(by + y, height - 1)) - 128
                         for y in range(8) for x in range(8)]
                coefficients = [int(round(v)) for v in fdct(block)]
                zz = [coefficients[i] for i in ZIGZAG]
                diff = zz[0] - previous[c]
                previous[c] = zz[0]
                bits.put(*dc[category(diff)])
                bits.put(magnitude_bits(diff), category(diff))
                run = 0
                for value in zz[1:]:
                    if value == 0:
                        run += 1
                        continue
                    while run > 15:
                        bits.put(*ac[0xF0])
                        run -= 16
                    bits.put(*ac[(run << 4) | category(value)])
                    bits.put(magnitude_bits(value), category(value))
                    run = 0
                if run:
                    bits.put(*ac[0x00])
    return out + bits.flush() + b"\xff\xd9"


def ycbcr(rgb):
    r, g, b = rgb
    y = 0.299 * r + 0.587 * g + 0.114 * b
    cb = 128 - 0.168736 * r - 0.331264 * g + 0.5 * b
    cr = 128 + 0.5 * r - 0.418688 * g - 0.081312 * b
    return [max(0, min(255, int(round(v)))) for v in (y, cb, cr)]


def make_jpegs():
    # 16x8: the left block red, the right block blue.
    def colour(x, y):
        return ycbcr(RED if x < 8 else BLUE)
    write("red-blue.jpg", jpeg(16, 8, [lambda x, y, c=c: colour(x, y)[c] for c in range(3)]))
    # 8x8 grey ramp: sample 32 * x.
    write("gray-ramp.jpg", jpeg(8, 8, [lambda x, y: min(255, 32 * x)]))
    # Adobe CMYK, stored inverted (255 = no ink): pure cyan ink everywhere.
    inks = [255 - 255, 255 - 0, 255 - 0, 255 - 0]
    write("cmyk-adobe.jpg", jpeg(8, 8, [lambda x, y, c=c: inks[c] for c in range(4)],
                                 adobe_transform=0))


# --- GIF ---------------------------------------------------------------------------------------

def lzw(indices, min_code_size):
    """GIF's LZW, kept simple: every pixel as a literal, with a clear code before the table
    would make the codes one bit wider."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    width = min_code_size + 1
    room = (1 << width) - (end + 1)  # literals before the decoder's table needs a wider code
    codes, sent = [clear], 0
    for index in indices:
        if sent == room:
            codes.append(clear)
            sent = 0
        codes.append(index)
        sent += 1
    codes.append(end)
    packed, bits, count = bytearray(), 0, 0
    for code in codes:
        bits |= code << count
        count += width
        while count >= 8:
            packed.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        packed.append(bits & 0xFF)
    blocks = b""
    for i in range(0, len(packed), 255):
        chunk = bytes(packed[i:i + 255])
        blocks += bytes([len(chunk)]) + chunk
    return bytes([min_code_size]) + blocks + b"\x00"


def gif_frame(left, top, width, height, indices, interlaced=False, transparent=None):
    out = b""
    if transparent is not None:
        out += b"\x21\xf9\x04" + bytes([0x01]) + struct.pack("<H", 0) + bytes([transparent, 0])
    out += b"\x2c" + struct.pack("<HHHHB", left, top, width, height, 0x40 if interlaced else 0)
    return out + lzw(indices, 2)


def gif(width, height, palette, frames):
    """`palette`: four colours (a global table of 2 bits)."""
    head = b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80 | 0x01, 0, 0)
    return head + bytes(c for colour in palette for c in colour) + b"".join(frames) + b"\x3b"


def make_gifs():
    palette = [RED, GREEN, BLUE, WHITE]
    # A 4x3 screen; the first frame covers (1, 1) to (3, 3) with green, blue / white and index 0
    # transparent; a second frame, all red, must not show.
    first = gif_frame(1, 1, 2, 2, [1, 2, 3, 0], transparent=0)
    second = gif_frame(0, 0, 4, 3, [0] * 12)
    write("first-frame.gif", gif(4, 3, palette, [first, second]))
    # 1x8, interlaced: row y has colour index y % 4 (stored in pass order 0, 4 | 2, 6 | 1, 3,
    # 5, 7).
    order = [0, 4, 2, 6, 1, 3, 5, 7]
    write("interlaced.gif", gif(1, 8, palette,
                                [gif_frame(0, 0, 1, 8, [y % 4 for y in order], interlaced=True)]))


if __name__ == "__main__":
    make_pngs()
    make_jpegs()
    make_gifs()
