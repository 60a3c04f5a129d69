#!/usr/bin/env python3
"""End-to-end test of the real program under Xvfb, driven as a person would.

Starts tavrel on a private X server, presses Return on the About page, types the
complete live-in example into the form with Tab, presses Return to calculate, checks
screenshots (the About title's colour, the results below the fields), saves the inputs
through the real file dialog and checks the saved file, then quits from the File menu.

Usage: tavrel_e2e.py <tavrel binary> <folder for screenshots and files>
Exit status: 0 passed, 1 failed, 77 skipped (no X server could be started).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
SCREEN = (1440, 900)

# Field entries in input order: price, down payment, mortgage, rate, length, closing
# costs, tax rate, rent, property taxes, insurance, utilities, maintenance, five growth
# rates, price growth, second mortgage (amount, rate, length), return on investments.
LIVE_IN = ["250000", "50000", "200000", "6", "30", "5000", "25", "1500", "3000", "1000", "0",
           "1000", "3", "3", "3", "3", "3", "3", "0", "0", "0", "5"]
# The keyboard reaches the fields in their creation order: field 4 after field 16.
TAB_ORDER = [0, 1, 2, 3] + list(range(5, 17)) + [4] + list(range(17, 22))

TITLE_BLUE = (23, 33, 204)


class Failure(Exception):
    pass


def log(*args):
    print("[e2e]", *args, flush=True)


def start_xvfb():
    """Starts Xvfb on a free display; returns (process, display) or None."""
    if shutil.which("Xvfb") is None:
        return None
    read_fd, write_fd = os.pipe()
    try:
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    except OSError:
        return None
    os.close(write_fd)
    number = b""
    deadline = time.time() + 15
    os.set_blocking(read_fd, False)
    while time.time() < deadline and not number.endswith(b"\n"):
        if proc.poll() is not None:
            break
        try:
            chunk = os.read(read_fd, 16)
            if chunk == b"":
                break
            number += chunk
        except BlockingIOError:
            time.sleep(0.05)
    os.close(read_fd)
    if not number.strip().isdigit():
        proc.kill()
        proc.wait()
        return None
    return proc, ":" + number.strip().decode()


class Session:
    def __init__(self, display, workdir):
        self.display = display
        self.workdir = workdir
        self.env = dict(os.environ)
        self.env["DISPLAY"] = display
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.env["HOME"] = workdir
        self.env.pop("XDG_CURRENT_DESKTOP", None)
        self.shots = 0

    def run(self, *args, timeout=20, check=True):
        result = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise Failure("%s failed (%d): %s" % (" ".join(args), result.returncode,
                                                   result.stderr.strip()))
        return result.stdout

    def xdotool(self, *args, timeout=20, check=True):
        return self.run("xdotool", *args, timeout=timeout, check=check)

    def find_window(self, title, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            out = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
            ids = out.split()
            if ids:
                return ids[0]
            time.sleep(0.2)
        raise Failure("no window titled %r within %d s" % (title, timeout))

    def visible_windows(self):
        return set(self.xdotool("search", "--onlyvisible", "--name", "", check=False).split())

    def wait_for_new_window(self, known, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            time.sleep(0.3)
            new = self.visible_windows() - known
            for window in new:
                name = self.xdotool("getwindowname", window, check=False).strip()
                if name:  # a titled top-level window, not a menu popup
                    log("new window:", repr(name))
                    return window
        self.screenshot("no-dialog")
        raise Failure("no dialog appeared within %d s" % timeout)

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def focus(self, window):
        self.xdotool("windowactivate", window, check=False)
        self.xdotool("windowfocus", "--sync", window, check=False)
        time.sleep(0.3)

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", "--delay", "40", k)
        time.sleep(0.15)

    def type(self, text):
        self.xdotool("type", "--delay", "30", text)

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y))
        self.xdotool("click", "1")
        time.sleep(0.4)

    def screenshot(self, name):
        """Grabs the whole screen; returns (width, height, rgb bytes), also kept as PNG."""
        self.shots += 1
        png = os.path.join(self.workdir, "%02d-%s.png" % (self.shots, name))
        self.run("import", "-display", self.display, "-window", "root", png, timeout=30)
        ppm = self.run_bytes("convert", png, "-depth", "8", "ppm:-")
        return parse_ppm(ppm)

    def run_bytes(self, *args):
        result = subprocess.run(list(args), env=self.env, capture_output=True, timeout=30)
        if result.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(args), result.stderr.decode()))
        return result.stdout


def parse_ppm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise Failure("unexpected screenshot format %r" % fields[:1])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos:pos + width * height * 3]


def pixel(image, x, y):
    width, _, rgb = image
    i = (y * width + x) * 3
    return rgb[i], rgb[i + 1], rgb[i + 2]


def count(image, box, test):
    x0, y0, x1, y1 = box
    return sum(1 for y in range(y0, y1) for x in range(x0, x1) if test(pixel(image, x, y)))


def dark(p):
    return p[0] + p[1] + p[2] < 300


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    binary = os.path.abspath(sys.argv[1])
    artifacts = os.path.abspath(sys.argv[2])
    shutil.rmtree(artifacts, ignore_errors=True)
    os.makedirs(artifacts)
    for tool in ("xdotool", "import", "convert"):
        if shutil.which(tool) is None:
            log("missing tool:", tool, "(see scripts/packages.txt)")
            return 1

    server = start_xvfb()
    if server is None:
        log("SKIP: Xvfb could not be started")
        return SKIP
    xvfb, display = server
    log("Xvfb on", display)
    session = Session(display, artifacts)
    app = None
    try:
        app = subprocess.Popen([binary], env=session.env, cwd=artifacts,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        status = drive(session, app)
        return status
    except (Failure, subprocess.TimeoutExpired) as e:
        log("FAILED:", e)
        return 1
    finally:
        if app is not None and app.poll() is None:
            app.kill()
        if app is not None:
            out = app.communicate(timeout=10)[0].decode(errors="replace")
            if out.strip():
                log("program output:\n" + out)
        xvfb.kill()
        xvfb.wait()


def drive(session, app):
    # The About page: 640 by 400, centred, its title in blue.
    about = session.find_window("About Tavrel")
    x, y, w, h = session.geometry(about)
    log("About window at", (x, y), "size", (w, h))
    if w != 640:
        raise Failure("About window is %d wide, expected 640" % w)
    time.sleep(0.5)
    shot = session.screenshot("about")
    blue = count(shot, (x, y, x + w, y + h), lambda p: p == TITLE_BLUE)
    log("title-blue pixels on the About page:", blue)
    if blue < 50:
        raise Failure("the About title is not drawn in RGB%s" % (TITLE_BLUE,))
    background = pixel(shot, x + w // 2, y + h - 8)
    if sorted(background) != [254, 254, 255]:
        raise Failure("background %s is not the near-white design colour" % (background,))

    # Return presses Okay: the form page opens with the focus on the price field.
    session.focus(about)
    session.key("Return")
    form = session.find_window("Tavrel")
    time.sleep(0.5)
    x, y, w, h = session.geometry(form)
    log("form window at", (x, y), "size", (w, h))
    session.focus(form)
    for step, field in enumerate(TAB_ORDER):
        session.type(LIVE_IN[field])
        if step + 1 < len(TAB_ORDER):
            session.key("Tab")
    time.sleep(0.3)
    results_box = (x + 20, y + h - 250, x + min(w, 1150), y + h - 60)
    before = session.screenshot("form-filled")
    dark_before = count(before, results_box, dark)

    # Return calculates; the results appear below the fields.
    session.key("Return")
    deadline = time.time() + 15
    while True:
        time.sleep(0.5)
        after = session.screenshot("results")
        dark_after = count(after, results_box, dark)
        if dark_after >= 1000 or time.time() > deadline:
            break
    log("dark pixels in the results area: before", dark_before, "after", dark_after)
    if dark_before > 50 or dark_after < 1000:
        raise Failure("no results drawn below the fields (dark pixels %d -> %d)"
                      % (dark_before, dark_after))
    warning_blue = count(after, (x, y, x + w, y + h), lambda p: p == TITLE_BLUE)
    if warning_blue > 0:
        raise Failure("a check warning is shown (%d blue pixels)" % warning_blue)

    # File > Save Inputs... through the real dialog.
    saved = os.path.join(session.workdir, "saved-inputs.txt")
    windows_before = session.visible_windows()
    session.click(x + 20, y + 10)  # "File" on the window's menu bar
    session.key("Down", "Down", "Down", "Return")
    dialog = session.wait_for_new_window(windows_before)
    session.focus(dialog)
    session.screenshot("save-dialog")
    session.key("ctrl+a")
    session.type(saved)
    session.key("Return")
    deadline = time.time() + 15
    while time.time() < deadline and not os.path.exists(saved):
        time.sleep(0.2)
    if not os.path.exists(saved):
        session.screenshot("no-file")
        raise Failure("Save Inputs wrote no file at " + saved)
    time.sleep(0.3)
    with open(saved, encoding="utf-8") as f:
        lines = f.read().splitlines()
    expected = ["true"] + LIVE_IN
    if lines != expected:
        raise Failure("saved inputs %r, expected %r" % (lines, expected))
    log("saved inputs match")

    # File > Quit ends the program.
    session.focus(form)
    session.click(x + 20, y + 10)
    session.key("Up", "Return")
    try:
        status = app.wait(timeout=15)
    except subprocess.TimeoutExpired:
        session.screenshot("not-quit")
        raise Failure("the program did not quit from File > Quit")
    if status != 0:
        raise Failure("the program exited with status %d" % status)
    log("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
