#pragma once

#include <httplib.h>

#include <string>
#include <string_view>

#include "service/PictureLibrary.h"
#include "service/RequestLog.h"
#include "service/Thumbnails.h"

namespace lumora::service {

// What the service answers, wired onto an HTTP server: the service script, the online library
// page with its pictures, and the wallpaper site's home and search pages.
class LumoraService {
public:
    static constexpr const char* kDefaultAdCaption = "Lumora每日精选壁纸";

    // `ad` is the getad reply, UTF-8 "caption,target".
    LumoraService(PictureLibrary library, RequestLog& log, std::string version, std::string ad);
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
    void ServePicture(const std::string& file, httplib::Response& response);

    PictureLibrary m_library;
    Thumbnails m_thumbnails;
    RequestLog& m_log;
    std::string m_version;
    std::string m_ad;
};

}  // namespace lumora::service
