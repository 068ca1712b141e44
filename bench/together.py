#!/usr/bin/env python3
"""Playing together at a community's size: servers.json for 1,000 servers under wrk (2 threads,
50 connections, 10 s) behind the nginx front, with how often the host itself was asked; then the
list page of those 1,000 servers in the real browser engine (the client's own pane), the time of
a sort and of a filter as the page's own script does them, median of 5.
Usage: together.py BUILD (with tovo-site and tests/tovo-browse in it)"""
import json, os, re, shutil, statistics, subprocess, sys, tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "front"))
import front  # the test's host, front and CA, on loopback

BUILD = sys.argv[1]
N = 1000
work = tempfile.mkdtemp(prefix="tovo-together-bench-")
for sub in ("community", "ca", "front", "browsing"):
    os.makedirs(os.path.join(work, sub))
with open(os.path.join(work, "community", "servers.con"), "w") as f:
    for i in range(N):  # TEST-NET addresses: asked, never answering; the host's work is the same
        f.write("[Server %d]\r\nGame=%s\r\nAddress=198.18.%d.%d:27960\r\n" % (i, ("qktre", "jedio", "untor")[i % 3], i // 250, i % 250 + 1))
host = front.Host(os.path.join(work, "community"), os.path.join(BUILD, "tovo-site"))
front.make_ca(os.path.join(work, "ca"), "TOVO bench CA")
conf = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "nginx", "tovo-site.conf")
f = front.Front(os.path.join(work, "front"), os.path.join(work, "community"), host.port, os.path.join(work, "ca"), conf)
print("| servers.json, 1,000 servers, behind the front | requests/s | p50 | p99 | the host asked | budget |")
print("|---|---|---|---|---|---|")
if shutil.which("wrk"):
    out = subprocess.run(["wrk", "-t2", "-c50", "-d10s", "--latency", "https://127.0.0.1:%d/ilnightowls/servers/servers.json" % f.https],
                         capture_output=True, text=True).stdout
    rps = re.search(r"Requests/sec:\s+([\d.]+)", out).group(1)
    p50 = re.search(r"^\s+50%\s+(\S+)", out, re.M).group(1)
    p99 = re.search(r"^\s+99%\s+(\S+)", out, re.M).group(1)
    asked = sum(1 for l in host.log if l.endswith("servers.json"))
    print("| wrk -t2 -c50 -d10s | %s | %s | %s | %d times in 10 s | at most once per 10 s |" % (rps, p50, p99, asked))
else:
    print("| (wrk not installed: scripts/deps installs it) | | | | | |")
f.stop()

# The list page in the engine: each script clicks or types, then says how long the page's own
# script took.
timed = ("var t = performance.now(); %s; (performance.now() - t).toFixed(1)")
sort = timed % "document.querySelectorAll('button.sort')[%d].click()"
find = timed % "var c = document.getElementById('find'); c.value = '%s'; c.dispatchEvent(new Event('input'))"
scripts = [sort % (i % 6) for i in range(5)] + [find % w for w in ("Server 99", "raven", "Server 1", "x", "")]
env = dict(os.environ)
browse = subprocess.run([os.path.join(BUILD, "tests", "tovo-browse"), work + "/browsing/s", work + "/browsing/c",
                         "http://127.0.0.1:%d/ilnightowls/servers/viewservers.htm" % host.port] + scripts,
                        capture_output=True, text=True, env=env, timeout=120)
ms = [float(x) for x in browse.stdout.split()]
print()
print("| the list page, 1,000 servers, in the engine | median | slowest | budget |")
print("|---|---|---|---|")
print("| a sort (a column head pressed) | %.1f ms | %.1f ms | at most 100 ms |" % (statistics.median(ms[:5]), max(ms[:5])))
print("| a filter (a search typed) | %.1f ms | %.1f ms | at most 100 ms |" % (statistics.median(ms[5:]), max(ms[5:])))
host.p.kill()
shutil.rmtree(work, ignore_errors=True)
