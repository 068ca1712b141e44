#!/usr/bin/env python3
"""The community web host under load: requests per second, p50 and p99 latency for a static page
and for viewservers.htm with 50 servers of which half are dead. A bounded load generator on
loopback: 4 clients, 5 seconds or 4,000 requests each, whichever ends first.
Usage: site.py TOVO-SITE"""
import http.client, os, select, socket, statistics, subprocess, sys, tempfile, threading, time

SITE = sys.argv[1]
CLIENTS, SECONDS, MOST = 4, 5.0, 4000


def stand_ins(n, stop):
    """n Quake III servers that answer getstatus, on one thread."""
    socks = []
    for _ in range(n):
        s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        s.bind(("127.0.0.1", 0))
        socks.append(s)
    reply = b"\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Owls\\mapname\\q3dm17\\sv_maxclients\\16\n0 5 \"a\"\n"

    def serve():
        while not stop.is_set():
            for s in select.select(socks, [], [], 0.2)[0]:
                data, peer = s.recvfrom(2048)
                if data.endswith(b"getstatus"):
                    s.sendto(reply, peer)
    threading.Thread(target=serve, daemon=True).start()
    return [s.getsockname()[1] for s in socks]


def dead_ports(n):
    """Ports nobody answers on: bound for a moment, then free."""
    socks = [socket.socket(socket.AF_INET, socket.SOCK_DGRAM) for _ in range(n)]
    for s in socks:
        s.bind(("127.0.0.1", 0))
    ports = [s.getsockname()[1] for s in socks]
    for s in socks:
        s.close()
    return ports


def load(port, path):
    times, lock = [], threading.Lock()

    def client():
        c = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
        mine, end = [], time.monotonic() + SECONDS
        while time.monotonic() < end and len(mine) < MOST:
            t = time.monotonic()
            try:
                c.request("GET", path)
                r = c.getresponse()
                r.read()
                if r.status != 200:
                    raise RuntimeError(r.status)
            except (OSError, http.client.HTTPException):
                c.close()
                c = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
                continue
            mine.append(time.monotonic() - t)
        with lock:
            times.extend(mine)
    start = time.monotonic()
    threads = [threading.Thread(target=client) for _ in range(CLIENTS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    took = time.monotonic() - start
    times.sort()
    return len(times) / took, times[len(times) // 2] * 1000, times[int(len(times) * 0.99)] * 1000


stop = threading.Event()
root = tempfile.mkdtemp(prefix="tovo-site-bench-")
with open(os.path.join(root, "news.htm"), "w") as f:
    f.write("<!DOCTYPE html><html><head><title>News</title></head><body>" + "<p>news</p>" * 200 + "</body></html>")
with open(os.path.join(root, "servers.con"), "w") as f:
    for i, p in enumerate(stand_ins(25, stop)):
        f.write("[Live %d]\nGame=qktre\nAddress=127.0.0.1:%d\n" % (i, p))
    for i, p in enumerate(dead_ports(25)):
        f.write("[Dead %d]\nGame=qktre\nAddress=127.0.0.1:%d\n" % (i, p))
site = subprocess.Popen([SITE, "--root", root, "--port", "0"], stdout=subprocess.PIPE, text=True)
port = int(site.stdout.readline())
time.sleep(1.5)  # the first answers and silences are in
print("| web host, 4 clients on loopback | requests/s | p50 | p99 | budget |")
print("|---|---|---|---|---|")
for label, path, budget in (("static page (news.htm)", "/ilnightowls/servers/news.htm", ""),
                            ("viewservers.htm, 50 servers, 25 dead", "/ilnightowls/servers/viewservers.htm",
                             "p99 <= 1100 ms")):
    rps, p50, p99 = load(port, path)
    print("| %s | %.0f | %.2f ms | %.2f ms | %s |" % (label, rps, p50, p99, budget))
site.kill()
stop.set()
