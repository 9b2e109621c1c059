#pragma once

#include <optional>
#include <string>

namespace lumora {

// The program's entry among the user's autostart programs: a desktop entry file that the
// session starts at log-on, running "lumo" from the application directory.
class AutostartEntry {
public:
    // `path` is the entry file; empty when the user's configuration directory is not known.
    explicit AutostartEntry(std::string path);

    // The user's own entry file.
    static AutostartEntry ForUser();

    const std::string& Path() const { return m_path; }
    bool Known() const { return !m_path.empty(); }

    // The file exists and the session would start it: it is neither hidden nor disabled.
    bool Present() const;
    // Writes the entry for `applicationDirectory` at once, replacing any other, creating the
    // folder when needed. False when it could not be written; the old file then stays.
    bool Write(const std::string& applicationDirectory) const;
    // True when no entry remains, also when there was none.
    bool Remove() const;

    // The entry's text; nothing for a directory that a desktop entry cannot name (not UTF-8,
    // or with control characters a session cannot pass on).
    static std::optional<std::string> Contents(const std::string& applicationDirectory);
    // The Exec value that runs `program`: one argument, quoted and escaped so that blanks,
    // quotes, backslashes, dollars and percent signs reach the program unchanged.
    static std::string ExecValue(const std::string& program);

private:
    std::string m_path;
};

}  // namespace lumora
