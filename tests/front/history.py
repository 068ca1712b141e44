#!/usr/bin/env python3
"""The host's history in real databases: Debian's PostgreSQL started in a folder of the test's
on a Unix socket (frozen, restarted, started after the host, shared by two hosts), and SQLite
killed with -9 while the host writes. Stand-in Quake III servers on loopback have players.
Usage: history.py TOVO-SITE"""
import json, os, pwd, shutil, signal, socket, sqlite3, subprocess, sys, tempfile, threading, time, urllib.error, urllib.parse, urllib.request

SITE = sys.argv[1]
PAGE = "qktre127.0.0.1:%d.htm"
from front import P, check, failures  # the front's own way of saying each check


def stand_in(names):
    """A Quake III server that answers every status question with the names in `names` now."""
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    s.bind(("127.0.0.1", 0))
    def serve():
        while True:
            data, peer = s.recvfrom(2048)
            if b"getstatus" in data:
                s.sendto(b"\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Arena\\mapname\\oa_dm1\\sv_maxclients\\16\n"
                         + b"".join(b'5 40 "%s"\n' % n.encode() for n in names), peer)
    threading.Thread(target=serve, daemon=True).start()
    return s.getsockname()[1]


def get(port, path):
    """The page, or its status and Retry-After."""
    try:
        with urllib.request.urlopen("http://127.0.0.1:%d%s%s" % (port, P, path), timeout=10) as r:
            return r.read().decode()
    except urllib.error.HTTPError as e:
        return "%d, Retry-After: %s" % (e.code, e.headers.get("Retry-After"))


def start(root, database):
    """The host, its journal (stderr) gathered line by line."""
    p = subprocess.Popen([SITE, "--root", root, "--port", "0", "--database", database], stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True)
    p.journal = []
    threading.Thread(target=lambda: [p.journal.append(l.strip()) for l in p.stderr], daemon=True).start()
    return p, int(p.stdout.readline())


def stop(host):
    host.terminate(), host.wait(15)


