"""Runs the built calculator in a real X server, as a user would.

It starts Xvfb and the program with an option the toolkit does not know,
types a new inductance into the focused input, checks that the frequency
display changed and the program is still running, then closes the window
the way a window manager does (a WM_DELETE_WINDOW request) and expects the
program to exit with status 0.

Usage: e2e.py PATH-TO-lc-resonance
"""

import os
import subprocess
import sys
import time

from Xlib import X, XK, display, protocol
from Xlib.ext import xtest

TIMEOUT = 20


def fail(message):
    sys.exit("e2e: " + message)


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24",
         "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        number = numbers.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return xvfb, ":" + number


def calculator_window(dpy):
    for window in dpy.screen().root.query_tree().children:
        wm_class = window.get_wm_class()
        if (wm_class and "lc-resonance" in wm_class
                and window.get_attributes().map_state == X.IsViewable):
            return window
    return None


def upper_third(window):
    # The frequency caption and the display sit at the top of the column.
    geometry = window.get_geometry()
    return window.get_image(0, 0, geometry.width, geometry.height // 3,
                            X.ZPixmap, 0xFFFFFFFF).data


def settled(window):
    # The window's first paint may come a little after it is mapped.
    images = [upper_third(window)]

    def unchanged():
        time.sleep(0.2)
        images.append(upper_third(window))
        return images[-1] == images[-2]

    wait_for("the window to finish painting", unchanged)
    return images[-1]


def press(dpy, *keysyms):
    codes = [dpy.keysym_to_keycode(keysym) for keysym in keysyms]
    for code in codes:
        xtest.fake_input(dpy, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(dpy, X.KeyRelease, code)
    dpy.sync()


def ask_to_close(dpy, window):
    protocols = dpy.intern_atom("WM_PROTOCOLS")
    delete = dpy.intern_atom("WM_DELETE_WINDOW")
    if delete not in (window.get_wm_protocols() or []):
        fail("the window does not take WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols,
        data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    dpy.sync()


def main():
    if len(sys.argv) != 2:
        fail("usage: e2e.py PATH-TO-lc-resonance")
    xvfb, name = start_xvfb()
    program = None
    try:
        env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb")
        program = subprocess.Popen([sys.argv[1], "--no-such-option"], env=env)
        dpy = display.Display(name)

        window = wait_for("the calculator window",
                          lambda: calculator_window(dpy))
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        dpy.sync()
        before = settled(window)

        press(dpy, XK.XK_Control_L, XK.XK_a)
        for key in (XK.XK_0, XK.XK_period, XK.XK_2, XK.XK_5):
            press(dpy, key)
        wait_for("the display to show the new frequency",
                 lambda: upper_third(window) != before)
        if program.poll() is not None:
            fail("the program ended after typing, status %d" % program.returncode)

        ask_to_close(dpy, window)
        try:
            status = program.wait(TIMEOUT)
        except subprocess.TimeoutExpired:
            fail("the program did not end when its window was closed")
        if status != 0:
            fail("the program exited with status %d" % status)
        print("e2e: typed into the window, closed it, exit status 0")
    finally:
        if program and program.poll() is None:
            program.kill()
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
