#!/usr/bin/env python3
"""The community web host under load: requests per second, p50 and p99 latency for a static page
and for viewservers.htm with 50 servers of which half are dead. A bounded load generator on
loopback: 4 clients, 5 seconds or 4,000 requests each, whichever ends first. Then a member's
page with 1,000 idle connections open from another address, the host alone and behind its nginx
front (when nginx is there), and the time to load a servers.con of 10,000 rows.
Usage: site.py TOVO-SITE"""
import http.client, os, resource, select, shutil, socket, ssl, statistics, subprocess, sys, tempfile, threading, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "front"))
import front  # the test's host, front and CA, on loopback

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


def member_beside_idle(port, tls_ca=None, n=300):
    """p50 and p99 of a member's page (a connection each, as a browser's first load) while 1,000
    connections from 127.0.0.2 stay open and say nothing."""
    idle = [socket.create_connection(("127.0.0.1", port), 10, ("127.0.0.2", 0)) for _ in range(1000)]
    times = []
    for _ in range(n):
        t = time.monotonic()
        r = front.request(port, b"GET /ilnightowls/servers/news.htm HTTP/1.1\r\nHost: owls\r\nConnection: close\r\n\r\n", tls_ca)
        if r.startswith(b"HTTP/1.1 200"):
            times.append(time.monotonic() - t)
    for s in idle:
        s.close()
    times.sort()
    return len(times), times[len(times) // 2] * 1000, times[int(len(times) * 0.99)] * 1000


resource.setrlimit(resource.RLIMIT_NOFILE, (resource.getrlimit(resource.RLIMIT_NOFILE)[1],) * 2)
work = tempfile.mkdtemp(prefix="tovo-site-bench-")
for sub in ("community", "ca", "front"):
    os.makedirs(os.path.join(work, sub))
front.community(os.path.join(work, "community"))
host = front.Host(os.path.join(work, "community"), SITE)
print()
print("| member's page (news.htm), 1,000 idle connections open | pages | p50 | p99 | budget |")
print("|---|---|---|---|---|")
print("| host alone, HTTP | %d/300 | %.2f ms | %.2f ms | p99 < 50 ms |" % member_beside_idle(host.port))
if shutil.which("nginx") or os.path.exists("/usr/sbin/nginx"):
    front.make_ca(os.path.join(work, "ca"), "TOVO bench CA")
    conf = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "nginx", "tovo-site.conf")
    f = front.Front(os.path.join(work, "front"), os.path.join(work, "community"), host.port, os.path.join(work, "ca"), conf)
    print("| behind the nginx front, HTTPS | %d/300 | %.2f ms | %.2f ms | p99 < 50 ms |"
          % member_beside_idle(f.https, os.path.join(work, "ca", "ca.pem")))
    f.stop()
host.p.kill()

# servers.con of 10,000 rows: from start to the port open, and an edit seen by the next request.
with open(os.path.join(work, "community", "servers.con"), "w") as f:
    for i in range(10000):
        f.write("[Server %d]\r\nGame=qktre\r\nAddress=10.%d.%d.%d:27960\r\n" % (i, i >> 16, (i >> 8) & 255, i % 250 + 1))
t = time.monotonic()
host = front.Host(os.path.join(work, "community"), SITE)
start = time.monotonic() - t
with open(os.path.join(work, "community", "servers.con"), "a") as f:
    f.write("[Edited]\r\nGame=qktre\r\nAddress=10.200.0.1\r\n")
t = time.monotonic()
page = front.request(host.port, b"GET /ilnightowls/servers/qktre10.200.0.1.htm HTTP/1.1\r\nHost: owls\r\nConnection: close\r\n\r\n")
edit = time.monotonic() - t
host.p.kill()
print()
print("| servers.con, 10,000 rows | time | budget |")
print("|---|---|---|")
print("| start to port open | %.0f ms | well under 1 s |" % (start * 1000))
print("| an edit, to the next page built from it | %.0f ms (%s) | well under 1 s |" % (edit * 1000, page[:12].decode()))
shutil.rmtree(work, ignore_errors=True)