def wait_for(port, name="alice", seconds=20, playing=False):
    """players.json finds the name (playing now, if asked) once the store's thread has written
    its session."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        seen = json.loads(get(port, "players.json?name=" + name))["players"]
        if seen and (seen[0]["playing"] or not playing):
            return seen[0]
        time.sleep(0.2)
    return None


def the_page_shows_the_pulse(port, game, where):
    seen = wait_for(port)
    check(seen and seen["playing"] and seen["server"] == "Arena" and seen["page"] == PAGE % game,
          where + ": players.json: Alice playing now on Arena")
    page = get(port, PAGE % game)
    check("History unavailable" not in page and "<title id=\"day-t\">Players over the last 24 hours</title>" in page,
          where + ": the server page draws the day")
    check("<td>&lt;b&gt;Bob&lt;/b&gt;</td>" in page.split("Played here today")[1], where + ": played here today: Bob, as text")
    data = json.loads(get(port, "history.json?page=" + urllib.parse.quote(PAGE % game)))
    check(data["available"] and data["day"][-1]["players"] == 2 and data["slots"] == 16, where + ": history.json: 2 of 16")


class Cluster:
    """initdb and pg_ctl as the postgres user (the server refuses root), on a socket folder."""
    def __init__(self, tmp):
        owner = pwd.getpwnam("postgres") if os.getuid() == 0 else pwd.getpwuid(os.getuid())
        self.as_owner = ["runuser", "-u", owner.pw_name, "--"] if os.getuid() == 0 else []
        self.bin = "/usr/lib/postgresql/%s/bin/" % sorted(os.listdir("/usr/lib/postgresql"))[-1]
        os.chown(tmp, owner.pw_uid, owner.pw_gid)
        self.data, self.sock, self.log = tmp + "/data", tmp + "/sock", tmp + "/log"
        os.mkdir(self.sock)
        os.chown(self.sock, owner.pw_uid, owner.pw_gid)
        self.run("initdb", "-D", self.data, "-A", "trust", "-U", "tovo")
        self.start()
        self.run("createdb", "-h", self.sock, "-U", "tovo", "pulse")
        self.url = "postgresql://tovo@/pulse?host=" + urllib.parse.quote(self.sock, safe="")

    def run(self, *a):
        return subprocess.run(self.as_owner + [self.bin + a[0]] + list(a[1:]), check=True, capture_output=True, text=True).stdout

    def start(self):
        self.run("pg_ctl", "-D", self.data, "-w", "-l", self.log, "-o", "-k %s -c listen_addresses=''" % self.sock, "start")

    def stop(self):
        self.run("pg_ctl", "-D", self.data, "-w", "-m", "fast", "stop")

    def sql(self, query):
        return self.run("psql", "-h", self.sock, "-U", "tovo", "-d", "pulse", "-tAc", query).split()

    def processes(self):
        main = open(self.data + "/postmaster.pid").readline().strip()
        return [int(p) for p in [main] + subprocess.run(["pgrep", "-P", main], capture_output=True, text=True).stdout.split()]


def frozen(cluster, port, game):
    """The cluster stopped dead (SIGSTOP): every page comes as fast as ever, a players search is
    told to come back."""
    frozen = cluster.processes()
    try:
        [os.kill(pid, signal.SIGSTOP) for pid in frozen]
        slow = {}
        for path in (PAGE % game, "news.htm", "servers.json", "viewservers.htm", "history.json?page=" + urllib.parse.quote(PAGE % game)):
            t = time.monotonic()
            get(port, path)
            slow[path] = round(time.monotonic() - t, 3)
            time.sleep(1)
        check(all(t < (2 if p == PAGE % game else 0.5) for p, t in slow.items()), "PostgreSQL frozen: every page within 500 ms, the server page within 2 s: %r" % slow)
        busy = get(port, "players.htm?name=alice")
        check(busy == "503, Retry-After: 5", "PostgreSQL frozen: a players search answered " + busy)
    finally:
        [os.kill(pid, signal.SIGCONT) for pid in frozen]


def postgres(tmp, root, game, names):
    cluster = Cluster(tmp)
    try:
        host, port = start(root, cluster.url)
        try:
            the_page_shows_the_pulse(port, game, "PostgreSQL")
            frozen(cluster, port, game)
            # Restarted: the host finds the store again by itself, and says so.
            cluster.stop()
            cluster.start()
            names.append("Carol")
            check(wait_for(port, "carol", 60, playing=True) is not None and "tovo-site: history: writing again" in host.journal,
                  "PostgreSQL restarted: history resumes, the journal says so: %r" % host.journal)
            check("History unavailable" not in get(port, PAGE % game), "PostgreSQL restarted: the pulse is back")
            # Stopped, then SIGTERM soon after it is back: the queue is written, the sessions end.
            cluster.stop()
            names.append("Dave")
            time.sleep(12)  # a round of the status loop
            cluster.start()
        finally:
            stop(host)
        rows = cluster.sql("SELECT name, open FROM sessions ORDER BY name")
        check(rows == ["<b>Bob</b>|0", "Alice|0", "Carol|0", "Dave|0"], "PostgreSQL: SIGTERM wrote the queue and closed the sessions: %r" % rows)
        # Started before its store: the host serves at once and writes once the store is up.
        cluster.stop()
        t = time.monotonic()
        host, port = start(root, cluster.url)
        try:
            started = time.monotonic() - t
            cluster.start()
            check(started < 2 and wait_for(port, "dave", 60, playing=True) is not None,
                  "PostgreSQL after the host: started in %.1f s, history written once it is up" % started)
            # A second host on the store, watching a server of its own: both write, each closes
            # only its own sessions.
            os.mkdir(tmp + "/other")
            with open(tmp + "/other/servers.con", "w") as f:
                f.write("[Other]\r\nGame=qktre\r\nAddress=127.0.0.1:%d\r\n" % stand_in(["Erin"]))
            other, at = start(tmp + "/other", cluster.url)
            written = wait_for(at, "erin") is not None
            stop(other)
            alice, erin = wait_for(port, "alice", 5), wait_for(port, "erin", 5)
            check(written and alice["playing"] and not erin["playing"], "two hosts: both write; one stopping ends its sessions only: %r" % [alice, erin])
        finally:
            stop(host)
    finally:
        cluster.stop()


def killed_mid_write(root, game):
    """kill -9 while the store's thread writes every 2 s: what was committed is there after."""
    store = root + "/killed.sqlite"
    host, port = start(root, store)
    seen = wait_for(port)
    host.kill()
    host.wait()
    check(seen is not None, "SQLite: Alice written before the kill")
    c = sqlite3.connect(store)
    out = [c.execute(q).fetchone()[0] for q in ("PRAGMA integrity_check", "SELECT COUNT(*) FROM sessions")]
    c.close()
    check(out == ["ok", 2], "SQLite: after kill -9 the store is whole with both sessions: %r" % out)
    host, port = start(root, store)
    check(wait_for(port) is not None, "SQLite: the host starts again on the killed store")
    stop(host)


def main():
    names = ["Alice", "<b>Bob</b>"]
    game = stand_in(names)
    with tempfile.TemporaryDirectory() as tmp:
        os.chmod(tmp, 0o755)  # the database's own user passes through
        root = tmp + "/community"
        os.mkdir(root)
        for name, text in (("servers.con", "[Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:%d\r\n" % game), ("news.htm", "<title>News</title>")):
            with open(root + "/" + name, "w") as f:
                f.write(text)
        killed_mid_write(root, game)
        pg = tmp + "/pg"
        os.mkdir(pg)
        postgres(pg, root, game, names)
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
