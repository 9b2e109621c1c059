#!/usr/bin/env bash
# The real program under Xvfb against a service that answers every request with two bytes a
# second and never finishes: the start-up version check and the ad request each give up after
# their few seconds, the network message comes, the main window appears, and the tray menu's
# exit ends the program although the exit notice never gets its answer either.
source "$(dirname "$0")/lib/common.sh"

e2e_init
e2e_start_xvfb 1280x1024x24
e2e_start_dbus
unset NO_AT_BRIDGE
e2e_start_trayer

# The dripping service: every connection gets a status line, a long length and then "1." a
# second, until the client goes away. Each request is logged.
DRIP_LOG=$E2E_TMP/drip.log
: >"$DRIP_LOG"
/usr/bin/python3 - "$E2E_TMP/drip.port" "$DRIP_LOG" >"$E2E_TMP/drip.out" 2>&1 <<'PY' &
import socketserver, sys, time

port_file, log_file = sys.argv[1], sys.argv[2]

class Drip(socketserver.BaseRequestHandler):
    def handle(self):
        request = b""
        while b"\r\n\r\n" not in request:
            piece = self.request.recv(4096)
            if not piece:
                return
            request += piece
        with open(log_file, "a") as log:
            log.write(request.split(b" ")[1].decode() + "\n")
        try:
            self.request.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n")
            while True:
                self.request.sendall(b"1.")
                time.sleep(1)
        except OSError:
            pass

socketserver.ThreadingTCPServer.daemon_threads = True
server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), Drip)
with open(port_file, "w") as f:
    f.write(str(server.server_address[1]))
server.serve_forever()
PY
e2e_track $!
e2e_wait_until 20 test -s "$E2E_TMP/drip.port" || e2e_fail "the dripping service did not start"
SERVICE_URL=http://127.0.0.1:$(cat "$E2E_TMP/drip.port")
e2e_make_app_dir
SERVICE_LOG=$DRIP_LOG

network_box_shown() { e2e_lumo_texts | grep -qxF 'label: 您的网络可能没有接上，请检查网络！'; }

started=$SECONDS
e2e_start_lumo
# Without a deadline the start would wait for the version reply for ever.
e2e_wait_until 30 network_box_shown || e2e_fail "no network message: $(e2e_lumo_texts)"
e2e_log "network message after $((SECONDS - started)) s"
e2e_expect_request 'op=getversion' 1
e2e_expect_request 'op=getad&uid=' 1
e2e_lumo_texts | grep -qF 'Lumora有新版' && e2e_fail "a cut version reply offered an update"
box=$(xdotool search --onlyvisible --name '^Lumora$' | head -n 1)
xdotool windowfocus --sync "$box" key Return
e2e_wait_until 20 e2e_main_window_shown || e2e_fail "the main window did not appear"
e2e_log "main window after $((SECONDS - started)) s"

e2e_hide_main_window
e2e_wait_until 10 e2e_tray_icon_centre || e2e_fail "no icon in the notification area"
e2e_tray_exit
e2e_expect_request 'op=exit&uid=' 10
e2e_wait_exit "$LUMO_PID" 20 || e2e_fail "the program did not end after exit"
e2e_log "dripping service checks passed"
