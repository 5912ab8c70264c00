"""Runs the real program under Xvfb, with a tray (trayer) and a PulseAudio
null sink, each test on its own display and in its own empty directory.

    with Desktop() as desk:
        game = desk.start(binary)
        field = desk.wait_window("敲洞乐")
        shot = desk.screenshot()
        desk.click(x, y)

Everything waits for a condition with a timeout, never for a fixed time
alone. Only the Python standard library and the Debian tools of
scripts/debian-packages.txt are used.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

DEFAULT_TIMEOUT = 20.0


class HarnessError(AssertionError):
    pass


def wait_until(condition, timeout=DEFAULT_TIMEOUT, interval=0.05, what="condition"):
    """Polls condition() until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise HarnessError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Screenshot:
    """The whole screen as RGB bytes, read with ImageMagick."""

    def __init__(self, path, width, height, data):
        self.path, self.width, self.height, self.data = path, width, height, data

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def region(self, x, y, w, h):
        return [[self.pixel(x + i, y + j) for i in range(w)] for j in range(h)]


def read_image(path):
    """(width, height, RGB bytes) of any image file ImageMagick reads."""
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout
    return int(size[0]), int(size[1]), data


class Window:
    def __init__(self, desk, wid):
        self.desk, self.id = desk, wid

    def geometry(self):
        """(x, y, width, height) on the screen, from xwininfo."""
        out = self.desk.run(["xwininfo", "-id", str(self.id)]).stdout
        field = lambda name: int(re.search(name + r":\s+(-?\d+)", out).group(1))
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def mapped(self):
        out = self.desk.run(["xwininfo", "-id", str(self.id)], check=False).stdout
        return "IsViewable" in out

    def prop(self, name):
        return self.desk.run(["xprop", "-id", str(self.id), name], check=False).stdout


