"""cmake --install into a temporary DESTDIR, under two prefixes: every file
lands where the freedesktop specifications look for it, nothing else is
installed, the validators accept the desktop entry and the metainfo, and the
entry, the icon and the metainfo name each other by the application id."""

import configparser
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD_DIR = os.environ.get("QUILLO_BUILD_DIR", "build")
APP_ID = os.environ.get("QUILLO_APP_ID", "example.quillo.Quillo")
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def install(prefix):
    """Installs into a fresh DESTDIR; returns (destdir, root of the prefix)."""
    destdir = tempfile.mkdtemp(prefix="quillo-install-")
    env = dict(os.environ, DESTDIR=destdir)
    subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix],
                   env=env, check=True, capture_output=True)
    return destdir, os.path.join(destdir, prefix.lstrip("/"))


def expected_files():
    files = {"bin/quillo",
             "libexec/quillo/quillo-fetch",
             f"share/applications/{APP_ID}.desktop",
             f"share/metainfo/{APP_ID}.metainfo.xml"}
    files |= {f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES}
    return files


def png_header(path):
    """(width, height, colour type) from a PNG's IHDR chunk."""
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError(f"{path} is not a PNG")
    width, height = struct.unpack(">II", head[16:24])
    return width, height, head[25]


def desktop_entry(path):
    parser = configparser.RawConfigParser(delimiters=("=",), interpolation=None)
    parser.optionxform = str  # keys are case-sensitive
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


class InstallTest(unittest.TestCase):
    def check_prefix(self, prefix):
        destdir, root = install(prefix)
        self.addCleanup(shutil.rmtree, destdir, ignore_errors=True)

        everything = set()
        for base, _, names in os.walk(destdir):
            everything |= {os.path.relpath(os.path.join(base, n), root) for n in names}
        self.assertEqual(everything, expected_files())
        for program in ("bin/quillo", "libexec/quillo/quillo-fetch"):
            self.assertTrue(os.access(os.path.join(root, program), os.X_OK), program)
        return root

    def test_prefixes(self):
        for prefix in ("/usr", "/opt/quillo"):
            with self.subTest(prefix=prefix):
                self.check_prefix(prefix)

    def test_icons_have_their_sizes_and_transparency(self):
        root = self.check_prefix("/usr")
        for n in ICON_SIZES:
            with self.subTest(size=n):
                path = os.path.join(root, f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png")
                self.assertEqual(png_header(path), (n, n, 6))  # 6: RGBA

    def test_validators_accept_the_desktop_files(self):
        root = self.check_prefix("/usr")
        desktop = os.path.join(root, f"share/applications/{APP_ID}.desktop")
        metainfo = os.path.join(root, f"share/metainfo/{APP_ID}.metainfo.xml")
        result = subprocess.run(["desktop-file-validate", desktop],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout.strip(), "", "desktop-file-validate has remarks")
        result = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_desktop_entry(self):
        root = self.check_prefix("/usr")
        entry = desktop_entry(os.path.join(root, f"share/applications/{APP_ID}.desktop"))
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Name"], "Quillo")
        self.assertEqual(entry["Name[zh]"], "Quillo盒子")
        self.assertTrue(entry["Comment"].strip())
        self.assertTrue(entry["Comment[zh]"].strip())
        # Exec names the installed program, Icon the installed icons.
        self.assertEqual(entry["Exec"], "quillo")
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["Terminal"], "false")
        self.assertEqual(set(entry["Categories"].strip(";").split(";")),
                         {"Development", "WebDevelopment"})
        # On X11 docks match windows to the entry by WM_CLASS, which Qt
        # takes from the program's file name.
        self.assertEqual(entry["StartupWMClass"], "quillo")

    def test_metainfo(self):
        root = self.check_prefix("/usr")
        component = ElementTree.parse(
            os.path.join(root, f"share/metainfo/{APP_ID}.metainfo.xml")).getroot()
        self.assertEqual(component.get("type"), "desktop-application")
        self.assertEqual(component.findtext("id"), APP_ID)
        names = {n.get(XML_LANG): n.text for n in component.findall("name")}
        self.assertEqual(names, {None: "Quillo", "zh": "Quillo盒子"})
        self.assertTrue(component.findtext("summary").strip())
        self.assertTrue(component.findall("description/p"))
        launchable = component.find("launchable")
        self.assertEqual((launchable.get("type"), launchable.text),
                         ("desktop-id", f"{APP_ID}.desktop"))
        self.assertEqual([r.get("version") for r in component.findall("releases/release")],
                         ["1.0"])
        self.assertIsNotNone(component.find("content_rating"))
        self.assertTrue(component.findtext("developer/name").strip())
        self.assertEqual(component.findtext("developer_name"),
                         component.findtext("developer/name"))


if __name__ == "__main__":
    unittest.main()
