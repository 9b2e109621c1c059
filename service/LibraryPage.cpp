#include "service/LibraryPage.h"

#include <algorithm>

#include "service/Html.h"

namespace lumora::service {
namespace {

constexpr const char* kStyle = R"(
* { box-sizing: border-box; }
html, body { margin: 0; padding: 0; overflow: hidden; }
body { width: 898px; height: 524px; background: #f4f6fa; color: #333;
       font: 13px "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; user-select: none; }
header { height: 46px; display: flex; align-items: center; padding: 0 18px;
         background: #fff; border-bottom: 1px solid #e3e7ef; }
header h1 { font-size: 17px; margin: 0 14px 0 0; color: #2b6fe0; font-weight: bold; }
nav a { display: inline-block; padding: 4px 10px; margin-right: 2px; border-radius: 13px;
        color: #4a5568; text-decoration: none; }
nav a:hover { background: #eef2f9; }
nav a.current { background: #2b6fe0; color: #fff; }
header form { margin-left: auto; display: flex; }
header input { width: 150px; padding: 4px 10px; border: 1px solid #d7deea; border-right: 0;
               border-radius: 13px 0 0 13px; font: inherit; outline: none; }
header button { padding: 4px 12px; border: 0; border-radius: 0 13px 13px 0; background: #4b8af1;
                color: #fff; font: inherit; cursor: pointer; }
.count { position: absolute; left: 18px; top: 488px; color: #8a93a6; }
.grid { display: grid; grid-template-columns: repeat(4, 206px); gap: 14px 14px;
        padding: 14px 16px 0 16px; }
.card { background: #fff; border-radius: 6px; overflow: hidden; position: relative;
        box-shadow: 0 1px 3px rgba(30, 50, 90, .15); }
.card img { display: block; width: 206px; height: 150px; object-fit: cover; }
.card .bar { height: 38px; display: flex; align-items: center; padding: 0 8px; gap: 6px; }
.card .name { flex: 1; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; }
.btn { display: inline-block; padding: 3px 9px; border-radius: 12px; text-decoration: none;
       font-size: 12px; border: 1px solid #4b8af1; color: #4b8af1; }
.btn:hover { background: #eaf1fe; }
.btn.set { background: #4b8af1; color: #fff; }
.btn.set:hover { background: #3a76da; }
.badge { position: absolute; top: 8px; right: 8px; padding: 2px 8px; border-radius: 10px;
         background: rgba(0, 0, 0, .55); color: #fff; font-size: 12px; display: none; }
.card.applied .badge.applied, .card.kept .badge.kept { display: block; }
.badge.kept { right: auto; left: 8px; background: rgba(240, 90, 110, .85); }
.pager { position: absolute; left: 0; right: 0; top: 482px; text-align: center; }
.pager a, .pager span { display: inline-block; min-width: 28px; margin: 0 3px; padding: 3px 8px;
         border-radius: 4px; text-decoration: none; color: #4b8af1; background: #fff;
         border: 1px solid #d7deea; }
.pager span.current { background: #4b8af1; color: #fff; border-color: #4b8af1; }
.empty { padding: 120px 0; text-align: center; color: #8a93a6; font-size: 15px; }
.size { position: absolute; bottom: 46px; right: 8px; padding: 1px 6px; border-radius: 8px;
        background: rgba(0, 0, 0, .45); color: #fff; font-size: 11px; }
#toast { position: absolute; left: 50%; top: 5px; transform: translateX(-50%);
         padding: 9px 24px; border-radius: 18px; background: rgba(20, 30, 50, .85); color: #fff;
         font-size: 15px; opacity: 0; transition: opacity .25s; pointer-events: none; }
#toast.show { opacity: 1; }
)";

// The program calls TestFunc and SCCG without arguments, so the page remembers which card's
// button of each kind was pressed last: a "收藏" pressed while a wallpaper still downloads does not
// change the card that TestFunc marks.
constexpr const char* kScript = R"(
var lastCard = { set: null, keep: null };
function pick(link) {
  lastCard[link.classList.contains('set') ? 'set' : 'keep'] = link.closest('.card');
}
function nameOf(card) { return card ? card.getAttribute('data-name') : ''; }
function toast(text) {
  var t = document.getElementById('toast');
  t.textContent = text;
  t.className = 'show';
  clearTimeout(window.toastTimer);
  window.toastTimer = setTimeout(function () { t.className = ''; }, 2500);
}
function notice(fn, name) {
  var i = new Image();
  i.src = '/kavri/lm/notice.php?fn=' + fn + '&name=' + encodeURIComponent(name);
}
function TestFunc() {
  var card = lastCard.set, name = nameOf(card);
  var cards = document.querySelectorAll('.card.applied');
  for (var i = 0; i < cards.length; i++) cards[i].classList.remove('applied');
  if (card) card.classList.add('applied');
  toast(name ? '「' + name + '」已设为桌面壁纸' : '已设为桌面壁纸');
  notice('TestFunc', name);
}
function SCCG() {
  var card = lastCard.keep, name = nameOf(card);
  if (card) card.classList.add('kept');
  toast(name ? '「' + name + '」已收藏到我的壁纸' : '已收藏到我的壁纸');
  notice('SCCG', name);
}
)";

std::string PageLink(int cid, int page, std::string_view keyword) {
    std::string link = "index.php?cid=" + std::to_string(cid) + "&amp;page=" + std::to_string(page);
    if (!keyword.empty()) link += "&amp;q=" + UrlEncode(keyword);
    return link;
}

// The name after ">" in a link. The program percent-decodes the whole link, and a browser drops
// blanks at the ends of a link and reads "#" as the start of a fragment, so these bytes and "%"
// itself travel encoded; every other character, Chinese included, stays as it is.
std::string LinkName(std::string_view name) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        if (c <= 0x20 || c == 0x7F || c == '%' || c == '#') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string SizeBadge(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    std::string text = std::to_string(picture.width) + "×" + std::to_string(picture.height);
    if (picture.width >= 3840) text = "4K " + text;
    return "<span class=\"size\">" + text + "</span>";
}

std::string Card(std::string_view origin, const Picture& picture) {
    std::string name = HtmlEscape(picture.name);
    std::string html = "<div class=\"card\" data-name=\"" + name + "\">";
    html += "<img src=\"" + HtmlEscape(LibraryPage::ThumbnailUrl(origin, picture)) + "\" alt=\"" +
            name + "\">";
    html += "<span class=\"badge applied\">当前壁纸</span><span class=\"badge kept\">已收藏</span>";
    html += SizeBadge(picture);
    html += "<div class=\"bar\"><span class=\"name\" title=\"" + name + "\">" + name + "</span>";
    html += "<a class=\"btn set\" onclick=\"pick(this)\" href=\"" +
            HtmlEscape(LibraryPage::WallpaperLink(origin, picture)) + "\">设为壁纸</a>";
    html += "<a class=\"btn keep\" onclick=\"pick(this)\" href=\"" +
            HtmlEscape(LibraryPage::FavouriteLink(origin, picture)) + "\">收藏</a>";
    html += "</div></div>\n";
    return html;
}

std::string Header(const PictureLibrary& library, int cid, std::string_view keyword) {
    std::string html = "<header><h1>Lumora 壁纸库</h1><nav>";
    for (const Category& category : library.Categories()) {
        html += "<a href=\"index.php?cid=" + std::to_string(category.cid) + "\"";
        if (category.cid == cid && keyword.empty()) html += " class=\"current\"";
        html += ">" + HtmlEscape(category.name) + "</a>";
    }
    // A search looks through every category.
    html +=
        "</nav><form action=\"index.php\" method=\"get\" accept-charset=\"utf-8\">"
        "<input type=\"hidden\" name=\"cid\" value=\"" +
        std::to_string(PictureLibrary::kAllCid) +
        "\"><input type=\"text\" name=\"q\" placeholder=\"搜索壁纸\" value=\"" +
        HtmlEscape(keyword) + "\"><button type=\"submit\">搜索</button></form></header>\n";
    return html;
}

std::string Pager(int cid, int page, int pages, std::string_view keyword) {
    if (pages <= 1) return {};
    std::string html = "<div class=\"pager\">";
    if (page > 1) html += "<a href=\"" + PageLink(cid, page - 1, keyword) + "\">上一页</a>";
    for (int i = 1; i <= pages; ++i) {
        html += i == page
                    ? "<span class=\"current\">" + std::to_string(i) + "</span>"
                    : "<a href=\"" + PageLink(cid, i, keyword) + "\">" + std::to_string(i) + "</a>";
    }
    if (page < pages) html += "<a href=\"" + PageLink(cid, page + 1, keyword) + "\">下一页</a>";
    return html + "</div>\n";
}

}  // namespace

std::string LibraryPage::PictureUrl(std::string_view origin, const Picture& picture) {
    return std::string(origin) + "/kavri/lm/pics/" + picture.urlName;
}

std::string LibraryPage::ThumbnailUrl(std::string_view origin, const Picture& picture) {
    return std::string(origin) + "/kavri/lm/pics/thumb_" + picture.urlName;
}

std::string LibraryPage::WallpaperLink(std::string_view origin, const Picture& picture) {
    return "app:" + ThumbnailUrl(origin, picture) + ">" + LinkName(picture.name);
}

std::string LibraryPage::FavouriteLink(std::string_view origin, const Picture& picture) {
    return "sclm:" + ThumbnailUrl(origin, picture) + ">" + LinkName(picture.name);
}

std::string LibraryPage::Render(const PictureLibrary& library, std::string_view origin, int cid,
                                int page, std::string_view keyword) {
    cid = library.CategoryFor(cid).cid;
    std::vector<Picture> pictures = library.Select(cid, keyword);
    int count = static_cast<int>(pictures.size());
    int pages = std::max(1, (count + kPerPage - 1) / kPerPage);
    page = std::clamp(page, 1, pages);

    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
        "<title>Lumora 壁纸库</title><style>";
    html += kStyle;
    html += "</style><script>";
    html += kScript;
    html += "</script></head><body>\n";
    html += Header(library, cid, keyword);
    if (pictures.empty()) {
        html += keyword.empty() ? "<div class=\"empty\">这里暂时还没有壁纸</div>\n"
                                : "<div class=\"empty\">没有找到与“" + HtmlEscape(keyword) +
                                      "”相关的壁纸</div>\n";
    } else {
        html += "<div class=\"grid\">\n";
        int first = (page - 1) * kPerPage;
        for (int i = first; i < std::min(count, first + kPerPage); ++i) {
            html += Card(origin, pictures[static_cast<size_t>(i)]);
        }
        html += "</div>\n";
    }
    html += "<span class=\"count\">" +
            (keyword.empty() ? "共 " : "“" + HtmlEscape(keyword) + "”找到 ") +
            std::to_string(count) + " 张壁纸</span>\n";
    html += Pager(cid, page, pages, keyword);
    html += "<div id=\"toast\"></div>\n</body></html>\n";
    return html;
}

}  // namespace lumora::service
