#include "service/RequestLog.h"

namespace lumora::service {

RequestLog::RequestLog(const std::string& path) {
    if (path.empty()) {
        m_file = stdout;
        return;
    }
    m_file = std::fopen(path.c_str(), "a");
    m_ownsFile = m_file != nullptr;
}

RequestLog::~RequestLog() {
    if (m_ownsFile) {
        std::fclose(m_file);
    }
}

std::string RequestLog::Line(std::string_view path, std::string_view rawQuery) {
    std::string line(path);
    if (!rawQuery.empty()) {
        line += '?';
        line += rawQuery;
    }
    // A line break smuggled into a request must not forge a second log line.
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return line;
}

void RequestLog::Write(std::string_view path, std::string_view rawQuery) {
    if (!m_file) {
        return;
    }
    std::string line = Line(path, rawQuery);
    line += '\n';
    std::lock_guard lock(m_mutex);
    std::fwrite(line.data(), 1, line.size(), m_file);
    std::fflush(m_file);
}

}  // namespace lumora::service
