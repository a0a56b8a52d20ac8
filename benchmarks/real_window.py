#!/usr/bin/env python3
"""Start-up to the first main-menu frame and the CPU of the still main menu,
measured from outside the game in a real X window (Xvfb).

    benchmarks/real_window.py BUILD_DIR [RUNS]

For each size (800 x 600, 1440 x 900) the game starts RUNS times (default 9)
on the shipped data in fresh folders. The time runs from starting the process
to the first grab of the screen (xwd) that shows the main menu as it stands
once settled (every row but a few equal to a reference grab taken first);
the screen is grabbed back to back, so the figure is late by at most one
grab. Then the CPU time the game takes over 10 s at the still main menu,
read from /proc. Median and spread are printed. Last, at both sizes, the CPU
of a finished session's results panel (KARVELIN_WINDOW_ONLY=results: that
alone). At 800 x 600 also the CPU
of each still screen a main-menu button opens (clicked with xdotool), and
with KARVELIN_WINDOW_SHOTS=<folder> a picture of each. Installs xvfb,
x11-apps and xdotool with apt when Xvfb, xwd or xdotool is missing.
"""
import os
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import zlib

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SIZES = [(800, 600, 0), (1440, 900, 7)]
BUILD_NUMBER = "232005"


def ensure_tools():
    if shutil.which("Xvfb") and shutil.which("xwd") and shutil.which("xdotool"):
        return
    subprocess.run(["apt-get", "install", "-y", "xvfb", "x11-apps", "xdotool"], check=True,
                   stdout=subprocess.DEVNULL)


def save_png(path, rows, width):
    """The grabbed rows (BGRX) as an RGB PNG."""
    data = b"".join(b"\0" + bytes(v for x in range(width) for v in (r[4 * x + 2], r[4 * x + 1], r[4 * x]))
                    for r in rows)
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, len(rows), 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(data)) + chunk(b"IEND", b""))


def grab_rows(display, width, height):
    """The game window's top-left width x height pixels, one bytes object a
    row; None while there is no such window."""
    found = subprocess.run(["xdotool", "search", "--name", "^Karvelin"], env=dict(os.environ, DISPLAY=display),
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout.split()
    if not found:
        return None
    grab = subprocess.run(["xwd", "-silent", "-id", found[0], "-display", display], stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL)
    raw = grab.stdout
    if grab.returncode != 0 or len(raw) < 100:
        return None
    header = struct.unpack(">25I", raw[:100])
    header_size, bytes_per_line, ncolours = header[0], header[12], header[19]
    if header[4] < width or header[5] < height:
        return None
    start = header_size + ncolours * 12
    return [raw[start + y * bytes_per_line:start + y * bytes_per_line + width * 4] for y in range(height)]


def differing_rows(a, b):
    return sum(1 for x, y in zip(a, b) if x != y)


def prepare(setting):
    work = tempfile.mkdtemp(prefix="karvelin-window-")
    shutil.copytree(os.path.join(HERE, "data"), os.path.join(work, "program"))
    os.makedirs(os.path.join(work, "xdg", "Karvelin"))
    with open(os.path.join(work, "xdg", "Karvelin", "Karvelin.ini"), "w") as f:
        f.write("[KARVELIN]\nBUILD=%s\nLINGUA=0\nRISOLUZIONE=%d\n" % (BUILD_NUMBER, setting))
    return work


def start_game(build, work, display):
    env = dict(os.environ, DISPLAY=display, XDG_DATA_HOME=os.path.join(work, "xdg"), SDL_AUDIODRIVER="dummy")
    env.pop("SDL_VIDEODRIVER", None)
    env.pop("SDL_RENDER_DRIVER", None)
    return subprocess.Popen([os.path.join(build, "app", "karvelin")], cwd=os.path.join(work, "program"), env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def stop(game):
    game.send_signal(signal.SIGTERM)
    try:
        game.wait(5)
    except subprocess.TimeoutExpired:
        game.kill()
        game.wait()


# The still screens a main-menu button opens, with its place on an
# 800 x 600 window.
STILL_SCREENS = [("tackle box", 100, 225), ("options", 100, 375), ("venues", 100, 255), ("fishes", 100, 315),
                 ("baits", 100, 285), ("records", 100, 345)]


def still_screens(build, display):
    shots = os.environ.get("KARVELIN_WINDOW_SHOTS")
    for name, x, y in STILL_SCREENS:
        work = prepare(0)
        game = start_game(build, work, display)
        time.sleep(4.0)
        env = dict(os.environ, DISPLAY=display)
        window = subprocess.run(["xdotool", "search", "--name", "Karvelin"], env=env, stdout=subprocess.PIPE,
                                text=True).stdout.split()[0]
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], env=env, check=True)
        time.sleep(0.5)
        subprocess.run(["xdotool", "mousemove", "--window", window, "790", "590"], env=env, check=True)
        time.sleep(2.0)
        c0 = cpu_seconds(game.pid)
        time.sleep(10.0)
        idle = (cpu_seconds(game.pid) - c0) / 10.0
        if shots:
            save_png(os.path.join(shots, name.replace(" ", "_") + ".png"), grab_rows(display, 800, 600), 800)
        stop(game)
        shutil.rmtree(work)
        print("800x600: still %s %.1f %% of a core" % (name, idle * 100))


