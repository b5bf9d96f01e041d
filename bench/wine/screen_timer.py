#!/usr/bin/python3
"""Times programs under Wine by watching the X screen; used by side_by_side.sh.

Everything here is measured from outside, as a user sees it: a program is
started and the screen is read (GetImage on the root window) until its window
shows what it should; a key or a click goes in through XTEST, the X request
xdotool sends too, and the screen is read until it answers. Reading a strip of
a few text lines takes about 0.2 ms on Xvfb, so the answer to a key is timed
to about a millisecond; a whole window takes 3 ms on an idle machine, several
times that on a busy one.

A blinking caret changes the screen on its own, and a caret moves before the
text it follows is painted. Changes are therefore counted only beyond two
narrow columns (up to CARET_WIDTH pixels each); a shot compared with the
finished text may differ from it within one such column per row.

Subcommands (each prints one line of NAME=VALUE pairs on stdout):

  launch [--capture FILE] [--match EMPTY FINAL FINAL2] [--keep] -- CMD...
      Starts CMD and waits for its window. --capture waits until the window
      is quiet and saves its image (a calibration shot). --match times how
      long until the window's text rows look as in the shot FINAL: the rows
      of the editing area that differ between EMPTY (the program started on
      an empty file of the same name) and FINAL, leaving out rows that differ
      between FINAL and FINAL2 (two shots of the same state). Without --keep
      the program is ended afterwards.

  act --window ID --pid PID [--keys KEY...] [--click X Y]
      [--region caret|window | --rect X Y W H] [--until change|settle]
      [--watch-file PATH] [--dump PREFIX]
      Waits until the window is quiet, sends the keys (xdotool names, such as
      x, ctrl+a, ctrl+End) or a left click at window coordinates, and times
      until the region changes (change) or until it stops changing (settle:
      the last change counts). The caret region is a strip of the window
      around the blinking caret (the whole window when nothing blinks);
      --rect gives the region in window coordinates instead. --watch-file also times the last change of
      the file's size or modification time. --dump PREFIX saves the shots
      before the input and at the change as PREFIX-before.ppm, -after.ppm.

  quiet --window ID --pid PID
      Waits until the window is quiet.

  end PID...
      Ends the processes (SIGTERM, then SIGKILL) and waits for them.
"""

import argparse
import os
import pickle
import signal
import subprocess
import sys
import time
from collections import deque

from Xlib import X, XK
from Xlib import display as xdisplay
from Xlib import error as xerror
from Xlib.ext import xtest

CARET_WIDTH = 3  # the widest difference within a row that may be the caret
MATCHING_SHARE = 0.98  # of the text rows, to count the text as shown
WHITE = b"\xff\xff\xff"  # an editing area's background, blue-green-red
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
BAND = 64  # rows of the screen read with one request

now = time.perf_counter


class Shot:
    """A rectangle of the screen, in coordinates of the window it was taken
    of: x, y of its corner in the window, width w, height h, and the pixels
    (4 bytes each, rows one after the other). size: the window's width and
    height, when known."""

    def __init__(self, x, y, w, h, data, size=None):
        self.x, self.y, self.w, self.h, self.data = x, y, w, h, data
        self.size = size

    def row(self, window_row, x0=None, x1=None):
        """The pixels of a window row, from window column x0 to x1."""
        x0 = self.x if x0 is None else x0
        x1 = self.x + self.w if x1 is None else x1
        start = ((window_row - self.y) * self.w + (x0 - self.x)) * 4
        return self.data[start : start + (x1 - x0) * 4]


def save_shot(shot, path):
    with open(path, "wb") as out:
        pickle.dump(vars(shot), out)


def load_shot(path):
    with open(path, "rb") as saved:
        fields = pickle.load(saved)
    return Shot(**fields)


def save_picture(shot, path):
    """Writes a shot as a PPM picture, for looking at what was seen."""
    pixels = bytearray(shot.w * shot.h * 3)
    pixels[0::3], pixels[1::3], pixels[2::3] = shot.data[2::4], shot.data[1::4], shot.data[0::4]
    with open(path, "wb") as out:
        out.write(b"P6 %d %d 255\n" % (shot.w, shot.h) + pixels)


