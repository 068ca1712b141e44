#!/usr/bin/env python3
"""The built program, as a member meets it: copied into a program directory of its own, started
under X against the demo web host, driven with the keyboard."""
import os, shutil, subprocess, sys, time
sys.path.insert(0, os.path.dirname(__file__))
from xdrive import *

site = Site()
d = program_dir(site)

# First start: the settings folder holds 24 files, each "not set".
p = start(d)
names = sorted(os.listdir(os.path.join(d, "settings")))
check(len(names) == 24, "24 files in the settings folder")
check(all(read(os.path.join(d, "settings", n)) == b"[Saved]\r\nPath=0\r\n" for n in names),
      "each holds only Saved/Path=0")
check(read(os.path.join(d, "ilowls.con")) == b"[il nightowls]\r\nFirst=no\r\n", "the alias file")

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
code, took = ended(p)
check(code == 0, "YES ends the program with status 0 (status %s)" % code)
check(code is not None and took < 1.0, "within a second (%.2f s)" % took)

# Second start: nothing rewritten; the alias typed and Enter: detection, then news.
with open(os.path.join(d, "settings", "qktre.con"), "wb") as f:
    f.write(b"[Saved]\r\nPath=1\r\n")
p = start(d)
check(read(os.path.join(d, "settings", "qktre.con")) == b"[Saved]\r\nPath=1\r\n", "a later start writes no game file")
site.requests.clear()
focus(MAIN_TITLE)
type_text("Barn Owl")
keys("Return")
check(wait(lambda: "GET /ilnightowls/servers/news.htm" in site.requests), "news.htm is requested")
check(site.requests[:1] == ["GET /ilnightowls/servers/detect.htm"], "after detect.htm (%s)" % site.requests[:3])
p.kill()
p.wait()
site.stop()
shutil.rmtree(d)
finish()
