#pragma once

#include <string>

#include "app/ProcessStrings.h"
#include "platform/NetworkAdapters.h"

namespace lumora {

// The client id: the first line of the id file, without its line end and up to a zero byte.
// Empty when the file cannot be read or the line is longer than 255 bytes.
std::string ReadClientId(const std::string& idFilePath);
std::string ReadClientId();

// The last adapter's address as "%02X-%02X-%02X-%02X-%02X-%02X " formats it, trailing blank
// included; empty when there is no adapter.
std::string GetAdapterAddress(NetworkAdapters& adapters);
std::string GetAdapterAddress();

// "runstart" when the current directory is the application directory (byte for byte),
// otherwise "autostart".
std::string StartType(const std::string& currentDirectory, const std::string& applicationDirectory);

// What the main window's construction does for the usage report, in this order: reads the
// client id, queries the adapter address and sets the start type from the current directory.
// From then on every service request carries the report.
void SetUpClientIdentity(ProcessStrings& strings, const std::string& idFilePath,
                         NetworkAdapters& adapters, const std::string& currentDirectory,
                         const std::string& applicationDirectory);
// The same with the system's id file, adapters and directories.
void SetUpClientIdentity(ProcessStrings& strings);

}  // namespace lumora
