"""The private desktop as a person meets it: what the screen shows, and a mouse and a keyboard.

Screens are grabbed with xwd and read here, so that a test sees exactly the pixels the X server
holds; mouse and keys go through xdotool's XTEST input, like a real device's.
"""

import os
import struct
import subprocess
import time
import zlib


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(condition, timeout, what, interval=0.02):
    """Polls condition until it returns something true, and returns that; fails after timeout s."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"waited {timeout} s in vain for {what}")
        time.sleep(interval)


def run(args, timeout=20, input_bytes=None):
    result = subprocess.run(args, input=input_bytes, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, timeout=timeout)
    if result.returncode != 0:
        raise Failure(f"{' '.join(args)} failed ({result.returncode}): "
                      f"{result.stderr.decode(errors='replace').strip()}")
    return result.stdout


def stop_process(process, timeout):
    """Asks a child to end, and kills it if it has not within timeout seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Image:
    """An RGB picture, three bytes a pixel, rows top to bottom."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]

    def crop(self, x, y, width, height):
        rows = bytearray()
        for row in range(y, y + height):
            start = 3 * (row * self.width + x)
            rows += self.rgb[start:start + 3 * width]
        return Image(width, height, rows)

    def ink(self, threshold=110):
        """The dark pixels (text, check marks) as a set of (x, y); backgrounds and focus frames,
        which change with hover and focus, drop out."""
        dark = set()
        for y in range(self.height):
            for x in range(self.width):
                r, g, b = self.pixel(x, y)
                if r + g + b < 3 * threshold:
                    dark.add((x, y))
        return frozenset(dark)

    def save_png(self, path):
        raw = bytearray()
        stride = 3 * self.width
        for row in range(self.height):
            raw.append(0)
            raw += self.rgb[row * stride:(row + 1) * stride]

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

        header = struct.pack('>IIBBBBB', self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, 'wb') as out:
            out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                      chunk(b'IDAT', zlib.compress(bytes(raw), 6)) + chunk(b'IEND', b''))


def parse_xwd(data):
    fields = struct.unpack('>25I', data[:100])
    (header_size, _version, pixmap_format, _depth, width, height, _xoffset, byte_order,
     _unit, _bit_order, _pad, bits_per_pixel, bytes_per_line, _visual, red_mask, green_mask,
     blue_mask, _bits_per_rgb, _entries, ncolors) = fields[:20]
    check(pixmap_format == 2, f"xwd gave pixmap format {pixmap_format}, not ZPixmap")
    check(bits_per_pixel in (24, 32), f"xwd gave {bits_per_pixel} bits a pixel")
    pixel_bytes = bits_per_pixel // 8  # Xvfb's 24 bits come packed, in rows padded further
    check(pixel_bytes * width <= bytes_per_line, "xwd row shorter than its pixels")
    start = header_size + 12 * ncolors
    pixels = data[start:start + bytes_per_line * height]
    check(len(pixels) == bytes_per_line * height, "xwd image cut short")

    def offset(mask):
        shift = (mask & -mask).bit_length() - 1
        index = shift // 8
        return index if byte_order == 0 else pixel_bytes - 1 - index

    rgb = bytearray(3 * width * height)
    for channel, mask in enumerate((red_mask, green_mask, blue_mask)):
        at = offset(mask)
        if bytes_per_line == pixel_bytes * width:
            rgb[channel::3] = pixels[at::pixel_bytes]
        else:
            for row in range(height):
                line = pixels[row * bytes_per_line:row * bytes_per_line + pixel_bytes * width]
                rgb[3 * width * row + channel:3 * width * (row + 1):3] = line[at::pixel_bytes]
    return Image(width, height, rgb)


def grab(window='root'):
    args = ['xwd', '-silent'] + (['-root'] if window == 'root' else ['-id', str(window)])
    return parse_xwd(run(args))


def xdotool(*args, timeout=20):
    return run(['xdotool'] + [str(a) for a in args], timeout=timeout).decode().split()


def visible_windows(name=None, class_name=None):
    args = ['xdotool', 'search', '--onlyvisible']
    args += ['--name', name] if name is not None else ['--class', class_name]
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=20)
    return result.stdout.decode().split()  # no match exits 1 and prints nothing


def window_frame(window):
    """Absolute x, y, width and height of a window's client area."""
    info = run(['xwininfo', '-id', str(window)]).decode()
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(':')
        values[key] = value.strip()
    return (int(values['Absolute upper-left X']), int(values['Absolute upper-left Y']),
            int(values['Width']), int(values['Height']))


def click(window, x, y):
    xdotool('mousemove', '--window', window, x, y, 'click', 1)


def focus(window):
    xdotool('windowfocus', '--sync', window)


def press(*keys):
    xdotool('key', *keys)


def log(message):
    print(message, flush=True)


def ensure_dir(path):
    os.makedirs(path, exist_ok=True)
    return path
