#!/usr/bin/python3
"""Start-up as a user meets it: from process start until the program's main window is mapped and
viewable on the X server (what `xdotool search --onlyvisible` finds), and the peak memory the
process has reached by then. The calculator and the bare Qt window (vantrel_bare_window_probe
--stay) start in turn, RUNS times each, on the display in $DISPLAY (run it under Xvfb with a
window manager); prints the medians and the ratios.

    visible_startup.py VANTREL BARE_PROBE DATA_FOLDER [RUNS]

Only the standard library and libX11 are used."""

import ctypes
import ctypes.util
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

X = ctypes.CDLL(ctypes.util.find_library("X11"))
Window = ctypes.c_ulong


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", Window), ("class_", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


X.XOpenDisplay.restype = ctypes.c_void_p
X.XDefaultRootWindow.restype = Window
X.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X.XInternAtom.restype = ctypes.c_ulong
X.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
X.XQueryTree.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(Window),
                         ctypes.POINTER(ctypes.POINTER(Window)), ctypes.POINTER(ctypes.c_uint)]
X.XGetWindowAttributes.argtypes = [ctypes.c_void_p, Window, ctypes.POINTER(WindowAttributes)]
X.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
    ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_void_p)]
X.XFree.argtypes = [ctypes.c_void_p]
X.XSetErrorHandler.argtypes = [ctypes.c_void_p]
IS_VIEWABLE = 2
# A window may go between listing and asking; such errors are expected and ignored.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


class Display:
    def __init__(self):
        self.d = X.XOpenDisplay(None)
        if not self.d:
            sys.exit("no X display in $DISPLAY")
        X.XSetErrorHandler(ctypes.cast(ERROR_HANDLER, ctypes.c_void_p))
        self.root = X.XDefaultRootWindow(self.d)
        self.pid_atom = X.XInternAtom(self.d, b"_NET_WM_PID", 0)

    def children(self, w):
        root, parent, kids, n = Window(), Window(), ctypes.POINTER(Window)(), ctypes.c_uint()
        if not X.XQueryTree(self.d, w, ctypes.byref(root), ctypes.byref(parent),
                            ctypes.byref(kids), ctypes.byref(n)):
            return []
        out = [kids[i] for i in range(n.value)]
        if kids:
            X.XFree(kids)
        return out

    def pid(self, w):
        kind, fmt, count, after = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        if X.XGetWindowProperty(self.d, w, self.pid_atom, 0, 1, 0, 6, ctypes.byref(kind),
                                ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                ctypes.byref(data)) != 0 or not data.value:
            return None
        value = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if count.value else None
        X.XFree(data)
        return value

    def viewable_windows(self, pid, min_width):
        """The viewable windows of process pid at least min_width wide (the splash is smaller
        than the main window), searched two levels below the root as a window manager frames
        them."""
        found = []
        for top in self.children(self.root):
            for w in [top] + self.children(top):
                attrs = WindowAttributes()
                if (X.XGetWindowAttributes(self.d, w, ctypes.byref(attrs))
                        and attrs.map_state == IS_VIEWABLE and attrs.width >= min_width
                        and self.pid(w) == pid):
                    found.append(w)
        return found


def peak_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_start(display, command, cwd, env):
    start = time.perf_counter()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while time.perf_counter() - start < 30:
            if display.viewable_windows(process.pid, 600):
                return (time.perf_counter() - start) * 1000, peak_kib(process.pid)
            time.sleep(0.001)
        return None, None
    finally:
        process.kill()
        process.wait()


def bootstrap_interval(values, rounds=2000):
    """The 2.5th and 97.5th percentiles of the median of values drawn again with replacement:
    how far the median of this many starts moves from run to run on this machine."""
    draw = random.Random(1)
    medians = sorted(statistics.median(draw.choices(values, k=len(values)))
                     for _ in range(rounds))
    return medians[int(rounds * 0.025)], medians[int(rounds * 0.975) - 1]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    vantrel, bare, data = (os.path.abspath(a) for a in sys.argv[1:4])
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 21
    display = Display()
    settings = tempfile.mkdtemp()
    env = dict(os.environ, XDG_CONFIG_HOME=settings, QT_QPA_PLATFORM="xcb")
    times = {"vantrel": [], "bare": []}
    memory = {"vantrel": [], "bare": []}
    try:
        for _ in range(runs):
            for name, command in (("vantrel", [vantrel]), ("bare", [bare, "--stay"])):
                ms, kib = one_start(display, command, data, env)
                if ms is None:
                    sys.exit("%s showed no window in 30 s" % name)
                times[name].append(ms)
                memory[name].append(kib)
    finally:
        shutil.rmtree(settings, ignore_errors=True)
    for name in times:
        print("%-8s visible after %.1f ms (median of %d), peak memory %.1f MiB" % (
            name, statistics.median(times[name]), runs, statistics.median(memory[name]) / 1024))
    ratios = [v / b for v, b in zip(times["vantrel"], times["bare"])]
    low, high = bootstrap_interval(ratios)
    print("time ratio: median of pairs %.3f (95 %% interval %.3f to %.3f), of medians %.3f" % (
        statistics.median(ratios), low, high,
        statistics.median(times["vantrel"]) / statistics.median(times["bare"])))
    print("memory ratio: %.3f" % (statistics.median(memory["vantrel"]) /
                                  statistics.median(memory["bare"])))


if __name__ == "__main__":
    main()
