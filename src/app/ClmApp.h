#pragma once

#include <functional>
#include <string>

#include "app/ServiceClient.h"
#include "platform/Clock.h"
#include "platform/DiskSpace.h"
#include "platform/Host.h"
#include "platform/HttpClient.h"
#include "platform/InstanceLock.h"
#include "platform/Shell.h"

namespace lumora {

// What the application object works with from the system.
struct AppPorts {
    Host& host;
    HttpClient& http;
    Shell& shell;
    InstanceLock& instanceLock;
    DiskSpace& diskSpace = SystemDiskSpace();
    Clock& clock = SystemClock();
};

// The application object: start-up with its single-instance and version checks, the update
// check the tray menu offers again, and the application message box.
class ClmApp {
public:
    // `applicationDirectory` holds conf.ini and the updater. Clears the start type, so that
    // requests carry no usage report until the main window exists.
    ClmApp(AppPorts ports, std::string applicationDirectory);

    // The start-up routine. Ends as second instance, or after starting the updater, or runs
    // the main window until it ends. Always false: the process ends when it returns.
    bool InitInstance();

    // The interactive check for a new version (tray menu): on another version and Yes starts
    // the updater and calls `exitPath`; otherwise tells, owned by `owner`, that the program is
    // up to date. The version is read afresh from conf.ini.
    void CheckForUpdate(SurfaceId owner, const std::string& serviceUrl,
                        const std::function<void()>& exitPath);

    // A message box with the caption "Lumora"; without an icon in `style` it gets the warning
    // sign, or the question mark for Yes/No boxes.
    int DoMessageBox(const std::string& text, MessageBoxStyle style = {});

    // Constructs the main window and runs it modally; set once the program has one. Without
    // it, start-up ends after its checks.
    std::function<void(ClmApp&)> runMainWindow;
    // How long each service request may take; the main window uses them too.
    ServiceDeadlines deadlines;

    const std::string& ApplicationDirectory() const { return m_applicationDirectory; }
    AppPorts& Ports() { return m_ports; }

private:
    void LaunchUpdater();

    AppPorts m_ports;
    std::string m_applicationDirectory;
};

}  // namespace lumora
