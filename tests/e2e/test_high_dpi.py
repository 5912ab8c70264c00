"""At a scale factor of 2 every window is twice as large, every picture is
drawn with hard pixel edges, and the game is played in its own pixels.

The reference is the same program at scale 1 on the same screen: at scale 2
each of its pixels must become a 2 x 2 block of the same colour, the
masked-out corners included, so the window shape, the board, the panel and
its buttons are all checked at once.

    python3 test_high_dpi.py PROGRAM
"""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import Desktop, HarnessError, read_image, wait_until  # noqa: E402

PROGRAM = None  # set from the command line

BOARD = (437, 284)
PANEL = (300, 100)
PANEL_OFFSET = (69, -100)       # panel position relative to the playfield
NEW_BUTTON = (25 + 15, 75 + 12)  # centre of the new-game button on the panel
SCORE_DIGITS = (208, 36, 32, 21)
# Burrow positions (X, Y), row 0 at the back. Every rising rat of a burrow
# covers the point (X + 30, Y + 50): rising frames end 56 pixels below Y,
# start at most 42 below it, and keep 10 pixels clear of either side.
BURROWS = [(187, 48), (247, 58), (304, 66),
           (127, 79), (189, 90), (262, 98),
           (75, 116), (146, 126), (222, 134)]
RAT_POINT = (30, 50)
# A place on the board for the pointer where the mallet, drawn 15 left and
# 40 above it, covers no burrow.
PARK = (400, 30)
ROOT_COLOUR = (255, 0, 255)   # a colour the art does not use
# Twice 1024 x 768, so that both scales have the same logical screen and
# the windows sit at the same logical place.
SCREEN = (2048, 1536)


class Image:
    """An RGB picture cut out of the screen."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def row(self, y):
        return self.data[3 * y * self.width:3 * (y + 1) * self.width]

    def crop(self, x, y, w, h):
        rows = [self.data[3 * ((y + j) * self.width + x):3 * ((y + j) * self.width + x + w)]
                for j in range(h)]
        return Image(w, h, b"".join(rows))

    def doubled(self):
        """Each pixel as a 2 x 2 block: what scale 2 must show."""
        rows = []
        for y in range(self.height):
            r = self.row(y)
            wide = b"".join(r[i:i + 3] * 2 for i in range(0, len(r), 3))
            rows += [wide, wide]
        return Image(2 * self.width, 2 * self.height, b"".join(rows))

    def differences(self, other, limit=5):
        """Number of differing pixels and the first few of them."""
        count, first = 0, []
        for y in range(self.height):
            a, b = self.row(y), other.row(y)
            if a == b:
                continue
            for x in range(self.width):
                if a[3 * x:3 * x + 3] != b[3 * x:3 * x + 3]:
                    count += 1
                    if len(first) < limit:
                        first.append(((x, y), self.pixel(x, y), other.pixel(x, y)))
        return count, first


class Game:
    """The program's two windows on the screen."""

    def __init__(self, desk, scale):
        self.desk, self.scale = desk, scale
        self.board = self.panel = None

    def wait_windows(self):
        want_board = (BOARD[0] * self.scale, BOARD[1] * self.scale)
        want_panel = (PANEL[0] * self.scale, PANEL[1] * self.scale)

        def found():
            out = self.desk.run(["xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.desk.program.pid)], check=False).stdout
            sizes = {}
            for wid in out.split():
                info = self.desk.run(["xwininfo", "-id", wid], check=False).stdout
                geometry = _geometry(info)
                if geometry:
                    sizes[geometry[2:]] = geometry
            if want_board in sizes and want_panel in sizes:
                return sizes[want_board], sizes[want_panel]
            return None

        try:
            self.board, self.panel = wait_until(found, what=f"windows of {want_board} and {want_panel}")
        except HarnessError:
            raise AssertionError(f"no windows of {want_board} and {want_panel} at scale "
                                 f"{self.scale}; program log:\n{self.desk.program_log()}")

    def shot(self, geometry, name):
        x, y, w, h = geometry
        path = os.path.join(self.desk.root, f"{name}.png")
        self.desk.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", path])
        return Image(*read_image(path))

    def steady(self, geometry, name):
        """The window's picture once two shots in a row agree."""
        last = [None]

        def same():
            image = self.shot(geometry, name)
            settled = last[0] is not None and image.data == last[0].data
            last[0] = image
            return image if settled else None

        return wait_until(same, interval=0.2, what=f"a steady picture of {name}")

    def click(self, geometry, point):
        s = self.scale
        self.desk.click(geometry[0] + s * point[0], geometry[1] + s * point[1])

    def move(self, geometry, point):
        s = self.scale
        self.desk.move(geometry[0] + s * point[0], geometry[1] + s * point[1])


def _geometry(xwininfo_out):
    values = {}
    for line in xwininfo_out.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    try:
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))
    except (KeyError, ValueError):
        return None


class HighDpiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.desk = Desktop(*SCREEN).__enter__()
        try:
            cls.desk.run(["xsetroot", "-solid", "#%02x%02x%02x" % ROOT_COLOUR])
            cls.desk.move(0, 0)  # off both windows: no hover pictures
            cls.desk.start(PROGRAM)
            ref = Game(cls.desk, 1)
            ref.wait_windows()
            cls.board1 = ref.steady(ref.board, "board-scale1")
            cls.panel1 = ref.steady(ref.panel, "panel-scale1")
            cls.stop_program()
            cls.check_reference_shape()
        except BaseException:
            cls.desk.close()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desk.close()

    @classmethod
    def check_reference_shape(cls):
        # The doubling checks only mean something if the shape is there.
        w, h = BOARD
        for x, y in [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]:
            if cls.board1.pixel(x, y) != ROOT_COLOUR:
                raise AssertionError(f"at scale 1 the playfield's corner {(x, y)} is not masked out")
        if cls.board1.pixel(w // 2, h // 2) == ROOT_COLOUR:
            raise AssertionError("at scale 1 the playfield's centre is masked out")

    @classmethod
    def stop_program(cls):
        cls.desk.program.terminate()
        cls.desk.wait_exit()

    def tearDown(self):
        if self.desk.program.poll() is None:
            self.stop_program()
        self.desk.env.pop("QT_SCALE_FACTOR", None)
        self.desk.run(["xrdb", "-nocpp", "-remove"], check=False)

    def keep(self, name):
        directory = os.environ.get("BURROWBOP_E2E_SHOTS")
        if directory:
            os.makedirs(directory, exist_ok=True)
            os.replace(os.path.join(self.desk.root, f"{name}.png"),
                       os.path.join(directory, f"{name}.png"))

    def start_scaled(self):
        self.desk.move(0, 0)
        self.desk.start(PROGRAM)
        game = Game(self.desk, 2)
        game.wait_windows()
        return game

    def assert_doubles(self, image, reference, what):
        expected = reference.doubled()
        count, first = image.differences(expected)
        self.assertEqual(count, 0, f"{what}: {count} device pixels differ from the scale-1 "
                                   f"picture doubled; first (x, y), shown, expected: {first}")

    def assert_scaled_idle_windows(self, game):
        bx, by = game.board[:2]
        px, py = game.panel[:2]
        self.assertEqual((px - bx, py - by), (2 * PANEL_OFFSET[0], 2 * PANEL_OFFSET[1]),
                         "the panel sits on the playfield's top edge in game pixels")
        board = game.steady(game.board, "board-scale2")
        panel = game.steady(game.panel, "panel-scale2")
        self.assert_doubles(board, self.board1, "playfield")
        self.assert_doubles(panel, self.panel1, "panel")

    def test_scale_factor_two_doubles_windows_with_hard_edges_and_hits_in_game_pixels(self):
        self.desk.env["QT_SCALE_FACTOR"] = "2"
        game = self.start_scaled()
        self.assert_scaled_idle_windows(game)
        self.keep("board-scale2")

        game.click(game.panel, NEW_BUTTON)
        x, y, w, h = SCORE_DIGITS
        px, py = game.panel[:2]
        score_area = (px + 2 * x, py + 2 * y, 2 * w, 2 * h)
        no_score = self.panel1.crop(*SCORE_DIGITS).doubled()
        idle = self.board1.doubled()
        hit_shot = self.hit_a_rat(game, idle, score_area, no_score)

        # Rats, mallet and the raised score are drawn in hard 2 x 2 blocks too.
        count, first = hit_shot.differences(self.board_blocks(hit_shot))
        self.assertEqual(count, 0, f"blurred pixels during the game: {first}")
        self.keep("game-scale2")

    def hit_a_rat(self, game, idle, score_area, no_score):
        """Clicks a rising rat until the score shows the hit."""
        deadline = time.monotonic() + 40
        while time.monotonic() < deadline:
            game.move(game.board, PARK)
            shot = game.shot(game.board, "game-scale2")
            burrow = next((b for b in BURROWS if self.rat_in(shot, idle, b)), None)
            if burrow is None:
                continue
            game.click(game.board, (burrow[0] + RAT_POINT[0], burrow[1] + RAT_POINT[1]))
            try:
                wait_until(lambda: game.shot(score_area, "score").data != no_score.data,
                           timeout=1.0, what="the score to rise")
            except HarnessError:
                continue  # the rat went down before the press; try the next one
            return game.shot(game.board, "game-scale2")
        self.fail("no hit on a rat raised the score within 40 s")

    @staticmethod
    def rat_in(shot, idle, burrow):
        """Whether a rat is out of this burrow: its lower part differs from the board."""
        bx, by = burrow
        for y in range(by + 44, by + 56):
            a = shot.row(2 * y)[6 * (bx + 2):6 * (bx + 58)]
            b = idle.row(2 * y)[6 * (bx + 2):6 * (bx + 58)]
            if a != b:
                return True
        return False

    @staticmethod
    def board_blocks(image):
        """The image with every aligned 2 x 2 block set to its top-left pixel."""
        half = Image(image.width // 2, image.height // 2, b"".join(
            b"".join(image.row(2 * y)[6 * x:6 * x + 3] for x in range(image.width // 2))
            for y in range(image.height // 2)))
        return half.doubled()

    def test_scale_two_drag_strip_is_measured_in_game_pixels(self):
        # The strip is game pixels x 16 to 283, y 0 to 14; at scale 2 each is
        # two device pixels. Presses on the outer device pixel of a border
        # pixel tell whether the pointer is read in game pixels.
        self.desk.env["QT_SCALE_FACTOR"] = "2"
        game = self.start_scaled()
        pairs = [  # a press that must not drag, then one that must (device offsets)
            ((2 * 15 + 1, 10), (2 * 283 + 1, 2 * 14 + 1)),
            ((300, 2 * 15), (2 * 16, 0)),
            ((2 * 284, 10), (300, 2 * 14 + 1)),
        ]
        step = (40, 20)
        for miss, hit in pairs:
            start = self.window_origin(game.panel)
            for offset in (miss, hit):
                x, y = start[0] + offset[0], start[1] + offset[1]
                self.desk.press(x, y)
                self.desk.move(x + step[0], y + step[1])
                self.desk.release()
            want = (start[0] + step[0], start[1] + step[1])
            try:
                wait_until(lambda: self.window_origin(game.panel) == want, timeout=5,
                           what="the panel to follow one drag")
            except HarnessError:
                self.fail(f"after pressing at {miss} (no drag) and {hit} (drag) the panel "
                          f"is at {self.window_origin(game.panel)}, expected {want}")
            game.panel = want + game.panel[2:]
            board = self.window_origin(game.board)
            self.assertEqual((want[0] - board[0], want[1] - board[1]),
                             (2 * PANEL_OFFSET[0], 2 * PANEL_OFFSET[1]),
                             "the playfield follows the panel")
            game.board = board + game.board[2:]

    def window_origin(self, geometry):
        """Where the window of this size is now (it may have moved)."""
        for wid in self.desk.run(["xdotool", "search", "--onlyvisible", "--pid",
                                  str(self.desk.program.pid)]).stdout.split():
            g = _geometry(self.desk.run(["xwininfo", "-id", wid]).stdout)
            if g and g[2:] == geometry[2:]:
                return g[:2]
        return None

    def test_192_dpi_screen_doubles_windows_like_the_scale_factor(self):
        self.desk.run(["xrdb", "-nocpp", "-merge"], input="Xft.dpi: 192\n")
        game = self.start_scaled()
        self.assert_scaled_idle_windows(game)


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main()
