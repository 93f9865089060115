#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Korvane developers
"""Drives the web release's page in headless Chromium through WebDriver, with
the browser's own mouse and key events, as a student would: the window found
on the page, the read-out, a 4-slit and a 20-slit run, compared with the
pictures of the Linux program and with the phasor sum worked independently by
scripts/x11/profile.py; About and back; the look-out under the pointer; the
window's menu by a right click (Show maxima, the far-field curve against
scripts/x11/far_field.py, Copy picture and Copy profile data through the
browser's clipboard, Save profile data as a download against
scripts/x11/profile_csv.py); a paused run stepped by keys; no message on the
browser's console but the program's own output.

Then the page on tablets and phones, as a lesson's link, offline and by
Lighthouse (scripts/web/check_mobile.py).

Last bench_start's page (bench/bench_start.cpp) measures runs in the browser,
set beside the same program's figures on Linux.

Usage: check.py URL LINUX_SHOTS SHOTS BENCH_URL LINUX_BENCH SITE LIGHTHOUSE
  LINUX_SHOTS holds linux-4.png and linux-20.png, the Linux program's window
  after a whole run, and linux-4-kept-under-2.png, a 2-slit run with the
  4-slit run before it kept to compare (tools/make_screenshot); screenshots
  go into SHOTS;
  LINUX_BENCH is what bench_start printed on Linux; SITE is the folder the
  server serves, the page in its korvane/; LIGHTHOUSE holds npm's lighthouse."""

