#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace lumora::service {

// One line per request, written and flushed at once so that a test or a person watching the file
// sees each request as it arrives. The line is the request target exactly as it came: the path
// and the raw query with the usage report (uid, mac, stype, version) still percent-encoded.
class RequestLog {
public:
    // Appends to `path`; an empty path writes to standard output.
    explicit RequestLog(const std::string& path);
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    bool IsOpen() const { return m_file != nullptr; }

    // The line for a request: the path, then "?" and the raw query when there is one.
    static std::string Line(std::string_view path, std::string_view rawQuery);

    void Write(std::string_view path, std::string_view rawQuery);

private:
    std::FILE* m_file = nullptr;
    bool m_ownsFile = false;
    std::mutex m_mutex;
};

}  // namespace lumora::service