def span(a, b):
    """How many pixels wide the difference of two rows is (0: none)."""
    if a == b:
        return 0
    diff = int.from_bytes(a, "little") ^ int.from_bytes(b, "little")
    lowest = ((diff & -diff).bit_length() - 1) // 32
    highest = (diff.bit_length() - 1) // 32
    return highest - lowest + 1


def columns(a, b):
    """The first and last differing pixel of two rows, or None."""
    if a == b:
        return None
    diff = int.from_bytes(a, "little") ^ int.from_bytes(b, "little")
    return ((diff & -diff).bit_length() - 1) // 32, (diff.bit_length() - 1) // 32


def differing_pixels(a, b, limit):
    """The differing pixels of two rows, by index; at most limit + 1."""
    diff = int.from_bytes(a, "little") ^ int.from_bytes(b, "little")
    found, base = [], 0
    while diff and len(found) <= limit:
        pixel = ((diff & -diff).bit_length() - 1) // 32
        found.append(base + pixel)
        diff >>= (pixel + 1) * 32
        base += pixel + 1
    return found


def changed(a, b):
    """Whether two shots of the same rectangle differ beyond a caret: a
    caret blinking or moving leaves at most two narrow columns changed."""
    if a.data == b.data:
        return False
    differing = set()
    for r in range(a.y, a.y + a.h):
        row_a, row_b = a.row(r), b.row(r)
        if row_a != row_b:
            pixels = differing_pixels(row_a, row_b, 2 * CARET_WIDTH)
            if len(pixels) > 2 * CARET_WIDTH:
                return True
            differing.update(pixels)
    runs = []
    for column in sorted(differing):
        if runs and column <= runs[-1][1] + 1:
            runs[-1][1] = column
        else:
            runs.append([column, column])
    return len(runs) > 2 or any(last - first + 1 > CARET_WIDTH for first, last in runs)


class Screen:
    def __init__(self):
        self.display = xdisplay.Display()
        self.root = self.display.screen().root
        geometry = self.root.get_geometry()
        self.width, self.height = geometry.width, geometry.height
        self.pid_atom = self.display.intern_atom("_NET_WM_PID")

    def window(self, window_id):
        return self.display.create_resource_object("window", window_id)

    def placement(self, window):
        """The window's corner on the screen and its size."""
        geometry = window.get_geometry()
        corner = self.root.translate_coords(window, 0, 0)
        return corner.x, corner.y, geometry.width, geometry.height

    def shoot(self, window, rect=None, placed=None):
        """A shot of rect (x, y, w, h in window coordinates; the whole window
        when None), clipped to the screen. placed: the window's
        placement when known, saving two requests."""
        wx, wy, ww, wh = placed or self.placement(window)
        x, y, w, h = rect or (0, 0, ww, wh)
        left, top = max(wx + x, 0), max(wy + y, 0)
        right, bottom = min(wx + x + w, self.width), min(wy + y + h, self.height)
        if right <= left or bottom <= top:
            raise ValueError("the rectangle is off the screen")
        # In bands: python-xlib gathers a reply by joining what it has read
        # so far to each new piece, which makes one large image slow.
        bands = [
            self.root.get_image(
                left, band, right - left, min(BAND, bottom - band), X.ZPixmap, 0xFFFFFFFF
            ).data
            for band in range(top, bottom, BAND)
        ]
        data = bands[0] if len(bands) == 1 else b"".join(bands)
        return Shot(left - wx, top - wy, right - left, bottom - top, data, (ww, wh))

    def window_pid(self, window):
        prop = window.get_full_property(self.pid_atom, X.AnyPropertyType)
        return prop.value[0] if prop else None

    def top_windows(self):
        return self.root.query_tree().children

    def new_window(self, known, deadline):
        """Waits for a shown top-level window, not in known, of some size."""
        while now() < deadline:
            for window in self.top_windows():
                if window.id in known:
                    continue
                try:
                    if window.get_attributes().map_state != X.IsViewable:
                        continue
                    geometry = window.get_geometry()
                except xerror.XError:
                    continue
                if geometry.width * geometry.height > 10000:
                    return window
            time.sleep(0.002)
        raise SystemExit("screen_timer: no window appeared")

    # Input through XTEST.

    def press(self, keys):
        """Sends keys given as xdotool names: x, Return, ctrl+a, ctrl+End."""
        modifiers = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}
        for key in keys:
            names = key.split("+")
            codes = []
            for name in names:
                keysym = XK.string_to_keysym(modifiers.get(name, name))
                code = self.display.keysym_to_keycode(keysym)
                if not code:
                    raise SystemExit(f"screen_timer: no key for {name}")
                codes.append(code)
            for code in codes:
                xtest.fake_input(self.display, X.KeyPress, code)
            for code in reversed(codes):
                xtest.fake_input(self.display, X.KeyRelease, code)
        self.display.sync()

    def move_pointer(self, window, x, y):
        wx, wy, _, _ = self.placement(window)
        xtest.fake_input(self.display, X.MotionNotify, x=wx + x, y=wy + y)
        self.display.sync()

    def click(self):
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()


