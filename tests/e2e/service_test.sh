#!/usr/bin/env bash
# The reference service as the program and a browser see it: the service script's replies, the
# request log and the usage reports in SQLite, the online library page with its categories,
# search, paging and pictures (both sizes, JPEG and PNG), the site's home and search pages, a
# folder of one's own pictures, and full-size pictures dripped as over a slow line.
source "$(dirname "$0")/lib/common.sh"
e2e_init

# get URL -> body on stdout; the HTTP status goes to $E2E_TMP/status.
get() {
    curl -s -o "$E2E_TMP/body" -w '%{http_code}' "$1" >"$E2E_TMP/status"
    cat "$E2E_TMP/body"
}
status() { cat "$E2E_TMP/status"; }
# The program percent-decodes a link before it takes it apart.
decode() { python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.argv[1]))' "$1"; }
script="kavri/lm/lm.php"

e2e_start_service
default_url=$SERVICE_URL
default_pid=${E2E_PIDS[-1]}

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

# The usage reports are rows of an SQLite database beside the log, countable with sqlite3 while
# the service runs: getversion, getad and exit are reports, other operations are not.
db=${SERVICE_LOG%.log}.db
[ -f "$db" ] || e2e_fail "no report database beside the log"
e2e_expect_eq "$(sqlite3 "$db" "SELECT COUNT(*) FROM reports")" "3" "reports"
e2e_expect_eq "$(sqlite3 "$db" "SELECT COUNT(DISTINCT uid) FROM reports WHERE uid <> ''")" "1" "installations"
e2e_expect_eq "$(sqlite3 "$db" "SELECT COUNT(*) FROM reports WHERE op = 'getad'")" "1" "starts"
e2e_expect_eq "$(sqlite3 -separator '|' "$db" "SELECT op, quote(uid), mac, stype, quote(version), address FROM reports WHERE op = 'getad'")" \
    "getad|'4711'|00-1A-2B-3C-4D-5E |runstart|''|127.0.0.1" "getad row"
e2e_expect_eq "$(sqlite3 "$db" "SELECT quote(uid) FROM reports WHERE op = 'getversion'")" "NULL" "a report without the suffix"
sqlite3 "$db" "SELECT time FROM reports" | grep -qvE '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$' &&
    e2e_fail "report times: $(sqlite3 "$db" "SELECT time FROM reports")"

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
page2=$(get "$default_url/kavri/lm/index.php?cid=1&page=2")
mapfile -t -O 8 wallpaper_links < <(grep -o 'href="app:[^"]*"' <<<"$page2" | sed 's/^href="app://; s/"$//; s/&gt;/>/')
e2e_expect_eq "${#wallpaper_links[@]}" "16" "wallpaper buttons on both pages"
names=()
sizes=()
for link in "${wallpaper_links[@]}"; do
    thumb=${link%%>*}
    names+=("$(decode "${link#*>}")")
    case $thumb in "$default_url"/kavri/lm/pics/thumb_*) ;; *) e2e_fail "unexpected picture part $thumb" ;; esac
    # The program fetches the picture part without "thumb_": that is the full picture.
    full=${thumb//thumb_/}
    curl -s -o "$E2E_TMP/thumb" "$thumb"
    curl -s -o "$E2E_TMP/full" -w '%{http_code} %{content_type}\n' "$full" >"$E2E_TMP/full.status"
    read -r code type <"$E2E_TMP/full.status"
    e2e_expect_eq "$code" "200" "full picture $full"
    extension=${full##*.}
    case $extension/$type in jpg/image/jpeg | png/image/png) ;; *) e2e_fail "$full is served as $type" ;; esac
    sizes+=("$extension $(identify -format '%wx%h' "$E2E_TMP/full")")
    e2e_expect_eq "$(identify -format '%wx%h' "$E2E_TMP/thumb")" "206x150" "size of $thumb"
done
for name in 晨曦 "Blue Hour" 极光\ 4K Sunrise; do
    grep -qxF "$name" < <(printf '%s\n' "${names[@]}") || e2e_fail "no picture named $name: ${names[*]}"
done
for size in "jpg 1920x1080" "png 1920x1080" "jpg 3840x2160" "png 3840x2160"; do
    grep -qxF "$size" < <(printf '%s\n' "${sizes[@]}") || e2e_fail "no picture of $size: ${sizes[*]}"
done
grep -vqxE '(jpg|png) (1920x1080|3840x2160)' < <(printf '%s\n' "${sizes[@]}") && e2e_fail "odd sizes: ${sizes[*]}"