def results_panel(build, display):
    """The CPU of a finished session's results panel, the session animating
    under it: start fishing, OK on the start panel, Esc and Yes."""
    shots = os.environ.get("KARVELIN_WINDOW_SHOTS")
    env = dict(os.environ, DISPLAY=display)
    for width, height, setting in SIZES:
        ox, oy = max(0, (width - 800) // 2), max(0, (height - 600) // 2)
        work = prepare(setting)
        game = start_game(build, work, display)
        time.sleep(4.0)
        window = subprocess.run(["xdotool", "search", "--name", "Karvelin"], env=env, stdout=subprocess.PIPE,
                                text=True).stdout.split()[0]
        for x, y in [(135, 152), (400, 352)]:
            subprocess.run(["xdotool", "mousemove", "--window", window, str(x + ox), str(y + oy), "click", "1"],
                           env=env, check=True)
            time.sleep(1.0)
        subprocess.run(["xdotool", "key", "--window", window, "Escape"], env=env, check=True)
        time.sleep(0.5)
        subprocess.run(["xdotool", "mousemove", "--window", window, str(325 + ox), str(362 + oy), "click", "1"],
                       env=env, check=True)
        time.sleep(2.0)
        c0 = cpu_seconds(game.pid)
        time.sleep(10.0)
        busy = (cpu_seconds(game.pid) - c0) / 10.0
        if shots:
            save_png(os.path.join(shots, "results_%dx%d.png" % (width, height)), grab_rows(display, width, height),
                     width)
        stop(game)
        shutil.rmtree(work)
        print("%dx%d: results panel %.1f %% of a core" % (width, height, busy * 100))


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 9
    ensure_tools()
    display = ":%d" % (90 + os.getpid() % 100)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    try:
        if os.environ.get("KARVELIN_WINDOW_ONLY") == "results":
            results_panel(build, display)
            return
        for width, height, setting in SIZES:
            # The settled main menu, for reference.
            work = prepare(setting)
            game = start_game(build, work, display)
            time.sleep(4.0)
            reference = grab_rows(display, width, height)
            c0 = cpu_seconds(game.pid)
            time.sleep(10.0)
            idle = (cpu_seconds(game.pid) - c0) / 10.0
            stop(game)
            shutil.rmtree(work)
            times = []
            for _ in range(runs):
                time.sleep(0.5)  # the last game's window gone
                work = prepare(setting)
                t0 = time.monotonic()
                game = start_game(build, work, display)
                seen = None
                while time.monotonic() - t0 < 20:
                    rows = grab_rows(display, width, height)
                    if rows and differing_rows(rows, reference) <= height // 100:
                        seen = time.monotonic() - t0
                        break
                stop(game)
                shutil.rmtree(work)
                if seen is None:
                    print("%dx%d: the main menu was not seen" % (width, height))
                    continue
                times.append(seen * 1000)
            if times:
                print("%dx%d: first main-menu frame after %.0f ms (median of %d; %.0f to %.0f); "
                      "still main menu %.1f %% of a core" % (width, height, statistics.median(times), len(times),
                                                             min(times), max(times), idle * 100))
        still_screens(build, display)
        results_panel(build, display)
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