def cpu_ticks(pid):
    """User and system time of a process, in clock ticks."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])
    except (OSError, IndexError):
        return 0


def wait_quiet(screen, window, pid, quiet=0.5, timeout=30.0):
    """Waits until the window has not changed (a caret aside) for quiet
    seconds and the process used under 5% of a processor meanwhile. Returns
    whether it got quiet before the timeout."""
    start = now()
    last_shot = screen.shoot(window)
    last_change = start
    ticks = deque([(start, cpu_ticks(pid))])
    while now() - start < timeout:
        time.sleep(0.05)
        shot = screen.shoot(window)
        moment = now()
        if (shot.w, shot.h) != (last_shot.w, last_shot.h) or changed(shot, last_shot):
            last_change = moment
        last_shot = shot
        ticks.append((moment, cpu_ticks(pid)))
        while len(ticks) > 2 and moment - ticks[1][0] >= quiet:
            ticks.popleft()
        busy = (ticks[-1][1] - ticks[0][1]) / CLOCK_TICKS
        if moment - last_change >= quiet and moment - ticks[0][0] >= quiet:
            if busy <= 0.05 * (moment - ticks[0][0]):
                return True
    return False


def caret_strip(screen, window, looks=14):
    """The rows around the blinking caret, as a rectangle of the window's
    width; None when nothing blinks."""
    shots = [screen.shoot(window)]
    rows = set()
    for _ in range(looks):
        time.sleep(0.1)
        shots.append(screen.shoot(window))
        a, b = shots[-2], shots[-1]
        if a.data == b.data or (a.w, a.h) != (b.w, b.h):
            continue
        for r in range(a.y, a.y + a.h):
            width = span(a.row(r), b.row(r))
            if width > CARET_WIDTH:
                return None  # something else is still changing
            if width:
                rows.add(r)
        if rows and len(shots) > 6:
            break
    if not rows:
        return None
    shot = shots[-1]
    top = max(min(rows) - 10, shot.y)
    bottom = min(max(rows) + 11, shot.y + shot.h)
    return (shot.x, top, shot.w, bottom - top)


def running(pid):
    """Whether the process exists and has not ended (a zombie has)."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except (OSError, IndexError):
        return False


def end_processes(pids):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
    deadline = now() + 10
    for pid in pids:
        while now() < deadline and running(pid):
            time.sleep(0.05)
        if running(pid):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


# Calibration: which rows of the window hold the file's text.


def editing_rows(empty):
    """The longest run of rows whose middle pixel is white in a shot of the
    program on an empty file: its editing area."""
    middle = empty.x + empty.w // 2
    best, run_start = (0, 0), None
    for r in range(empty.y, empty.y + empty.h + 1):
        white = r < empty.y + empty.h and empty.row(r, middle, middle + 1)[:3] == WHITE
        if white and run_start is None:
            run_start = r
        elif not white and run_start is not None:
            if r - run_start > best[1] - best[0]:
                best = (run_start, r)
            run_start = None
    return best


def text_target(empty, final, final2):
    """The rows (and the columns around them) that show the file's text."""
    if (empty.w, empty.h) != (final.w, final.h) or (final.w, final.h) != (
        final2.w,
        final2.h,
    ):
        raise SystemExit("screen_timer: the calibration shots differ in size")
    top, bottom = editing_rows(empty)
    rows, left, right = [], final.x + final.w, final.x
    for r in range(top, bottom):
        if span(final.row(r), final2.row(r)) > CARET_WIDTH:
            continue  # not the same from one start to the next
        where = columns(empty.row(r), final.row(r))
        if where and where[1] - where[0] + 1 > CARET_WIDTH:
            rows.append(r)
            left = min(left, final.x + where[0])
            right = max(right, final.x + where[1] + 1)
    if not rows:
        raise SystemExit("screen_timer: the file's text shows nowhere")
    return rows, left, right


