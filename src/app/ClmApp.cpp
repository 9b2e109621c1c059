#include "app/ClmApp.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ProcessStrings.h"
#include "app/ServiceClient.h"
#include "app/VersionCheck.h"

namespace lumora {

namespace {

constexpr const char* kCaption = "Lumora";
constexpr const char* kAlreadyRunning = "Lumora已经运行！";
constexpr const char* kNewVersion = "Lumora有新版，是否更新?";
constexpr const char* kUpToDate = "目前已经是最新版本！";
constexpr const char* kUpdater = "/LumoUpdate";

}  // namespace

ClmApp::ClmApp(AppPorts ports, std::string applicationDirectory)
    : m_ports(ports), m_applicationDirectory(std::move(applicationDirectory)) {
    Strings().startType.clear();
}

bool ClmApp::InitInstance() {
    if (m_ports.instanceLock.Acquire() == LockOutcome::HeldElsewhere) {
        DoMessageBox(kAlreadyRunning);
        return false;
    }
    // A lock that cannot be made at all leaves the program unprotected but running.

    Config config(m_applicationDirectory + "/conf.ini");
    config.RemoveStaleTemporaries();
    std::string version = config.ReadString(kKeyVersion, kDefaultVersion);
    std::string serviceUrl = config.ReadString(kKeyServiceUrl, kDefaultServiceUrl);
    ServiceClient service(m_ports.http, Strings());
    if (CheckVersion(service, serviceUrl, version, deadlines.startup) ==
            VersionOutcome::OtherVersion &&
        DoMessageBox(kNewVersion, {BoxButtons::YesNo}) == IDYES) {
        LaunchUpdater();
        return false;
    }

    if (runMainWindow) {
        runMainWindow(*this);
    }
    return false;
}

void ClmApp::CheckForUpdate(SurfaceId owner, const std::string& serviceUrl,
                            const std::function<void()>& exitPath) {
    std::string version =
        Config(m_applicationDirectory + "/conf.ini").ReadString(kKeyVersion, kDefaultVersion);
    ServiceClient service(m_ports.http, Strings());
    if (CheckVersion(service, serviceUrl, version, deadlines.interactive) ==
        VersionOutcome::OtherVersion) {
        if (DoMessageBox(kNewVersion, {BoxButtons::YesNo}) == IDYES) {
            LaunchUpdater();
            exitPath();
        }
        return;
    }
    m_ports.host.MessageBox(owner, kUpToDate, kCaption, {});
}

int ClmApp::DoMessageBox(const std::string& text, MessageBoxStyle style) {
    if (style.icon == BoxIcon::None)
        style.icon = style.buttons == BoxButtons::YesNo ? BoxIcon::Question : BoxIcon::Warning;
    return m_ports.host.MessageBox(0, text, kCaption, style);
}

void ClmApp::LaunchUpdater() {
    // Whether it starts is not looked at: the program ends (or exits) anyway.
    m_ports.shell.StartProgram(m_applicationDirectory + kUpdater);
}

}  // namespace lumora