class Desktop:
    """Xvfb + trayer + PulseAudio null sink, torn down on exit."""

    def __init__(self, width=1024, height=768, tray=True, sound=True):
        self.width, self.height = width, height
        self.tray, self.sound = tray, sound
        self.procs = []
        self.root = tempfile.mkdtemp(prefix="burrowbop-e2e-")
        self.env = dict(os.environ)
        self.workdir = os.path.join(self.root, "work")
        os.mkdir(self.workdir)
        self.program = None
        self._shots = 0

    # -- services ---------------------------------------------------------
    def __enter__(self):
        try:
            self._start_xvfb()
            if self.sound:
                self._start_pulse()
            if self.tray:
                self._start_tray()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, args, **kw):
        proc = subprocess.Popen(args, env=self.env, stdout=kw.pop("stdout", subprocess.DEVNULL),
                                stderr=kw.pop("stderr", subprocess.DEVNULL),
                                start_new_session=True, **kw)
        self.procs.append(proc)
        return proc

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                     f"{self.width}x{self.height}x24", "-nolisten", "tcp", "+extension", "SHAPE"],
                    pass_fds=(write_fd,))
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise HarnessError("Xvfb did not report its display")
                number += chunk
        self.env["DISPLAY"] = ":" + number.decode().strip()
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        wait_until(lambda: self.run(["xdpyinfo"], check=False).returncode == 0, what="Xvfb")

    def _start_pulse(self):
        runtime = os.path.join(self.root, "runtime")
        home = os.path.join(self.root, "home")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(home)
        self.env.update(XDG_RUNTIME_DIR=runtime, HOME=home, PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"))
        self.run(["pulseaudio", "--daemonize=yes", "--exit-idle-time=-1", "-n", "--use-pid-file=yes",
                  "--load=module-null-sink sink_name=null", "--load=module-native-protocol-unix"])
        wait_until(lambda: self.run(["pactl", "info"], check=False).returncode == 0, what="PulseAudio")
        self.run(["pactl", "set-default-sink", "null"], check=False)

    def _stop_pulse(self):
        if self.sound and "XDG_RUNTIME_DIR" in self.env:
            self.run(["pulseaudio", "--kill"], check=False)

    def _start_tray(self):
        # trayer now and then dies at start on a busy machine: start it again.
        log = open(os.path.join(self.root, "trayer.log"), "a")
        for attempt in range(3):
            tray = self._spawn(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request",
                                "--height", "32", "--SetDockType", "true", "--transparent", "false"],
                               stdout=log, stderr=subprocess.STDOUT)
            try:
                # Its window exists before it is mapped, and an empty tray may stay unmapped.
                wait_until(lambda: self.find_windows("trayer", check_class=True, visible=False)
                           or tray.poll() is not None, what="trayer")
            except HarnessError:
                tray.kill()
                continue
            if tray.poll() is None:
                return
        log.close()
        with open(os.path.join(self.root, "trayer.log")) as f:
            raise HarnessError("trayer did not start: " + f.read()[-500:])

    def close(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        if getattr(self, "log", None):
            self.log.close()
            self.log = None
        self._stop_pulse()
        for proc in reversed(self.procs):
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    os.killpg(proc.pid, signal.SIGKILL)
                    proc.wait()
        self.procs.clear()
        if os.environ.get("BURROWBOP_E2E_KEEP"):
            print("kept", self.root)
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    # -- the program ------------------------------------------------------
    def run(self, args, check=True, **kw):
        return subprocess.run(args, env=self.env, check=check, capture_output=True, text=True, **kw)

    def start(self, binary, *args):
        """Starts the program in the empty working directory."""
        self.log = open(os.path.join(self.root, "program.log"), "w")
        self.program = self._spawn([binary, *args], cwd=self.workdir, stdout=self.log,
                                   stderr=subprocess.STDOUT)
        return self.program

    def program_log(self):
        with open(os.path.join(self.root, "program.log")) as f:
            return f.read()

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: self.program.poll() is not None, timeout, what="the program to end")
        return self.program.returncode

    # -- windows ----------------------------------------------------------
    def find_windows(self, name, check_class=False, visible=True):
        kind = "--class" if check_class else "--name"
        only = ["--onlyvisible"] if visible else []
        out = self.run(["xdotool", "search", *only, kind, name], check=False).stdout
        return [int(w) for w in out.split()]

    def wait_window(self, name, timeout=DEFAULT_TIMEOUT):
        """The one visible window whose title matches `name` (a regex)."""
        ids = wait_until(lambda: self.find_windows(name), timeout, what=f"window {name!r}")
        return Window(self, ids[0])

    def wait_no_window(self, name, timeout=DEFAULT_TIMEOUT):
        wait_until(lambda: not self.find_windows(name), timeout, what=f"window {name!r} to go")

    # -- input and pixels -------------------------------------------------
    def move(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def click(self, x, y, button=1):
        self.move(x, y)
        self.run(["xdotool", "click", str(button)])

    def press(self, x, y, button=1):
        self.move(x, y)
        self.run(["xdotool", "mousedown", str(button)])

    def release(self, button=1):
        self.run(["xdotool", "mouseup", str(button)])

    def screenshot(self, name=None):
        self._shots += 1
        path = os.path.join(self.root, name or f"shot{self._shots}.png")
        self.run(["import", "-window", "root", path])
        w, h, data = read_image(path)
        return Screenshot(path, w, h, data)

    def keep_screenshot(self, shot, directory):
        """Copies a screenshot out of the temporary tree (for looking at it)."""
        os.makedirs(directory, exist_ok=True)
        shutil.copy(shot.path, directory)

    # -- sound ------------------------------------------------------------
    def start_recording(self):
        """Records what the null sink plays; stop_recording() returns the bytes."""
        path = os.path.join(self.root, f"sink{self._shots}.raw")
        self._rec_path = path
        self._rec = self._spawn(["parec", "-d", "null.monitor", "--raw", "--format=u8",
                                 "--channels=1", "--rate=22050", path])
        wait_until(lambda: os.path.exists(path), what="parec")
        return path

    def stop_recording(self):
        self._rec.send_signal(signal.SIGINT)
        self._rec.wait(5)
        with open(self._rec_path, "rb") as f:
            return f.read()


def start_game(test, binary, *args):
    """A desktop (closed at the test's cleanup) with the program started on it;
    returns it with the playfield and the panel window once both are shown."""
    desk = Desktop().__enter__()
    test.addCleanup(desk.close)
    desk.start(binary, *args)
    return desk, desk.wait_window("^敲洞乐$"), desk.wait_window("^Burrowbop panel$")


def loudness(samples):
    """Largest distance from silence (128) of unsigned 8-bit samples."""
    return max((abs(b - 128) for b in samples), default=0)
