#pragma once

#include <string>
#include <string_view>

namespace lumora {

// The settings file conf.ini, section MAIN. Every read goes to the file; every write replaces
// the file atomically, so a crash or a full disk never leaves it damaged or empty.
class Config {
public:
    explicit Config(std::string path);

    // conf.ini beside the running executable, rebuilt from the application directory.
    static Config ForApplication();

    const std::string& Path() const { return m_path; }

    // At most 259 bytes of the value, cut on a character boundary; `fallback` when missing.
    std::string ReadString(std::string_view key, std::string_view fallback) const;
    // Decimal value; `fallback` when missing, 0 when the value does not begin with a number.
    int ReadInt(std::string_view key, int fallback) const;

    // Sets the key, creating the file and the section when needed. False when it failed, and
    // for a key that could not be read back (IniDocument::Set). Writers exclude each other.
    bool Write(std::string_view key, std::string_view text) const;
    bool WriteInt(std::string_view key, int value) const;

    // Removes the temporary files of writes that were killed halfway.
    void RemoveStaleTemporaries() const;

private:
    std::string m_path;
};

}  // namespace lumora
