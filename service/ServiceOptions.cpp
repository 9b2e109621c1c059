#include "service/ServiceOptions.h"

#include <charconv>

namespace lumora::service {

const char* ServiceOptions::Usage() {
    return "usage: lumora-service [--host ADDR] [--port N] [--port-file FILE] [--log FILE]\n"
           "                      [--db FILE] [--version TEXT] [--ad CAPTION,TARGET]\n"
           "                      [--pictures DIR] [--cache DIR] [--drip-ms N]\n"
           "  --port 0 picks a free port; the port in use is printed on the first line of output\n"
           "  --log FILE     one line per request (default: standard output)\n"
           "  --db FILE      SQLite database of usage reports (default: beside the log, named\n"
           "                 after it with .db; reports.db in the cache folder without --log)\n"
           "  --pictures DIR serve these pictures instead of the drawn demo library; an optional\n"
           "                 names.txt holds lines \"file<TAB>name[<TAB>category]\"\n"
           "  --cache DIR    where the demo library is drawn (default: ~/.cache/lumora-service)\n"
           "  --drip-ms N    send full-size pictures in 16 KiB chunks, N ms apart (default 0)\n"
           "\n"
           "Every getversion, getad and exit request is one row of the table reports:\n"
           "  id INTEGER PRIMARY KEY, time TEXT (UTC, YYYY-MM-DD HH:MM:SS),\n"
           "  op TEXT (getversion, getad or exit), uid TEXT, mac TEXT, stype TEXT, version TEXT\n"
           "  (as sent, percent-decoded; NULL when the request lacked the key),\n"
           "  address TEXT (the client's IP address)\n"
           "Each start of the program that opens its main window sends one getad with its\n"
           "uid; the version check at start-up sends getversion without the four values.\n"
           "For example, with DB the database:\n"
           "  installations:   sqlite3 DB \"SELECT COUNT(DISTINCT uid) FROM reports WHERE uid <> "
           "''\"\n"
           "  starts:          sqlite3 DB \"SELECT COUNT(*) FROM reports WHERE op = 'getad'\"\n"
           "  starts per day:  sqlite3 DB \"SELECT date(time), COUNT(*) FROM reports\n"
           "                              WHERE op = 'getad' GROUP BY 1\"\n";
}

namespace {

// A whole decimal number within [low, high], or nullopt.
std::optional<int> Number(const std::string& text, int low, int high) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<ServiceOptions> ServiceOptions::Parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ServiceOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            error = "missing value for " + name;
            return std::nullopt;
        }
        if (name == "--host") {
            options.host = value;
        } else if (name == "--port") {
            std::optional<int> port = Number(value, 0, 65535);
            if (!port) {
                error = "bad port: " + value;
                return std::nullopt;
            }
            options.port = *port;
        } else if (name == "--port-file") {
            options.portFile = value;
        } else if (name == "--log") {
            options.logPath = value;
        } else if (name == "--version") {
            options.version = value;
        } else if (name == "--ad") {
            options.ad = value;
        } else if (name == "--pictures") {
            options.picturesDir = value;
        } else if (name == "--cache") {
            options.cacheDir = value;
        } else if (name == "--db") {
            options.dbPath = value;
        } else if (name == "--drip-ms") {
            // Up to a minute a chunk: enough for any test of a slow line.
            std::optional<int> drip = Number(value, 0, 60000);
            if (!drip) {
                error = "bad --drip-ms: " + value;
                return std::nullopt;
            }
            options.dripMs = *drip;
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace lumora::service
