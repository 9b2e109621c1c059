#include <gtest/gtest.h>
#include <sqlite3.h>

#include <thread>
#include <vector>

#include "service/UsageReports.h"
#include "support/TempDir.h"

namespace lumora::service {
namespace {

using Value = std::optional<std::string>;

TEST(UsageReportsTest, ReportsAreReadFromTheRawQuery) {
    struct Case {
        const char* query;
        bool reported;
        Value op, uid, mac, stype, version;
    };
    const Case cases[] = {
        {"op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=", true, "getad",
         "4711", "00-1A-2B-3C-4D-5E ", "runstart", ""},
        // The start-up check goes out before the program knows who it is.
        {"op=getversion", true, "getversion", {}, {}, {}, {}},
        {"op=exit&uid=&mac=&stype=autostart&version=", true, "exit", "", "", "autostart", ""},
        // "+" is the program's own byte; code page 936 bytes become UTF-8; the first key counts.
        {"op=exit&uid=a+b&mac=%D0%C7%BF%D5&stype=%E6%98%9F&uid=second",
         true,
         "exit",
         "a+b",
         "星空",
         "星",
         {}},
        {"op=getad&uid&mac=%zz%4&version=1.0", true, "getad", "", "%zz%4", {}, "1.0"},
        {"op=getad&uid='); DROP TABLE reports;--",
         true,
         "getad",
         "'); DROP TABLE reports;--",
         {},
         {},
         {}},
        {"op=GETAD&uid=1", false, {}, {}, {}, {}, {}},
        {"op=nosuch&uid=1", false, {}, {}, {}, {}, {}},
        {"uid=1", false, {}, {}, {}, {}, {}},
        {"", false, {}, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        std::optional<UsageReport> report = UsageReport::FromQuery(c.query, "t", "10.0.0.1");
        ASSERT_EQ(report.has_value(), c.reported) << c.query;
        if (!report) continue;
        EXPECT_EQ(report->op, c.op) << c.query;
        EXPECT_EQ(report->uid, c.uid) << c.query;
        EXPECT_EQ(report->mac, c.mac) << c.query;
        EXPECT_EQ(report->stype, c.stype) << c.query;
        EXPECT_EQ(report->version, c.version) << c.query;
        EXPECT_EQ(report->address, "10.0.0.1");
    }
}

// The rows as the sqlite3 shell would list them, NULL shown as "<null>".
std::vector<std::string> Rows(const std::filesystem::path& path, const char* sql) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &statement, nullptr), SQLITE_OK) << sql;
    std::vector<std::string> rows;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (i) row += '|';
            const unsigned char* text = sqlite3_column_text(statement, i);
            row += text ? std::string(reinterpret_cast<const char*>(text),
                                      static_cast<size_t>(sqlite3_column_bytes(statement, i)))
                        : "<null>";
        }
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

TEST(UsageReportsTest, RowsHoldTheValuesAsSentAndSurviveAReopen) {
    test::TempDir dir;
    std::filesystem::path path = dir / "reports.db";
    const char* queries[] = {
        "op=getversion",
        "op=getad&uid=4711&mac=00-1A-2B-3C-4D-5E%20&stype=runstart&version=",
        "op=exit&uid='); DROP TABLE reports;--&mac=a%00b&stype=%D0%C7&version=\"1\"",
    };
    {
        UsageReports reports(path.string());
        ASSERT_TRUE(reports.IsOpen()) << reports.Error();
        for (const char* query : queries) {
            ASSERT_TRUE(
                reports.Record(*UsageReport::FromQuery(query, "2026-12-11 08:00:00", "127.0.0.1")))
                << reports.Error();
        }
    }
    UsageReports reopened(path.string());
    ASSERT_TRUE(reopened.IsOpen());
    ASSERT_TRUE(reopened.Record(*UsageReport::FromQuery("op=getad&uid=4711", "t2", "::1")));
    EXPECT_EQ(Rows(path, "SELECT id, time, op, uid, mac, stype, version, address FROM reports"),
              (std::vector<std::string>{
                  "1|2026-12-11 08:00:00|getversion|<null>|<null>|<null>|<null>|127.0.0.1",
                  "2|2026-12-11 08:00:00|getad|4711|00-1A-2B-3C-4D-5E |runstart||127.0.0.1",
                  std::string("3|2026-12-11 08:00:00|exit|'); DROP TABLE reports;--|a") + '\0' +
                      "b|星|\"1\"|127.0.0.1",
                  "4|t2|getad|4711|<null>|<null>|<null>|::1",
              }));
    // What the maker asks: installations and starts.
    EXPECT_EQ(Rows(path, "SELECT COUNT(DISTINCT uid) FROM reports WHERE uid <> ''"),
              std::vector<std::string>{"2"});
    EXPECT_EQ(Rows(path, "SELECT COUNT(*) FROM reports WHERE op = 'getad'"),
              std::vector<std::string>{"2"});
}

TEST(UsageReportsTest, ReportsFromManyThreadsAreAllStored) {
    test::TempDir dir;
    UsageReports reports((dir / "reports.db").string());
    ASSERT_TRUE(reports.IsOpen());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&reports, t] {
            for (int i = 0; i < 25; ++i) {
                reports.Record(*UsageReport::FromQuery("op=getad&uid=" + std::to_string(t),
                                                       UsageReports::UtcNow(), "127.0.0.1"));
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(Rows(dir / "reports.db", "SELECT uid, COUNT(*) FROM reports GROUP BY uid"),
              (std::vector<std::string>{"0|25", "1|25", "2|25", "3|25"}));
}

TEST(UsageReportsTest, UnusablePathsAreReported) {
    test::TempDir dir;
    test::WriteFile(dir / "not-a-database", std::string(4096, 'x'));
    for (std::filesystem::path path : {dir / "missing" / "reports.db", dir / "not-a-database"}) {
        UsageReports reports(path.string());
        EXPECT_FALSE(reports.IsOpen()) << path;
        EXPECT_FALSE(reports.Error().empty()) << path;
        EXPECT_FALSE(reports.Record(*UsageReport::FromQuery("op=exit", "t", "a")));
    }
}

TEST(UsageReportsTest, DefaultPathLiesBesideTheLogOrInTheCache) {
    struct Case {
        const char* log;
        const char* expected;
    };
    const Case cases[] = {
        {"/var/log/lumora/service.log", "/var/log/lumora/service.db"},
        {"requests", "requests.db"},
        {"/x/reports.db", "/x/reports.db.db"},
        {"", "/cache/reports.db"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UsageReports::DefaultPath(c.log, "/cache"), c.expected) << c.log;
    }
    EXPECT_EQ(UsageReports::UtcNow().size(), 19u);
}

}  // namespace
}  // namespace lumora::service
