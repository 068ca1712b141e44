#!/usr/bin/env python3
"""The web host probed as a stranger would, on loopback, alone and behind its nginx front: the
host's memory (RSS) under each probe and a member's page time meanwhile. Bounded: every probe
ends by its own count or time. Usage: probes.py TOVO-SITE"""
import os, resource, socket, ssl, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "front"))
import front

SITE = sys.argv[1]
CONF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "nginx", "tovo-site.conf")
P = b"/ilnightowls/servers/"
resource.setrlimit(resource.RLIMIT_NOFILE, (resource.getrlimit(resource.RLIMIT_NOFILE)[1],) * 2)


def member_ms(port, ca=None):
    t = time.monotonic()
    try:
        ok = front.request(port, b"GET " + P + b"news.htm HTTP/1.1\r\nHost: o\r\nConnection: close\r\n\r\n", ca, timeout=5).startswith(b"HTTP/1.1 200")
    except OSError:
        ok = False
    return "%.1f ms" % ((time.monotonic() - t) * 1000) if ok else "failed"


def connect(port, ca, small_buffer=False):
    s = socket.socket()
    if small_buffer:  # a slow reader's
        s.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
    s.settimeout(10)
    s.connect(("127.0.0.1", port))
    return ssl.create_default_context(cafile=ca).wrap_socket(s, server_hostname="127.0.0.1") if ca else s


def send_for(port, ca, head, total, chunk=1 << 20, seconds=10):
    """head, then up to total bytes, until the other side stops taking them."""
    s = connect(port, ca)
    s.settimeout(2)
    sent, end = 0, time.monotonic() + seconds
    try:
        s.sendall(head)
        while sent < total and time.monotonic() < end:
            sent += s.send(b"a" * min(chunk, total - sent))
    except OSError:
        pass
    try:
        answer = s.recv(40)
    except OSError:
        answer = b""
    return s, sent, answer.split(b"\r\n")[0].decode(errors="replace")


def probes(label, port, host, ca=None):
    rss = lambda: "%.0f MB" % host.rss_mb()
    print("\n### %s\n\n| probe | result | host memory | member's page meanwhile |\n|---|---|---|---|" % label)
    idle = []
    for _ in range(1100):
        try:
            idle.append(socket.create_connection(("127.0.0.1", port), 5, ("127.0.0.2", 0)))
        except OSError:
            break
    print("| 1,100 idle connections | %d open | %s | %s |" % (len(idle), rss(), member_ms(port, ca)))
    for s in idle:
        s.close()
    before = rss()
    s, sent, answer = send_for(port, ca, b"GET /", 64 << 20)
    print("| 64 MB URL | %s after %d MB | %s -> %s | %s |" % (answer or "no answer", sent >> 20, before, rss(), member_ms(port, ca)))
    s.close()
    s, sent, answer = send_for(port, ca, b"GET / HTTP/1.1\r\nX: ", 200 << 20)
    print("| a header that never ends (200 MB offered) | %s after %d MB | %s -> %s | %s |" % (answer or "no answer", sent >> 20, before, rss(), member_ms(port, ca)))
    s.close()
    s, sent, answer = send_for(port, ca, b"POST " + P + b"news.htm HTTP/1.1\r\nHost: o\r\nContent-Length: %d\r\n\r\n" % (100 << 20), 100 << 20)
    print("| 100 MB POST | %s after %d MB | %s -> %s | %s |" % (answer or "no answer", sent >> 20, before, rss(), member_ms(port, ca)))
    s.close()
    s = connect(port, ca)
    s.sendall(b"GET " + P + b"pic.png HTTP/1.1\r\nHost: o\r\n\r\n" * 300)
    time.sleep(2)
    print("| 300 pipelined GETs of a 1 MB picture, never read | | %s -> %s | %s |" % (before, rss(), member_ms(port, ca)))
    s.close()
    slow = []
    for _ in range(5):
        c = connect(port, ca, True)
        c.sendall(b"GET " + P + b"patch.bin HTTP/1.1\r\nHost: o\r\n\r\n")
        slow.append(c)
    peak = 0
    for _ in range(20):
        for c in slow:
            c.recv(4096)
        peak = max(peak, host.rss_mb())
        time.sleep(0.1)
    print("| a 100 MB patch, 5 slow downloaders | | %s -> peak %.0f MB | %s |" % (before, peak, member_ms(port, ca)))
    for c in slow:
        c.close()


work = tempfile.mkdtemp(prefix="tovo-probes-")
root = os.path.join(work, "community")
os.makedirs(root)
os.makedirs(os.path.join(work, "ca"))
os.makedirs(os.path.join(work, "front"))
front.community(root)
with open(os.path.join(root, "pic.png"), "wb") as f:
    f.write(os.urandom(1 << 20))
with open(os.path.join(root, "patch.bin"), "wb") as f:
    f.truncate(100 << 20)
host = front.Host(root, SITE)
probes("the host alone", host.port, host)
host.p.kill()
host = front.Host(root, SITE)
front.make_ca(os.path.join(work, "ca"), "probe CA")
fr = front.Front(os.path.join(work, "front"), root, host.port, os.path.join(work, "ca"), CONF)
probes("behind the nginx front, HTTPS", fr.https, host, os.path.join(work, "ca", "ca.pem"))
fr.stop()
host.p.kill()
subprocess.run(["rm", "-rf", work])
