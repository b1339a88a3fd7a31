#!/usr/bin/env python3
"""End to end on a real X server: the shipped launcher, driven by real input events.

Starts a private Xvfb (1280x1024x24, its own display number, its frame buffer mapped to a
file so the screen can be read back), then the launcher with a private HOME, XDG_DATA_HOME
and XDG_RUNTIME_DIR (the single-instance lock lives there), and no Qt platform set, so the
program picks X11 by itself. Through xdotool it then searches with results, turns the page,
switches the language from the menu and closes with the tool bar's close button, confirming
the question. Each step is checked by what it changes on the screen (regions compared before
and after, never fixed colours, which depend on fonts) or on disk.

    launcher_x11_test.py <tessaly-launcher>

Fails naming the step that broke; bounded to 60 s; ends everything it started.
"""

import ctypes
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SCREEN_W, SCREEN_H = 1280, 1024
WINDOW_W, WINDOW_H = 1000, 700
DEADLINE = time.monotonic() + 60
STEP_WAIT = 15  # seconds one step may wait for its effect

# Places in the main window, from the code that lays it out: the tool bar sits at (1, 1) of
# the frame, cx = width - 2 wide, the search page at (1, 58); each places its controls in its
# own coordinates. Clicks go to the middle of a control.
BAR_X, BAR_Y, BAR_CX = 1, 1, WINDOW_W - 2
PAGE_X, PAGE_Y = 1, 58
MENU_BUTTON = (BAR_X + BAR_CX - 84, BAR_Y + 18)  # bar (cx - 96, 6)-(cx - 72, 30)
CLOSE_BUTTON = (BAR_X + BAR_CX - 24, BAR_Y + 18)  # bar (cx - 36, 6)-(cx - 12, 30)
DECODE_EDIT = (PAGE_X + 345, PAGE_Y + 79)  # page (305, 67)-(385, 91)
SEARCH_BUTTON = (PAGE_X + 921, PAGE_Y + 77)  # page (866, 62)-(976, 92)
NEXT_BUTTON = (PAGE_X + 915, PAGE_Y + 117)  # page (890, 102)-(940, 132)
# Regions (x0, y0, x1, y1) of the main window.
COUNTERS = (PAGE_X + 10, PAGE_Y + 102, PAGE_X + 990, PAGE_Y + 132)  # total, page and pages
PAGE_NUMBER = (PAGE_X + 780, PAGE_Y + 102, PAGE_X + 800, PAGE_Y + 132)  # the current page
RESULTS = (PAGE_X + 10, PAGE_Y + 162, PAGE_X + 990, PAGE_Y + 451)  # the six result slots
LABELS = (PAGE_X + 10, PAGE_Y + 10, PAGE_X + 300, PAGE_Y + 99)  # the parameter labels
# The confirmation box: 350 wide (inclusive corners: 351 on screen), OK from x 93 to 165,
# its bottom 10 above the box's bottom edge, 25 high.
MSG_BOX_W = 351
MSG_BOX_OK = (129, -23)  # from the box's left and bottom edges


class StepFailed(Exception):
    pass


def end_with_this_test():
    """In a started process: be killed when this test dies, even by SIGKILL (a CTest time-out).
    The program, the launcher's child, then ends with its X server."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


class Screen:
    """The X server's frame buffer, read from the file Xvfb maps it to (XWD format)."""

    def __init__(self, path):
        self.path = path
        data = self._read()
        fields = struct.unpack(">25I", data[:100])
        header_size, width, height = fields[0], fields[4], fields[5]
        bits_per_pixel, bytes_per_line, colours = fields[11], fields[12], fields[19]
        if (width, height, bits_per_pixel) != (SCREEN_W, SCREEN_H, 32):
            raise StepFailed(f"unexpected frame buffer {width}x{height}, {bits_per_pixel} bits")
        self.offset = header_size + colours * 12
        self.stride = bytes_per_line

    def _read(self):
        with open(self.path, "rb") as f:
            return f.read()

    def region(self, rect):
        """The pixels of rect (x0, y0, x1, y1, screen coordinates, end exclusive)."""
        data = self._read()
        x0, y0, x1, y1 = rect
        rows = []
        for y in range(y0, y1):
            start = self.offset + y * self.stride + x0 * 4
            rows.append(data[start : start + (x1 - x0) * 4])
        return b"".join(rows)


