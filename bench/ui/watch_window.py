#!/usr/bin/env python3
"""Watches the X server for a window: prints the epoch milliseconds at which a viewable
window with the caption was first seen and, with --filled, at which the main window's
thickness list (empty until the first filling) first showed white text. Everything is
asked of the X server in this process (libX11). The watcher sleeps until the X server
tells it something changed (a property of the root window, such as its client list; a
damaged area of the watched window, through the DAMAGE extension), so that watching costs
the watched program next to nothing of the processor; a look every 50 ms stands in for a
missed event.

Usage: watch_window.py CAPTION [--filled]   (DISPLAY set, a window manager running)
"""
import ctypes
import select
import sys
import time

from ctypes import POINTER, byref, c_char_p, c_int, c_long, c_ubyte, c_uint, c_ulong, c_void_p

# The thickness list in the main window's client area: left, top, width, height.
FILLED_AREA = (385, 43, 56, 16)
IS_VIEWABLE = 2
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFFFFFFFFFF
STRUCTURE_NOTIFY_MASK = 1 << 17
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
PROPERTY_CHANGE_MASK = 1 << 22
DAMAGE_REPORT_NON_EMPTY = 3
FALLBACK_LOOK_S = 0.05


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", c_int), ("y", c_int), ("width", c_int), ("height", c_int),
                ("border_width", c_int), ("depth", c_int), ("visual", c_void_p),
                ("root", c_ulong), ("window_class", c_int), ("bit_gravity", c_int),
                ("win_gravity", c_int), ("backing_store", c_int), ("backing_planes", c_ulong),
                ("backing_pixel", c_ulong), ("save_under", c_int), ("colormap", c_ulong),
                ("map_installed", c_int), ("map_state", c_int), ("all_event_masks", c_long),
                ("your_event_mask", c_long), ("do_not_propagate_mask", c_long),
                ("override_redirect", c_int), ("screen", c_void_p)]


X11 = ctypes.CDLL("libX11.so.6")
X11.XOpenDisplay.restype = c_void_p
X11.XOpenDisplay.argtypes = [c_char_p]
X11.XDefaultRootWindow.restype = c_ulong
X11.XDefaultRootWindow.argtypes = [c_void_p]
X11.XInternAtom.restype = c_ulong
X11.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
X11.XGetWindowProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_long, c_long, c_int, c_ulong,
                                   POINTER(c_ulong), POINTER(c_int), POINTER(c_ulong),
                                   POINTER(c_ulong), POINTER(POINTER(c_ubyte))]
X11.XGetWindowAttributes.argtypes = [c_void_p, c_ulong, POINTER(WindowAttributes)]
X11.XFree.argtypes = [c_void_p]
X11.XGetImage.restype = c_void_p
X11.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
X11.XGetPixel.restype = c_ulong
X11.XGetPixel.argtypes = [c_void_p, c_int, c_int]
X11.XSelectInput.argtypes = [c_void_p, c_ulong, c_long]
X11.XConnectionNumber.argtypes = [c_void_p]
X11.XPending.argtypes = [c_void_p]
X11.XNextEvent.argtypes = [c_void_p, c_void_p]
X11.XFlush.argtypes = [c_void_p]
# A window listed by the window manager can be gone a moment later (the splash closes while
# the watcher reads the list). Xlib's default handler ends the process on the BadWindow that
# follows; this one ignores it, and the call that met it reports nothing found.
ErrorHandler = ctypes.CFUNCTYPE(c_int, c_void_p, c_void_p)
X_ERROR_HANDLER = ErrorHandler(lambda display, error: 0)
X11.XSetErrorHandler.restype = c_void_p
X11.XSetErrorHandler.argtypes = [ErrorHandler]
X11.XSetErrorHandler(X_ERROR_HANDLER)
try:
    XDAMAGE = ctypes.CDLL("libXdamage.so.1")
    XDAMAGE.XDamageQueryExtension.argtypes = [c_void_p, POINTER(c_int), POINTER(c_int)]
    XDAMAGE.XDamageCreate.restype = c_ulong
    XDAMAGE.XDamageCreate.argtypes = [c_void_p, c_ulong, c_int]
    XDAMAGE.XDamageSubtract.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong]
