#!/usr/bin/env python3
"""Runs the measurements and prints one table. Usage: figures.py BUILD-DIR
TOVO_BENCH_START_ONLY=1 runs the start rows alone, TOVO_BENCH_START_ROUNDS=N gives them N rounds."""
import os, queue, random, shutil, signal, statistics, subprocess, sys, tempfile, threading, time

build = sys.argv[1]


def start_to_window(programs, runs=int(os.environ.get("TOVO_BENCH_START_ROUNDS", "41"))):
    """Process start to its first window mapped, as the X server reports it to a watcher on the
    root window, in a fresh program folder each time; the programs take turns, in a new order each
    round, so that the machine's busier moments and the run just before fall on all of them alike.
    The programs are a few milliseconds apart: the median needs many rounds to hold still. Also
    the main thread's processor time up to the map (the program is stopped there): what the
    program itself does before its window, which a busy machine disturbs far less than the clock
    on the wall. A program is its name in the build folder, then its arguments."""
    xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE, text=True)
    maps = queue.Queue()
    threading.Thread(target=lambda: [maps.put(time.monotonic()) for line in xev.stdout if line.startswith("MapNotify")],
                     daemon=True).start()
    time.sleep(0.5)  # the watcher is listening
    times = {program: [] for program in programs}
    cpu = {program: [] for program in programs}
    for _ in range(runs):
        for program in random.sample(programs, len(programs)):
            with tempfile.TemporaryDirectory() as d:
                name, *arguments = program.split()
                shutil.copy(os.path.join(build, name), d)
                while not maps.empty():
                    maps.get()
                t = time.monotonic()
                p = subprocess.Popen([os.path.join(d, name), *arguments], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                times[program].append((maps.get(timeout=60) - t) * 1000)
                p.send_signal(signal.SIGSTOP)
                with open("/proc/%d/task/%d/schedstat" % (p.pid, p.pid)) as f:
                    cpu[program].append(int(f.read().split()[0]) / 1e6)
                p.kill()
                p.wait()
    xev.kill()
    return times, cpu


def bench(*prefix, env=None):
    out = subprocess.run([*prefix, os.path.join(build, "tovo-bench"), os.path.join(build, "tovo-site"),
                          os.path.join(os.path.dirname(__file__), "..", "tests", "fakegame.sh"), os.path.join(build, "tests", "wingame64.exe")], capture_output=True, text=True, timeout=900,
                         env=dict(os.environ, **(env or {})))
    for line in out.stdout.splitlines():
        words = line.split()
        if len(words) == 3 and words[0].islower():  # "name value unit"; the bus says hello too
            samples.setdefault(words[0], []).append(float(words[1]))


times, cpu = start_to_window(["tovo", "tovo-bare", "tovo-bare --text-box"])
samples = {"start_to_login": times["tovo"], "start_bare": times["tovo-bare"], "start_bare_text": times["tovo-bare --text-box"],
           "start_cpu": cpu["tovo"], "start_cpu_bare": cpu["tovo-bare"]}
if not os.environ.get("TOVO_BENCH_START_ONLY"):
    bench()
    # What happens once a run (the engine's warming, the first login) gets runs of its own.
    for _ in range(8):
        bench(env={"TOVO_BENCH_FIRST_ONLY": "1"})
    # Idle again with the desktop's accessibility bus on, as on a desktop with a screen reader.
    bench("dbus-run-session", "--", "sh", "-c", '/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; exec "$@"', "sh",
          env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "TOVO_BENCH_IDLE_ONLY": "1", "TOVO_BENCH_SUFFIX": "_a11y"})
figures = {key: statistics.median(values) for key, values in samples.items()}
figures["start_ratio"] = figures["start_to_login"] / figures["start_bare"]
figures["start_cpu_ratio"] = figures["start_cpu"] / figures["start_cpu_bare"]
figures["start_text_ratio"] = figures["start_to_login"] / figures["start_bare_text"]
if "login_to_news" in figures and "login_to_news_first" in figures:
    figures["login_ratio"] = figures["login_to_news_first"] / figures["login_to_news"]
if "download_100mb" in figures and "download_100mb_curl" in figures:
    figures["download_ratio"] = figures["download_100mb"] / figures["download_100mb_curl"]

rows = [
    ("Start to login window shown", "start_to_login", "ms", "<= 1500"),
    ("  a bare Qt program with one child window", "start_bare", "ms", ""),
    ("  the client against the bare program", "start_ratio", "x", "<= 1.3"),
    ("  the bare program with a text box in its child window", "start_bare_text", "ms", ""),
    ("  the client against that one", "start_text_ratio", "x", ""),
    ("  the client's main thread on the processor to its window", "start_cpu", "ms", ""),
    ("  the same against the bare program", "start_cpu_ratio", "x", ""),
    ("Login press to news shown, first after start", "login_to_news_first", "ms", "<= 2000"),
    ("Login press to news shown (demo host)", "login_to_news", "ms", "<= 1000"),
    ("  the first against a later one", "login_ratio", "x", "<= 1.5"),
    ("Engine ready after the login window shown", "warm_ready", "ms", "<= 2000"),
    ("  longest wait of the login window's events meanwhile", "warm_longest_wait", "ms", "<= 50"),
    ("File list, folder of 10,000 files", "file_list_10000", "ms", "<= 200"),
    ("  of which shown (*.exe)", "file_list_matches", "files", "= 100"),
    ("A Set (directory file stored)", "set", "ms", "<= 10"),
    ("Find Games, 50 Lutris games, 20 bottles and a Steam library of 100 games", "find_games", "ms", "<= 1000"),
    ("  of which offered (one per prefix, one in Steam, engines here)", "find_games_found", "games", ""),
    ("Connect to Server to game process started", "connect_to_started", "ms", "<= 100"),
    ("Connect to Server to game running", "connect_to_game_running", "ms", "<= 250"),
    ("Connect to Server to a Windows game's first instruction, cold", "connect_to_windows_game_cold", "ms", ""),
    ("  warmed, as while the server list shows", "connect_to_windows_game_warmed", "ms", "<= 100"),
    ("A 100 MB download from a host on loopback", "download_100mb", "ms", ""),
    ("  curl, the same file", "download_100mb_curl", "ms", ""),
    ("  the client against curl", "download_ratio", "x", ""),
    ("Idle CPU, five page windows (all processes)", "idle_cpu", "% core", "<= 0.5"),
    ("  with the accessibility bus on", "idle_cpu_a11y", "% core", "<= 0.5"),
    ("Idle resident memory, all processes (RSS)", "idle_rss", "MiB", ""),
    ("Idle memory, all processes (PSS)", "idle_pss", "MiB", ""),
]
if os.environ.get("TOVO_BENCH_START_ONLY"):
    rows = [row for row in rows if row[1] in figures]
print("| figure | median | runs | budget |")
print("|---|---|---|---|")
for label, key, unit, budget in rows:
    v, runs = figures.get(key), samples.get(key, [])
    spread = "%.2f-%.2f (%d)" % (min(runs), max(runs), len(runs)) if len(runs) > 1 else ""
    print("| %s | %s %s | %s | %s |" % (label, "n/a" if v is None else ("%.2f" % v), unit, spread, budget))