# Categories, and the page's own search box (a GET form sending UTF-8), with its paging.
cards() { grep -o 'href="app:' | wc -l; }
e2e_expect_eq "$(get "$default_url/kavri/lm/index.php?cid=3" | cards)" "3" "cards of 夜空"
get "$default_url/kavri/lm/index.php?cid=3" | grep -q 'class="current">夜空<' || e2e_fail "夜空 not current"
e2e_expect_eq "$(get "$default_url/kavri/lm/index.php?cid=42" | cards)" "8" "an unknown category shows all"
e2e_expect_eq "$(get "$default_url/kavri/lm/index.php?cid=1&q=%E6%98%9F" | cards)" "1" "search for 星"
e2e_expect_eq "$(get "$default_url/kavri/lm/index.php?cid=1&q=sky" | cards)" "1" "search for sky"
e2e_expect_eq "$(get "$default_url/kavri/lm/index.php?cid=1&q=j" | cards)" "8" "search for j, first page"
get "$default_url/kavri/lm/index.php?cid=1&q=j" | grep -q 'index.php?cid=1&amp;page=2&amp;q=j"' ||
    e2e_fail "the pager forgets the keyword"
get "$default_url/kavri/lm/index.php?cid=1&q=%3Cb%3E" | grep -q '没有找到与“&lt;b&gt;”相关的壁纸' ||
    e2e_fail "no-result search"

# The page's functions report to notice.php, which a scenario can watch for in the log.
get "$default_url/kavri/lm/notice.php?fn=TestFunc&name=%E6%99%A8%E6%9B%A6" >/dev/null
e2e_expect_eq "$(status)" "204" "notice"
e2e_expect_request '^/kavri/lm/notice\.php\?fn=TestFunc&name=%E6%99%A8%E6%9B%A6$'

# The page in WebKitGTK, taken as the program takes it: each button's link names its own card's
# picture, TestFunc and SCCG mark the card whose button was pressed and say so, the search box and
# the categories work.
e2e_start_xvfb
/usr/bin/python3 "$LUMO_SOURCE_DIR/tests/e2e/library_page.py" "$default_url/kavri/lm/index.php?cid=1" \
    >"$E2E_TMP/page.out" 2>"$E2E_TMP/page.err" || e2e_fail "page driver: $(cat "$E2E_TMP/page.err")"
e2e_expect_eq "$(cat "$E2E_TMP/page.out")" "link: app:$default_url/kavri/lm/pics/thumb_blue-hour-4k.jpg>Blue Hour
link: sclm:$default_url/kavri/lm/pics/thumb_stars.jpg>星空
toast: 「Blue Hour」已设为桌面壁纸
toast: 「星空」已收藏到我的壁纸
applied: Blue Hour
kept: 星空
cards: 1 ?cid=1&q=%E6%98%9F
cards: 3 ?cid=3" "the page in WebKitGTK"
e2e_expect_request '^/kavri/lm/notice\.php\?fn=TestFunc&name=Blue%20Hour$'
e2e_expect_request '^/kavri/lm/notice\.php\?fn=SCCG&name=%E6%98%9F%E7%A9%BA$'

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

# Options: the version, the ad, the database and a folder of one's own pictures (thumbnails made
# on the fly, names from the file names, URLs that survive the program's decoding).
own=$E2E_TMP/own
mkdir -p "$own"
convert -size 800x600 gradient:red-blue "$own/red sea.jpg"
convert -size 640x480 gradient:green-white "$own/红 海.png"
convert -size 320x240 gradient:blue-white "$own/Lake.JPEG"
echo "not a picture" >"$own/notes.txt"
first_log=$SERVICE_LOG
first_lines=$(wc -l <"$first_log")
e2e_start_service --version " 2.0 beta" --ad "新版壁纸,https://example.org/a,b" --pictures "$own" \
    --db "$E2E_TMP/own reports.db"
