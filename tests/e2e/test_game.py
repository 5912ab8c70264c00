"""The game as a player meets it: the real program under Xvfb with a tray
and a sound sink, clicked with xdotool. Screenshots are compared with the
assets themselves.

    python3 test_game.py BINARY ASSET_DIR [unittest arguments]
"""

import os
import signal
import sys
import time
import unittest

import harness

BINARY = ASSETS = None
BURROWS = [(187, 48), (247, 58), (304, 66), (127, 79), (189, 90), (262, 98),
           (75, 116), (146, 126), (222, 134)]


def asset(name):
    w, h, data = harness.read_image(os.path.join(ASSETS, name))
    return harness.Screenshot(name, w, h, data)


def same(shot, sx, sy, picture, px, py, w, h):
    """Whether a screen rectangle shows exactly that part of a picture."""
    return all(shot.pixel(sx + i, sy + j) == picture.pixel(px + i, py + j)
               for j in range(h) for i in range(w))


class GameTest(unittest.TestCase):
    def setUp(self):
        self.desk, self.field, self.panel = harness.start_game(self, BINARY)
        self.fx, self.fy, _, _ = self.field.geometry()
        self.background = asset("BACKGROUND.bmp")
        self.leds = asset("LEDDIGITS.bmp")
        self.scores = asset("SCOREDIGITS.bmp")
        # The first picture is on the screen once the board's middle shows.
        harness.wait_until(lambda: self.board_plain(self.desk.screenshot()), what="the first paint")

    def tearDown(self):
        shots = os.environ.get("BURROWBOP_E2E_SHOTS")
        if shots:
            self.desk.keep_screenshot(self.desk.screenshot(f"{self._testMethodName}.png"), shots)

    # -- reading the screen -------------------------------------------------
    def board_plain(self, shot):
        return same(shot, self.fx + 64, self.fy + 40, self.background, 64, 40, 300, 200)

    def digits(self, shot, strip, left):
        """The two digits the panel shows at `left`, None if unreadable."""
        px, py = self.fx + 69 + left, self.fy - 100 + 36
        found = []
        for k in range(2):
            match = [d for d in range(10) if same(shot, px + 16 * k, py, strip, 16 * d, 0, 16, 21)]
            if len(match) != 1:
                return None
            found.append(match[0])
        return 10 * found[0] + found[1]

    def time_left(self, shot=None):
        return self.digits(shot or self.desk.screenshot(), self.leds, 88)

    def score(self, shot=None):
        return self.digits(shot or self.desk.screenshot(), self.scores, 208)

    def rats_out(self, shot):
        """Burrows whose hole no longer shows the bare board."""
        return [(x, y) for x, y in BURROWS
                if not same(shot, self.fx + x + 20, self.fy + y + 40, self.background, x + 20, y + 40, 16, 10)]

    def click_panel_button(self, index):
        self.desk.click(self.fx + 69 + 25 + 55 * index + 15, self.fy - 100 + 75 + 12)

    def new_game(self):
        self.click_panel_button(0)
        harness.wait_until(lambda: (self.time_left() or 59) < 59, timeout=10, what="the countdown")

    # -- the tests ----------------------------------------------------------
    def test_windows_appear_together_shaped_and_off_the_taskbar(self):
        self.assertEqual(self.field.geometry()[2:], (437, 284))
        px, py, pw, ph = self.panel.geometry()
        self.assertEqual((pw, ph), (300, 100))
        self.assertEqual((px - self.fx, py - self.fy), (69, -100))
        # Centred on the 1024 x 768 screen.
        self.assertEqual((self.fx, self.fy), ((1024 - 437) // 2, (768 - 284) // 2))
        self.assertIn("_NET_WM_STATE_SKIP_TASKBAR", self.field.prop("_NET_WM_STATE"))
        shot = self.desk.screenshot()
        self.assertTrue(self.board_plain(shot))
        panel = asset("CONTROL1.bmp")
        self.assertTrue(same(shot, px, py + 15, panel, 0, 15, 300, 20))
        self.assertEqual((self.time_left(shot), self.score(shot)), (59, 0))
        # The corner outside the rounded region shows and gets what lies beneath.
        self.assertEqual(shot.pixel(self.fx + 1, self.fy + 283), (0, 0, 0))
        for x, y, inside in [(2, 282, False), (434, 282, False), (218, 150, True)]:
            self.desk.move(self.fx + x, self.fy + y)
            under = self.desk.run(["xdotool", "getmouselocation", "--shell"]).stdout
            self.assertEqual(f"WINDOW={self.field.id}" in under, inside, (x, y, under))

    def test_rats_come_out_time_runs_and_a_hit_scores_with_a_sound(self):
        self.assertEqual(self.rats_out(self.desk.screenshot()), [])
        self.new_game()
        harness.wait_until(lambda: self.rats_out(self.desk.screenshot()), timeout=10, what="a rat")
        self.desk.start_recording()
        time.sleep(1)  # the recording must run before the sound starts

        def hit():
            for x, y in BURROWS:
                self.desk.click(self.fx + x + 28, self.fy + y + 50)
            return self.score() or 0
        self.assertGreater(harness.wait_until(hit, timeout=40, interval=0, what="a hit"), 0)

        # The sink's recording reaches the file in chunks; more hits give more
        # sounds while we wait for one to arrive.
        def heard():
            if harness.loudness(self.recorded()) > 16:
                return True
            hit()
            return False
        try:
            harness.wait_until(heard, timeout=30, interval=0.2, what="the hit sound on the sink")
        except harness.HarnessError:
            self.fail("no sound reached the sink; the program said:\n" + self.desk.program_log()[-1500:])
        self.desk.stop_recording()

    def recorded(self):
        with open(self.desk._rec_path, "rb") as f:
            return f.read()

    def test_pause_stops_the_time(self):
        self.new_game()
        self.click_panel_button(1)
        shown = self.time_left()
        # Paused, the clock must not move over the next seconds.
        deadline = time.monotonic() + 2.5
        while time.monotonic() < deadline:
            self.assertEqual(self.time_left(), shown)
        self.click_panel_button(1)
        harness.wait_until(lambda: (self.time_left() or shown) < shown, timeout=10, what="the time to run again")

    def test_close_ends_the_program_and_writes_ten_sections(self):
        self.new_game()
        self.click_panel_button(2)
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assert_score_file()

    def test_a_termination_signal_saves_the_table(self):
        self.desk.program.send_signal(signal.SIGTERM)
        self.assertEqual(self.desk.wait_exit(), 0)
        self.assert_score_file()

    def assert_score_file(self):
        with open(os.path.join(self.desk.workdir, "rat.ini"), "rb") as f:
            text = f.read().decode("ascii")
        sections = [line.strip() for line in text.splitlines() if line.startswith("[")]
        self.assertEqual(sections, [f"[{i}]" for i in range(10)])
        self.assertEqual(text.count("Score=--"), 10)


if __name__ == "__main__":
    BINARY, ASSETS = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
