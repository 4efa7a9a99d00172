"""Start-up benchmark of the real program against a bare Qt window.

Runs on an X server of its own (Xvfb on :95 with openbox), starts each
program through quillo-mapwatch, which times from the fork to the moment the
window is viewable and to its first drawing, under /usr/bin/time -v for the
peak resident memory.
Once the window shows, the script looks at it with xwininfo and closes it as
a user would: a click on Quillo's close button (and on the update notice's,
when one came up), Alt+F4 for the bare window, which has no button.

The version page is served on 127.0.0.1 and reached through http_proxy, so
the makers' host is never looked up. Cases, one round after another:

  answered      the page at once, with our own version (no notice)
  baseline      the bare window (bench/baseline.cpp)
  proxy 502     the proxy's name lookup of the host failed: 502, no body
  no resolver   http_proxy unset, inside a network namespace of our own
                (unshare -n, entered with nsenter) with only a down loopback:
                the lookup fails at once and no packet leaves
  never answers a server that accepts and never replies: the 8 s time-out
  never connects a listener whose queue is full: the 3 s connect time-out

Prints a Markdown table. Nothing here is a pass/fail test.
"""

import argparse
import datetime
import glob
import os
import platform
import queue
import re
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import http.server

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from desktop import PAGE_OK, run, wait_for  # noqa: E402  (shared with the e2e tests)

MAIN_SIZE = (790, 679)
NOTICE_SIZE = (380, 250)
# Centres of the close buttons inside each window (see tests/e2e).
MAIN_CLOSE = (755 + 12, 13 + 12)
NOTICE_CLOSE = (2 + 347 + 12, 2 + 6 + 12)
CONNECT_TIMEOUT_MS = 3000
TOTAL_TIMEOUT_MS = 8000


# -- servers on 127.0.0.1 ------------------------------------------------------

class _Page(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def do_GET(self):  # noqa: N802
        self.server.requests += 1
        status, body = self.server.answer
        self.send_response(status)
        if body:
            self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def page_server(status, body):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _Page)
    server.daemon_threads = True
    server.answer = (status, body)
    server.requests = 0
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Silent:
    """Accepts every connection, reads what comes and never writes."""

    def __init__(self):
        self.sock = socket.socket()
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(16)
        self.port = self.sock.getsockname()[1]
        self.accepted = 0
        threading.Thread(target=self._serve, daemon=True).start()

    def _serve(self):
        while True:
            try:
                conn, _ = self.sock.accept()
            except OSError:
                return
            self.accepted += 1
            threading.Thread(target=self._drain, args=(conn,), daemon=True).start()

    @staticmethod
    def _drain(conn):
        with conn:
            while conn.recv(4096):
                pass


class Unreachable:
    """A listener that never accepts, its one-place queue already taken: the
    kernel drops further handshakes, so a connect waits out its time-out."""

    def __init__(self):
        self.sock = socket.socket()
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(0)
        self.port = self.sock.getsockname()[1]
        self.fillers = []
        for _ in range(2):
            filler = socket.socket()
            filler.setblocking(False)
            filler.connect_ex(("127.0.0.1", self.port))
            self.fillers.append(filler)
        time.sleep(0.2)


# -- the X server ----------------------------------------------------------------

