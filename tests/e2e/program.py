#!/usr/bin/env python3
"""The built program, as a member meets it: copied into a program directory of its own, started
under X against the demo web host, driven with the keyboard through xdotool."""
import os, shutil, subprocess, sys, tempfile, time

CLIENT, SITE = os.environ["TOVO_CLIENT"], os.environ["TOVO_SITE"]
MAIN_TITLE = "TOVO - Iron Lantern / Night Owls Online Game Service"
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)


def wait(predicate, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        if predicate():
            return True
        time.sleep(0.05)
    return False


def window(title):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                       capture_output=True, text=True)
    return r.stdout.split()


def focus(title):
    """Without a window manager, the keyboard goes where X's input focus is put."""
    for w in window(title)[:1]:
        subprocess.run(["xdotool", "windowfocus", "--sync", w], capture_output=True)


def keys(*names):
    for k in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        time.sleep(0.15)


def start(program_dir):
    env = dict(os.environ, QTWEBENGINE_DISABLE_SANDBOX="1")
    p = subprocess.Popen([os.path.join(program_dir, "tovo")], cwd="/", env=env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check(wait(lambda: window(MAIN_TITLE)), "the main window opens")
    time.sleep(0.5)
    return p


site = subprocess.Popen([SITE, "--port", "0", "--log"], stdout=subprocess.PIPE, text=True)
port = site.stdout.readline().strip()
requests = []
import threading
threading.Thread(target=lambda: [requests.append(l.strip()) for l in site.stdout], daemon=True).start()

with tempfile.TemporaryDirectory() as d:
    shutil.copy(CLIENT, d)
    with open(os.path.join(d, "host.con"), "wb") as f:
        f.write(b"[Web]\r\nHost=127.0.0.1:%s\r\n" % port.encode())

    # First start: the settings folder holds 24 files, each "not set".
    p = start(d)
    names = sorted(os.listdir(os.path.join(d, "settings")))
    check(len(names) == 24, "24 files in the settings folder")
    check(all(open(os.path.join(d, "settings", n), "rb").read() == b"[Saved]\r\nPath=0\r\n" for n in names),
          "each holds only Saved/Path=0")
    check(open(os.path.join(d, "ilowls.con"), "rb").read() == b"[il nightowls]\r\nFirst=no\r\n", "the alias file")

    # Exit, NO: still running. Exit, YES: gone at once with status 0.
    focus(MAIN_TITLE)
    keys("Tab", "Tab", "Tab", "Tab", "Tab", "space")
    check(wait(lambda: window("Exit"), 10), "Exit asks in its own window")
    focus("Exit")
    keys("Tab", "space")
    check(wait(lambda: not window("Exit"), 10), "NO closes the question")
    time.sleep(0.3)
    check(p.poll() is None, "after NO the program runs on")
    focus(MAIN_TITLE)
    keys("space")  # the Exit picture still has the keyboard
    check(wait(lambda: window("Exit"), 10), "Exit asks again")
    focus("Exit")
    keys("Tab", "space")  # focus went from NO back round to YES
    t = time.time()
    try:
        code = p.wait(timeout=5)
    except subprocess.TimeoutExpired:
        code = None
        p.kill()
    check(code == 0, "YES ends the program with status 0 (status %s)" % code)
    check(code is not None and time.time() - t < 1.0, "within a second (%.2f s)" % (time.time() - t))

    # Second start: nothing rewritten; the alias typed and Enter: detection, then news.
    with open(os.path.join(d, "settings", "qktre.con"), "wb") as f:
        f.write(b"[Saved]\r\nPath=1\r\n")
    p = start(d)
    check(open(os.path.join(d, "settings", "qktre.con"), "rb").read() == b"[Saved]\r\nPath=1\r\n",
          "a later start writes no game file")
    requests.clear()
    focus(MAIN_TITLE)
    subprocess.run(["xdotool", "type", "--delay", "20", "Barn Owl"], check=True)
    keys("Return")
    check(wait(lambda: "GET /ilnightowls/servers/news.htm" in requests), "news.htm is requested")
    check(requests[:1] == ["GET /ilnightowls/servers/detect.htm"], "after detect.htm (%s)" % requests[:3])
    p.kill()
    p.wait()

site.kill()
print("%d passed, %d failed" % (1 if not failures else 0, len(failures)))
sys.exit(1 if failures else 0)
