"""Driving the built client from outside, as a member does: X windows found by title, keys and
mouse clicks through xdotool, pixels through ImageMagick, the demo web host's request log."""
import os, shutil, subprocess, tempfile, threading, time

CLIENT, SITE = os.environ["TOVO_CLIENT"], os.environ["TOVO_SITE"]
MAIN_TITLE = "TOVO - Iron Lantern / Night Owls Online Game Service"
failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def finish():
    print("%d passed, %d failed" % (0 if failures else 1, len(failures)))
    raise SystemExit(1 if failures else 0)


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


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def click(x, y, button=1):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.1", "click", str(button)], check=True)
    time.sleep(0.3)


class Screen:
    """One picture of the whole display."""

    def __init__(self):
        w, h = subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True).stdout.split()
        self.w, self.h = int(w), int(h)
        self.rgb = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True).stdout

    def pixel(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, w, h):
        return b"".join(self.rgb[((y + r) * self.w + x) * 3:((y + r) * self.w + x + w) * 3] for r in range(h))


def crop(x, y, w, h):
    return Screen().crop(x, y, w, h)


class Site:
    """The demo web host on a free port, with the paths it was asked for."""

    def __init__(self):
        self.p = subprocess.Popen([SITE, "--port", "0", "--log"], stdout=subprocess.PIPE, text=True)
        self.port = self.p.stdout.readline().strip()
        self.requests = []
        threading.Thread(target=lambda: [self.requests.append(l.strip()) for l in self.p.stdout],
                         daemon=True).start()

    def stop(self):
        self.p.kill()


def program_dir(port):
    """A folder of its own for the program, pointed at the web host on 127.0.0.1:port."""
    d = tempfile.mkdtemp(prefix="tovo-program-")
    shutil.copy(CLIENT, d)
    with open(os.path.join(d, "host.con"), "wb") as f:
        f.write(b"[Web]\r\nHost=127.0.0.1:%s\r\n" % str(port).encode())
    return d


def start(program_dir, env=None):
    e = dict(os.environ, QTWEBENGINE_DISABLE_SANDBOX="1", **(env or {}))
    log = os.path.join(program_dir, "stderr.log")
    p = subprocess.Popen([os.path.join(program_dir, "tovo")], cwd="/", env=e,
                         stdout=subprocess.DEVNULL, stderr=open(log, "w"))
    if not check(wait(lambda: window(MAIN_TITLE)), "the main window opens"):
        print("exit status %s; its last words: %s" % (p.poll(), open(log).read()[-1500:]))
    time.sleep(0.8)
    return p


def ended(p, seconds=10):
    """The program's exit status, or None when it did not end by itself."""
    try:
        return p.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        p.kill()
        return None


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None
