#!/usr/bin/env python3
"""The proxy out of threads and out of sockets: while idle browser
connections use up a lowered process limit, the proxy refuses what it cannot
serve without spinning, and serves again by itself once they are released.

Usage: exhaustion_test.py HUSHPROXY"""
import http.server
import os
import socket
import subprocess
import sys
import threading
import time

IDLE_CONNECTIONS = 150
# Each thread's stack takes address space: this leaves room for a few dozen.
ADDRESS_SPACE_LIMIT = 384 << 20
OPEN_FILES_LIMIT = 64


class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"<html><head></head><body>served</body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def fetch(proxy_port, origin_port, limit=2.0):
    """The body of one request through the proxy, or None."""
    try:
        with socket.create_connection(("127.0.0.1", proxy_port), timeout=limit) as s:
            s.settimeout(limit)
            s.sendall(b"GET http://127.0.0.1:%d/ HTTP/1.0\r\n\r\n" % origin_port)
            answer = b""
            while chunk := s.recv(65536):
                answer += chunk
            return answer.split(b"\r\n\r\n", 1)[1] if b"\r\n\r\n" in answer else None
    except OSError:
        return None


def cpu_ticks(pid):
    fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def exhaust(hushproxy, limit, origin_port):
    port = free_port()
    proxy = subprocess.Popen(["prlimit", limit, hushproxy, "--ini", "/nonexistent",
                              "--port", str(port)], stdout=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if fetch(port, origin_port) is not None:
                break
            time.sleep(0.1)
        else:
            return "did not start"
        idle = []
        for _ in range(IDLE_CONNECTIONS):
            try:
                idle.append(socket.create_connection(("127.0.0.1", port), timeout=2))
            except OSError:
                break
        time.sleep(1)
        before = cpu_ticks(proxy.pid)
        time.sleep(1)
        spun = cpu_ticks(proxy.pid) - before
        exhausted = fetch(port, origin_port, limit=1.0) is None
        for s in idle:
            s.close()
        served = None
        deadline = time.time() + 10
        while served is None and time.time() < deadline:
            served = fetch(port, origin_port)
        if proxy.poll() is not None:
            return "the proxy ended"
        if not exhausted:
            return "the limit was never reached (raise IDLE_CONNECTIONS)"
        if spun > os.sysconf("SC_CLK_TCK") // 3:
            return "the proxy spun while exhausted (%d ticks in a second)" % spun
        if served != b"<html><head></head><body>served</body></html>":
            return "the proxy did not serve again after the release"
        return None
    finally:
        proxy.kill()
        proxy.wait()


def main():
    origin = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Page)
    origin.handle_error = lambda *args: None  # the proxy drops what it cannot serve
    threading.Thread(target=origin.serve_forever, daemon=True).start()
    failures = []
    for limit in ("--as=%d" % ADDRESS_SPACE_LIMIT, "--nofile=%d" % OPEN_FILES_LIMIT):
        problem = exhaust(sys.argv[1], limit, origin.server_address[1])
        print("%s: %s" % (limit, problem or "recovered"))
        if problem:
            failures.append(limit)
    origin.shutdown()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
