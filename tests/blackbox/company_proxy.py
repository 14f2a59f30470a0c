#!/usr/bin/env python3
"""A company's HTTP proxy for the black-box tests: relays requests in
absolute form to their origin and writes each request line it served to
LOG, so a test can tell that Hushwall really went through it.

Usage: company_proxy.py PORT LOG"""
import http.client
import sys
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HOP_BY_HOP = {"connection", "keep-alive", "proxy-connection", "transfer-encoding", "te",
              "trailer", "upgrade", "proxy-authorization"}


class Relay(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def relay(self):
        target = urllib.parse.urlsplit(self.path)
        if target.scheme != "http" or not target.hostname:
            self.send_error(400, "absolute http address expected")
            return
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else None
        headers = {k: v for k, v in self.headers.items() if k.lower() not in HOP_BY_HOP}
        path = target.path or "/"
        if target.query:
            path += "?" + target.query
        origin = http.client.HTTPConnection(target.hostname, target.port or 80, timeout=30)
        try:
            origin.request(self.command, path, body, headers)
            answer = origin.getresponse()
            data = answer.read()
        except OSError as error:
            self.send_error(502, str(error))
            return
        finally:
            origin.close()
        with open(self.server.log, "a") as log:
            log.write(f"{self.command} {self.path}\n")
        self.send_response(answer.status, answer.reason)
        for name, value in answer.getheaders():
            if name.lower() not in HOP_BY_HOP | {"content-length"}:
                self.send_header(name, value)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Via", "1.0 company-proxy")
        self.end_headers()
        self.wfile.write(data)

    do_GET = do_POST = do_HEAD = relay

    def log_message(self, *args):
        pass


def main():
    server = ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Relay)
    server.log = sys.argv[2]
    server.serve_forever()


if __name__ == "__main__":
    main()
