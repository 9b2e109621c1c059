#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora::test {

// An HTTP server on 127.0.0.1 that misbehaves as a slow, broken or malicious peer would. It
// speaks raw HTTP/1.1 on its own threads, one per connection, and answers by path:
//   /drip             200, a long Content-Length, then two bytes a second, without end
//   /endless-headers  a status line, then one header byte every 200 ms, never a blank line
//   /endless          200 without a length, 4 KiB every 10 ms, without end
//   /cut              200 claiming 1000 bytes, 500 of them, then the connection closes
//   /no-content       204 and nothing else
//   /html             200 with an HTML page
//   /to-file          302 to file:///etc/passwd
//   /picture          200 with the bytes given to SetPicture
//   anything else     404
// Every connection ends when the object is destroyed.
class HostileServer {
public:
    HostileServer();
    ~HostileServer();
    HostileServer(const HostileServer&) = delete;
    HostileServer& operator=(const HostileServer&) = delete;

    // "http://127.0.0.1:<port>" followed by `path`.
    std::string Url(const std::string& path) const;
    void SetPicture(std::string bytes);
    // The paths asked for so far, in order.
    std::vector<std::string> Paths() const;

private:
    void Accept();
    void Serve(int client);
    // Sends all of `bytes`; false once the peer is gone or the server stops.
    bool Send(int client, const std::string& bytes);
    // Sleeps `ms` unless the server stops meanwhile; false when it stops.
    bool Pause(int ms);

    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::string m_picture;
    std::vector<std::string> m_paths;
    std::vector<int> m_clients;
    std::vector<std::thread> m_threads;
    std::thread m_acceptor;
};

}  // namespace lumora::test
