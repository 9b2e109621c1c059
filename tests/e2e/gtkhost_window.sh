#!/usr/bin/env bash
# A window of the window framework on the GTK host under Xvfb: a click on the owner-drawn button
# and typing into the edit box reach the framework, a link with the private prefix "app:" in the
# web view is cancelled and reported, the page function it calls pings the loopback server, and
# a screenshot shows the drawn pixels where they belong, the window's rounded shape included.
source "$(dirname "$0")/lib/common.sh"
e2e_init
e2e_start_xvfb 1024x768x24
demo="$LUMO_BINARY_DIR/tests/gtkhost_demo"
work=$E2E_TMP

mkdir "$work/site"
# The view shows, from its top: an "app:" link, a frame holding another one, a link and a button
# that ask for new windows, and a script alert that the silent view must swallow.
cat >"$work/site/index.html" <<'HTML'
<!doctype html><html><head><title>demo</title><script>
function TestFunc() { fetch('/ping?from=TestFunc'); }
window.addEventListener('load', function () { alert('silent views show no alerts'); });
</script><style>a, button, iframe { display:block; width:100%; border:0; margin:0; padding:0 }</style>
</head><body style="margin:0; height: 2000px">
<a href="app:http://127.0.0.1/w/thumb_1.jpg%3ESea" style="height:50px; background:#00ff00"></a>
<iframe style="height:40px" srcdoc="<body style='margin:0'><a href='app:http://127.0.0.1/w/thumb_2.jpg%3EFrame' style='display:block;height:40px;background:#ff00ff'></a></body>"></iframe>
<a href="http://example.test/new" target="_blank" style="height:25px; background:#ffff00"></a>
<button onclick="window.open('https://example.test/popup')" style="height:25px; background:#ffffff"></button>
</body></html>
HTML
(cd "$work/site" && exec python3 -u -m http.server 0 --bind 127.0.0.1) >"$work/server.log" 2>&1 &
e2e_track $!
e2e_wait_for_line "$work/server.log" "Serving HTTP"
port=$(grep -o 'port [0-9]*' "$work/server.log" | head -n1 | cut -d' ' -f2)

"$demo" window "http://127.0.0.1:$port/index.html" >"$work/demo.out" 2>"$work/demo.err" &
demo_pid=$!
e2e_track $demo_pid
e2e_wait_for_line "$work/demo.out" "^loaded http://127.0.0.1:$port/index.html"

# The window is at 100,100; the button at 20,20 inside it, the edit at 20,80, the view at 20,120.
xdotool mousemove 150 140 click 1
e2e_wait_for_line "$work/demo.out" "^clicked$"
xdotool mousemove 200 190 click 1
xdotool type "lumora 7"
e2e_wait_for_line "$work/demo.out" "^text lumora 7$"
xdotool mousemove 250 245 click 1
e2e_wait_for_line "$work/demo.out" "^cancelled app:http://127.0.0.1/w/thumb_1.jpg>Sea$"
e2e_wait_for_line "$work/server.log" "GET /ping?from=TestFunc"
# A link inside a frame passes the same hook.
xdotool mousemove 250 290 click 1
e2e_wait_for_line "$work/demo.out" "^cancelled app:http://127.0.0.1/w/thumb_2.jpg>Frame$"
if grep -q "GET /w/" "$work/server.log"; then e2e_fail "a cancelled link was followed"; fi
# New windows go to the view's handler; the view opens none itself.
xdotool mousemove 250 322 click 1
e2e_wait_for_line "$work/demo.out" "^newwindow http://example.test/new$"
xdotool mousemove 250 347 click 1
e2e_wait_for_line "$work/demo.out" "^newwindow https://example.test/popup$"
sleep 0.5
windows=$(xdotool search --onlyvisible --pid "$demo_pid" 2>/dev/null | wc -l)
[ "$windows" -le 1 ] || e2e_fail "the view opened windows of its own ($windows visible)"

# Move the pointer away so no hover changes the picture, then compare pixels.
xdotool mousemove 900 700
e2e_screenshot "$work/shot.png"
fail=0
#   x   y   expected   what
while read -r x y expected what; do
    got=$(e2e_pixel "$work/shot.png" "$x" "$y")
    if [ "$got" != "$expected" ]; then echo "$what at $x,$y: expected $expected, got $got"; fail=1; fi
done <<'CASES'
50  50  000000 outside the window
101 101 000000 the cut-away top left corner
498 398 000000 the cut-away bottom right corner
120 101 0000FF window background along the top edge
110 110 0000FF window background inside the corner
150 140 FF0000 owner-drawn button
250 245 00FF00 the page in the web view
250 290 FF00FF the frame in the page
490 290 0000FF background right of the view
CASES
exit $fail
