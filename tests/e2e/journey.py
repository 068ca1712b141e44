#!/usr/bin/env python3
"""A member's whole journey through the built program, with the mouse and the keyboard: first
start, login, the settings window, a server, Connect to Server, Exit; then a second start; and
logins where the web host is gone or answers only "not found"."""
import os, shutil, socket, subprocess, sys, tempfile, time
sys.path.insert(0, os.path.dirname(__file__))
from xdrive import *

GREY = (0x40, 0x40, 0x40)

def client_origin():
    """Where a child window's client area begins on screen: below its title bar, inside its
    frame. Every child window of the main window stands at its top-left corner."""
    s = Screen()
    top = next((y for y in range(2, 80) if s.pixel(300, y) == GREY), None)
    left = next((x for x in range(0, 20) if s.pixel(x, top + 300)[0] < 0x48), None) if top else None
    return left, top


def at(origin, x_twips, y_twips):
    return origin[0] + round(x_twips / 15), origin[1] + round(y_twips / 15)


site = Site()
d = program_dir(site.port)
p = None


def cleanup():
    if p and p.poll() is None:
        p.kill()
    site.stop()


import atexit
atexit.register(cleanup)
prefix = tempfile.mkdtemp(prefix="tovo-wine-")
games = os.path.join(prefix, "Games")
os.makedirs(os.path.join(games, "Quake3"))
os.makedirs(os.path.join(prefix, "dosdevices"))
os.symlink(games, os.path.join(prefix, "dosdevices", "g:"))
shutil.copy(os.environ["TOVO_FAKEGAME"], os.path.join(games, "Quake3", "quake3.exe"))
env = {"WINEPREFIX": prefix}
game_log = os.path.join(games, "Quake3", "fakegame.log")

# First start: 24 files; the alias typed, the save toggle clicked, Login pressed.
p = start(d, env)
names = os.listdir(os.path.join(d, "settings"))
check(len(names) == 24 and all(read(os.path.join(d, "settings", n)) == b"[Saved]\r\nPath=0\r\n" for n in names),
      "first start: 24 files, each not set")
origin = client_origin()
check(None not in origin, "the login window's client area is found (%s)" % (origin,))
focus(MAIN_TITLE)
type_text("Barn Owl")
click(*at(origin, 4200 + 240, 5160 + 217))          # the save-alias toggle
click(*at(origin, 6120 + 772, 5040 + 360))          # Login
check(wait(lambda: "GET /ilnightowls/servers/news.htm" in site.requests) and
      site.requests[0] == "GET /ilnightowls/servers/detect.htm", "detection, then news.htm")
check(read(os.path.join(d, "ilowls.con")) == b"[il nightowls]\r\nFirst=no\r\nAlias=Barn Owl\r\n",
      "the alias is saved")
time.sleep(1.5)

# Settings from the pop-up menu of the news window's surface.
click(*at(origin, 300, 2000), button=3)
keys("Up", "Up", "Up", "Return")                     # from the bottom: Exit, About, Settings
time.sleep(1)
set_buttons = lambda: crop(*at(origin, 6000, 1200), round(2535 / 15), round(360 * 12 / 15))
unset_look = set_buttons()
# Drive1 holds the keyboard and Dir1 is next.
keys("Tab", "End", "Return")                         # Dir1: Quake3, the last folder of g:\
click(*at(origin, 1680 + 900, 4080 + 140))            # File1: its first file, quake3.exe
click(*at(origin, 6000 + 1267, 1200 + 360 * 6 + 187))  # Set Quake III
con = read(os.path.join(d, "settings", "qktre.con")) or b""
check(con.startswith(b"[Quake III]\r\nDrive=g: [") and
      con.endswith(b"]\r\nDir=cd g:\\Quake3\\\r\nFile=quake3.exe\r\n[Saved]\r\nPath=1\r\n"),
      "Set stores the game: %r" % con)
click(*at(origin, 4680 + 1020, 6720 + 337))          # Close