import base64
import json
import os
import re
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.mouse_button import MouseButton
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CLIENT = (758, 571)
# The drawing area: the scene below the "Cornu spirals" caption, down to the
# caption at the bottom, as the Windows check compares it.
SCENE = (0, 203, 758, 332)
BELOW_BUTTONS = (0, 40, 758, 531)
# The same below the kept profiles' legend, whose text the browser sets in
# its own hinting; and the legend's line.
BELOW_LEGEND = (0, 305, 758, 230)
LEGEND = (2, 280, 230, 24)
# The round marks of the "2" and "4" options, in pixels at 100 %.
SLIT_OPTIONS = {"2": (1560 // 15, 1080 // 15, 14, 13), "4": (2520 // 15, 1080 // 15, 14, 13)}
# Where the grating picture stands in the client area, in pixels at 100 %.
GRATING_AT = (5520 // 15, 720 // 15)


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


class Picture:
    """An RGB picture read through ImageMagick, as rows of bytes."""

    def __init__(self, png):
        ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=png, check=True,
                             stdout=subprocess.PIPE).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = ppm[header.end():]

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        start = (y * self.width + x) * 3
        return self.pixels[start:start + width * 3]

    def find(self, other):
        """Where `other` stands in this picture, or None."""
        first = other.row(0)
        for y in range(self.height - other.height + 1):
            at = self.row(y).find(first)
            while at >= 0:
                if at % 3 == 0:
                    x = at // 3
                    if all(self.row(y + r, x, other.width) == other.row(r) for r in range(other.height)):
                        return x, y
                at = self.row(y).find(first, at + 1)
        return None


def crop(png, box):
    x, y, w, h = box
    return subprocess.run(["convert", "png:-", "-crop", f"{w}x{h}+{x}+{y}", "+repage", "png:-"], input=png,
                          check=True, stdout=subprocess.PIPE).stdout


def differing_pixels(a, b):
    with tempfile.TemporaryDirectory() as scratch:
        paths = [os.path.join(scratch, n) for n in ("a.png", "b.png")]
        for path, png in zip(paths, (a, b)):
            with open(path, "wb") as f:
                f.write(png)
        result = subprocess.run(["compare", "-metric", "AE", *paths, "null:"], stderr=subprocess.PIPE, text=True)
        return int(float(result.stderr.split()[0]))


def ocr(png, language="eng", characters=None):
    """One line of text, enlarged and made black on white for Tesseract, as the Windows check reads it."""
    big = subprocess.run(["convert", "png:-", "-colorspace", "Gray", "-resize", "400%", "-threshold", "60%",
                          "-bordercolor", "white", "-border", "30", "png:-"], input=png, check=True,
                         stdout=subprocess.PIPE).stdout
    options = ["-c", f"tessedit_char_whitelist={characters}"] if characters else []
    text = subprocess.run(["tesseract", "-", "-", "-l", language, "--psm", "7", *options], input=big,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return text.decode().strip()


def legend_text(client_png):
    """The kept profiles' legend as the X11 check reads it: coloured text, so
    made grey and stretched rather than cut at a threshold; without spaces,
    which Tesseract loses at this size."""
    big = subprocess.run(["convert", "png:-", "-crop", "{2}x{3}+{0}+{1}".format(*LEGEND), "+repage", "-colorspace",
                          "Gray", "-normalize", "-resize", "300%", "-bordercolor", "white", "-border", "30", "png:-"],
                         input=client_png, check=True, stdout=subprocess.PIPE).stdout
    text = subprocess.run(["tesseract", "-", "-", "--psm", "7", "-c", "tessedit_char_whitelist=0123456789slitfrequncy(),. "],
                          input=big, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return "".join(text.decode().split())


def readout(client_png):
    """The relative frequency's read-out."""
    return ocr(crop(client_png, (272, 136, 41, 19)), characters="0123456789.,")


class Page:
    def __init__(self, url, shots, language="en-GB", before=None):
        self.shots = shots
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.TemporaryDirectory()
        # This machine's network is closed: no background connections. WebGL
        # in software (SwiftShader), as on a machine without a GPU.
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--use-angle=swiftshader",
                         "--enable-unsafe-swiftshader", "--disable-quic", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update", "--disable-sync",
                         "--window-size=1280,1024", "--force-device-scale-factor=1", f"--lang={language}",
                         "--hide-scrollbars", f"--user-data-dir={self.profile.name}"):
            options.add_argument(argument)
        self.downloads = tempfile.TemporaryDirectory()
        options.add_experimental_option("prefs", {"intl.accept_languages": language,
                                                  "download.default_directory": self.downloads.name,
                                                  "download.prompt_for_download": False})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.console = []
        if before:
            # Run in every document before its own scripts: a browser made to lack something.
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": before})
        self.driver.get(url)
        self.origin = None

    def close(self):
        self.take_console()
        self.driver.quit()
        self.profile.cleanup()
        self.downloads.cleanup()

    def take_console(self):
        self.console += self.driver.get_log("browser")

    def console_errors(self, allow=()):
        """Fails on any error or warning on the console since the last look,
        but those that say one of `allow`."""
        self.take_console()
        # Chromium's software WebGL (SwiftShader, on a machine without a GPU)
        # notes every frame it reads back to show the canvas; a page that
        # only clears a WebGL canvas gets the same.
        # Qt's web clipboard notes every copy on the console as a warning.
        # Qt asks to cancel every touch event, a touchcancel too, which
        # cannot be cancelled, and Chromium notes that.
        noted = ("GL Driver Message (OpenGL, Performance", "Ignored attempt to cancel a touchcancel event", *allow)
        errors = [entry["message"] for entry in self.console
                  if entry["level"] in ("SEVERE", "WARNING") and not any(note in entry["message"] for note in noted)
                  and not entry["message"].endswith('"copy succeeeded"')]
        if errors:
            fail("the browser's console says:\n  " + "\n  ".join(errors))
        print(f"console: no error or warning ({len(self.console)} lines)")
        self.console = []

    def wait_for_text(self, element, text, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.driver.find_element(By.ID, element).text == text:
                return
            time.sleep(0.2)
        fail(f"the page's #{element} says '{self.driver.find_element(By.ID, element).text}', not '{text}'")

    def control_key(self, key):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()

    def download(self, name, timeout=30):
        """The bytes of a file the program has offered as a download."""
        path = os.path.join(self.downloads.name, name)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if os.path.exists(path):
                time.sleep(0.5)  # written whole
                with open(path, "rb") as f:
                    return f.read()
            time.sleep(0.2)
        fail(f"no download of {name} within {timeout} s (the folder holds {os.listdir(self.downloads.name)})")

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def find_window(self, grating, timeout=60):
        """Waits for the window; returns the seconds from the page's request to a screenshot that shows it."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            shot = self.screenshot()
            # The page's own clock, from the start of its navigation.
            now = self.driver.execute_script("return performance.now()") / 1000
            found = Picture(shot).find(grating)
            if found:
                self.origin = (found[0] - GRATING_AT[0], found[1] - GRATING_AT[1])
                return now
            time.sleep(0.1)
        self.save("no-window", self.screenshot())
        fail(f"no Korvane window on the page within {timeout} s (see {self.shots}/no-window.png)")

    def client(self):
        return crop(self.screenshot(), (*self.origin, *CLIENT))

    def save(self, name, png):
        with open(os.path.join(self.shots, name + ".png"), "wb") as f:
            f.write(png)

    def click(self, x_twips, y_twips):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.origin[0] + x_twips // 15, self.origin[1] + y_twips // 15)
        actions.pointer_action.click()
        actions.perform()
        time.sleep(0.3)

    def key(self, key):
        ActionChains(self.driver).send_keys(key).perform()
        time.sleep(0.3)

    def point(self, x, y):
        """The pointer to pixel (x, y) of the client area, without a click."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.origin[0] + x, self.origin[1] + y)
        actions.perform()

    def away(self):
        """The pointer over the empty top of the window, where it shows nothing."""
        self.point(300, 100)
        time.sleep(0.8)

    def menu(self, item):
        """The window's menu by a right click, and its `item`-th entry (1 the first) by keys."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.origin[0] + 300, self.origin[1] + 300)
        actions.pointer_action.pointer_down(MouseButton.RIGHT)
        actions.pointer_action.pointer_up(MouseButton.RIGHT)
        actions.perform()
        time.sleep(0.5)
        ActionChains(self.driver).send_keys(Keys.ARROW_DOWN * item + Keys.ENTER).perform()
        time.sleep(0.5)
        self.away()

    def shown_with(self, item, name, before):
        """The client area with the menu's checkable `item` on; turned off
        again, the window must be `before`."""
        self.menu(item)
        shot = self.client()
        self.save(name, shot)
        self.menu(item)
        if differing_pixels(self.client(), before) != 0:
            fail(f"{name}: turned off again, the window is not as before")
        return shot

    def clipboard(self, kind):
        """What the browser's clipboard holds: the text, or a picture's PNG bytes."""
        script = """
            const done = arguments[arguments.length - 1];
            const kind = arguments[0];
            navigator.clipboard.read().then(async items => {
                for (const item of items) {
                    if (item.types.includes(kind)) {
                        const blob = await item.getType(kind);
                        const reader = new FileReader();
                        reader.onload = () => done(reader.result.split(",")[1]);
                        reader.readAsDataURL(blob);
                        return;
                    }
                }
                done(null);
            }).catch(() => done(null));"""
        found = self.driver.execute_async_script(script, kind)
        if found is None:
            fail(f"the browser's clipboard holds no {kind}")
        return base64.b64decode(found)

    def drag(self, from_px, to_px):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.origin[0] + from_px[0], self.origin[1] + from_px[1])
        actions.pointer_action.pointer_down()
        actions.pointer_action.move_to_location(self.origin[0] + to_px[0], self.origin[1] + to_px[1])
        actions.pointer_action.pointer_up()
        actions.perform()
        time.sleep(0.3)

    def run_until(self, name, expected_scene, timeout=240, start=True, box=SCENE):
        """Presses Start (unless told not to) and waits until the drawing area
        (or `box` of the window) is `expected_scene`; returns the seconds from
        the press."""
        if start:
            self.click(9300, 300)
        pressed = time.monotonic()
        deadline = pressed + timeout
        differ = None
        while time.monotonic() < deadline:
            client = self.client()
            differ = differing_pixels(crop(client, box), expected_scene)
            if differ == 0:
                self.save(name, client)
                return time.monotonic() - pressed
            time.sleep(0.5)
        self.save(name, client)
        fail(f"{name}: {differ} pixels of the drawing differ from the Linux program's after {timeout} s "
             f"(see {self.shots}/{name}.png)")


def profile_matches(client_png, slits, frequency):
    ppm = subprocess.run(["convert", "png:-", "ppm:-"], input=client_png, check=True, stdout=subprocess.PIPE).stdout
    result = subprocess.run([os.path.join(ROOT, "scripts/x11/profile.py"), str(slits), str(frequency), "11950"],
                            input=ppm, stdout=subprocess.PIPE)
    return result.returncode == 0


def look_out_text(client_png):
    """The look-out panel's lines as Tesseract reads the part of the window it opens in."""
    big = subprocess.run(["convert", "png:-", "-crop", "758x250+0+160", "+repage", "-colorspace", "Gray",
                          "-resize", "300%", "png:-"], input=client_png, check=True, stdout=subprocess.PIPE).stdout
    return subprocess.run(["tesseract", "-", "-"], input=big, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL).stdout.decode()


def tick_columns(client_png):
    """The pixel columns of the dark ticks under the screen line (row 437)."""
    row = Picture(crop(client_png, (0, 437, 758, 1))).row(0)
    return [x for x in range(len(row) // 3) if max(row[3 * x:3 * x + 3]) < 100]


def x11_tool(*arguments, input_png=None):
    """Runs one of the independent workings in scripts/x11, with the picture
    `input_png` as a PPM on its standard input if given; its verdict and what
    it printed."""
    ppm = None
    if input_png is not None:
        ppm = subprocess.run(["convert", "png:-", "ppm:-"], input=input_png, check=True,
                             stdout=subprocess.PIPE).stdout
    result = subprocess.run(["/usr/bin/python3", *arguments], cwd=os.path.join(ROOT, "scripts/x11"), input=ppm,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    return result.returncode == 0, result.stdout.decode().strip()


def ppm_file(png, path):
    with open(path, "wb") as f:
        f.write(subprocess.run(["convert", "png:-", "ppm:-"], input=png, check=True, stdout=subprocess.PIPE).stdout)
    return path


def bench(url, timeout=300):
    """The lines bench_start's page writes to the console, once it is done."""
    # Qt's own page for the benchmark, with the program's canvas as
    # index.html asks for it: without multisampling.
    page = Page(url, None, before="""
        const getContext = HTMLCanvasElement.prototype.getContext;
        HTMLCanvasElement.prototype.getContext = function (type, attributes) {
            const webgl = attributes && String(type).startsWith("webgl");
            return getContext.call(this, type, webgl ? { ...attributes, antialias: false } : attributes);
        };""")
    lines = []
    deadline = time.monotonic() + timeout
    try:
        while time.monotonic() < deadline:
            page.take_console()
            # Console lines come as: source, position, then the text quoted as a JSON string.
            lines = [json.loads(m[1]) for entry in page.console
                     if (m := re.search(r'\d+:\d+ (".*")$', entry["message"]))]
            if "done" in lines:
                return lines[:lines.index("done")]
            time.sleep(0.5)
    finally:
        page.close()
    fail(f"bench_start did not finish in the browser within {timeout} s: {lines}")


def run_ms(lines, slits):
    for line in lines:
        if m := re.match(rf"run S=0, {slits} slits: ([\d.]+) ms", line):
            return float(m[1])
    fail(f"no figure for a {slits}-slit run in {lines}")


def main():
    url, linux_shots, shots, bench_url, linux_bench, site, lighthouse_tool = sys.argv[1:8]
    # The grating picture as its box shows it: the box clips its right edge.
    with open(os.path.join(ROOT, "res/grating.bmp"), "rb") as f:
        grating = Picture(subprocess.run(["convert", "bmp:-", "-crop", "360x120+0+0", "+repage", "png:-"],
                                         input=f.read(), check=True, stdout=subprocess.PIPE).stdout)
    linux = {}
    for slits in (4, 20):
        with open(os.path.join(linux_shots, f"linux-{slits}.png"), "rb") as f:
            linux[slits] = crop(f.read(), SCENE)
    with open(os.path.join(linux_shots, "linux-4-kept-under-2.png"), "rb") as f:
        linux["4-kept-under-2"] = crop(f.read(), BELOW_LEGEND)

    page = Page(url, shots)
    try:
        drawn = page.find_window(grating)
        print(f"the page drew the window {drawn:.1f} s after it was asked for")
        start = page.client()
        page.save("start", start)
        shown = readout(start)
        if shown != "3.18":
            fail(f"the read-out shows '{shown}' at start, not 3.18")
        print("title and read-out at start: "
              f"'{page.driver.title}', {shown}")
        if page.driver.title != "Korvane":
            fail(f"the page's title is '{page.driver.title}', not Korvane")

        seconds = page.run_until("4-slits", linux[4])
        if not profile_matches(page.client(), 4, 20):
            fail("4 slits: the profile is not the phasor sum")
        print(f"4 slits: the drawing is the Linux program's, pixel for pixel, and the profile the phasor sum "
              f"(run {seconds:.1f} s)")

        # Keep profiles to compare, the menu's seventh item: the 4-slit run
        # kept as an outline under a 2-slit run, as the Linux program keeps it.
        page.menu(7)
        page.click(1660, 1170)
        seconds = page.run_until("4-slits-kept-under-2", linux["4-kept-under-2"], box=BELOW_LEGEND)
        kept = page.client()
        agrees, said = x11_tool("kept.py", "2", "20", "4:20:D55E00", input_png=kept)
        if not agrees:
            fail(f"the kept 4-slit outline is not where the phasor sum puts it: {said}")
        legend = legend_text(kept)
        if legend != "4slits,3.18(frequency20)":
            fail(f"the kept profiles' legend reads '{legend}', not '4 slits, 3.18 (frequency 20)'")
        page.menu(7)
        print(f"Keep profiles to compare: a 4-slit run kept under a 2-slit run, below the legend the Linux "
              f"program's drawing, pixel for pixel (run {seconds:.1f} s); the legend reads 4 slits, 3.18 (frequency 20); {said}")

        page.click(2600, 1170)  # the "4" button
        page.key(Keys.ARROW_RIGHT)
        seconds = page.run_until("20-slits", linux[20])
        shown = readout(page.client())
        if shown != "2.39":
            fail(f"the read-out shows '{shown}' for 20 slits, not 2.39")
        if not profile_matches(page.client(), 20, 15):
            fail("20 slits: the profile is not the phasor sum")
        print(f"20 slits: the drawing is the Linux program's, pixel for pixel, the profile the phasor sum, "
              f"the read-out 2.39 (run {seconds:.1f} s)")

        # About and back: the keys go to the window again with no click.
        # Below the buttons' row, where the pointer left on Start shades it
        # or not as the box comes and goes.
        finished = crop(page.client(), BELOW_BUTTONS)
        page.key(Keys.F1)
        time.sleep(0.5)
        if differing_pixels(crop(page.client(), BELOW_BUTTONS), finished) == 0:
            fail("F1 shows no About box")
        page.key(Keys.ENTER)
        time.sleep(0.5)
        if differing_pixels(crop(page.client(), BELOW_BUTTONS), finished) != 0:
            fail("the window is not as before once About is closed by Enter")
        page.control_key("s")
        saved = page.download("korvane-20-slits.png")
        if differing_pixels(saved, page.client()) != 0:
            fail("Save picture downloaded another picture than the window shows")
        print("About (F1) opened and closed by Enter; then Save picture (Ctrl+S): korvane-20-slits.png "
              "downloaded, the window's picture")

        page.click(10260, 300)  # Exit
        page.wait_for_text("message", "Korvane has ended.")
        again = page.driver.find_element(By.ID, "again")
        if not again.is_displayed():
            fail("after Exit the page offers no way to start again")
        print("Exit: the page says 'Korvane has ended.' and offers to start again")
        page.console_errors()
        again.click()
        page.find_window(grating)
        print("started again from the page: the window is back")
        page.console_errors()
    finally:
        page.close()

    # After a 4-slit run: the look-out under the pointer, and what the
    # window's menu offers, each against the Windows and X11 checks' own
    # independent workings.
    page = Page(url, shots)
    try:
        origin = re.match(r"https?://[^/]+", url)[0]
        page.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        page.find_window(grating)
        page.run_until("menu-4-slits", linux[4])
        page.away()
        unlooked = page.client()
        for column, lines in ((9150, ("Column x = 9150 twips", "Intensity: 100.0 %",
                                      "Nearest order m = 0 at x = 9150, 0 twips away")),
                              (8490, ("Column x = 8490 twips", "90.4", "Intensity: 0.7 %",
                                      "Nearest order m = 0 at x = 9150, 660 twips away"))):
            page.point(column // 15 - 40, 420)
            time.sleep(0.2)
            page.point(column // 15, 420)
            time.sleep(0.8)
            shot = page.client()
            page.save(f"look-out-{column}", shot)
            text = look_out_text(shot)
            for line in lines:
                if line not in text:
                    fail(f"look-out at {column}: '{line}' is not on the screen; read: {text}")
        page.away()
        if differing_pixels(page.client(), unlooked) != 0:
            fail("look-out: the window is not as before once the pointer has left")
        print("look-out under the pointer at columns 9150 and 8490, read off the screen; the window as before "
              "once the pointer has left")

        # The menu with no run going: Zoom in, Zoom out, Actual size, Full
        # screen; Show maxima, Show far-field curve, Keep profiles to compare
        # (Clear kept profiles only while some are kept); Copy picture, Save
        # picture, Copy profile data, Save profile data; About.
        shot = page.shown_with(5, "show-maxima", unlooked)
        if tick_columns(shot) != [84, 259, 434, 610]:
            fail(f"Show maxima: ticks at pixels {tick_columns(shot)}, not 84 259 434 610")
        print("Show maxima from the menu (a right click): ticks at pixels 84 259 434 610, where the grating "
              "equation puts m = 3 to 0; off again, the window as before")

        on = page.shown_with(6, "far-field", unlooked)
        agrees, said = x11_tool("far_field.py", "4", "20", ppm_file(unlooked, os.path.join(linux_shots, "off.ppm")),
                                ppm_file(on, os.path.join(linux_shots, "on.ppm")))
        if not agrees:
            fail(f"the far-field curve is not the formula's: {said}")
        print(f"Show far-field curve: {said}; off again, the window as before")

        page.control_key("c")
        time.sleep(0.5)
        if differing_pixels(page.clipboard("image/png"), unlooked) != 0:
            fail("Copy picture (Ctrl+C) put another picture on the browser's clipboard than the window shows")
        print("Copy picture (Ctrl+C): the window's picture on the browser's clipboard")

        page.menu(10)
        rows = page.clipboard("text/plain").decode().splitlines()
        if len(rows) != 11952 or any(len(row.split("\t")) != 7 for row in rows):
            fail(f"Copy profile data: {len(rows)} lines on the clipboard, not a header and 11951 rows of 7 values")
        page.menu(11)
        csv_path = os.path.join(linux_shots, "korvane-4-slits-f20.csv")
        with open(csv_path, "wb") as f:
            f.write(page.download("korvane-4-slits-f20.csv"))
        agrees, said = x11_tool("profile_csv.py", csv_path, "4", "20")
        said = said.replace(csv_path, os.path.basename(csv_path))
        if not agrees:
            fail(f"Save profile data: the downloaded table is not the phasor sum's: {said}")
        print(f"Copy profile data: a header and 11951 rows on the clipboard; Save profile data: {said}")
        page.console_errors()
    finally:
        page.close()

    # A slowed run, paused by Space and let go again: the page stays alive
    # while the sweep runs, and a paused run stands still.
    page = Page(url, shots)
    try:
        page.find_window(grating)
        # The slow-down bar's thumb dragged 6 pixels right: a run of some seconds.
        page.drag((6360 // 15 + 22, 250 // 15), (6360 // 15 + 28, 250 // 15))
        page.click(9300, 300)
        time.sleep(1.5)
        page.key(Keys.SPACE)
        if "(paused)" not in page.driver.title:
            fail(f"Space during a run: the page's title is '{page.driver.title}', not a paused one")
        first = page.client()
        time.sleep(1)
        second = page.client()
        page.save("paused", second)
        if differing_pixels(first, second) != 0:
            fail("a paused run does not stand still")
        if differing_pixels(crop(second, SCENE), linux[4]) == 0:
            fail("the run had ended before Space paused it")
        # Right stands at the next column with a chain, Left at the one
        # before it: Right again gives the very same picture.
        page.key(Keys.ARROW_RIGHT)
        stepped = page.client()
        if differing_pixels(stepped, second) == 0:
            fail("Right in a paused run draws no step")
        page.key(Keys.ARROW_LEFT)
        if differing_pixels(page.client(), stepped) == 0:
            fail("Left in a paused run takes no step back")
        page.key(Keys.ARROW_RIGHT)
        if differing_pixels(page.client(), stepped) != 0:
            fail("Right, Left and Right again in a paused run do not give the picture of the first Right")
        # The "2" option clicked while the run stands is held until the end.
        page.away()
        chosen = {name: crop(page.client(), box) for name, box in SLIT_OPTIONS.items()}
        page.click(1640, 1170)
        page.away()
        if any(differing_pixels(crop(page.client(), box), chosen[name]) != 0 for name, box in SLIT_OPTIONS.items()):
            fail("a slit option clicked in a paused run was taken at once, not held until the run's end")
        page.key(Keys.SPACE)
        page.run_until("resumed", linux[4], start=False)
        page.away()
        if any(differing_pixels(crop(page.client(), box), chosen[name]) == 0 for name, box in SLIT_OPTIONS.items()):
            fail("the slit option clicked in a paused run was not taken when the run ended")
        print("a slowed 4-slit run paused by Space stands still, the page's title says so, Right steps it on, "
              "Left back and Right again to the same picture, a click on the 2-slit option waits, and let go "
              "the run ends with the Linux program's drawing and then takes the click")
        page.console_errors()
    finally:
        page.close()

    # A student whose browser speaks Czech: the program's texts and numbers.
    page = Page(url, shots, "cs-CZ")
    try:
        page.find_window(grating)
        client = page.client()
        page.save("czech", client)
        shown = readout(client)
        if shown != "3,18":
            fail(f"in a Czech browser the read-out shows '{shown}', not 3,18")
        exit_caption = ocr(crop(client, (659, 11, 51, 19)), "ces")
        if exit_caption != "Konec":
            fail(f"in a Czech browser the Exit button reads '{exit_caption}', not Konec")
        page.click(10260, 300)
        page.wait_for_text("message", "Korvane skončil.")
        if page.driver.find_element(By.ID, "again").text != "Spustit Korvane znovu":
            fail("in a Czech browser the page's button is not 'Spustit Korvane znovu'")
        print("in a Czech browser: the read-out 3,18, the Exit button Konec; after it the page says "
              "'Korvane skončil.' with 'Spustit Korvane znovu'")
        page.console_errors()
    finally:
        page.close()

    # A browser without WebAssembly, and one whose WebAssembly has no SIMD:
    # the page says so, and why, and the program is not loaded.
    for lacking, before in (("WebAssembly", "delete globalThis.WebAssembly;"),
                            ("SIMD", "WebAssembly.validate = () => false;")):
        page = Page(url, shots, before=before)
        try:
            page.wait_for_text("message", "This browser cannot run Korvane.")
            detail = page.driver.find_element(By.ID, "detail").text
            if "WebAssembly with SIMD" not in detail:
                fail(f"without {lacking} the page says '{detail}'")
            if page.driver.execute_script("return performance.getEntriesByType('resource')"
                                          ".some((entry) => entry.name.endsWith('.wasm'))"):
                fail(f"without {lacking} the page still fetched the program")
            print(f"without {lacking}: the page says 'This browser cannot run Korvane.' {detail}")
            page.console_errors()
        finally:
            page.close()

    import check_mobile  # it takes its helpers from this file
    check_mobile.main(url, site, shots, grating, linux, lighthouse_tool)

    # Figures, not verdicts: how fast this machine's browser runs the sweep
    # beside the Linux program, both through the event loop alone.
    with open(linux_bench) as f:
        linux_lines = [line.strip() for line in f if line.strip() and line.strip() != "done"]
    browser_lines = bench(bench_url)
    for line in linux_lines:
        print(f"  Linux:   {line}")
    for line in browser_lines:
        print(f"  browser: {line}")
    print(f"a 20-slit run at S = 0 in the browser: {run_ms(browser_lines, 20) / run_ms(linux_lines, 20):.2f} x "
          "the Linux program's")


if __name__ == "__main__":
    main()
