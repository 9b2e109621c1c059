#include "support/HostileServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace lumora::test {

HostileServer::HostileServer() {
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(m_listener, 16) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on a loopback port");
    }
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { Accept(); });
}

HostileServer::~HostileServer() {
    m_stopping = true;
    shutdown(m_listener, SHUT_RDWR);
    m_acceptor.join();
    close(m_listener);
    {
        std::lock_guard lock(m_mutex);
        for (int client : m_clients) shutdown(client, SHUT_RDWR);
    }
    for (std::thread& thread : m_threads) thread.join();
    for (int client : m_clients) close(client);
}

std::string HostileServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void HostileServer::SetPicture(std::string bytes) {
    std::lock_guard lock(m_mutex);
    m_picture = std::move(bytes);
}

std::vector<std::string> HostileServer::Paths() const {
    std::lock_guard lock(m_mutex);
    return m_paths;
}

void HostileServer::Accept() {
    for (;;) {
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            if (m_stopping) return;
            continue;
        }
        std::lock_guard lock(m_mutex);
        if (m_stopping) {
            close(client);
            return;
        }
        m_clients.push_back(client);
        m_threads.emplace_back([this, client] { Serve(client); });
    }
}

bool HostileServer::Send(int client, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (m_stopping) return false;
        const ssize_t sent = send(client, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) return false;
        done += static_cast<size_t>(sent);
    }
    return true;
}

bool HostileServer::Pause(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!m_stopping && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return !m_stopping;
}

void HostileServer::Serve(int client) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        request.append(buffer, static_cast<size_t>(got));
    }
    const size_t start = request.find(' ') + 1;
    std::string path = request.substr(start, request.find(' ', start) - start);
    path = path.substr(0, path.find('?'));
    std::string picture;
    {
        std::lock_guard lock(m_mutex);
        m_paths.push_back(path);
        picture = m_picture;
    }
    auto whole = [](const std::string& status, const std::string& body) {
        return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    };
    if (path == "/drip") {
        if (!Send(client, "HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n")) return;
        while (Send(client, "1.") && Pause(1000)) {
        }
    } else if (path == "/endless-headers") {
        if (!Send(client, "HTTP/1.1 200 OK\r\nX-Slow: ")) return;
        while (Send(client, "a") && Pause(200)) {
        }
    } else if (path == "/endless") {
        if (!Send(client, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n")) return;
        const std::string block(4096, 'x');
        while (Send(client, block) && Pause(10)) {
        }
    } else if (path == "/cut") {
        Send(client, "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + picture.substr(0, 500));
    } else if (path == "/no-content") {
        Send(client, "HTTP/1.1 204 No Content\r\n\r\n");
    } else if (path == "/html") {
        Send(client, whole("200 OK", "<html><body>Not here any more</body></html>\n"));
    } else if (path == "/to-file") {
        Send(client,
             "HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: "
             "0\r\n\r\n");
    } else if (path == "/picture") {
        Send(client, whole("200 OK", picture));
    } else {
        Send(client, whole("404 Not Found", "not found"));
    }
    shutdown(client, SHUT_WR);
    // Waits for the client to close, so it reads everything before the socket goes.
    while (!m_stopping && recv(client, buffer, sizeof buffer, 0) > 0) {
    }
}

}  // namespace lumora::test
