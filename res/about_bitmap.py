# Writes about.bmp: the About dialog's 65 x 57, 4-bit picture of the product's mark.
import struct
W, H = 65, 57
# The 16 colours of the standard 4-bit palette (r, g, b).
pal = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
       (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
SKY, SEA, HILL, SUN, WHITE, FRAME, SHADE = 6, 4, 2, 11, 15, 8, 0
img = [[SKY]*W for _ in range(H)]
for y in range(H):
    for x in range(W):
        if (x-46)**2 + (y-14)**2 <= 49: img[y][x] = SUN
        hill = 40 + int(6 * ((x - 20) / 30.0) ** 2) if x < 50 else 40 + 6
        if y >= min(hill, 46): img[y][x] = HILL
        if y >= 48: img[y][x] = SEA
# The mark: a bold "V" with a dark edge.
def in_v(x, y, grow=0):
    if not (6 - grow <= y <= 44 + grow): return False
    t = (y - 6) / 38.0
    left = 10 + 18 * t; right = 54 - 18 * t
    return abs(x - left) <= 4.5 + grow or abs(x - right) <= 4.5 + grow
for y in range(H):
    for x in range(W):
        if in_v(x, y, 1): img[y][x] = SHADE
for y in range(H):
    for x in range(W):
        if in_v(x, y): img[y][x] = WHITE
for y in range(H):
    for x in range(W):
        if x in (0, W-1) or y in (0, H-1): img[y][x] = FRAME
row_bytes = ((W * 4 + 31) // 32) * 4
rows = b''
for y in reversed(range(H)):
    row = bytearray(row_bytes)
    for x in range(W):
        if x % 2 == 0: row[x//2] |= img[y][x] << 4
        else: row[x//2] |= img[y][x]
    rows += bytes(row)
table = b''.join(bytes((b, g, r, 0)) for r, g, b in pal)
info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 4, 0, len(rows), 2835, 2835, 16, 0)
off = 14 + 40 + len(table)
data = b'BM' + struct.pack('<IHHI', off + len(rows), 0, 0, off) + info + table + rows
open('about.bmp', 'wb').write(data)

