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

// "%XX" becomes its byte; "+" stays, because the program puts the values into the query as they
// are and only the transport escapes what a URL cannot hold.
std::string DecodeValue(std::string_view raw) {
    auto hex = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '%' && i + 2 < raw.size() && hex(raw[i + 1]) >= 0 && hex(raw[i + 2]) >= 0) {
            out += static_cast<char>(hex(raw[i + 1]) * 16 + hex(raw[i + 2]));
            i += 2;
        } else {
            out += raw[i];
        }
    }
    return IsUtf8(out) ? out : Cp936ToUtf8(out);
}

// The raw value of the first `key` in the query; nullopt when the key is not there.
std::optional<std::string_view> RawValue(std::string_view query, std::string_view key) {
    while (!query.empty()) {
        size_t amp = query.find('&');
        std::string_view pair = query.substr(0, amp);
        size_t eq = pair.find('=');
        if (pair.substr(0, eq) == key) {
            return eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
        }
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return std::nullopt;
}

std::optional<std::string> Value(std::string_view query, std::string_view key) {
    std::optional<std::string_view> raw = RawValue(query, key);
    if (!raw) return std::nullopt;
    return DecodeValue(*raw);
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