e2e_expect_eq "$(get "$SERVICE_URL/$script?op=getversion")" " 2.0 beta" "--version"
e2e_expect_eq "$(get "$SERVICE_URL/$script?op=getad")" "新版壁纸,https://example.org/a,b" "--ad"
e2e_expect_eq "$(sqlite3 "$E2E_TMP/own reports.db" "SELECT group_concat(op) FROM reports")" "getversion,getad" "--db"
[ -e "${SERVICE_LOG%.log}.db" ] && e2e_fail "a database beside the log despite --db"
page=$(get "$SERVICE_URL/kavri/lm/index.php?cid=1")
e2e_expect_eq "$(cards <<<"$page")" "3" "only pictures are listed"
own_sizes=()
while read -r link; do
    thumb=${link%%>*}
    name=$(decode "${link#*>}")
    curl -s -o "$E2E_TMP/own-thumb" "$thumb"
    e2e_expect_eq "$(identify -format '%wx%h' "$E2E_TMP/own-thumb")" "206x150" "made thumbnail of $name"
    full=$(decode "${thumb//thumb_/}")
    # The program keeps the picture under this extension and lists lower-case ones only.
    case ${full##*.} in jpg | png) ;; *) e2e_fail "$name is offered as $full" ;; esac
    curl -s -o "$E2E_TMP/own-full" "$full"
    own_sizes+=("$name $(identify -format '%wx%h' "$E2E_TMP/own-full")")
done < <(grep -o 'href="app:[^"]*"' <<<"$page" | sed 's/^href="app://; s/"$//; s/&gt;/>/')
e2e_expect_eq "${own_sizes[*]}" "Lake 320x240 red sea 800x600 红 海 640x480" "own pictures by their names"
e2e_expect_eq "$(sed -n 1p "$SERVICE_LOG")" "/$script?op=getversion" "second service's log"
e2e_expect_eq "$(wc -l <"$first_log")" "$first_lines" "first service's log after the second one's requests"

# --drip-ms: full-size pictures arrive in small chunks that far apart, whole in the end; pages and
# thumbnails are not slowed.
e2e_start_service --drip-ms 300
dawn=$SERVICE_URL/kavri/lm/pics/dawn.jpg
curl -s -o "$E2E_TMP/dawn-fast" "$default_url/kavri/lm/pics/dawn.jpg"
full_size=$(stat -c %s "$E2E_TMP/dawn-fast")
[ "$full_size" -gt $((4 * 16384)) ] || e2e_fail "dawn.jpg is too small to drip: $full_size"
seconds=$(curl -s -o "$E2E_TMP/dawn-slow" -w '%{time_total}' "$dawn")
cmp -s "$E2E_TMP/dawn-fast" "$E2E_TMP/dawn-slow" || e2e_fail "the dripped picture differs"
chunks=$(((full_size + 16383) / 16384))
awk -v s="$seconds" -v least="$(((chunks - 1) * 300))" 'BEGIN { exit !(s * 1000 >= least) }' ||
    e2e_fail "dawn.jpg came in ${seconds}s, faster than $chunks chunks 300 ms apart"
# Cut off after a while the transfer holds some chunks but not all of them.
curl -s -o "$E2E_TMP/dawn-part" --max-time 0.7 "$dawn" && e2e_fail "a dripped picture came whole in 0.7 s"
part=$(stat -c %s "$E2E_TMP/dawn-part")
[ "$part" -ge 16384 ] && [ "$part" -lt "$full_size" ] || e2e_fail "after 0.7 s: $part of $full_size bytes"
# A thumbnail of more than one chunk would wait between its chunks if it were dripped.
curl -s -o "$E2E_TMP/neon-thumb" "$SERVICE_URL/kavri/lm/pics/thumb_neon.png"
[ "$(stat -c %s "$E2E_TMP/neon-thumb")" -gt 16384 ] || e2e_fail "thumb_neon.png fits one chunk"
for fast in "kavri/lm/pics/thumb_neon.png" "kavri/lm/index.php?cid=1" "$script?op=getversion"; do
    seconds=$(curl -s -o /dev/null -w '%{time_total}' "$SERVICE_URL/$fast")
    awk -v s="$seconds" 'BEGIN { exit !(s < 0.25) }' || e2e_fail "$fast took ${seconds}s under --drip-ms"
done
curl -s -o "$E2E_TMP/aurora" "$SERVICE_URL/kavri/lm/pics/aurora-4k.png"
e2e_expect_eq "$(identify -format '%wx%h %m' "$E2E_TMP/aurora")" "3840x2160 PNG" "dripped 4K picture"

# A taken port is an error, not a silent second service.
if "$LUMO_APP_BUILD/lumora-service" --port "$SERVICE_PORT" --pictures "$own" >/dev/null 2>&1; then
    e2e_fail "a second service on a taken port started"
fi
if "$LUMO_APP_BUILD/lumora-service" --port 99999 >/dev/null 2>&1; then
    e2e_fail "a bad port was accepted"
fi
# Stopped, the service leaves its reports in the one database file, whole.
kill -TERM "$default_pid"
wait "$default_pid" || e2e_fail "the service ended with status $? on SIGTERM"
[ -e "$db-wal" ] && e2e_fail "the database's write-ahead log is left behind"
e2e_expect_eq "$(sqlite3 "$db" "SELECT group_concat(op) FROM reports")" "getversion,getad,exit" "reports after the stop"
e2e_log "ok"
