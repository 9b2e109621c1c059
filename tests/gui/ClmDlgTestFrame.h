#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "WindowTree.h"
#include "app/ClmApp.h"
#include "app/Config.h"
#include "app/ProcessStrings.h"
#include "platform/AppDirectory.h"
#include "platform/headless/FixedDiskSpace.h"
#include "platform/headless/HeadlessClock.h"
#include "platform/headless/RecordingShell.h"
#include "platform/linux/FlockInstanceLock.h"
#include "support/HeadlessHostFixture.h"
#include "support/LoopbackServer.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"
#include "ui/ClmDlg.h"

namespace lumora {

// An installation in a temporary folder with the default skin, a conf.ini pointing at a
// loopback service that answers getad and exit, and the process started from that folder. The
// user's configuration folder (autostart entry, client id) is a folder of the test too.
class ClmDlgTest : public HeadlessHostFixture {
protected:
    static constexpr const char* kService = "/kavri/lm/lm.php";
    static constexpr const char* kSearch = "http://search.test/s?q=";
    static constexpr const char* kHome = "http://home.test/desk/";

    ClmDlgTest()
        : lock((dir / "lumo.lock").string()), m_oldDirectory(std::filesystem::current_path()) {
        std::filesystem::create_directory_symlink(BuildDirectory() / "app/styles", dir / "styles");
        server.On(kService, [this](const httplib::Request& request, httplib::Response& response) {
            std::string op = request.get_param_value("op");
            response.set_content(op == "getad" ? adReply : "", "text/plain");
        });
        WriteConfig("");
        ChangeDirectory(dir.Path());
        app = std::make_unique<ClmApp>(AppPorts{host, SystemHttpClient(), shell, lock, disk, clock},
                                       dir.Path().string());
    }
    ~ClmDlgTest() override {
        dlg.reset();
        std::filesystem::current_path(m_oldDirectory);
        Strings() = ProcessStrings{};
    }

    // The default skin is drawn into the build folder, beside the test programs' folder.
    static std::filesystem::path BuildDirectory() {
        if (const char* binary = std::getenv("LUMO_BINARY_DIR")) return binary;
        return std::filesystem::path(ApplicationDirectory()).parent_path();
    }

    // conf.ini with the service, search and home URLs and `extra` lines.
    void WriteConfig(const std::string& extra, const std::string& home = kHome) {
        test::WriteFile(dir / "conf.ini", "[MAIN]\nversion=1.0\nLURL=" + server.Url(kService) +
                                              "\nSURL=" + kSearch + "\nHOMEURL=" + home + "\n" +
                                              extra);
    }
    static void ChangeDirectory(const std::filesystem::path& path) {
        std::filesystem::current_path(path);
    }
    // conf.ini as the program reads it.
    Config Conf() const { return Config((dir / "conf.ini").string()); }
    // The collection folder and the names in it, sorted; none while it does not exist.
    std::filesystem::path Imgs() const { return dir / "imgs"; }
    std::vector<std::string> FolderFiles() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Imgs(), error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : host.messageBoxes) texts.push_back(box.text);
        return texts;
    }

    // Creates the main window as start-up would, but modeless, so the test drives it.
    ClmDlg& Open() {
        dlg = std::make_unique<ClmDlg>(*app);
        dlg->Create(nullptr);
        host.RunUntilIdle();
        return *dlg;
    }
    bool Visible() const { return host.Find(dlg->GetSurface())->visible; }
    Point CentreOf(const Wnd& wnd) const {
        Rect r = wnd.GetWindowRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickControl(int id) { host.Click(CentreOf(*dlg->GetDlgItem(id))); }
    // Requests of the service, as "op" values in order.
    std::vector<std::string> Operations() const {
        std::vector<std::string> ops;
        for (const auto& r : server.Requests()) {
            auto at = r.target.find("op=");
            ops.push_back(at == std::string::npos
                              ? ""
                              : r.target.substr(at + 3, r.target.find('&', at) - at - 3));
        }
        return ops;
    }

    std::string adReply = "Lumora 2.0,http://ad.test/page";
    test::TempDir dir;
    test::ScopedEnv configHome{"XDG_CONFIG_HOME", (dir / "config").c_str()};
    test::LoopbackServer server;
    RecordingShell shell;
    FlockInstanceLock lock;
    FixedDiskSpace disk;
    HeadlessClock clock{host};
    std::unique_ptr<ClmApp> app;
    std::unique_ptr<ClmDlg> dlg;

private:
    std::filesystem::path m_oldDirectory;
};

}  // namespace lumora
