#include "app/ClientIdentity.h"

#include <cstdio>
#include <fstream>

#include "platform/AppDirectory.h"
#include "platform/UserFiles.h"

namespace lumora {

namespace {
constexpr size_t kMaxClientIdBytes = 255;
}

std::string ReadClientId(const std::string& idFilePath) {
    std::ifstream in(idFilePath, std::ios::binary);
    if (!in) {
        return {};
    }
    std::string line;
    // Read one byte past the limit: a longer id is no id at all, as with a value that does not
    // fit its buffer.
    char c = 0;
    while (line.size() <= kMaxClientIdBytes && in.get(c) && c != '\n') {
        line += c;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.size() > kMaxClientIdBytes) {
        return {};
    }
    size_t zero = line.find('\0');
    if (zero != std::string::npos) {
        line.resize(zero);
    }
    return line;
}

std::string ReadClientId() {
    std::string path = ClientIdFilePath();
    return path.empty() ? std::string() : ReadClientId(path);
}

std::string GetAdapterAddress(NetworkAdapters& adapters) {
    std::vector<HardwareAddress> addresses = adapters.Addresses();
    if (addresses.empty()) {
        return {};
    }
    const HardwareAddress& a = addresses.back();
    char text[32];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X ", a[0], a[1], a[2], a[3], a[4],
                  a[5]);
    return text;
}

std::string GetAdapterAddress() { return GetAdapterAddress(SystemNetworkAdapters()); }

std::string StartType(const std::string& currentDirectory,
                      const std::string& applicationDirectory) {
    return currentDirectory == applicationDirectory ? "runstart" : "autostart";
}

void SetUpClientIdentity(ProcessStrings& strings, const std::string& idFilePath,
                         NetworkAdapters& adapters, const std::string& currentDirectory,
                         const std::string& applicationDirectory) {
    strings.clientId = idFilePath.empty() ? std::string() : ReadClientId(idFilePath);
    strings.adapterAddress = GetAdapterAddress(adapters);
    strings.startType = StartType(currentDirectory, applicationDirectory);
}

void SetUpClientIdentity(ProcessStrings& strings) {
    SetUpClientIdentity(strings, ClientIdFilePath(), SystemNetworkAdapters(), CurrentDirectory(),
                        ApplicationDirectory());
}

}  // namespace lumora
