#!/usr/bin/env python3
"""Runs the measurements and prints one table. Usage: figures.py BUILD-DIR"""
import os, queue, shutil, statistics, subprocess, sys, tempfile, threading, time

build = sys.argv[1]


def start_to_window(programs, runs=11):
    """Process start to its first window mapped, as the X server reports it to a watcher on the
    root window, in a fresh program folder each time; the programs take turns, so that the
    machine's busier moments fall on all of them alike."""
    xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE, text=True)
    maps = queue.Queue()
    threading.Thread(target=lambda: [maps.put(time.monotonic()) for line in xev.stdout if line.startswith("MapNotify")],
                     daemon=True).start()
    time.sleep(0.5)  # the watcher is listening
    times = {program: [] for program in programs}
    for _ in range(runs):
        for program in programs:
            with tempfile.TemporaryDirectory() as d:
                shutil.copy(os.path.join(build, program), d)
                while not maps.empty():
                    maps.get()
                t = time.monotonic()
                p = subprocess.Popen([os.path.join(d, program)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                times[program].append((maps.get(timeout=60) - t) * 1000)
                p.kill()
                p.wait()
    xev.kill()
    return [statistics.median(times[program]) for program in programs]


def bench(*prefix, env=None):
    out = subprocess.run([*prefix, os.path.join(build, "tovo-bench"), os.path.join(build, "tovo-site"),
                          os.path.join(build, "tests", "fakegame")], capture_output=True, text=True, timeout=900,
                         env=dict(os.environ, **(env or {})))
    for line in out.stdout.splitlines():
        words = line.split()
        if len(words) == 3 and words[0].islower():  # "name value unit"; the bus says hello too
            samples.setdefault(words[0], []).append(float(words[1]))


samples = {}
figures = dict(zip(("start_to_login", "start_bare"), start_to_window(["tovo", "tovo-bare"])))
figures["start_ratio"] = figures["start_to_login"] / figures["start_bare"]
bench()
# What happens once a run (the engine's warming, the first login) gets runs of its own.
for _ in range(8):
    bench(env={"TOVO_BENCH_FIRST_ONLY": "1"})
# Idle again with the desktop's accessibility bus on, as on a desktop with a screen reader.
bench("dbus-run-session", "--", "sh", "-c", '/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; exec "$@"', "sh",
      env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "TOVO_BENCH_IDLE_ONLY": "1", "TOVO_BENCH_SUFFIX": "_a11y"})
figures.update({key: statistics.median(values) for key, values in samples.items()})
if "login_to_news" in figures and "login_to_news_first" in figures:
    figures["login_ratio"] = figures["login_to_news_first"] / figures["login_to_news"]
if "download_100mb" in figures and "download_100mb_curl" in figures:
    figures["download_ratio"] = figures["download_100mb"] / figures["download_100mb_curl"]

rows = [
    ("Start to login window shown", "start_to_login", "ms", "<= 1500"),
    ("  a bare Qt program with one child window", "start_bare", "ms", ""),
    ("  the client against the bare program", "start_ratio", "x", "<= 1.3"),
    ("Login press to news shown, first after start", "login_to_news_first", "ms", "<= 2000"),
    ("Login press to news shown (demo host)", "login_to_news", "ms", "<= 1000"),
    ("  the first against a later one", "login_ratio", "x", "<= 1.5"),
    ("Engine ready after the login window shown", "warm_ready", "ms", "<= 2000"),
    ("  longest wait of the login window's events meanwhile", "warm_longest_wait", "ms", "<= 50"),
    ("File list, folder of 10,000 files", "file_list_10000", "ms", "<= 200"),
    ("  of which shown (*.exe)", "file_list_matches", "files", "= 100"),
    ("A Set (directory file stored)", "set", "ms", "<= 10"),
    ("Connect to Server to game process started", "connect_to_started", "ms", "<= 100"),
    ("Connect to Server to game running", "connect_to_game_running", "ms", "<= 250"),
    ("A 100 MB download from a host on loopback", "download_100mb", "ms", ""),
    ("  curl, the same file", "download_100mb_curl", "ms", ""),
    ("  the client against curl", "download_ratio", "x", ""),
    ("Idle CPU, five page windows (all processes)", "idle_cpu", "% core", "<= 0.5"),
    ("  with the accessibility bus on", "idle_cpu_a11y", "% core", "<= 0.5"),
    ("Idle resident memory, all processes (RSS)", "idle_rss", "MiB", ""),
    ("Idle memory, all processes (PSS)", "idle_pss", "MiB", ""),
]
print("| figure | median | runs | budget |")
print("|---|---|---|---|")
for label, key, unit, budget in rows:
    v, runs = figures.get(key), samples.get(key, [])
    spread = "%.2f-%.2f (%d)" % (min(runs), max(runs), len(runs)) if len(runs) > 1 else ""
    print("| %s | %s %s | %s | %s |" % (label, "n/a" if v is None else ("%.2f" % v), unit, spread, budget))
