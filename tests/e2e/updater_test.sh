#!/usr/bin/env bash
# LumoUpdate opens the home page from conf.ini beside it in the user's browser, and nothing that
# is not a web page.
source "$(dirname "$0")/lib/common.sh"
e2e_init
[ -x "$LUMO_APP_BUILD/LumoUpdate" ] || e2e_fail "LumoUpdate is not built"
app=$E2E_TMP/updater
mkdir -p "$app"
cp "$LUMO_APP_BUILD/LumoUpdate" "$app/"

opened() { e2e_wait_until 10 grep -qxF -- "$1" "$URL_LOG"; }

# Without conf.ini: the built-in home page.
(cd / && "$app/LumoUpdate") || e2e_fail "LumoUpdate failed without conf.ini"
opened "http://127.0.0.1:8470/desk/" || e2e_fail "default home page not opened: $(cat "$URL_LOG")"

printf '[MAIN]\nhomeurl=https://wallpapers.example/desk/?from=update\n' >"$app/conf.ini"
"$app/LumoUpdate" || e2e_fail "LumoUpdate failed"
opened "https://wallpapers.example/desk/?from=update" || e2e_fail "HOMEURL not opened: $(cat "$URL_LOG")"

for target in "file:///etc/passwd" "/usr/bin/xterm" "javascript:alert(1)"; do
    printf '[MAIN]\nHOMEURL=%s\n' "$target" >"$app/conf.ini"
    : >"$URL_LOG"
    if "$app/LumoUpdate"; then e2e_fail "LumoUpdate accepted $target"; fi
    sleep 0.5
    e2e_expect_eq "$(cat "$URL_LOG")" "" "opened for $target"
done
e2e_log "ok"