class Display:
    def __init__(self, number, screen=(1280, 1024)):
        self.name = f":{number}"
        self.number = number
        self.screen = screen
        self.processes = []

    def __enter__(self):
        if os.path.exists(f"/tmp/.X{self.number}-lock"):
            raise SystemExit(f"display {self.name} is in use (/tmp/.X{self.number}-lock)")
        self.dir = tempfile.mkdtemp(prefix="quillo-bench-")
        runtime = os.path.join(self.dir, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")
                    and not k.lower().endswith("_proxy")}
        self.env.update(DISPLAY=self.name, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8")
        width, height = self.screen
        self.processes.append(subprocess.Popen(
            ["Xvfb", self.name, "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: run(["xdpyinfo"], self.env, check=False), 10, "Xvfb")
        self.processes.append(subprocess.Popen(
            ["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: "window id" in run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                            self.env, check=False), 10, "openbox")
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
        return False


def geometry(window, env):
    values = {}
    for line in run(["xwininfo", "-id", window], env).splitlines():
        key, sep, value = line.strip().partition(":")
        if sep:
            values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]), values["Map State"])


def click(env, x, y):
    run(["xdotool", "mousemove", "--sync", str(x), str(y)], env)
    time.sleep(0.1)
    run(["xdotool", "click", "1"], env)


# -- one start of a program -------------------------------------------------------

class Outcome:
    def __init__(self, mapped_ms, first_ms, painted_ms, rss_kib, notice, status):
        self.mapped_ms = mapped_ms
        self.first_ms = first_ms  # the first window of any size, the notice perhaps
        self.painted_ms = painted_ms  # the main window's first drawing
        self.rss_kib = rss_kib
        self.notice = notice
        self.status = status


def start_once(tools, program, env, prefix=(), settle=0.3, limit=30):
    """Starts program, waits for its main window, closes it; returns Outcome."""
    timing = tempfile.NamedTemporaryFile(prefix="quillo-time-", delete=False)
    timing.close()
    command = [tools["mapwatch"], *prefix, "/usr/bin/time", "-v", "-o", timing.name, program]
    watch = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True, start_new_session=True)
    lines = queue.Queue()
    threading.Thread(target=lambda: [lines.put(l.split()) for l in watch.stdout] + [lines.put(None)],
                     daemon=True).start()

    def next_line(timeout):
        try:
            line = lines.get(timeout=timeout)
        except queue.Empty:
            raise TimeoutError(f"{os.path.basename(program)}: nothing from the watcher")
        if line is None:
            raise RuntimeError(f"{os.path.basename(program)}: the watcher stopped")
        return line

    try:
        windows = {}
        painted = {}
        mapped = first = None
        deadline = time.monotonic() + limit
        # Until the main window is mapped and drawn into.
        while mapped is None or MAIN_SIZE not in painted:
            line = next_line(max(0.1, deadline - time.monotonic()))
            if line[0] == "exit":
                raise RuntimeError(f"{os.path.basename(program)} ended before its window showed")
            size = (int(line[3]), int(line[4]))
            if line[0] == "paint":
                painted.setdefault(size, float(line[1]))
                continue
            windows[size] = line[2]
            if first is None:
                first = float(line[1])
            if size == MAIN_SIZE:
                mapped = float(line[1])
        # A user looks before clicking.
        time.sleep(settle)
        notice = None
        while True:
            try:
                line = lines.get_nowait()
            except queue.Empty:
                break
            if line and line[0] == "map":
                windows[(int(line[3]), int(line[4]))] = line[2]
        if NOTICE_SIZE in windows:
            x, y, *_ = geometry(windows[NOTICE_SIZE], env)
            notice = True
            click(env, x + NOTICE_CLOSE[0], y + NOTICE_CLOSE[1])
            time.sleep(0.1)
        x, y, width, height, state = geometry(windows[MAIN_SIZE], env)
        if (width, height) != MAIN_SIZE or state != "IsViewable":
            raise RuntimeError(f"main window is {width}x{height}, {state}")
        if program.endswith("quillo"):
            click(env, x + MAIN_CLOSE[0], y + MAIN_CLOSE[1])
        else:
            run(["xdotool", "windowactivate", "--sync", windows[MAIN_SIZE], "key", "alt+F4"], env)
        while True:
            line = next_line(10)
            if line[0] == "exit":
                status = int(line[1])
                break
        watch.wait(10)
        rss = None
        with open(timing.name, encoding="utf-8") as f:
            for row in f:
                if "Maximum resident set size" in row:
                    rss = int(row.rsplit(":", 1)[1])
        return Outcome(mapped, first, painted[MAIN_SIZE], rss, notice, status)
    finally:
        if watch.poll() is None:
            os.killpg(watch.pid, 9)
            watch.wait()
        os.unlink(timing.name)


# -- the table ---------------------------------------------------------------------

def median(values):
    return statistics.median(values) if values else float("nan")


def machine_line():
    cpu = "unknown CPU"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as f:
            for row in f:
                if row.startswith("model name"):
                    cpu = row.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    memory = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_PHYS_PAGES") / 2**30
    qt = run(["qtpaths6", "--qt-version"], os.environ, check=False).strip() or "?"
    load = " ".join(f"{v:.2f}" for v in os.getloadavg())
    return (f"{cpu}, {os.cpu_count()} cores, {memory:.0f} GiB; {platform.system()} "
            f"{platform.release()}; Qt {qt}; load average before the run {load}")


def qtest_results(tools):
    """Runs the QBENCHMARK executable; returns {function: (ms, note)}."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    out = subprocess.run([tools["bench_catalogue"], "-median", "9"], env=env, capture_output=True,
                         text=True, timeout=600)
    results, current = {}, None
    for line in out.stdout.splitlines():
        line = line.strip()
        if line.startswith("RESULT :"):
            current = line.split("::", 1)[1].split("(", 1)[0]
        elif current and "per iteration" in line:
            value, unit = line.split()[:2]
            results[current] = (float(value) * (1e-3 if unit.startswith("usec") else 1), "")
            current = None
        elif line.startswith("SKIP"):
            name = line.split("::", 1)[1].split("(", 1)[0]
            results[name] = (None, line.split(")", 1)[1].strip())
        elif line.startswith("QINFO") and "entry 98:" in line:
            results["entry98lines"] = line.split("entry 98:", 1)[1].strip()
    if out.returncode != 0:
        raise RuntimeError("bench_catalogue failed:\n" + out.stdout[-2000:] + out.stderr[-2000:])
    return results


# The start-up's phases, by the function that holds each.
PROFILE_SYMBOLS = [
    ("dynamic loading before main()", "_dl_start"),
    ("main()", "main"),
    ("QApplication", "QApplicationPrivate::init"),
    ("main window built", "quillo::MainWindow::MainWindow"),
    ("  catalogue view", "quillo::CatalogueView::CatalogueView"),
    ("    tab bar: first text measured (fonts)", "QTabBar::insertTab(int, QIcon const&, QString const&)"),
    ("  button images decoded", "quillo::platform::loadImage"),
    ("  code box", "quillo::CodeBox::CodeBox"),
    ("window shown", "quillo::MainWindow::showCentred"),
    ("event loop (painting, closing)", "QCoreApplication::exec"),
    ("fonts, wherever first needed:", None),
    ("  font list (with fontconfig's set-up)", "QFontconfigDatabase::populateFontDatabase"),
    ("    fontconfig reads its configuration", "FcInit"),
    ("  fallback fonts sorted", "QFontconfigDatabase::fallbacksForFamily"),
    ("  text shaped", "QTextEngine::shapeText"),
    ("version page: helper started, pipe read", "quillo::platform::fetchBodyWithHelper"),
]


def profile(tools, display, out):
    """One start under callgrind (instructions, each function with its
    callees) and one under perf (time by library, the kernel included)."""
    answered = page_server(200, PAGE_OK)
    with Display(display) as desk:
        env = dict(desk.env, http_proxy=f"http://127.0.0.1:{answered.server_port}")
        # Under /usr/bin/time, so the program is valgrind's child.
        start_once(tools, tools["quillo"], env, limit=120,
                   prefix=("valgrind", "-q", "--tool=callgrind", "--trace-children=yes",
                           f"--callgrind-out-file={out}.%p"))
        runs = sorted(glob.glob(out + ".*[0-9]"), key=os.path.getsize)
        for smaller in runs[:-1]:
            os.unlink(smaller)
        os.replace(runs[-1], out)
        start_once(tools, tools["quillo"], env,
                   prefix=("perf", "record", "-q", "-F", "4000", "-o", out + ".perf", "--"))
    annotated = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", out],
                               capture_output=True, text=True, timeout=600).stdout
    total, rows = 0, {}
    for line in annotated.splitlines():
        found = re.match(r"\s*([\d,]+) \(\s*[\d.]+%\)\s+(.*)", line)
        if not found:
            continue
        count = int(found.group(1).replace(",", ""))
        if found.group(2).startswith("PROGRAM TOTALS"):
            total = count
            continue
        function = found.group(2).split(":", 1)[-1].split(" [", 1)[0]
        rows.setdefault(function, count)
    print(f"Where one start's instructions go (callgrind, {total / 1e6:.0f} M instructions "
          "from exec to close, all threads; each with its callees):")
    for label, symbol in PROFILE_SYMBOLS:
        if symbol is None:
            print("  " + label)
            continue
        count = next((v for k, v in rows.items()
                      if k == symbol or k.startswith((symbol + "(", symbol + "["))), None)
        if count is not None:
            print(f"  {label:44s} {count / 1e6:8.1f} M  {100 * count / total:5.1f} %")
    dsos = subprocess.run(["perf", "report", "-i", out + ".perf", "--no-children", "--stdio", "-g",
                           "none", "--sort", "dso"], capture_output=True, text=True, timeout=600).stdout
    print("Where one start's CPU time goes by library (perf, self time, the fetch helper included):")
    for line in [l for l in dsos.splitlines() if l.strip() and not l.startswith("#")][:12]:
        print("  " + line.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", required=True, help="folder with quillo and bench/")
    parser.add_argument("--runs", type=int, default=11, help="rounds of the quick cases")
    parser.add_argument("--timeout-runs", type=int, default=5, help="runs of each time-out case")
    parser.add_argument("--display", type=int, default=95,
                        help="X display for the measurements (the profile uses 96 unless given)")
    parser.add_argument("--quillo", help="another build of the program to measure (before/after)")
    parser.add_argument("--profile", metavar="FILE",
                        help="instead of the table, profile one start with perf into FILE")
    args = parser.parse_args()

    tools = {
        "quillo": args.quillo or os.path.join(args.build, "quillo"),
        "baseline": os.path.join(args.build, "bench", "quillo-baseline"),
        "mapwatch": os.path.join(args.build, "bench", "quillo-mapwatch"),
        "bench_catalogue": os.path.join(args.build, "bench", "bench_catalogue"),
    }
    if args.profile:
        profile(tools, args.display if args.display != 95 else 96, args.profile)
        return
    machine = machine_line()
    started = datetime.datetime.now().astimezone()

    in_process = qtest_results(tools)

    answered = page_server(200, PAGE_OK)
    failed_lookup = page_server(502, b"")
    silent = Silent()
    unreachable = Unreachable()
    # One namespace for all runs, entered with nsenter: making a namespace
    # takes the kernel milliseconds that are not the program's. Without
    # CAP_SYS_ADMIN there is none, and the proxy case still runs.
    holder = subprocess.Popen(["unshare", "-n", "sleep", "3600"], stderr=subprocess.DEVNULL)
    time.sleep(0.2)
    namespace = holder.poll() is None

    samples = {name: [] for name in
               ("answered", "baseline", "proxy 502", "no resolver", "never answers",
                "never connects")}
    notices = {name: 0 for name in samples}
    try:
        with Display(args.display) as display:
            def env_with(proxy):
                env = dict(display.env)
                if proxy:
                    for name in ("http_proxy", "HTTP_PROXY"):
                        env[name] = proxy
                return env

            cases = [
                ("answered", tools["quillo"], env_with(f"http://127.0.0.1:{answered.server_port}"), ()),
                ("baseline", tools["baseline"], env_with(None), ()),
                ("proxy 502", tools["quillo"], env_with(f"http://127.0.0.1:{failed_lookup.server_port}"),
                 ()),
            ]
            if namespace:
                cases.append(("no resolver", tools["quillo"], env_with(None),
                              ("nsenter", "-t", str(holder.pid), "-n")))
            # One round to warm the page cache and the font cache; not counted.
            for _, program, env, prefix in cases:
                start_once(tools, program, env, prefix)
            for _ in range(args.runs):
                for name, program, env, prefix in cases:
                    outcome = start_once(tools, program, env, prefix)
                    samples[name].append(outcome)
                    notices[name] += bool(outcome.notice)
            slow = [
                ("never answers", env_with(f"http://127.0.0.1:{silent.port}"), TOTAL_TIMEOUT_MS),
                ("never connects", env_with(f"http://127.0.0.1:{unreachable.port}"), CONNECT_TIMEOUT_MS),
            ]
            for _ in range(args.timeout_runs):
                for name, env, _ in slow:
                    outcome = start_once(tools, tools["quillo"], env)
                    samples[name].append(outcome)
                    notices[name] += bool(outcome.notice)

    finally:
        if holder.poll() is None:
            holder.kill()
        holder.wait()
    requests = answered.requests
    mapped = {name: median([o.mapped_ms for o in runs]) for name, runs in samples.items()}
    rss = {name: median([o.rss_kib for o in runs]) / 1024 for name, runs in samples.items()}
    statuses = {o.status for runs in samples.values() for o in runs}

    print(f"Machine: {machine}")
    print(f"Date: {started:%Y-%m-%d %H:%M %Z}; rounds: {args.runs} (A B alternating), "
          f"time-out runs: {args.timeout_runs}; page requests served: {requests}; "
          f"exit codes: {sorted(statuses)}; program: {os.path.relpath(tools['quillo'])}")
    print()
    print("| Measure | Quillo | Baseline | Result | Target |")
    print("|---|---|---|---|---|")
    ratio = mapped["answered"] / mapped["baseline"]
    print(f"| Start → mapped, page answered at once (median of {len(samples['answered'])}) "
          f"| {mapped['answered']:.1f} ms | {mapped['baseline']:.1f} ms | ×{ratio:.2f} | ≤ ×1.30 |")
    painted = {name: median([o.painted_ms for o in runs]) for name in ("answered", "baseline")
               for runs in [samples[name]]}
    print(f"| Start → first drawing in the main window, page answered (median of "
          f"{len(samples['answered'])}; not a target) | {painted['answered']:.1f} ms "
          f"| {painted['baseline']:.1f} ms | ×{painted['answered'] / painted['baseline']:.2f} | |")
    print(f"| Peak RSS (median) | {rss['answered']:.1f} MiB | {rss['baseline']:.1f} MiB "
          f"| +{rss['answered'] - rss['baseline']:.1f} MiB | ≤ +15 MiB |")
    for name, what in (("proxy 502", "host unresolvable: proxy answers 502 at once"),
                       ("no resolver", "host unresolvable: no resolver (network namespace)")):
        if not samples[name]:
            print(f"| Start → mapped, {what} | not run: no network namespace | | | |")
            continue
        first = median([o.first_ms for o in samples[name]])
        print(f"| Start → mapped, {what} (median of {len(samples[name])}, notice "
              f"{notices[name]}/{len(samples[name])}; first window, the notice, {first:.1f} ms) "
              f"| {mapped[name]:.1f} ms | | "
              f"{mapped[name] - mapped['answered']:+.1f} ms vs answered | ≤ answered |")
    for name, what, limit in (("never answers", "server accepts, never answers", TOTAL_TIMEOUT_MS),
                              ("never connects", "connect never completes", CONNECT_TIMEOUT_MS)):
        print(f"| Start → mapped, {what} (median of {len(samples[name])}, notice "
              f"{notices[name]}/{len(samples[name])}) | {mapped[name]:.1f} ms | | "
              f"time-out {limit} ms {mapped[name] - limit:+.1f} ms | ≤ +150 ms |")
    build = in_process.get("buildCatalogue", (None, "not run"))
    print(f"| Catalogue build: 99 radio buttons, 7 group boxes, 3 pages (QBENCHMARK, median of 9) "
          f"| {build[0]:.3f} ms | | | ≤ 20 ms |" if build[0] is not None else
          f"| Catalogue build | {build[1]} | | | ≤ 20 ms |")
    entry = in_process.get("entry98IntoCodeBox", (None, "not run"))
    lines = in_process.get("entry98lines", "")
    print(f"| Entry 98 ({lines}) into the code box, laid out (QBENCHMARK, median of 9) "
          f"| {entry[0]:.3f} ms | | | ≤ 2 ms |" if entry[0] is not None else
          f"| Entry 98 into the code box | {entry[1]} | | | ≤ 2 ms |")
    print()
    print("Every sample (ms to mapped):")
    for name, runs in samples.items():
        if runs:
            print(f"  {name}: " + " ".join(f"{o.mapped_ms:.0f}" for o in runs))
    print("And to the main window's first drawing:")
    for name in ("answered", "baseline"):
        print(f"  {name}: " + " ".join(f"{o.painted_ms:.0f}" for o in samples[name]))


if __name__ == "__main__":
    main()
