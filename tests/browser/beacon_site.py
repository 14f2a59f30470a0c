#!/usr/bin/env python3
"""A page that tells its server whether Hushwall's blocker script ran in it.

/page.html?ID writes an image whose address carries ID and 1 when the
blocker script stands in front of the page (it sets window.__hushwall),
0 otherwise; every such beacon is appended to LOG as "ID blocker=N".
/popup.html?ID opens a window as the page loads, without the user asking,
and then reports the page's title: "ID title=TITLE" (URL-encoded).
Usage: beacon_site.py PORT LOG
"""
import http.server
import sys

PAGE = (b"<html><head><title>beacon</title></head><body><script>"
        b"document.write('<img src=\"/beacon?' + location.search.substring(1) + '&blocker=' +"
        b" (window.__hushwall ? 1 : 0) + '\">');</script></body></html>")
POPUP = (b"<html><head><title>Offers</title></head><body><script>"
         b"window.open('/page.html?opened');"
         b"document.write('<img src=\"/beacon?' + location.search.substring(1) + '&title=' +"
         b" encodeURIComponent(document.title) + '\">');</script></body></html>")


class Site(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith("/page.html"):
            self.answer(200, "text/html", PAGE)
        elif self.path.startswith("/popup.html"):
            self.answer(200, "text/html", POPUP)
        else:
            if self.path.startswith("/beacon?"):
                query = self.path.split("?", 1)[1]
                ident, _, blocker = query.partition("&")
                with open(sys.argv[2], "a") as log:
                    log.write("%s %s\n" % (ident, blocker))
            self.answer(404, "text/plain", b"")

    def answer(self, status, kind, body):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Site).serve_forever()