class Session:
    def __init__(self, launcher):
        self.launcher = launcher
        self.tmp = tempfile.mkdtemp(prefix="tessaly-e2e-")
        self.xvfb = None
        self.app = None
        self.env = None
        self.screen = None
        self.window = None
        self.origin = (0, 0)
        self.pid = None
        self.launcher_log = None

    # ---- processes ------------------------------------------------------------------

    def start_display(self):
        fbdir = os.path.join(self.tmp, "fb")
        os.mkdir(fbdir)
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24",
             "-fbdir", fbdir, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True, preexec_fn=end_with_this_test)
        os.close(write_fd)
        number = b""
        until = min(DEADLINE, time.monotonic() + STEP_WAIT)
        with os.fdopen(read_fd, "rb") as pipe:
            os.set_blocking(pipe.fileno(), False)
            while not number.endswith(b"\n"):
                if self.xvfb.poll() is not None:
                    raise StepFailed("Xvfb ended before it gave its display number")
                if time.monotonic() > until:
                    raise StepFailed("no display number from Xvfb")
                number += pipe.read() or b""
                time.sleep(0.05)
        display = ":" + number.decode().strip()
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "run")
        os.makedirs(home)
        os.mkdir(runtime, 0o700)
        env = dict(os.environ)
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_SCALE_FACTOR"):
            env.pop(name, None)
        env.update(DISPLAY=display, HOME=home, XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8")
        self.env = env
        self.screen = Screen(os.path.join(fbdir, "Xvfb_screen0"))

    def start_launcher(self):
        self.launcher_log = open(os.path.join(self.tmp, "launcher.log"), "wb")
        self.app = subprocess.Popen([self.launcher], env=self.env, cwd=self.tmp, stdout=self.launcher_log,
                                    stderr=subprocess.STDOUT, start_new_session=True,
                                    preexec_fn=end_with_this_test)

    def unpack_folder(self):
        return os.path.join(self.env["XDG_DATA_HOME"], "Tessaly")

    def stop(self):
        """Kills what still runs: the launcher with its group (the program is in it) and Xvfb."""
        if self.launcher_log:
            self.launcher_log.close()
        for proc in (self.app, self.xvfb):
            if proc and proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                proc.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # ---- X ----------------------------------------------------------------------------

    def xdotool(self, *args, check=True, timeout=STEP_WAIT):
        left = DEADLINE - time.monotonic()
        if left <= 0:
            raise StepFailed("out of time (60 s)")
        try:
            out = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                 timeout=min(left, timeout), text=True)
        except subprocess.TimeoutExpired:
            raise StepFailed(f"xdotool {' '.join(map(str, args))}: no answer")
        if check and out.returncode != 0:
            raise StepFailed(f"xdotool {' '.join(map(str, args))} failed: {out.stderr.strip()}")
        return out.stdout

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def program_windows(self):
        out = self.xdotool("search", "--onlyvisible", "--pid", self.pid, check=False)
        return set(out.split())

    def click(self, x, y):
        """A left click at (x, y) of the main window; the pointer then leaves the window, so
        neither the cursor nor a hover look is read back with the screen."""
        ox, oy = self.origin
        self.xdotool("mousemove", ox + x, oy + y)
        self.xdotool("click", "1")
        self.park_pointer()

    def click_screen(self, x, y):
        self.xdotool("mousemove", x, y)
        self.xdotool("click", "1")
        self.park_pointer()

    def park_pointer(self):
        self.xdotool("mousemove", 0, 0)

    def grab(self, rect):
        ox, oy = self.origin
        x0, y0, x1, y1 = rect
        return self.screen.region((ox + x0, oy + y0, ox + x1, oy + y1))

    def settled(self, rect):
        """The region once two reads in a row agree (a paint in progress is not read)."""
        last = self.grab(rect)
        while True:
            wait(0.1)
            now = self.grab(rect)
            if now == last:
                return now
            last = now

    def wait_until(self, what, condition):
        until = min(DEADLINE, time.monotonic() + STEP_WAIT)
        while time.monotonic() < until:
            if condition():
                return
            if self.app.poll() is not None:
                raise StepFailed(f"{what}: the launcher ended (status {self.app.returncode})")
            time.sleep(0.1)
        raise StepFailed(what)

    def wait_for_change(self, what, rects, before):
        def changed():
            return all(self.settled(r) != b for r, b in zip(rects, before))

        self.wait_until(what, changed)

    def wait_for_new_window(self, what, known):
        found = []

        def appeared():
            found[:] = sorted(self.program_windows() - known)
            return bool(found)

        self.wait_until(what, appeared)
        return found[0]


def wait(seconds):
    if time.monotonic() + seconds > DEADLINE:
        raise StepFailed("out of time (60 s)")
    time.sleep(seconds)


STARTED = time.monotonic()


def begin(step):
    print(f"[{time.monotonic() - STARTED:5.1f} s] {step}", flush=True)
    return step


