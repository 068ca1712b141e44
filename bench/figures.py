#!/usr/bin/env python3
"""Runs the measurements and prints one table. Usage: figures.py BUILD-DIR"""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = sys.argv[1]
TITLE = "TOVO - Iron Lantern / Night Owls Online Game Service"


def start_to_login(runs=7):
    """Process start to the main window, with the login window in it, mapped on the display."""
    times = []
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as d:
            shutil.copy(os.path.join(build, "tovo"), d)
            t = time.monotonic()
            p = subprocess.Popen([os.path.join(d, "tovo")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % TITLE],
                           stdout=subprocess.DEVNULL, timeout=60)
            times.append((time.monotonic() - t) * 1000)
            p.kill()
            p.wait()
    return statistics.median(times)


figures = {"start_to_login": start_to_login()}
out = subprocess.run([os.path.join(build, "tovo-bench"), os.path.join(build, "tovo-site"),
                      os.path.join(build, "tests", "fakegame")], capture_output=True, text=True, timeout=600)
for line in out.stdout.splitlines():
    name, value, unit = line.split()
    figures[name] = float(value)

rows = [
    ("Start to login window shown", "start_to_login", "ms", "<= 1500"),
    ("Login press to news shown, first after start", "login_to_news_first", "ms", "<= 2000"),
    ("Login press to news shown (demo host)", "login_to_news", "ms", "<= 1000"),
    ("File list, folder of 10,000 files", "file_list_10000", "ms", "<= 200"),
    ("  of which shown (*.exe)", "file_list_matches", "files", "= 100"),
    ("A Set (directory file stored)", "set", "ms", "<= 10"),
    ("Connect to Server to game process started", "connect_to_started", "ms", "<= 100"),
    ("Connect to Server to game running", "connect_to_game_running", "ms", "<= 250"),
    ("Idle CPU, five page windows (all processes)", "idle_cpu", "% core", "<= 0.5"),
    ("Idle resident memory, all processes (RSS)", "idle_rss", "MiB", ""),
    ("Idle memory, all processes (PSS)", "idle_pss", "MiB", ""),
]
print("| figure | median | budget |")
print("|---|---|---|")
for label, key, unit, budget in rows:
    v = figures.get(key)
    print("| %s | %s %s | %s |" % (label, "n/a" if v is None else ("%.1f" % v), unit, budget))
