#include <gtest/gtest.h>

#include "service/ServiceOptions.h"
#include "service/UsageReports.h"

namespace lumora::service {
namespace {

TEST(ServiceOptionsTest, OptionsAreReadInBothForms) {
    std::string error;
    std::optional<ServiceOptions> options = ServiceOptions::Parse(
        {"--db", "/tmp/r.db", "--drip-ms=250", "--pictures", "/p", "--port=0"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->dbPath, "/tmp/r.db");
    EXPECT_EQ(options->dripMs, 250);
    EXPECT_EQ(options->picturesDir, "/p");
    EXPECT_EQ(options->port, 0);

    options = ServiceOptions::Parse({}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->dripMs, 0);
    EXPECT_EQ(options->dbPath, "");
}

TEST(ServiceOptionsTest, BadValuesAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"--drip-ms", "-1"},
        {"--drip-ms", "fast"},
        {"--drip-ms", "60001"},
        {"--drip-ms=1.5"},
        {"--drip-ms"},
        {"--port", "65536"},
        {"--db"},
        {"--nosuch", "1"},
    };
    for (const auto& args : cases) {
        std::string error;
        EXPECT_FALSE(ServiceOptions::Parse(args, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

// The help names every column of the reports table, so the maker can write queries from it.
TEST(ServiceOptionsTest, HelpDocumentsTheReportsTable) {
    std::string usage = ServiceOptions::Usage();
    for (const char* column : {"id", "time", "op", "uid", "mac", "stype", "version", "address"}) {
        EXPECT_NE(std::string(UsageReports::kSchema).find(std::string("  ") + column + " "),
                  std::string::npos)
            << column;
        EXPECT_NE(usage.find(std::string(column) + " "), std::string::npos) << column;
    }
    EXPECT_NE(usage.find("--drip-ms"), std::string::npos);
    EXPECT_NE(usage.find("--db"), std::string::npos);
}

}  // namespace
}  // namespace lumora::service