except OSError:
    XDAMAGE = None


def now_ms():
    return time.time_ns() // 1_000_000


def window_property(display, window, name, kind):
    """The property's bytes, or None."""
    actual, fmt, items, after = c_ulong(), c_int(), c_ulong(), c_ulong()
    data = POINTER(c_ubyte)()
    status = X11.XGetWindowProperty(display, window, X11.XInternAtom(display, name, 0), 0,
                                    1 << 16, 0, X11.XInternAtom(display, kind, 0),
                                    byref(actual), byref(fmt), byref(items), byref(after),
                                    byref(data))
    if status != 0 or not data:
        return None
    size = items.value * (8 if fmt.value == 32 else fmt.value // 8)
    value = ctypes.string_at(data, size)
    X11.XFree(data)
    return value


def viewable_window(display, root, caption):
    """The managed window of that caption once it is viewable, else None."""
    clients = window_property(display, root, b"_NET_CLIENT_LIST", b"WINDOW") or b""
    for at in range(0, len(clients), 8):
        window = int.from_bytes(clients[at:at + 8], sys.byteorder)
        name = window_property(display, window, b"_NET_WM_NAME", b"UTF8_STRING")
        if name is None or name.decode("utf-8", "replace") != caption:
            continue
        attributes = WindowAttributes()
        if X11.XGetWindowAttributes(display, window, byref(attributes)) and \
                attributes.map_state == IS_VIEWABLE:
            return window
        X11.XSelectInput(display, window, STRUCTURE_NOTIFY_MASK)  # to hear of its mapping
        X11.XFlush(display)
    return None


def white_pixels(display, window):
    """White pixels of FILLED_AREA in the window."""
    left, top, width, height = FILLED_AREA
    image = X11.XGetImage(display, window, left, top, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        return 0
    return sum(X11.XGetPixel(image, x, y) & 0xFFFFFF == 0xFFFFFF
               for y in range(height) for x in range(width))


def wait_for_change(display):
    """Sleeps until the X server sends an event (or the fallback look is due); drops the
    events, which only say that something may have changed."""
    event = ctypes.create_string_buffer(192)
    if not X11.XPending(display):
        select.select([X11.XConnectionNumber(display)], [], [], FALLBACK_LOOK_S)
    while X11.XPending(display):
        X11.XNextEvent(display, event)


def watch_damage(display, window):
    """Asks the X server to report drawing in the window; the damage object, or 0."""
    if XDAMAGE is None:
        return 0
    event_base, error_base = c_int(), c_int()
    if not XDAMAGE.XDamageQueryExtension(display, byref(event_base), byref(error_base)):
        return 0
    return XDAMAGE.XDamageCreate(display, window, DAMAGE_REPORT_NON_EMPTY)


def main():
    caption = sys.argv[1]
    filled = "--filled" in sys.argv[2:]
    display = X11.XOpenDisplay(None)
    root = X11.XDefaultRootWindow(display)
    X11.XSelectInput(display, root, PROPERTY_CHANGE_MASK | SUBSTRUCTURE_NOTIFY_MASK)
    X11.XFlush(display)
    window = viewable_window(display, root, caption)
    while window is None:
        wait_for_change(display)
        window = viewable_window(display, root, caption)
    shown = now_ms()
    if not filled:
        print(shown)
        return
    damage = watch_damage(display, window)
    X11.XFlush(display)
    while white_pixels(display, window) < 3:
        wait_for_change(display)
        if damage:  # report the next drawing again
            XDAMAGE.XDamageSubtract(display, damage, 0, 0)
            X11.XFlush(display)
    print(shown, now_ms())


main()
