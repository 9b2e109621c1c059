// The window framework draws with cairo and Pango only: no toolkit or system header may enter
// it, so that it runs the same on the GTK host and on the headless one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

TEST(LayeringTest, WindowFrameworkIncludesNoToolkitHeaders) {
    const char* root = std::getenv("LUMO_SOURCE_DIR");
    ASSERT_NE(root, nullptr) << "LUMO_SOURCE_DIR is not set";
    const std::filesystem::path dir = std::filesystem::path(root) / "src" / "wnd";
    ASSERT_TRUE(std::filesystem::is_directory(dir));
    const std::regex forbidden(
        R"(^\s*#\s*include\s*[<"](gtk|gdk|X11|curl|gio|webkit|libsoup|gdk-pixbuf)[/.])",
        std::regex::icase);
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            EXPECT_FALSE(std::regex_search(line, forbidden))
                << entry.path().string() << ":" << n << ": " << line;
    }
    EXPECT_GT(files, 0);
}

}  // namespace
