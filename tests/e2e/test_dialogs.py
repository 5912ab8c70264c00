"""The dialogs, the command menu and the tray as a player meets them: the
real program under Xvfb with a tray and a sound sink, clicked and typed at
with xdotool.

    python3 test_dialogs.py BINARY [unittest arguments]
"""

import os
import sys
import time
import unittest

import harness

BINARY = None
GAME_SECONDS = 59
# The strikes stop this long before the end: the name dialog opens over the
# playfield, where they would land on its buttons.
STOP_EARLY = 4
# Burrow reference points; (X + 28, Y + 50) lies inside the target of every
# rising frame.
BURROWS = [(187, 48), (247, 58), (304, 66), (127, 79), (189, 90), (262, 98),
           (75, 116), (146, 126), (222, 134)]
NEW, CLOSE, ABOUT = 0, 2, 4
ABOUT_COLOUR = (34, 40, 55)  # the About window's flat background


def tray_icon_point(desk):
    """The middle of trayer's panel once our icon is embedded in it."""
    tree = desk.run(["xwininfo", "-root", "-tree"]).stdout
    lines = tree.splitlines()
    for i, line in enumerate(lines):
        if '("panel" "trayer")' in line:
            size, _, position = line.split()[-2].partition("+")
            w, h = (int(v) for v in size.split("x"))
            x, y = (int(v) for v in position.split("+"))
            children = "\n".join(lines[i + 1:i + 6])
            if '("burrowbop"' in children:
                return x + w // 2, y + h // 2
    return None


def menu_windows(desk):
    """The program's mapped popup menus. xdotool's name search does not see
    popups, so the window tree is read instead."""
    found = []
    for line in desk.run(["xwininfo", "-root", "-tree"]).stdout.splitlines():
        fields = line.split()
        if len(fields) > 4 and fields[1] == '"Burrowbop":' and '("burrowbop"' in line:
            width = int(fields[-2].split("x")[0])
            if width > 60 and harness.Window(desk, int(fields[0], 16)).mapped():
                found.append(int(fields[0], 16))
    return found


def ink(shot, window, x, y, w, h):
    """Dark pixels in a rectangle of a window: text, not the picture behind it."""
    wx, wy, _, _ = window.geometry()
    return sum(1 for row in shot.region(wx + x, wy + y, w, h) for pixel in row if max(pixel) < 140)


class DialogsTest(unittest.TestCase):
    def setUp(self):
        self.desk, self.field, self.panel = harness.start_game(self, BINARY)
        self.fx, self.fy, _, _ = self.field.geometry()
        # The panel takes clicks once its skin is on the screen.
        harness.wait_until(lambda: self.desk.screenshot().pixel(self.fx + 69 + 150, self.fy - 100 + 50)
                           != (0, 0, 0), what="the panel's first paint")

    def keep(self, name, shot=None):
        shots = os.environ.get("BURROWBOP_E2E_SHOTS")
        if shots:
            self.desk.keep_screenshot(shot or self.desk.screenshot(name), shots)

    def click_panel_button(self, index):
        self.desk.click(self.fx + 69 + 25 + 55 * index + 15, self.fy - 100 + 75 + 12)

    def quit(self):
        self.click_panel_button(CLOSE)
        self.assertEqual(self.desk.wait_exit(), 0)

    def wait_mapped(self, title):
        window = self.desk.wait_window(title)
        harness.wait_until(window.mapped, what=f"{title} mapped")
        time.sleep(0.3)  # the first paint lands after the map
        return window

    # -- the tests ----------------------------------------------------------
    def test_a_record_is_named_shown_on_the_leaderboard_and_saved(self):
        self.click_panel_button(NEW)
        started = time.monotonic()
        while time.monotonic() - started < GAME_SECONDS - STOP_EARLY:
            for x, y in BURROWS:
                self.desk.click(self.fx + x + 28, self.fy + y + 50)
        self.desk.move(5, 5)
        self.desk.wait_window("^您创造了一个新的记录$", timeout=STOP_EARLY + 30)
        time.sleep(0.3)
        self.keep("name-dialog.png")
        # The default name is selected: typing replaces it.
        self.desk.run(["xdotool", "type", "--delay", "30", "Tester"])
        self.desk.run(["xdotool", "key", "Return"])
        self.desk.wait_no_window("^您创造了一个新的记录$")
        board = self.wait_mapped("^排行榜$")
        shot = self.desk.screenshot("leaderboard.png")
        self.keep("leaderboard.png", shot)
        # The top row holds the new name, darker than the hyphens below it.
        top, below = ink(shot, board, 36, 50, 70, 14), ink(shot, board, 36, 70, 70, 14)
        self.assertGreater(top, 2 * below, (top, below))
        self.assertGreater(below, 0)
        bx, by, _, _ = board.geometry()
        self.desk.click(bx + 90 + 30, by + 270 + 12)
        self.desk.wait_no_window("^排行榜$")
        self.quit()
        with open(os.path.join(self.desk.workdir, "rat.ini"), "rb") as f:
            text = f.read().decode("gbk")
        first = text.split("[1]")[0]
        self.assertIn("Name=Tester", first)
        self.assertGreater(int(first.split("Score=")[1].split()[0]), 0)
        self.assertNotIn("Date=----/--/--", first)

    def choose_from_tray_menu(self, key):
        icon = harness.wait_until(lambda: tray_icon_point(self.desk), what="the tray icon")
        # The menu opens on the press, before the release.
        self.desk.press(*icon, button=3)
        harness.wait_until(lambda: menu_windows(self.desk), what="the menu to open")
        self.desk.release(button=3)
        time.sleep(0.3)
        self.keep(f"tray-menu-{key}.png")
        self.desk.run(["xdotool", "key", key])  # the item's accelerator
        harness.wait_until(lambda: not menu_windows(self.desk), what="the menu to close")

    def test_tray_menu_hides_and_shows_both_windows(self):
        self.choose_from_tray_menu("i")  # 隐藏(&i)
        harness.wait_until(lambda: not self.field.mapped() and not self.panel.mapped(),
                           what="both windows hidden")
        self.choose_from_tray_menu("s")  # 显示(&S)
        harness.wait_until(lambda: self.field.mapped() and self.panel.mapped(), what="both windows shown")
        fx, fy, _, _ = self.field.geometry()
        px, py, _, _ = self.panel.geometry()
        self.assertEqual((px - fx, py - fy), (69, -100))
        self.quit()

    def test_about_opens_from_the_panel_and_closes_with_its_picture(self):
        self.click_panel_button(ABOUT)
        about = self.wait_mapped("^关于$")
        x, y, w, h = about.geometry()
        self.assertEqual((w, h), (330, 269))
        # Centred on the screen at its first showing.
        self.assertEqual((x, y), ((self.desk.width - w) // 2, (self.desk.height - h) // 2))
        self.keep("about.png")
        # The command menu opened from the tray while About is shown leaves
        # the About window above the windows it blocks.
        self.choose_from_tray_menu("Escape")
        harness.wait_until(lambda: self.desk.screenshot().pixel(x + 5, y + h - 5) == ABOUT_COLOUR,
                           what="the About window on top after the tray menu")
        close = (x + 240 + 30, y + 235 + 12)
        # A press released outside the picture keeps the window open.
        self.desk.press(*close)
        self.desk.move(x + 20, y + 20)
        self.desk.release()
        time.sleep(0.3)
        self.assertTrue(about.mapped())
        self.desk.click(*close)
        self.desk.wait_no_window("^关于$")
        self.quit()


if __name__ == "__main__":
    BINARY = sys.argv[1]
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
