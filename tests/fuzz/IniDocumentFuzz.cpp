// Any text read as conf.ini, and one write into it: reading never fails, an untouched text comes
// back byte for byte, and an accepted write of a plain key reads back while another key keeps
// its value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "app/IniDocument.h"

namespace {

constexpr std::string_view kSection = "MAIN";
constexpr std::string_view kOtherKey = "LCLINDEX";

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

// A key that a line "key=value" gives back as it is: no blank around it, not read as a comment
// or a header, nothing that ends the key or the line.
bool IsPlainKey(std::string_view key) {
    return !key.empty() && Trim(key, " \t") == key && key.front() != ';' && key.front() != '[' &&
           key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The input is "key \x01 value \x01 file text"; without a separator it is all file text.
struct Input {
    std::string_view key;
    std::string_view value;
    std::string_view text;
};

Input Split(std::string_view data) {
    Input input;
    const size_t keyEnd = data.find('\x01');
    if (keyEnd == std::string_view::npos) {
        input.text = data;
        return input;
    }
    input.key = data.substr(0, keyEnd);
    data.remove_prefix(keyEnd + 1);
    const size_t valueEnd = data.find('\x01');
    input.value = data.substr(0, valueEnd);
    if (valueEnd != std::string_view::npos) input.text = data.substr(valueEnd + 1);
    return input;
}

// Another key's value, without the blanks and line-end bytes a rewrite may settle differently.
std::optional<std::string> Settled(const std::optional<std::string>& value) {
    if (!value) return value;
    return std::string(Trim(*value, " \t\r"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));
    lumora::IniDocument document(input.text);
    if (document.Text() != input.text) std::abort();
    const std::optional<std::string> otherBefore = Settled(document.Get(kSection, kOtherKey));
    (void)document.Get(input.key, input.value);

    if (!document.Set(kSection, input.key, input.value) || !IsPlainKey(input.key)) return 0;
    const lumora::IniDocument reread(document.Text());
    const std::optional<std::string> value = reread.Get(kSection, input.key);
    if (!value || *value != Trim(input.value, " \t")) std::abort();
    if (!EqualsIgnoringCase(input.key, kOtherKey) &&
        Settled(reread.Get(kSection, kOtherKey)) != otherBefore) {
        std::abort();
    }
    return 0;
}