def run(session):
    s = session
    step = begin("the X server starts")
    try:
        s.start_display()

        step = begin("the launcher shows the main window, 1000x700 centred, titled Tessaly")
        s.start_launcher()
        out = s.xdotool("search", "--sync", "--onlyvisible", "--name", "^Tessaly$", timeout=30)
        windows = out.split()
        if len(windows) != 1:
            raise StepFailed(f"{len(windows)} windows named Tessaly")
        s.window = windows[0]
        x, y, w, h = s.geometry(s.window)
        expected = ((SCREEN_W - WINDOW_W) // 2, (SCREEN_H - WINDOW_H) // 2, WINDOW_W, WINDOW_H)
        if (x, y, w, h) != expected:
            raise StepFailed(f"window at {x},{y} {w}x{h}, expected {expected}")
        s.origin = (x, y)
        s.pid = int(s.xdotool("getwindowpid", s.window).strip())
        s.park_pointer()
        whole = (0, 0, WINDOW_W, WINDOW_H)
        s.wait_until(step + " (painted)", lambda: len(set(memoryview(s.settled(whole)).cast("I"))) > 1)

        step = begin("a search with results (2 channels to decode) fills the result slots and the counters")
        before = [s.settled(COUNTERS), s.settled(RESULTS)]
        s.click(*DECODE_EDIT)
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "2")
        s.click(*SEARCH_BUTTON)
        s.wait_for_change(step, [COUNTERS, RESULTS], before)

        step = begin("the next page changes the page number and the result slots")
        before = [s.settled(PAGE_NUMBER), s.settled(RESULTS)]
        s.click(*NEXT_BUTTON)
        s.wait_for_change(step, [PAGE_NUMBER, RESULTS], before)

        step = begin("the menu's Language entry switches the page's texts")
        before = [s.settled(LABELS)]
        known = s.program_windows()
        s.click(*MENU_BUTTON)
        menu = s.wait_for_new_window("the tool bar's menu button opens the menu", known)
        mx, my, mw, mh = s.geometry(menu)
        # Help, About, Language, each followed by a separator: Language is the third of
        # three equal rows.
        s.click_screen(mx + mw // 2, my + mh * 5 // 6)
        s.wait_for_change(step, [LABELS], before)

        step = begin("the tool bar's close button asks to close")
        config = os.path.join(s.unpack_folder(), "config.xml")
        with open(config, "rb") as f:
            shipped = f.read()
        known = s.program_windows()
        s.click(*CLOSE_BUTTON)
        box = s.wait_for_new_window(step, known)
        bx, by, bw, bh = s.geometry(box)
        if bw != MSG_BOX_W:
            raise StepFailed(f"{step}: a window {bw} wide appeared, not the {MSG_BOX_W}-wide question")

        step = begin("OK ends the program and the launcher, with the language saved in config.xml")
        s.click_screen(bx + MSG_BOX_OK[0], by + bh + MSG_BOX_OK[1])
        s.wait_until(step + " (the launcher still runs)", lambda: s.app.poll() is not None)
        # The launcher ends with 1 once the program it started has ended.
        if s.app.returncode != 1:
            raise StepFailed(f"{step}: the launcher ended with {s.app.returncode}")
        if os.path.exists(os.path.join(s.unpack_folder(), "Tessaly.dmp")):
            raise StepFailed(f"{step}: the program crashed (Tessaly.dmp)")
        with open(config, "rb") as f:
            saved = f.read()
        if b'<Lang value="0"' not in shipped or b'<Lang value="1"' not in saved:
            raise StepFailed(f"{step}: config.xml holds\n{saved.decode(errors='replace')}")
    except Exception as e:  # whatever broke, the report names the step
        detail = str(e) if isinstance(e, StepFailed) else f"{type(e).__name__}: {e}"
        raise StepFailed(detail if detail.startswith(step) else f"{step}: {detail}")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = [tool for tool in ("Xvfb", "xdotool") if not shutil.which(tool)]
    if missing:
        print(f"FAILED: {', '.join(missing)} missing (scripts/setup.sh installs them)", file=sys.stderr)
        return 1
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    session = Session(os.path.abspath(sys.argv[1]))
    try:
        run(session)
    except StepFailed as e:
        log = os.path.join(session.tmp, "launcher.log")
        if os.path.exists(log):
            with open(log, "rb") as f:
                sys.stderr.write("launcher and program output:\n" + f.read().decode(errors="replace") + "\n")
        if session.screen:
            shot = os.path.abspath("e2e_launcher_x11_failure.xwd")
            shutil.copyfile(session.screen.path, shot)
            print(f"the screen at the failure: {shot}", file=sys.stderr)
        print(f"FAILED at step: {e}", file=sys.stderr)
        return 1
    finally:
        session.stop()
    print(f"passed in {time.monotonic() - STARTED:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