class TextTarget:
    """The file's text as the window shows it once painted (from the
    calibration shots), and whether a window shows it yet.

    A large target is first looked at through a few strips spread over it,
    the last text row included, which takes a few requests; only when the
    strips show the text is the whole of it read and checked."""

    STRIPS, STRIP_ROWS = 8, 8

    def __init__(self, empty, final, final2):
        self.rows, self.left, self.right = text_target(empty, final, final2)
        self.size = final.size
        self.wanted = {r: final.row(r, self.left, self.right) for r in self.rows}
        first, last = self.rows[0], self.rows[-1]
        self.whole = self.rect(first, last + 1)
        self.strips = [self.whole]
        if last + 1 - first > 2 * self.STRIPS * self.STRIP_ROWS:
            step = (last + 1 - self.STRIP_ROWS - first) / (self.STRIPS - 1)
            tops = [first + round(i * step) for i in range(self.STRIPS)]
            self.strips = [self.rect(top, top + self.STRIP_ROWS) for top in tops]

    def rect(self, top, bottom):
        return (self.left, top, self.right - self.left, bottom - top)

    def shown(self, screen, window, rects):
        """Whether nearly all text rows within rects look as wanted."""
        checked = matching = 0
        for rect in rects:
            shot = screen.shoot(window, rect)
            if shot.size != self.size or (shot.x, shot.y, shot.w, shot.h) != rect:
                return False
            for r in range(shot.y, shot.y + shot.h):
                if r in self.wanted:
                    checked += 1
                    matching += span(shot.row(r), self.wanted[r]) <= CARET_WIDTH
        return checked > 0 and matching >= MATCHING_SHARE * checked

    def wait(self, screen, window, started, timeout):
        """Polls until the window shows the text; returns the moment (the
        middle of the look that saw it; None after the timeout) and the
        seconds from one look to the next."""
        polls, watching = 0, now()
        while now() - started < timeout:
            asked = now()
            try:
                seen = self.shown(screen, window, self.strips)
                answered = now()
                if seen and self.strips != [self.whole]:
                    seen = self.shown(screen, window, [self.whole])
            except (xerror.XError, ValueError):
                seen, answered = False, now()
            polls += 1
            if seen:
                return (asked + answered) / 2, (answered - watching) / polls
            time.sleep(0.002)
        return None, (now() - watching) / max(polls, 1)


def cmd_launch(args):
    screen = Screen()
    target = TextTarget(*(load_shot(path) for path in args.match)) if args.match else None
    known = {w.id for w in screen.top_windows()}
    started = now()
    process = subprocess.Popen(
        args.command,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        start_new_session=True,
    )
    window = screen.new_window(known, started + args.timeout)
    result = {"window": window.id, "launcher": process.pid}
    result["window_ms"] = (now() - started) * 1000
    if target:
        seen, period = target.wait(screen, window, started, args.timeout)
        result["text_ms"] = None if seen is None else (seen - started) * 1000
        result["poll_ms"] = period * 1000
        result["text_rows"] = len(target.rows)
    pid = screen.window_pid(window) or process.pid
    result["pid"] = pid
    if args.capture:
        result["quiet"] = wait_quiet(screen, window, pid, quiet=1.0, timeout=args.timeout)
        save_shot(screen.shoot(window), args.capture)
    if not args.keep:
        end_processes(sorted({pid, process.pid}))
    emit(result)


def file_state(path):
    try:
        info = os.stat(path)
        return info.st_size, info.st_mtime_ns, info.st_ino
    except OSError:
        return None


