#!/usr/bin/env python3
"""A stand-in service script for the start-up scenarios.

Listens on a free loopback port (written to WORK/port), logs every request target to
WORK/requests, answers op=getversion with the content of WORK/version ("1.0" when absent) and
holds that answer back while WORK/hold exists, so a test can keep an instance in its start-up.
"""
import http.server
import os
import sys
import time

work = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(os.path.join(work, "requests"), "a", encoding="utf-8") as log:
            log.write(self.path + "\n")
        if not self.path.startswith("/kavri/lm/lm.php?"):
            self.send_error(404)
            return
        body = b""
        if "op=getversion" in self.path:
            deadline = time.time() + 25
            while os.path.exists(os.path.join(work, "hold")) and time.time() < deadline:
                time.sleep(0.05)
            try:
                with open(os.path.join(work, "version"), "rb") as f:
                    body = f.read()
            except FileNotFoundError:
                body = b"1.0"
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(os.path.join(work, "port.tmp"), "w") as f:
    f.write(str(server.server_address[1]))
os.rename(os.path.join(work, "port.tmp"), os.path.join(work, "port"))
server.serve_forever()
