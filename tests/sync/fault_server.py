#!/usr/bin/env python3
"""A small CalDAV stand-in for faults a real server does not make on demand.

    fault_server.py PORT FAULT

FAULT: fail-put-N  (the N-th PUT answers 500)
       stall-put-N (the N-th PUT never answers in time)
       race-412    (another client changes an event just before our PUT:
                    the 3rd new event and the first change of each event
                    find a version of someone else's and get 412)
It keeps the calendar in memory under /cal/ and speaks just enough CalDAV
for the sync: REPORT, GET, PUT and DELETE with ETag preconditions.
"""
import base64
import hashlib
import http.server
import sys
import threading
import time
from xml.sax.saxutils import escape

USER, PASSWORD = "anna", "Schicht-Geheim-42"
PREFIX = "/cal/"
port, fault = int(sys.argv[1]), (sys.argv[2] if len(sys.argv) > 2 else "")
store = {}  # href -> (etag, text)
lock = threading.Lock()
puts = 0
raced = set()
new_puts = 0


def etag_of(text):
    return '"' + hashlib.sha1(text.encode()).hexdigest()[:16] + '"'


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, status, body=b"", headers=()):
        self.send_response(status)
        for k, v in headers:
            self.send_header(k, v)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def authorised(self):
        expected = "Basic " + base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()
        if self.headers.get("Authorization") == expected:
            return True
        self.reply(401, headers=[("WWW-Authenticate", 'Basic realm="cal"')])
        return False

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length", "0"))).decode()

    def do_REPORT(self):
        self.body()
        if not self.authorised():
            return
        with lock:
            items = list(store.items())
        parts = ['<?xml version="1.0"?><D:multistatus xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">']
        for href, (etag, text) in items:
            parts.append(f"<D:response><D:href>{href}</D:href><D:propstat><D:prop><D:getetag>{escape(etag)}"
                         f"</D:getetag><C:calendar-data>{escape(text)}</C:calendar-data></D:prop>"
                         "<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>")
        parts.append("</D:multistatus>")
        self.reply(207, "".join(parts).encode(), [("Content-Type", "application/xml")])

    def do_GET(self):
        if not self.authorised():
            return
        with lock:
            held = store.get(self.path)
        if held is None:
            return self.reply(404)
        self.reply(200, held[1].encode(), [("ETag", held[0]), ("Content-Type", "text/calendar")])

    def do_PUT(self):
        global puts, new_puts
        text = self.body()
        if not self.authorised():
            return
        if not self.path.startswith(PREFIX) or self.path == PREFIX:
            return self.reply(403)
        with lock:
            puts += 1
            n = puts
        if fault.startswith("fail-put-") and n == int(fault[9:]):
            return self.reply(500, b"kaputt")
        if fault.startswith("stall-put-") and n == int(fault[10:]):
            time.sleep(6)
            return
        with lock:
            held = store.get(self.path)
            if_match = self.headers.get("If-Match")
            if fault == "race-412":
                if if_match is None and held is None:
                    new_puts += 1
                    if new_puts == 3:
                        other = text.replace("SUMMARY:", "SUMMARY:Fremd ")
                        store[self.path] = (etag_of(other), other)
                        return self.reply(412)
                if if_match is not None and self.path not in raced:
                    raced.add(self.path)
                    other = text.replace("SUMMARY:", "SUMMARY:Telefon ")
                    store[self.path] = (etag_of(other), other)
                    return self.reply(412)
            if self.headers.get("If-None-Match") == "*" and held is not None:
                return self.reply(412)
            if if_match is not None and (held is None or held[0] != if_match):
                return self.reply(412)
            store[self.path] = (etag_of(text), text)
        self.reply(201 if held is None else 204, headers=[("ETag", etag_of(text))])

    def do_DELETE(self):
        if not self.authorised():
            return
        with lock:
            held = store.get(self.path)
            if held is None:
                return self.reply(404)
            if_match = self.headers.get("If-Match")
            if if_match is not None and if_match != held[0]:
                return self.reply(412)
            del store[self.path]
        self.reply(204)


server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
server.daemon_threads = True
server.serve_forever()
