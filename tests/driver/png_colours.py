"""Checks a screenshot: prints how many distinct colours it holds and fails unless it holds at
least MIN of them and every colour named. Reads 8-bit RGB or RGBA PNG files, as browsers save.
Usage: png_colours.py FILE MIN [#RRGGBB ...]"""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError("unsupported PNG layout %r" % (header,))
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * step
    previous = bytearray(stride)
    for row in range(height):
        start = row * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            corner = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                guess = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + guess) & 255
        previous = line
        for i in range(0, stride, step):
            yield bytes(line[i:i + 3])


def main():
    path, least, wanted = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    seen = set(pixels(path))
    print("%s: %d distinct colours" % (path, len(seen)))
    missing = [c for c in wanted if bytes.fromhex(c.lstrip("#")) not in seen]
    if missing:
        print("%s: no pixel of %s" % (path, " ".join(missing)))
    return 0 if len(seen) >= least and not missing else 1


sys.exit(main())
