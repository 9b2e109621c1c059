#!/usr/bin/env bash
# The reference service as the program and a browser see it: the service script's replies, the
# request log, the online library page with its pictures, and the site's home and search pages.
source "$(dirname "$0")/lib/common.sh"
e2e_init

# get URL -> body on stdout; the HTTP status goes to $E2E_TMP/status.
get() {
    curl -s -o "$E2E_TMP/body" -w '%{http_code}' "$1" >"$E2E_TMP/status"
    cat "$E2E_TMP/body"
}
status() { cat "$E2E_TMP/status"; }
script="kavri/lm/lm.php"

e2e_start_service
default_url=$SERVICE_URL

# The service script: bare replies, whatever the usage report says.
e2e_expect_eq "$(get "$default_url/$script?op=getversion")" "1.0" "getversion"
e2e_expect_eq "$(get "$default_url/$script?op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=")" \
    "Lumora每日精选壁纸,$default_url/desk/" "default getad"
for query in "op=exit&uid=&mac=&stype=autostart&version=" "op=nosuch" "" "op="; do
    e2e_expect_eq "$(get "$default_url/$script?$query")" "" "reply to '$query'"
    e2e_expect_eq "$(status)" "200" "status of '$query'"
done

# Every request is one line of path and raw query, in the log as soon as it was answered.
e2e_expect_eq "$(sed -n 1p "$SERVICE_LOG")" "/$script?op=getversion" "first log line"
e2e_expect_eq "$(sed -n 2p "$SERVICE_LOG")" \
    "/$script?op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=" "usage report line"
e2e_expect_eq "$(sed -n 3p "$SERVICE_LOG")" "/$script?op=exit&uid=&mac=&stype=autostart&version=" "exit line"
e2e_expect_eq "$(sed -n 5p "$SERVICE_LOG")" "/$script" "a request without a query"

# The library page: cards whose links carry the thumbnail URL and the name, and the functions.
page=$(get "$default_url/kavri/lm/index.php?cid=1")
e2e_expect_eq "$(status)" "200" "library page"
grep -q 'function TestFunc()' <<<"$page" || e2e_fail "no TestFunc on the page"
grep -q 'function SCCG()' <<<"$page" || e2e_fail "no SCCG on the page"
mapfile -t wallpaper_links < <(grep -o 'href="app:[^"]*"' <<<"$page" | sed 's/^href="app://; s/"$//; s/&gt;/>/')
mapfile -t favourite_links < <(grep -o 'href="sclm:[^"]*"' <<<"$page" | sed 's/^href="sclm://; s/"$//; s/&gt;/>/')
e2e_expect_eq "${#wallpaper_links[@]}" "8" "wallpaper buttons on the first page"
e2e_expect_eq "${#favourite_links[@]}" "8" "favourite buttons on the first page"
e2e_expect_eq "${favourite_links[*]}" "${wallpaper_links[*]}" "both buttons of a card name the same picture"
names=()
for link in "${wallpaper_links[@]}"; do
    thumb=${link%%>*}
    names+=("${link#*>}")
    case $thumb in "$default_url"/kavri/lm/pics/thumb_*) ;; *) e2e_fail "unexpected picture part $thumb" ;; esac
    # The program fetches the picture part without "thumb_": that is the full picture.
    full=${thumb//thumb_/}
    curl -s -o "$E2E_TMP/thumb" "$thumb"
    curl -s -o "$E2E_TMP/full" -w '%{http_code} %{content_type}\n' "$full" >"$E2E_TMP/full.status"
    read -r code type <"$E2E_TMP/full.status"
    e2e_expect_eq "$code" "200" "full picture $full"
    case $type in image/jpeg | image/png) ;; *) e2e_fail "$full is served as $type" ;; esac
    e2e_expect_eq "$(identify -format '%w' "$E2E_TMP/full")" "1920" "width of $full"
    e2e_expect_eq "$(identify -format '%w' "$E2E_TMP/thumb")" "320" "width of $thumb"
done
grep -qx '晨曦' < <(printf '%s\n' "${names[@]}") || e2e_fail "no picture named 晨曦: ${names[*]}"
page2=$(get "$default_url/kavri/lm/index.php?cid=1&page=2")
e2e_expect_eq "$(grep -o 'href="app:' <<<"$page2" | wc -l)" "4" "wallpaper buttons on the second page"

