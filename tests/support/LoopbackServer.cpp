#include "support/LoopbackServer.h"

#include <stdexcept>

namespace lumora::test {

LoopbackServer::LoopbackServer() {
    auto dispatch = [this](const httplib::Request& request, httplib::Response& response) {
        Dispatch(request, response);
    };
    m_server.Get(".*", dispatch);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        throw std::runtime_error("cannot bind a loopback port");
    }
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // Requests made before the accept loop runs would wait in the backlog anyway; waiting here
    // only keeps Stop from racing with a loop that has not started.
    while (!m_server.is_running()) {
        std::this_thread::yield();
    }
}

LoopbackServer::~LoopbackServer() {
    m_server.stop();
    m_thread.join();
}

std::string LoopbackServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void LoopbackServer::On(const std::string& path, Handler handler) {
    std::lock_guard lock(m_mutex);
    m_handlers[path] = std::move(handler);
}

void LoopbackServer::Reply(const std::string& path, std::string body, int status) {
    On(path,
       [body = std::move(body), status](const httplib::Request&, httplib::Response& response) {
           response.status = status;
           response.set_content(body, "text/plain");
       });
}

std::vector<RecordedRequest> LoopbackServer::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackServer::Dispatch(const httplib::Request& request, httplib::Response& response) {
    Handler handler;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(
            {request.target, request.path, request.get_header_value("User-Agent")});
        auto found = m_handlers.find(request.path);
        if (found != m_handlers.end()) {
            handler = found->second;
        }
    }
    if (handler) {
        handler(request, response);
    } else {
        response.status = 404;
        response.set_content("not found", "text/plain");
    }
}

}  // namespace lumora::test
