#pragma once

#include <string>
#include <vector>

namespace lumora {

// One entry of a file-open dialog's type list: the name shown and its file name patterns.
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;  // "*.jpg"; "*" for every file

    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// A glob that matches `pattern` without regard to the case of ASCII letters ("*.jpg" becomes
// "*.[jJ][pP][gG]"), since the users of the form expect "A.JPG" to be listed under "*.jpg".
std::string CaseInsensitiveGlob(const std::string& pattern);

}  // namespace lumora