# The page's functions report to notice.php, which a scenario can watch for in the log.
get "$default_url/kavri/lm/notice.php?fn=TestFunc&name=%E6%99%A8%E6%9B%A6" >/dev/null
e2e_expect_eq "$(status)" "204" "notice"
e2e_expect_request '^/kavri/lm/notice\.php\?fn=TestFunc&name=%E6%99%A8%E6%9B%A6$'

# Nothing but the library's pictures is served from the picture folder.
for path in "kavri/lm/pics/names.txt" "kavri/lm/pics/..%2F..%2Fetc%2Fpasswd" "kavri/lm/pics/thumb_nosuch.jpg" "nosuch"; do
    get "$default_url/$path" >/dev/null
    e2e_expect_eq "$(status)" "404" "$path"
done

# The search page reads the keyword as code page 936, as the program sends it; the site's own
# form says ie=utf-8.
search="$default_url/desk/index.php?m=search&c=index&a=init&typeid=3&q="
get "${search}%D0%C7%BF%D5" | grep -q '“星空”的搜索结果：1 张壁纸' || e2e_fail "search for 星空 in code page 936"
get "${search}%B1%DA%D6%BD" | grep -q '“壁纸”的搜索结果：0 张壁纸' || e2e_fail "search for 壁纸 in code page 936"
get "${search}a+b%2D%2E" | grep -q '“a b-.”的搜索结果' || e2e_fail "search for a b-."
get "${search}%E6%98%9F&ie=utf-8" | grep -q '“星”的搜索结果：1 张壁纸' || e2e_fail "search for 星 in UTF-8"
get "${search}%3Cscript%3E" | grep -q '&lt;script&gt;' || e2e_fail "the keyword is not escaped"
get "$default_url/desk/" | grep -q 'Lumora 1.0' || e2e_fail "home page without the version"
get "$default_url/desk" >/dev/null
e2e_expect_eq "$(status)" "302" "/desk redirects"

# Options: the version, the ad and a folder of one's own pictures (thumbnails made on the fly).
own=$E2E_TMP/own
mkdir -p "$own"
convert -size 800x600 gradient:red-blue "$own/red sea.jpg"
echo "not a picture" >"$own/notes.txt"
first_log=$SERVICE_LOG
first_lines=$(wc -l <"$first_log")
e2e_start_service --version " 2.0 beta" --ad "新版壁纸,https://example.org/a,b" --pictures "$own"
e2e_expect_eq "$(get "$SERVICE_URL/$script?op=getversion")" " 2.0 beta" "--version"
e2e_expect_eq "$(get "$SERVICE_URL/$script?op=getad")" "新版壁纸,https://example.org/a,b" "--ad"
page=$(get "$SERVICE_URL/kavri/lm/index.php?cid=1")
grep -q "href=\"app:$SERVICE_URL/kavri/lm/pics/thumb_red%20sea.jpg&gt;red sea\"" <<<"$page" ||
    e2e_fail "own picture not on the page"
e2e_expect_eq "$(grep -o 'href="app:' <<<"$page" | wc -l)" "1" "only pictures are listed"
curl -s -o "$E2E_TMP/own-thumb" "$SERVICE_URL/kavri/lm/pics/thumb_red%20sea.jpg"
e2e_expect_eq "$(identify -format '%wx%h' "$E2E_TMP/own-thumb")" "267x200" "made thumbnail"
e2e_expect_eq "$(sed -n 1p "$SERVICE_LOG")" "/$script?op=getversion" "second service's log"
e2e_expect_eq "$(wc -l <"$first_log")" "$first_lines" "first service's log after the second one's requests"

# A taken port is an error, not a silent second service.
if "$LUMO_APP_BUILD/lumora-service" --port "$SERVICE_PORT" --pictures "$own" >/dev/null 2>&1; then
    e2e_fail "a second service on a taken port started"
fi
if "$LUMO_APP_BUILD/lumora-service" --port 99999 >/dev/null 2>&1; then
    e2e_fail "a bad port was accepted"
fi
e2e_log "ok"
