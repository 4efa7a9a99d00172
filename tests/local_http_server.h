// A small HTTP server on 127.0.0.1 for tests that fetch over the network. It
// answers one connection at a time on a thread of its own, records every
// request it reads (request line and headers), and answers each with the raw
// bytes its answer function gives for the request's target, or with silence.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace test {

struct Request {
    std::string line; // "GET <target> HTTP/1.0"
    std::vector<std::pair<std::string, std::string>> headers;

    std::string target() const
    {
        const auto first = line.find(' ');
        const auto second = line.find(' ', first + 1);
        if (first == std::string::npos)
            return {};
        return line.substr(first + 1, second - first - 1);
    }

    // Header names compare without regard to case; none when absent.
    std::optional<std::string> header(std::string_view name) const
    {
        const auto lower = [](std::string_view s) {
            std::string out(s);
            for (char &c : out)
                c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            return out;
        };
        for (const auto &[key, value] : headers) {
            if (lower(key) == lower(name))
                return value;
        }
        return std::nullopt;
    }
};

// What the server does with one request.
struct Answer {
    enum class Kind {
        Bytes,      // write `bytes`, then close
        Silence,    // keep the connection open and say nothing
        Drip,       // write the head of `bytes` at once, then its body one byte
                    // every 50 ms, then close
    };
    Kind kind = Kind::Bytes;
    std::string bytes;

    static Answer silence() { return {Kind::Silence, {}}; }
};

// A whole HTTP answer; Content-Length is the body's, unless given.
inline std::string httpAnswer(int status, std::string_view body, std::string_view extraHeaders = {},
                              std::optional<std::size_t> contentLength = std::nullopt)
{
    std::string out = "HTTP/1.0 " + std::to_string(status) + " Status\r\n";
    out += "Content-Type: text/html; charset=utf-8\r\n";
    out += "Content-Length: " + std::to_string(contentLength.value_or(body.size())) + "\r\n";
    out += extraHeaders;
    out += "\r\n";
    out += body;
    return out;
}

inline std::string redirectTo(std::string_view location, std::string_view body = {},
                              std::string_view extraHeaders = {})
{
    const std::string headers =
        "Location: " + std::string(location) + "\r\n" + std::string(extraHeaders);
    return httpAnswer(302, body, headers);
}

class LocalHttpServer
{
public:
    using AnswerFor = std::function<Answer(const Request &)>;

    LocalHttpServer()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        socklen_t length = sizeof address;
        auto *const socketAddress = reinterpret_cast<sockaddr *>(&address);
        if (m_listener < 0 || ::bind(m_listener, socketAddress, length) != 0
            || ::listen(m_listener, 16) != 0
            || ::getsockname(m_listener, socketAddress, &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }

    ~LocalHttpServer()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        if (m_listener >= 0)
            ::close(m_listener);
    }

    LocalHttpServer(const LocalHttpServer &) = delete;
    LocalHttpServer &operator=(const LocalHttpServer &) = delete;

    // 0 when the server could not start.
    int port() const { return m_port; }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(m_port); }

    void setAnswers(AnswerFor answerFor)
    {
        const std::lock_guard lock(m_mutex);
        m_answerFor = std::move(answerFor);
    }

    // The same answer for every request.
    void setAnswer(Answer answer)
    {
        setAnswers([answer](const Request &) { return answer; });
    }

    std::vector<Request> requests() const
    {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

    // Connections accepted, with or without a request on them.
    int connections() const
    {
        const std::lock_guard lock(m_mutex);
        return m_connections;
    }

    // A silent connection is given up after this long, so a client that
    // never times out fails its test instead of hanging it.
    static constexpr std::chrono::seconds kSilenceAtMost{40};

private:
    bool stopping() const
    {
        const std::lock_guard lock(m_mutex);
        return m_stopping;
    }

    void serve()
    {
        while (!stopping()) {
            pollfd waiting{m_listener, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0)
                continue;
            const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                continue;
            {
                const std::lock_guard lock(m_mutex);
                ++m_connections;
            }
            handle(connection);
            ::close(connection);
        }
    }

    void handle(int connection)
    {
        std::string received;
        char buffer[4096];
        while (received.find("\r\n\r\n") == std::string::npos && received.size() < 65536) {
            pollfd readable{connection, POLLIN, 0};
            if (::poll(&readable, 1, 5000) <= 0)
                return;
            const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
            if (count <= 0)
                return;
            received.append(buffer, static_cast<std::size_t>(count));
        }
        const Request request = parse(received.substr(0, received.find("\r\n\r\n")));
        AnswerFor answerFor;
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
            answerFor = m_answerFor;
        }
        const Answer answer = answerFor ? answerFor(request) : Answer{};
        switch (answer.kind) {
        case Answer::Kind::Bytes:
            sendAll(connection, answer.bytes);
            break;
        case Answer::Kind::Silence: {
            std::unique_lock lock(m_mutex);
            m_wake.wait_for(lock, kSilenceAtMost, [this] { return m_stopping; });
            break;
        }
        case Answer::Kind::Drip: {
            const std::size_t head = answer.bytes.find("\r\n\r\n") + 4;
            if (!sendAll(connection, std::string_view(answer.bytes).substr(0, head)))
                break;
            for (char byte : answer.bytes.substr(head)) {
                if (stopping() || !sendAll(connection, std::string_view(&byte, 1)))
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            break;
        }
        }
        // Let the client read to the end before the connection goes.
        ::shutdown(connection, SHUT_WR);
        for (int i = 0; i < 100; ++i) {
            pollfd readable{connection, POLLIN, 0};
            if (::poll(&readable, 1, 20) <= 0 || ::recv(connection, buffer, sizeof buffer, 0) <= 0)
                break;
        }
    }

    // The client may hang up part way (a body over its limit): no SIGPIPE.
    static bool sendAll(int connection, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t sent = ::send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        }
        return true;
    }

    static Request parse(const std::string &head)
    {
        Request request;
        std::size_t at = 0;
        bool first = true;
        while (at <= head.size()) {
            std::size_t end = head.find("\r\n", at);
            if (end == std::string::npos)
                end = head.size();
            const std::string line = head.substr(at, end - at);
            if (first) {
                request.line = line;
                first = false;
            } else if (const auto colon = line.find(':'); colon != std::string::npos) {
                std::string value = line.substr(colon + 1);
                value.erase(0, value.find_first_not_of(' '));
                request.headers.emplace_back(line.substr(0, colon), value);
            }
            at = end + 2;
        }
        return request;
    }

    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    AnswerFor m_answerFor;
    std::vector<Request> m_requests;
    int m_connections = 0;
};

} // namespace test
