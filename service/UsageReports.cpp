#include "service/UsageReports.h"

#include <sqlite3.h>

#include <ctime>

#include "service/QueryText.h"

namespace lumora::service {
namespace {

constexpr std::string_view kReportOps[] = {"getversion", "getad", "exit"};

// Lead bytes and continuation bytes in the right places; enough to tell UTF-8 from code page 936.
bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80                 ? 1
                        : c >= 0xC2 && c <= 0xDF ? 2
                        : c >= 0xE0 && c <= 0xEF ? 3
                        : c >= 0xF0 && c <= 0xF4 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// The value of the first `key`, percent-decoded; nullopt when the key is not there. "+" stays,
// because the program puts the values into the query as they are and only the transport escapes
// what a URL cannot hold.
std::optional<std::string> Value(std::string_view query, std::string_view key) {
    std::optional<std::string_view> raw = FindRawQueryValue(query, key);
    if (!raw) return std::nullopt;
    std::string value = PercentDecode(*raw, PlusSign::kItself);
    return IsUtf8(value) ? value : Cp936ToUtf8(value);
}

void BindOptional(sqlite3_stmt* statement, int index, const std::optional<std::string>& value) {
    if (value) {
        sqlite3_bind_text(statement, index, value->data(), static_cast<int>(value->size()),
                          SQLITE_TRANSIENT);
    } else {
        sqlite3_bind_null(statement, index);
    }
}

}  // namespace

std::optional<UsageReport> UsageReport::FromQuery(std::string_view rawQuery, std::string time,
                                                  std::string address) {
    std::optional<std::string> op = Value(rawQuery, "op");
    if (!op) return std::nullopt;
    bool reported = false;
    for (std::string_view known : kReportOps) reported = reported || *op == known;
    if (!reported) return std::nullopt;
    return UsageReport{std::move(time),          *op,
                       Value(rawQuery, "uid"),   Value(rawQuery, "mac"),
                       Value(rawQuery, "stype"), Value(rawQuery, "version"),
                       std::move(address)};
}

UsageReports::UsageReports(const std::string& path) {
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        m_error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return;
    }
    // The maker may be reading with the sqlite3 shell while reports come in.
    sqlite3_busy_timeout(db, 5000);
    sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    char* message = nullptr;
    if (sqlite3_exec(db, kSchema, nullptr, nullptr, &message) != SQLITE_OK) {
        m_error = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        sqlite3_close(db);
        return;
    }
    m_db = db;
}

UsageReports::~UsageReports() { sqlite3_close(m_db); }

bool UsageReports::Record(const UsageReport& report) {
    std::lock_guard lock(m_mutex);
    if (!m_db) return false;
    sqlite3_stmt* statement = nullptr;
    const char* sql =
        "INSERT INTO reports (time, op, uid, mac, stype, version, address) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)";
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        m_error = sqlite3_errmsg(m_db);
        return false;
    }
    sqlite3_bind_text(statement, 1, report.time.data(), static_cast<int>(report.time.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, report.op.data(), static_cast<int>(report.op.size()),
                      SQLITE_TRANSIENT);
    BindOptional(statement, 3, report.uid);
    BindOptional(statement, 4, report.mac);
    BindOptional(statement, 5, report.stype);
    BindOptional(statement, 6, report.version);
    sqlite3_bind_text(statement, 7, report.address.data(), static_cast<int>(report.address.size()),
                      SQLITE_TRANSIENT);
    bool done = sqlite3_step(statement) == SQLITE_DONE;
    if (!done) m_error = sqlite3_errmsg(m_db);
    sqlite3_finalize(statement);
    return done;
}

std::filesystem::path UsageReports::DefaultPath(const std::string& logPath,
                                                const std::filesystem::path& cacheRoot) {
    if (logPath.empty()) return cacheRoot / "reports.db";
    std::filesystem::path path(logPath);
    std::filesystem::path db = path;
    db.replace_extension(".db");
    // A log that is itself named "*.db" keeps its name for itself.
    if (db == path) db += ".db";
    return db;
}

std::string UsageReports::UtcNow() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

}  // namespace lumora::service