# View Servers, a server's page by its link, Connect to Server.
site.requests.clear()
click(*at(origin, 6360 + 605, 240 + 187))            # View Servers
check(wait(lambda: "GET /ilnightowls/servers/viewservers.htm" in site.requests), "the server list")
time.sleep(1.5)
click(*at(origin, 840 + 8000, 960 + 300))            # the page itself (above its list) takes the keyboard
keys("Tab", "Return")                                # its first link: the Quake III server
check(wait(lambda: any("qktre127.0.0.1:27960.htm" in r for r in site.requests)), "the server's page")
time.sleep(1.5)
click(*at(origin, 840 + 847, 240 + 187))             # Connect to Server
check(wait(lambda: read(game_log) is not None, 15), "the game starts")
check(read(game_log) == ("+set\ncl_playintro\n0\n+connect\n127.0.0.1:27960\ncwd=%s\n" %
                         os.path.join(games, "Quake3")).encode(), "with the server: %r" % read(game_log))

# Exit from the menu: NO keeps everything; YES ends the program with status 0.
away = lambda: subprocess.run(["xdotool", "mousemove", "1200", "1000", "sleep", "0.3"])
window_top = lambda: crop(origin[0], 0, 700, origin[1] + 45)  # title bar and page buttons
away()
before = window_top()
click(*at(origin, 300, 2000), button=3)
keys("Up", "Return")                                 # Exit, at the bottom
check(wait(lambda: window("Exit"), 10), "Exit asks")
focus("Exit")
keys("Tab", "space")                                 # NO
check(wait(lambda: not window("Exit"), 10) and p.poll() is None, "NO: still running")
time.sleep(0.5)
away()
check(window_top() == before, "NO: the same window as before")
click(*at(origin, 300, 2000), button=3)
keys("Up", "Return")                                 # Exit, at the bottom
check(wait(lambda: window("Exit"), 10), "Exit asks again")
focus("Exit")
keys("Tab", "space")                                 # from NO round to YES
check(ended(p) == 0, "YES: the program ends with status 0, asking nothing more")

# Second start: the saved alias, every Set button unset, the game still in its file.
p = start(d, env)
check(read(os.path.join(d, "settings", "qktre.con")) == con, "the directory file still holds the game")
focus(MAIN_TITLE)
click(*at(origin, 9840 + 712, 5400 + 247))            # the Settings picture
time.sleep(1)
check(set_buttons() == unset_look, "every Set button shows its unset caption")
# The saved alias is in the box: Enter logs in at once, with no "Please enter your alias.".
site.requests.clear()
click(*at(origin, 4680 + 1020, 6720 + 337))          # Close the settings window
check(wait(lambda: set_buttons() != unset_look, 10), "the settings window closes")
click(*at(origin, 4320 + 1500, 4200 + 127))          # the alias box
keys("Return")
check(wait(lambda: "GET /ilnightowls/servers/detect.htm" in site.requests, 15) and not window("Enter alias +"),
      "the saved alias logs in")
p.kill()
p.wait()


def unavailable(port, what):
    """A login against a host that fails: told so, then back at the login window, whose Enter now
    only says that the detection cannot run again."""
    global p
    p = start(program_dir(port))
    focus(MAIN_TITLE)
    type_text("Owl")
    keys("Return")
    check(wait(lambda: window("IL Owls - Network Unavailable")), what + ": the network is unavailable")
    focus("IL Owls - Network Unavailable")
    keys("Return")
    time.sleep(1)
    focus(MAIN_TITLE)
    keys("Return")
    check(wait(lambda: window("Network Detection Failed"), 10), what + ": back at the login window")
    p.kill()
    p.wait()


probe = socket.socket()
probe.bind(("127.0.0.1", 0))
unavailable(probe.getsockname()[1], "no web host")  # bound, never listening: refused
empty = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1", "0"],
                         cwd=tempfile.mkdtemp(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
notfound_port = empty.stdout.readline().split(" port ")[1].split()[0]
unavailable(notfound_port, "HTTP 404 for every page")
empty.kill()
site.stop()
finish()
