#!/usr/bin/python3
"""Time from process start to the caliper's first frame on the screen of the running X display.

    bench/first_frame.py <program> <working directory>

Starts the program in the directory and reads two screen pixels through libX11 every millisecond
until both show the first frame: the window opens centred with the jaw closed, so its pixel (200, 10)
lies in the black that no image covers and (10, 100) in the fixed jaw's steel grey. Before that the
pixels show the desktop, or the white of a surface not yet drawn. Prints the milliseconds and stops
the program; exits 1 if no frame came within 10 s.
"""
import ctypes
import subprocess
import sys
import time

WINDOW_WIDTH, WINDOW_HEIGHT = 389, 144
PROBES = (((200, 10), 0x000000), ((10, 100), 0xB4B4B4))
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)
Z_PIXMAP = 2
TIMEOUT_S = 10


def open_x():
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    for name in ("XDisplayWidth", "XDisplayHeight"):
        getattr(x, name).argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XGetImage.restype = ctypes.c_void_p
    x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                            ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x.XGetPixel.restype = ctypes.c_ulong
    x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x.XDestroyImage.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("first_frame: cannot open the X display")
    return x, display


def pixel(x, display, root, at):
    image = x.XGetImage(display, root, at[0], at[1], 1, 1, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    value = x.XGetPixel(image, 0, 0) & 0xFFFFFF
    x.XDestroyImage(image)
    return value


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    x, display = open_x()
    root = x.XDefaultRootWindow(display)
    left = (x.XDisplayWidth(display, 0) - WINDOW_WIDTH) // 2
    top = (x.XDisplayHeight(display, 0) - WINDOW_HEIGHT) // 2
    probes = [((left + px, top + py), colour) for (px, py), colour in PROBES]
    start = time.monotonic()
    process = subprocess.Popen([program], cwd=workdir, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - start < TIMEOUT_S:
            if all(pixel(x, display, root, at) == colour for at, colour in probes):
                print(round((time.monotonic() - start) * 1000))
                return 0
            time.sleep(0.001)
        print("first_frame: no caliper frame within 10 s", file=sys.stderr)
        return 1
    finally:
        process.terminate()
        process.wait()


if __name__ == "__main__":
    sys.exit(main())
