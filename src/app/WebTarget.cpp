#include "app/WebTarget.h"

#include <cctype>
#include <string_view>

#include "platform/Shell.h"

namespace lumora {

namespace {

// Scheme names are case-insensitive ("HTTP://" is a web page as well).
bool HasScheme(const std::string& url, std::string_view scheme) {
    if (url.size() < scheme.size()) return false;
    for (size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) return false;
    }
    return true;
}

}  // namespace

bool IsWebTarget(const std::string& url) {
    return HasScheme(url, "http:") || HasScheme(url, "https:");
}

bool OpenWebTarget(Shell& shell, const std::string& url) {
    if (!IsWebTarget(url)) return false;
    return shell.OpenUrl(url);
}

}  // namespace lumora
