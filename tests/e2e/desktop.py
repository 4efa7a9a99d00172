"""A desktop of the test's own for end-to-end tests of the real program.

Desktop starts Xvfb on a free display with openbox as window manager, an
HTTP server on 127.0.0.1 that the program reaches through the standard
proxy variables (so the makers' host is never looked up), and a fake
xdg-open on PATH that records the addresses handed to the desktop. It also
drives the pointer and reads window state with xdotool and xprop.
"""

import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time

PAGE_OK = "<html><body><p>版本号:1.0。</p></body></html>".encode("utf-8")


def run(command, env, check=True):
    """An X tool's output; raises when it fails and check is set."""
    result = subprocess.run(command, env=env, capture_output=True, text=True, timeout=30)
    if check and result.returncode != 0:
        raise RuntimeError(f"{command[0]} failed: {result.stderr.strip()}")
    return result.stdout


def wait_for(condition, timeout, what, step=0.05):
    """condition()'s first true value, looked for every step seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out waiting for {what}")
        time.sleep(step)


class _PageHandler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):  # noqa: N802 (the base class's naming)
        desktop = self.server.desktop
        desktop.requests.append(
            {"line": self.requestline, "headers": dict(self.headers.items())}
        )
        time.sleep(desktop.delay)
        status, body = desktop.page
        self.send_response(status)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


class Desktop:
    """Context manager; see the module's description."""

    def __init__(self, page=PAGE_OK, status=200, screen=(1280, 1024)):
        self.page = (status, page)
        self.delay = 0.0  # seconds the server waits before it answers
        self.screen = screen
        self.requests = []
        self._processes = []

    # -- setting up and tearing down --------------------------------------

    def __enter__(self):
        self.dir = tempfile.mkdtemp(prefix="quillo-e2e-")
        try:
            self._start_x()
            self._start_server()
            self._fake_xdg_open()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for process in reversed(self._processes):
            if process.poll() is None:
                process.kill()
            process.wait()
        if getattr(self, "_server", None):
            self._server.shutdown()
            self._server.server_close()
        shutil.rmtree(self.dir, ignore_errors=True)
        return False

    def _start_x(self):
        read_fd, write_fd = os.pipe()
        width, height = self.screen
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
             f"{width}x{height}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        self._processes.append(xvfb)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        runtime = os.path.join(self.dir, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"):
            self.env.pop(name, None)
        self.env.update(DISPLAY=self.display, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8")
        wm = subprocess.Popen(["openbox"], env=self.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._processes.append(wm)
        self._wait(lambda: "window id" in self._run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False), 10, "openbox")

    def _start_server(self):
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _PageHandler)
        self._server.desktop = self
        self._server.daemon_threads = True
        threading.Thread(target=self._server.serve_forever, daemon=True).start()
        proxy = f"http://127.0.0.1:{self._server.server_address[1]}"
        for name in ("http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY"):
            self.env[name] = proxy
        for name in ("no_proxy", "NO_PROXY", "all_proxy", "ALL_PROXY"):
            self.env.pop(name, None)

    def _fake_xdg_open(self):
        bin_dir = os.path.join(self.dir, "bin")
        os.mkdir(bin_dir)
        self._opened_log = os.path.join(self.dir, "opened")
        script = os.path.join(bin_dir, "xdg-open")
        with open(script, "w", encoding="utf-8") as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self._opened_log}"\n')
        os.chmod(script, 0o755)
        self.env["PATH"] = bin_dir + os.pathsep + self.env.get("PATH", "")

    # -- the program ------------------------------------------------------

    def start(self, binary, *args):
        process = subprocess.Popen([binary, *args], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self._processes.append(process)
        return process

    def opened(self):
        """Addresses handed to xdg-open so far."""
        try:
            with open(self._opened_log, encoding="utf-8") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    # -- windows and pointer ----------------------------------------------

    def windows(self, pid):
        """Visible top-level windows of the process, bottom first."""
        ids = self._run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                        check=False).split()
        mine = {int(i) for i in ids}
        return [w for w in self.stacking() if w in mine]

    def wait_windows(self, pid, count, timeout=20):
        return self._wait(lambda: (lambda w: w if len(w) == count else None)(
            self.windows(pid)), timeout, f"{count} window(s) of {pid}")

    def stacking(self):
        out = self._run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], check=False)
        if "#" not in out:
            return []
        return [int(x.strip(), 16) for x in out.split("#", 1)[1].split(",") if x.strip()]

    def geometry(self, window):
        """(x, y, width, height) of the window's client area on the screen."""
        out = self._run(["xwininfo", "-id", str(window)])
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def title(self, window):
        return self._run(["xdotool", "getwindowname", str(window)]).strip()

    def property(self, window, name):
        return self._run(["xprop", "-id", str(window), name], check=False)

    def click(self, x, y):
        self._run(["xdotool", "mousemove", "--sync", str(x), str(y)])
        time.sleep(0.15)
        self._run(["xdotool", "click", "1"])

    def drag(self, start, end, steps=10):
        self._run(["xdotool", "mousemove", "--sync", str(start[0]), str(start[1])])
        time.sleep(0.15)
        self._run(["xdotool", "mousedown", "1"])
        time.sleep(0.15)
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            self._run(["xdotool", "mousemove", str(x), str(y)])
            time.sleep(0.03)
        time.sleep(0.15)
        self._run(["xdotool", "mouseup", "1"])
        time.sleep(0.3)

    def key(self, window, key):
        self._run(["xdotool", "key", "--window", str(window), key])

    def press(self, key):
        """Types a key into the window that has the focus, as the keyboard
        does (the window may be gone before the key is released)."""
        self._run(["xdotool", "key", key])

    def screenshot(self, path):
        self._run(["import", "-window", "root", path])

    # -- plumbing ---------------------------------------------------------

    def _run(self, command, check=True):
        return run(command, self.env, check)

    @staticmethod
    def _wait(condition, timeout, what):
        return wait_for(condition, timeout, what, step=0.1)

    wait = _wait