def cmd_act(args):
    screen = Screen()
    window = screen.window(args.window)
    result = {"quiet": wait_quiet(screen, window, args.pid)}
    if args.rect:
        rect, result["region"] = tuple(args.rect), "rect"
    else:
        rect = caret_strip(screen, window) if args.region == "caret" else None
        result["region"] = "caret" if rect else "window"
    placed = screen.placement(window)
    if args.click:
        screen.move_pointer(window, *args.click)
        time.sleep(0.2)
    baseline = screen.shoot(window, rect, placed)
    watched = file_state(args.watch_file) if args.watch_file else None
    file_changed = None
    started = now()
    if args.click:
        screen.click()
    else:
        screen.press(args.keys)
    sent = now()
    result["send_ms"] = (sent - started) * 1000
    last_shot, last_change, polls, screen_done = baseline, None, 0, False
    while now() - started < args.timeout:
        asked = now()
        shot = screen.shoot(window, rect, placed)
        answered = now()
        polls += 1
        if args.watch_file:
            state = file_state(args.watch_file)
            if state != watched:
                watched, file_changed = state, answered
        if not screen_done:
            if args.until == "change":
                if changed(shot, baseline):
                    last_change = (asked + answered) / 2
                    screen_done = True
                    if args.dump:
                        save_picture(baseline, args.dump + "-before.ppm")
                        save_picture(shot, args.dump + "-after.ppm")
            else:
                if changed(shot, last_shot):
                    last_change = (asked + answered) / 2
                last_shot = shot
                if answered - (last_change or started) >= args.settle:
                    screen_done = True
        file_done = not args.watch_file or (
            file_changed is not None and answered - file_changed >= 1.0
        )
        if screen_done and file_done:
            break
        time.sleep(args.pause)
    result["ms"] = None if last_change is None else (last_change - started) * 1000
    result["poll_ms"] = (now() - started) * 1000 / max(polls, 1)
    if args.watch_file:
        result["file_ms"] = None if file_changed is None else (file_changed - started) * 1000
    emit(result)


def emit(result):
    """Prints NAME=VALUE pairs: numbers, yes or no, none for no value."""

    def shown(value):
        if value is None:
            return "none"
        if isinstance(value, bool):
            return "yes" if value else "no"
        if isinstance(value, float):
            return f"{value:.2f}"
        return str(value)

    print(" ".join(f"{name}={shown(value)}" for name, value in result.items()))


def cmd_quiet(args):
    screen = Screen()
    window = screen.window(args.window)
    emit({"quiet": wait_quiet(screen, window, args.pid, quiet=args.quiet)})


def cmd_end(args):
    end_processes(args.pids)
    emit({"ended": len(args.pids)})


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = parser.add_subparsers(dest="what", required=True)

    launch = sub.add_parser("launch")
    launch.add_argument("--capture")
    launch.add_argument("--match", nargs=3, metavar=("EMPTY", "FINAL", "FINAL2"))
    launch.add_argument("--keep", action="store_true")
    launch.add_argument("--timeout", type=float, default=60.0)
    launch.add_argument("command", nargs="+")
    launch.set_defaults(run=cmd_launch)

    act = sub.add_parser("act")
    act.add_argument("--window", type=lambda s: int(s, 0), required=True)
    act.add_argument("--pid", type=int, required=True)
    act.add_argument("--keys", nargs="+", default=[])
    act.add_argument("--click", nargs=2, type=int, metavar=("X", "Y"))
    act.add_argument("--region", choices=("caret", "window"), default="caret")
    act.add_argument("--rect", nargs=4, type=int, metavar=("X", "Y", "W", "H"))
    act.add_argument("--until", choices=("change", "settle"), default="change")
    act.add_argument("--settle", type=float, default=1.0)
    act.add_argument("--watch-file")
    act.add_argument("--pause", type=float, default=0.0005)
    act.add_argument("--dump", metavar="PREFIX", help="save the shots before and at the change")
    act.add_argument("--timeout", type=float, default=60.0)
    act.set_defaults(run=cmd_act)

    quiet = sub.add_parser("quiet")
    quiet.add_argument("--window", type=lambda s: int(s, 0), required=True)
    quiet.add_argument("--pid", type=int, required=True)
    quiet.add_argument("--quiet", type=float, default=0.5)
    quiet.set_defaults(run=cmd_quiet)

    end = sub.add_parser("end")
    end.add_argument("pids", nargs="+", type=int)
    end.set_defaults(run=cmd_end)

    args = parser.parse_args()
    if args.what == "act" and not (args.keys or args.click):
        parser.error("act needs --keys or --click")
    args.run(args)


if __name__ == "__main__":
    sys.exit(main())
