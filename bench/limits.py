#!/usr/bin/env python3
"""The web host at its limits, on loopback, each probe bounded by count and time:
- its CPU while a stranger holds every descriptor it may open (soft = hard = 1,024), and
  whether a member is served once the stranger lets one go;
- the time to open 1,200 connections to it at once (its listen queue);
- 100 loads of the server list from one address behind the nginx front (a LAN party).
Usage: limits.py TOVO-SITE"""
import os, resource, shutil, socket, subprocess, sys, tempfile, threading, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "front"))
import front

SITE = sys.argv[1]
CONF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "nginx", "tovo-site.conf")
P = b"/ilnightowls/servers/"
HARD = resource.getrlimit(resource.RLIMIT_NOFILE)[1]


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def host_with_limit(root, limit):
    return front.Host(root, SITE, limit)


def member(port):
    try:
        return front.request(port, b"GET " + P + b"news.htm HTTP/1.1\r\nHost: o\r\nConnection: close\r\n\r\n", timeout=5).startswith(b"HTTP/1.1 200")
    except OSError:
        return False


def at_the_limit(root):
    host = host_with_limit(root, 1024)
    held = []
    for _ in range(1100):
        try:
            held.append(socket.create_connection(("127.0.0.1", host.port), 2, ("127.0.0.2", 0)))
        except OSError:
            break
    time.sleep(0.5)
    before = cpu_seconds(host.p.pid)
    time.sleep(3)
    cpu = (cpu_seconds(host.p.pid) - before) / 3 * 100
    for s in held[:100]:  # the stranger lets some go: the host gets descriptors back
        s.close()
    t = time.monotonic()
    served = member(host.port)
    print("| CPU while a stranger holds every descriptor (%d connections) | %.0f%% of a core |" % (len(held), cpu))
    print("| a member once the stranger lets 100 go | %s in %.0f ms |" % ("served" if served else "not served", (time.monotonic() - t) * 1000))
    for s in held:
        s.close()
    host.p.kill()
    host.p.wait()


def open_1200(root):
    resource.setrlimit(resource.RLIMIT_NOFILE, (HARD, HARD))
    host = host_with_limit(root, HARD)
    socks, t = [], time.monotonic()
    lock = threading.Lock()

    def opener(n):
        for _ in range(n):
            s = socket.create_connection(("127.0.0.1", host.port), 30)
            with lock:
                socks.append(s)
    threads = [threading.Thread(target=opener, args=(40,)) for _ in range(30)]
    for th in threads:
        th.start()
    for th in threads:
        th.join()
    print("| time to open 1,200 connections at once | %.2f s |" % (time.monotonic() - t))
    for s in socks:
        s.close()
    host.p.kill()
    host.p.wait()


def lan_party(work, root):
    host = host_with_limit(root, HARD)
    os.makedirs(work + "/ca")
    os.makedirs(work + "/front")
    front.make_ca(work + "/ca", "limits CA")
    fr = front.Front(work + "/front", root, host.port, work + "/ca", CONF)
    codes = []

    def load():
        r = front.request(fr.https, b"GET " + P + b"viewservers.htm HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n", work + "/ca/ca.pem")
        codes.append(r[9:12].decode())
    threads = [threading.Thread(target=load) for _ in range(100)]
    for th in threads:
        th.start()
    for th in threads:
        th.join()
    print("| 100 list loads from one address behind the front | %d served (%s) |"
          % (codes.count("200"), ", ".join("%s: %d" % (c, codes.count(c)) for c in sorted(set(codes)))))
    fr.stop()
    host.p.kill()
    host.p.wait()


work = tempfile.mkdtemp(prefix="tovo-limits-")
try:
    root = work + "/community"
    os.makedirs(root)
    front.community(root)
    print("| probe | figure |\n|---|---|")
    at_the_limit(root)
    open_1200(root)
    lan_party(work, root)
finally:
    shutil.rmtree(work, ignore_errors=True)
