#pragma once

#include <httplib.h>

#include <string>
#include <string_view>

#include "service/PictureLibrary.h"
#include "service/RequestLog.h"
#include "service/Thumbnails.h"
#include "service/UsageReports.h"

namespace lumora::service {

// What the service answers, wired onto an HTTP server: the service script, the online library
// page with its pictures, and the wallpaper site's home and search pages.
class LumoraService {
public:
    static constexpr const char* kDefaultAdCaption = "Lumora每日精选壁纸";

    // Full-size pictures sent slowly go out in chunks of this size.
    static constexpr size_t kDripChunk = 16 * 1024;

    // `ad` is the getad reply, UTF-8 "caption,target"; `dripMs` > 0 sends full-size pictures in
    // chunks that far apart, as over a slow line.
    LumoraService(PictureLibrary library, RequestLog& log, UsageReports& reports,
                  std::string version, std::string ad, int dripMs = 0);
    LumoraService(const LumoraService&) = delete;
    LumoraService& operator=(const LumoraService&) = delete;

    void Install(httplib::Server& server);

    // The service script's reply to `op`; unknown operations get the empty reply.
    std::string ScriptReply(std::string_view op) const;

    // "http://host:port" as the client reached us, from its Host header when that is plain.
    static std::string Origin(const httplib::Request& request);
    // The request target as it came: the path and the raw, undecoded query.
    static std::string RawQuery(const httplib::Request& request);

private:
    void ServePicture(const std::string& urlName, httplib::Response& response);
    void RecordReport(const httplib::Request& request);

    PictureLibrary m_library;
    Thumbnails m_thumbnails;
    RequestLog& m_log;
    UsageReports& m_reports;
    std::string m_version;
    std::string m_ad;
    int m_dripMs;
};

}  // namespace lumora::service
