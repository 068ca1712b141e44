#!/usr/bin/env python3
"""The web host probed as a stranger would, on loopback, alone and behind its nginx front: the
host's memory (RSS) under each probe and a member's page time meanwhile. Bounded: every probe
ends by its own count or time. Usage: probes.py TOVO-SITE"""
import os, resource, shutil, socket, ssl, subprocess, sys, tempfile, time

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


def idle(port, ca, host):
    held = []
    for _ in range(1100):
        try:
            held.append(socket.create_connection(("127.0.0.1", port), 5, ("127.0.0.2", 0)))
        except OSError:
            break
    page = member_ms(port, ca)
    return "%d open" % len(held), page, [held]


def sent(head, total):
    def probe(port, ca, host):
        s, n, answer = send_for(port, ca, head, total)
        return "%s after %d MB" % (answer or "no answer", n >> 20), member_ms(port, ca), [s]
    return probe


def pipelined(port, ca, host):
    s = connect(port, ca)
    s.sendall(b"GET " + P + b"pic.png HTTP/1.1\r\nHost: o\r\n\r\n" * 300)
    time.sleep(2)
    return "", member_ms(port, ca), [s]


def slow_readers(port, ca, host):
    slow = [connect(port, ca, True) for _ in range(5)]
    for c in slow:
        c.sendall(b"GET " + P + b"patch.bin HTTP/1.1\r\nHost: o\r\n\r\n")
    for _ in range(20):
        for c in slow:
            c.recv(4096)
        time.sleep(0.1)
    return "", member_ms(port, ca), slow


PROBES = (("1,100 idle connections (host started under a soft open-file limit of 1,024)", idle),
          ("64 MB URL", sent(b"GET /", 64 << 20)),
          ("a header that never ends (200 MB offered)", sent(b"GET / HTTP/1.1\r\nX: ", 200 << 20)),
          ("100 MB POST", sent(b"POST " + P + b"news.htm HTTP/1.1\r\nHost: o\r\nContent-Length: %d\r\n\r\n" % (100 << 20), 100 << 20)),
          ("300 pipelined GETs of a 1 MB picture, never read", pipelined),
          ("a 100 MB patch, 5 slow downloaders", slow_readers))


def probes(label, behind):
    """Each probe against a fresh host (and front): its memory before and at the end, and a
    member's page while the probe's connections are still open."""
    print("\n### %s\n\n| probe | result | host memory | member's page meanwhile |\n|---|---|---|---|" % label)
    for name, probe in PROBES:
        hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
        resource.setrlimit(resource.RLIMIT_NOFILE, (1024, hard))  # what the host inherits
        host = front.Host(root, SITE)
        resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
        port, ca, fr = host.port, None, None
        if behind:
            shutil.rmtree(os.path.join(work, "front"), ignore_errors=True)
            os.makedirs(os.path.join(work, "front"))
            fr = front.Front(os.path.join(work, "front"), root, host.port, os.path.join(work, "ca"), CONF)
            port, ca = fr.https, os.path.join(work, "ca", "ca.pem")
        before = host.rss_mb()
        result, page, held = probe(port, ca, host)
        print("| %s | %s | %.0f -> %.0f MB | %s |" % (name, result, before, host.rss_mb(), page), flush=True)
        for s in (x for h in held for x in (h if isinstance(h, list) else [h])):
            s.close()
        if fr:
            fr.stop()
        host.p.kill()
        host.p.wait()


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
front.make_ca(os.path.join(work, "ca"), "probe CA")
probes("the host alone", False)
probes("behind the nginx front, HTTPS", True)
subprocess.run(["rm", "-rf", work])
