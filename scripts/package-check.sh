#!/usr/bin/env bash
# Builds the .deb with CPack, installs it with apt-get as a user would,
# validates the installed desktop entry and metainfo, and starts the installed
# program once under Xvfb with openbox: its windows appear, and closing them
# ends it with exit code 0. Removes the package again unless it was installed
# before.
#   $1   build folder (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
app_id=example.quillo.Quillo

scripts/setup.sh
scripts/build.sh "$dir" >/dev/null
rm -f "$dir"/quillo_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/quillo_1.0_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "no package in $dir" >&2; exit 1; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
was_installed=0
dpkg-query -W -f='${Status}' quillo 2>/dev/null | grep -q 'install ok installed' && was_installed=1
cleanup() { [ "$was_installed" = 1 ] || $sudo dpkg --remove quillo >/dev/null 2>&1 || true; }
trap cleanup EXIT

echo "package-check: $deb"
dpkg-deb --field "$deb" Depends
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --reinstall "./$deb" >/dev/null

desktop-file-validate "/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null

python3 - /usr/bin/quillo "/usr/share/applications/$app_id.desktop" <<'PYTHON'
"""The installed program, started twice. First its version check reaches a
page on 127.0.0.1 that names our version: the installed fetch helper made
the request, and only the main window opens. Then the check goes to a closed
port on 127.0.0.1, so it fails at once and the update notice opens above the
main window; the close buttons end the program."""
import configparser
import socket
import sys
import time

sys.path.insert(0, "tests/e2e")
from desktop import Desktop  # noqa: E402

binary, entry_path = sys.argv[1], sys.argv[2]
entry = configparser.RawConfigParser(interpolation=None)
entry.optionxform = str
with open(entry_path, encoding="utf-8") as f:
    entry.read_file(f)
wm_class = entry["Desktop Entry"]["StartupWMClass"]

with socket.socket() as probe:  # a port nobody listens on
    probe.bind(("127.0.0.1", 0))
    closed = f"http://127.0.0.1:{probe.getsockname()[1]}"

with Desktop() as desktop:
    quillo = desktop.start(binary)
    (main,) = desktop.wait_windows(quillo.pid, 1)
    time.sleep(0.5)
    assert len(desktop.windows(quillo.pid)) == 1, "a notice although the page names our version"
    assert len(desktop.requests) == 1, desktop.requests
    mx, my = desktop.geometry(main)[:2]
    desktop.click(mx + 755 + 12, my + 13 + 12)
    code = quillo.wait(timeout=10)
    assert code == 0, f"exit code {code}"

with Desktop() as desktop:
    for name in ("http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY"):
        desktop.env[name] = closed
    quillo = desktop.start(binary)
    main, notice = desktop.wait_windows(quillo.pid, 2)
    assert desktop.geometry(main)[2:] == (790, 679), desktop.geometry(main)
    assert desktop.geometry(notice)[2:] == (380, 250), desktop.geometry(notice)
    # Docks match the window to the installed entry by its WM_CLASS.
    assert f'"{wm_class}"' in desktop.property(main, "WM_CLASS"), desktop.property(main, "WM_CLASS")

    nx, ny = desktop.geometry(notice)[:2]
    desktop.click(nx + 2 + 347 + 12, ny + 2 + 6 + 12)
    desktop.wait_windows(quillo.pid, 1)
    mx, my = desktop.geometry(main)[:2]
    desktop.click(mx + 755 + 12, my + 13 + 12)
    code = quillo.wait(timeout=10)
    assert code == 0, f"exit code {code}"
print("package-check: the installed program opened its windows and ended with 0")
PYTHON
