#pragma once

#include <httplib.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora::test {

// One request as the server saw it.
struct RecordedRequest {
    std::string target;  // path and query exactly as on the wire, escapes kept
    std::string path;    // decoded path
    std::string userAgent;
};

// An HTTP server on 127.0.0.1 and a free port, serving from its own thread for the life of the
// object. Handlers are matched by exact path; any other path answers 404. Every request is
// recorded in the order it arrived.
class LoopbackServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by `path`.
    std::string Url(const std::string& path = "") const;

    void On(const std::string& path, Handler handler);
    // Answers `path` with the status and body given, as text/plain.
    void Reply(const std::string& path, std::string body, int status = 200);

    std::vector<RecordedRequest> Requests() const;

private:
    void Dispatch(const httplib::Request& request, httplib::Response& response);

    httplib::Server m_server;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Handler> m_handlers;
    std::vector<RecordedRequest> m_requests;
    std::thread m_thread;
};

}  // namespace lumora::test
