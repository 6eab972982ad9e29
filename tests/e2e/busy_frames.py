#!/usr/bin/env python3
"""Busy indication check of the end-to-end scripts: clicks at X, Y in the
window, then watches the page's centre, where the busy indicator sits.
  busy_frames.py WINDOW_ID X Y GRAB_WINDOW OUT.png [COMMAND ...]
COMMAND, when given, starts right after the click (to disturb the traffic).
Exit status 0 when the indicator appeared, changed between two frames (it
animates) and went away again (the centre stays still); OUT.png is the
window while it showed.
"""
import ctypes
import subprocess
import sys
import time

CENTRE = (420, 300, 160, 40)   # "LOADING ......" centred in the 1000 x 640 page
SHOW_LIMIT_S, END_LIMIT_S, STILL_S = 1.0, 5.0, 0.3



class XImage(ctypes.Structure):   # the leading fields of Xlib's XImage
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XGetImage.restype = ctypes.POINTER(XImage)
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                          ctypes.c_ulong, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]


def main():
    window, x, y, grab_window, shot = sys.argv[1:6]
    display = x11.XOpenDisplay(None)

    def centre():
        image = x11.XGetImage(display, int(window), *CENTRE, 0xFFFFFFFF, 2)
        pixels = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * image.contents.height)
        x11.XDestroyImage(image)
        return pixels

    idle = centre()
    subprocess.run(["xdotool", "mousemove", "--window", window, x, y, "click", "1"], check=True)
    if len(sys.argv) > 6:
        subprocess.Popen(sys.argv[6:])
    start = time.monotonic()
    shown = changed = ended = None
    previous, still_since = idle, None
    while ended is None and time.monotonic() - start < END_LIMIT_S:
        now, elapsed = centre(), time.monotonic() - start
        if shown is None and now != idle and elapsed < SHOW_LIMIT_S:
            shown = elapsed
            subprocess.run([grab_window, window, shot, "2"], stdout=subprocess.DEVNULL)
        elif shown is not None and now != previous:
            changed = changed or elapsed
            still_since = None
        elif changed is not None:
            # The pulse changes every frame: a centre that stays put has no indicator.
            still_since = still_since or elapsed
            if elapsed - still_since >= STILL_S:
                ended = still_since
        previous = now
        time.sleep(0.02)
    ms = lambda t: "never" if t is None else f"{t * 1000:.0f} ms"
    print(f"indicator shown after {ms(shown)}, changed after {ms(changed)}, gone after {ms(ended)}")
    return 0 if ended is not None else 1


sys.exit(main())
