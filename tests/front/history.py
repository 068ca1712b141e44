#!/usr/bin/env python3
"""The host's history in real databases: Debian's PostgreSQL started in a folder of the test's
on a Unix socket, and SQLite killed with -9 while the host writes. A stand-in Quake III server
on loopback has two players.
Usage: history.py TOVO-SITE"""
import json, os, pwd, shutil, socket, subprocess, sys, tempfile, threading, time, urllib.parse, urllib.request

SITE = sys.argv[1]
PAGE = "qktre127.0.0.1:%d.htm"
from front import P, check, failures  # the front's own way of saying each check


def stand_in():
    """A Quake III server that answers every status question: Alice and a name with markup."""
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    s.bind(("127.0.0.1", 0))
    reply = (b"\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Arena\\mapname\\oa_dm1\\sv_maxclients\\16\n"
             b'5 40 "Alice"\n2 60 "<b>Bob</b>"\n')
    def serve():
        while True:
            data, peer = s.recvfrom(2048)
            if b"getstatus" in data:
                s.sendto(reply, peer)
    threading.Thread(target=serve, daemon=True).start()
    return s.getsockname()[1]


def get(port, path):
    with urllib.request.urlopen("http://127.0.0.1:%d%s%s" % (port, P, path), timeout=10) as r:
        return r.read().decode()


def start(root, database):
    p = subprocess.Popen([SITE, "--root", root, "--port", "0", "--database", database], stdout=subprocess.PIPE, text=True)
    return p, int(p.stdout.readline())


def wait_for_alice(port):
    """players.json finds Alice once the store's thread has written her session (a few seconds)."""
    for _ in range(100):
        seen = json.loads(get(port, "players.json?name=alice"))["players"]
        if seen:
            return seen[0]
        time.sleep(0.2)
    return None


def the_page_shows_the_pulse(port, game, where):
    seen = wait_for_alice(port)
    check(seen and seen["playing"] and seen["server"] == "Arena" and seen["page"] == PAGE % game,
          where + ": players.json: Alice playing now on Arena")
    page = get(port, PAGE % game)
    check("History unavailable" not in page and "<title id=\"day-t\">Players over the last 24 hours</title>" in page,
          where + ": the server page draws the day")
    check("<td>&lt;b&gt;Bob&lt;/b&gt;</td>" in page.split("Played here today")[1], where + ": played here today: Bob, as text")
    data = json.loads(get(port, "history.json?page=" + urllib.parse.quote(PAGE % game)))
    check(data["available"] and data["day"][-1]["players"] == 2 and data["slots"] == 16, where + ": history.json: 2 of 16")


def postgres(tmp, root, game):
    """initdb and pg_ctl as the postgres user (the server refuses root), on a socket folder."""
    owner = pwd.getpwnam("postgres") if os.getuid() == 0 else pwd.getpwuid(os.getuid())
    as_owner = ["runuser", "-u", owner.pw_name, "--"] if os.getuid() == 0 else []
    bin_dir = "/usr/lib/postgresql/%s/bin" % sorted(os.listdir("/usr/lib/postgresql"))[-1]
    os.chown(tmp, owner.pw_uid, owner.pw_gid)
    data, sock = tmp + "/data", tmp + "/sock"
    os.mkdir(sock)
    os.chown(sock, owner.pw_uid, owner.pw_gid)
    run = lambda *a: subprocess.run(as_owner + list(a), check=True, capture_output=True)
    run(bin_dir + "/initdb", "-D", data, "-A", "trust", "-U", "tovo")
    run(bin_dir + "/pg_ctl", "-D", data, "-w", "-l", tmp + "/log", "-o", "-k %s -c listen_addresses=''" % sock, "start")
    try:
        run(bin_dir + "/createdb", "-h", sock, "-U", "tovo", "pulse")
        host, port = start(root, "postgresql://tovo@/pulse?host=" + urllib.parse.quote(sock, safe=""))
        try:
            the_page_shows_the_pulse(port, game, "PostgreSQL")
        finally:
            host.terminate()
            host.wait()
        rows = subprocess.run(as_owner + [bin_dir + "/psql", "-h", sock, "-U", "tovo", "-d", "pulse", "-tAc",
                                          "SELECT name, open FROM sessions ORDER BY name"], capture_output=True, text=True).stdout
        check(rows.split() == ["<b>Bob</b>|0", "Alice|0"], "PostgreSQL: the sessions closed when the host stopped: " + repr(rows))
    finally:
        run(bin_dir + "/pg_ctl", "-D", data, "-w", "-m", "fast", "stop")


def killed_mid_write(root, game):
    """kill -9 while the store's thread writes every 2 s: what was committed is there after."""
    store = root + "/killed.sqlite"
    host, port = start(root, store)
    seen = wait_for_alice(port)
    host.kill()
    host.wait()
    check(seen is not None, "SQLite: Alice written before the kill")
    out = subprocess.run(["python3", "-c", "import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); "
                          "print(c.execute('PRAGMA integrity_check').fetchone()[0], c.execute('SELECT COUNT(*) FROM sessions').fetchone()[0])",
                          store], capture_output=True, text=True).stdout.split()
    check(out[:1] == ["ok"] and int(out[1]) == 2, "SQLite: after kill -9 the store is whole with both sessions: %r" % out)
    host, port = start(root, store)
    try:
        check(wait_for_alice(port) is not None, "SQLite: the host starts again on the killed store")
    finally:
        host.terminate()
        host.wait()


def main():
    game = stand_in()
    with tempfile.TemporaryDirectory() as tmp:
        os.chmod(tmp, 0o755)  # the database's own user passes through
        root = tmp + "/community"
        os.mkdir(root)
        with open(root + "/servers.con", "w") as f:
            f.write("[Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:%d\r\n" % game)
        killed_mid_write(root, game)
        pg = tmp + "/pg"
        os.mkdir(pg)
        postgres(pg, root, game)
    print("%d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
