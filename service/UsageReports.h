#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace lumora::service {

// One usage report: a getversion, getad or exit request of the program with what it says about
// the installation. The four values are percent-decoded UTF-8 (bytes that are not UTF-8 are read
// as code page 936); nullopt when the request had no such key, empty when it had an empty one.
struct UsageReport {
    std::string time;  // UTC, "YYYY-MM-DD HH:MM:SS"
    std::string op;
    std::optional<std::string> uid;
    std::optional<std::string> mac;
    std::optional<std::string> stype;
    std::optional<std::string> version;
    std::string address;  // the client's IP address

    // The report of a service script request with this raw query; nullopt when its operation is
    // not one the program reports with.
    static std::optional<UsageReport> FromQuery(std::string_view rawQuery, std::string time,
                                                std::string address);
};

// The usage reports in an SQLite database, one row a report, so that the maker can count
// installations and starts with the sqlite3 shell. Safe to use from several threads.
class UsageReports {
public:
    static constexpr const char* kSchema =
        "CREATE TABLE IF NOT EXISTS reports (\n"
        "  id      INTEGER PRIMARY KEY,\n"
        "  time    TEXT NOT NULL,  -- UTC, YYYY-MM-DD HH:MM:SS\n"
        "  op      TEXT NOT NULL,  -- getversion, getad or exit\n"
        "  uid     TEXT,           -- the four values as sent, percent-decoded;\n"
        "  mac     TEXT,           -- NULL when the request lacked the key\n"
        "  stype   TEXT,\n"
        "  version TEXT,\n"
        "  address TEXT            -- the client's IP address\n"
        ")";

    // Opens or creates the database at `path`; IsOpen tells whether that worked.
    explicit UsageReports(const std::string& path);
    ~UsageReports();
    UsageReports(const UsageReports&) = delete;
    UsageReports& operator=(const UsageReports&) = delete;

    bool IsOpen() const { return m_db != nullptr; }
    const std::string& Error() const { return m_error; }

    // False, with Error() set, when the row could not be written.
    bool Record(const UsageReport& report);

    // The database used when none is named: beside the log file, named after it with ".db", or
    // "reports.db" in `cacheRoot` when the log goes to standard output.
    static std::filesystem::path DefaultPath(const std::string& logPath,
                                             const std::filesystem::path& cacheRoot);
    static std::string UtcNow();

private:
    sqlite3* m_db = nullptr;
    std::string m_error;
    std::mutex m_mutex;
};

}  // namespace lumora::service
