#include "service/LumoraService.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "service/LibraryPage.h"
#include "service/QueryText.h"
#include "service/SitePages.h"

namespace lumora::service {
namespace {

constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kText = "text/plain; charset=utf-8";

int IntParam(const httplib::Request& request, const char* key, int fallback) {
    std::string value = request.get_param_value(key);
    if (value.empty()) return fallback;
    try {
        return std::stoi(value);
    } catch (...) {
        return fallback;
    }
}

bool IsPlainHost(std::string_view host) {
    if (host.empty() || host.size() > 255) return false;
    for (char c : host) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '.' || c == '-' || c == ':' || c == '[' || c == ']';
        if (!ok) return false;
    }
    return true;
}

}  // namespace

LumoraService::LumoraService(PictureLibrary library, RequestLog& log, UsageReports& reports,
                             std::string version, std::string ad, int dripMs)
    : m_library(std::move(library)),
      m_thumbnails(m_library),
      m_log(log),
      m_reports(reports),
      m_version(std::move(version)),
      m_ad(std::move(ad)),
      m_dripMs(dripMs) {}

std::string LumoraService::ScriptReply(std::string_view op) const {
    if (op == "getversion") return m_version;
    if (op == "getad") return m_ad;
    // "exit" is only a notice that a program ends: it is logged like every request.
    return {};
}

std::string LumoraService::Origin(const httplib::Request& request) {
    std::string host = request.get_header_value("Host");
    if (!IsPlainHost(host)) {
        host = request.local_addr + ":" + std::to_string(request.local_port);
    }
    return "http://" + host;
}

std::string LumoraService::RawQuery(const httplib::Request& request) {
    size_t question = request.target.find('?');
    return question == std::string::npos ? std::string() : request.target.substr(question + 1);
}

void LumoraService::ServePicture(const std::string& urlName, httplib::Response& response) {
    bool thumbnail = urlName.starts_with("thumb_");
    const Picture* picture = m_library.Find(thumbnail ? urlName.substr(6) : urlName);
    if (!picture) {
        response.status = 404;
        return;
    }
    if (thumbnail) {
        ImageBytes image = m_thumbnails.For(*picture);
        if (image.bytes.empty()) {
            response.status = 404;
            return;
        }
        response.set_content(image.bytes, image.contentType.c_str());
        return;
    }
    std::ifstream in(m_library.Directory() / picture->file, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    if (!in) {
        response.status = 404;
        return;
    }
    std::string type = ContentTypeFor(picture->file);
    if (m_dripMs <= 0) {
        response.set_content(read.str(), type.c_str());
        return;
    }
    // The length goes out first, so the client can tell a cut-off body from a whole one.
    auto bytes = std::make_shared<std::string>(read.str());
    int dripMs = m_dripMs;
    response.set_content_provider(
        bytes->size(), type,
        [bytes, dripMs](size_t offset, size_t length, httplib::DataSink& sink) {
            if (offset > 0) std::this_thread::sleep_for(std::chrono::milliseconds(dripMs));
            return sink.write(bytes->data() + offset, std::min(length, kDripChunk));
        });
}

void LumoraService::RecordReport(const httplib::Request& request) {
    std::optional<UsageReport> report =
        UsageReport::FromQuery(RawQuery(request), UsageReports::UtcNow(), request.remote_addr);
    if (report && !m_reports.Record(*report)) {
        // The reply still goes out: a full disk must not stop the program's start.
        std::fprintf(stderr, "lumora-service: usage report not stored: %s\n",
                     m_reports.Error().c_str());
    }
}

void LumoraService::Install(httplib::Server& server) {
    // Logged before the reply goes out, so the line is in the file once a client has its answer.
    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
        m_log.Write(request.path, RawQuery(request));
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.Get("/kavri/lm/lm.php",
               [this](const httplib::Request& request, httplib::Response& response) {
                   // Stored before the reply goes out, like the log line.
                   RecordReport(request);
                   response.set_content(ScriptReply(request.get_param_value("op")), kText);
               });
    server.Get("/kavri/lm/index.php", [this](const httplib::Request& request,
                                             httplib::Response& response) {
        response.set_content(
            LibraryPage::Render(m_library, Origin(request), IntParam(request, "cid", 1),
                                IntParam(request, "page", 1), request.get_param_value("q")),
            kHtml);
    });
    server.Get("/kavri/lm/notice.php",
               [](const httplib::Request&, httplib::Response& response) { response.status = 204; });
    server.Get(R"(/kavri/lm/pics/([^/]+))",
               [this](const httplib::Request& request, httplib::Response& response) {
                   ServePicture(request.matches[1], response);
               });
    auto site = [this](const httplib::Request& request, httplib::Response& response) {
        if (request.get_param_value("m") == "search") {
            response.set_content(
                SitePages::Search(m_library, Origin(request), SearchKeyword(RawQuery(request))),
                kHtml);
        } else {
            response.set_content(SitePages::Home(m_library, Origin(request), m_version), kHtml);
        }
    };
    server.Get("/desk/", site);
    server.Get("/desk/index.php", site);
    server.Get("/", site);
    server.Get("/desk", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/desk/");
    });
}

}  // namespace lumora::service
