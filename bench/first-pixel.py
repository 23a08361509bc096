#!/usr/bin/env python3
"""Starts a program and prints the milliseconds until one pixel of the X
screen shows a colour: the time to the first complete frame when the pixel
is the last one the program draws. The pixel is read with XGetImage from
libX11 every millisecond or so, far finer than one ImageMagick run.
usage: first-pixel.py X Y RRGGBB TIMEOUT-MS COMMAND [ARGS...]"""
import ctypes
import ctypes.util
import subprocess
import sys
import time


def main():
    x, y, colour, timeout = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3], 16), int(sys.argv[4])
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.c_void_p
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XGetPixel.restype = ctypes.c_ulong
    xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        print("no X display", file=sys.stderr)
        return 2
    root = xlib.XDefaultRootWindow(display)
    all_planes, z_pixmap = 0xFFFFFFFF, 2

    start = time.monotonic()
    program = subprocess.Popen(sys.argv[5:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while True:
        image = xlib.XGetImage(display, root, x, y, 1, 1, all_planes, z_pixmap)
        pixel = xlib.XGetPixel(image, 0, 0) & 0xFFFFFF if image else None
        if image:
            xlib.XDestroyImage(image)
        elapsed = (time.monotonic() - start) * 1000
        if pixel == colour:
            print(round(elapsed))
            return 0
        if elapsed > timeout:
            print("no frame within %d ms" % timeout, file=sys.stderr)
            program.kill()
            return 1
        time.sleep(0.001)


if __name__ == "__main__":
    sys.exit(main())
