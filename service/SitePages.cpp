#include "service/SitePages.h"

#include <vector>

#include "service/Html.h"
#include "service/LibraryPage.h"

namespace lumora::service {
namespace {

constexpr const char* kStyle = R"(
* { box-sizing: border-box; }
body { margin: 0; background: #f4f6fa; color: #333;
       font: 14px "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; }
header { background: linear-gradient(90deg, #2b6fe0, #6a5cf0); color: #fff; padding: 18px 40px;
         display: flex; align-items: center; gap: 24px; }
header a.logo { color: #fff; text-decoration: none; font-size: 24px; font-weight: bold; }
form { margin-left: auto; display: flex; }
form input[type=text] { width: 260px; padding: 8px 12px; border: 0; border-radius: 18px 0 0 18px; }
form button { padding: 8px 18px; border: 0; border-radius: 0 18px 18px 0; background: #ffb020;
              color: #fff; cursor: pointer; }
main { max-width: 1180px; margin: 0 auto; padding: 24px 40px; }
.release { background: #fff; border-radius: 8px; padding: 18px 24px; margin-bottom: 24px;
           box-shadow: 0 1px 3px rgba(30, 50, 90, .12); }
.release b { color: #2b6fe0; font-size: 18px; }
h2 { font-size: 18px; margin: 8px 0 16px; }
.grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(250px, 1fr)); gap: 18px; }
.grid a { display: block; background: #fff; border-radius: 8px; overflow: hidden; color: #333;
          text-decoration: none; box-shadow: 0 1px 3px rgba(30, 50, 90, .15); }
.grid img { display: block; width: 100%; aspect-ratio: 16 / 10; object-fit: cover; }
.grid span { display: block; padding: 8px 12px; }
.none { color: #8a93a6; }
)";

std::string Head(std::string_view title) {
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>" +
           HtmlEscape(title) + "</title><style>" + kStyle + "</style></head><body>\n";
}

std::string Header(std::string_view keyword) {
    // The site's own form sends UTF-8 and says so; the program sends code page 936 without "ie".
    return "<header><a class=\"logo\" href=\"/desk/\">Lumora 桌面壁纸</a>"
           "<form action=\"/desk/index.php\" method=\"get\" accept-charset=\"utf-8\">"
           "<input type=\"hidden\" name=\"m\" value=\"search\"><input type=\"hidden\" name=\"c\" "
           "value=\"index\">"
           "<input type=\"hidden\" name=\"a\" value=\"init\"><input type=\"hidden\" "
           "name=\"typeid\" value=\"3\">"
           "<input type=\"hidden\" name=\"ie\" value=\"utf-8\">"
           "<input type=\"text\" name=\"q\" placeholder=\"找壁纸\" value=\"" +
           HtmlEscape(keyword) + "\"><button type=\"submit\">搜索</button></form></header>\n";
}

std::string Grid(const std::vector<Picture>& pictures, std::string_view origin) {
    std::string html = "<div class=\"grid\">\n";
    for (const Picture& picture : pictures) {
        html += "<a href=\"" + HtmlEscape(LibraryPage::PictureUrl(origin, picture)) +
                "\"><img src=\"" + HtmlEscape(LibraryPage::ThumbnailUrl(origin, picture)) +
                "\" alt=\"\"><span>" + HtmlEscape(picture.name) + "</span></a>\n";
    }
    return html + "</div>\n";
}

}  // namespace

std::string SitePages::Home(const PictureLibrary& library, std::string_view origin,
                            std::string_view version) {
    std::string html = Head("Lumora 桌面壁纸");
    html += Header({});
    html += "<main><div class=\"release\"><b>Lumora " + HtmlEscape(version) +
            "</b> 最新版本已发布。关闭正在运行的 Lumora，安装新版本后重新启动即可。</div>\n";
    html += "<h2>精选壁纸</h2>\n" + Grid(library.Pictures(), origin) + "</main></body></html>\n";
    return html;
}

std::string SitePages::Search(const PictureLibrary& library, std::string_view origin,
                              std::string_view keyword) {
    std::vector<Picture> found = library.Search(keyword);
    std::string html = Head("搜索：" + std::string(keyword) + " - Lumora 桌面壁纸");
    html += Header(keyword);
    html += "<main><h2>“" + HtmlEscape(keyword) + "”的搜索结果：" + std::to_string(found.size()) +
            " 张壁纸</h2>\n";
    if (found.empty()) {
        html += "<p class=\"none\">没有找到相关壁纸，看看这些精选壁纸吧：</p>\n" +
                Grid(library.Pictures(), origin);
    } else {
        html += Grid(found, origin);
    }
    return html + "</main></body></html>\n";
}

}  // namespace lumora::service
