#!/usr/bin/env python3
"""Renders each icon's SVG (the program's, and its design files') to the 256 x 256 PNG installed
beside it, with librsvg (the renderer the desktops use) through ctypes, so no development package
is needed. Run it after changing an SVG:
    python3 assets/icons/render_png.py
"""
import ctypes
import os
import sys

SIZE = 256
ICONS = ["varnloft", "application-x-varnloft-design"]
HERE = os.path.dirname(os.path.abspath(__file__))

rsvg = ctypes.CDLL("librsvg-2.so.2")
cairo = ctypes.CDLL("libcairo.so.2")
rsvg.rsvg_handle_new_from_file.restype = ctypes.c_void_p
rsvg.rsvg_handle_new_from_file.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
rsvg.rsvg_handle_render_cairo.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
cairo.cairo_image_surface_create.restype = ctypes.c_void_p
cairo.cairo_create.restype = ctypes.c_void_p
cairo.cairo_create.argtypes = [ctypes.c_void_p]
cairo.cairo_scale.argtypes = [ctypes.c_void_p, ctypes.c_double, ctypes.c_double]
cairo.cairo_surface_write_to_png.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
cairo.cairo_destroy.argtypes = [ctypes.c_void_p]
cairo.cairo_surface_destroy.argtypes = [ctypes.c_void_p]


def render(name):
    handle = rsvg.rsvg_handle_new_from_file(os.path.join(HERE, name + ".svg").encode(), None)
    if not handle:
        sys.exit(name + ".svg could not be read")
    CAIRO_FORMAT_ARGB32 = 0
    surface = cairo.cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SIZE, SIZE)
    context = cairo.cairo_create(surface)
    cairo.cairo_scale(context, SIZE / 256.0, SIZE / 256.0)  # the SVGs are drawn on a 256-unit grid
    if not rsvg.rsvg_handle_render_cairo(handle, context):
        sys.exit("librsvg could not render " + name + ".svg")
    out = os.path.join(HERE, name + ".png")
    if cairo.cairo_surface_write_to_png(surface, out.encode()) != 0:
        sys.exit("could not write " + out)
    cairo.cairo_destroy(context)
    cairo.cairo_surface_destroy(surface)
    print(out)


for icon in ICONS:
    render(icon)
