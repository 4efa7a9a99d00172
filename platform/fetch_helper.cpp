#include "platform/fetch_helper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <ctime>
#include <filesystem>

extern char **environ;

namespace quillo::platform {

namespace {

using Clock = std::chrono::steady_clock;

// The helper's time-outs count from our asking; this is its grace to end the
// exchange and write what it has before it is killed.
constexpr std::chrono::milliseconds kGrace{1000};

bool isExecutableFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

template <typename Number>
bool parseNumber(std::string_view text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

class Pipe
{
public:
    Pipe()
    {
        if (pipe2(m_ends, O_CLOEXEC) != 0)
            m_ends[0] = m_ends[1] = -1;
    }
    ~Pipe()
    {
        closeWriteEnd();
        if (m_ends[0] >= 0)
            close(m_ends[0]);
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;

    bool isOpen() const { return m_ends[0] >= 0; }
    int readEnd() const { return m_ends[0]; }
    int writeEnd() const { return m_ends[1]; }
    void closeWriteEnd()
    {
        if (m_ends[1] >= 0)
            close(m_ends[1]);
        m_ends[1] = -1;
    }

private:
    int m_ends[2];
};

pid_t spawn(const std::string &helper, const std::vector<std::string> &arguments, const Pipe &out)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(helper.c_str()));
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return -1;
    pid_t child = -1;
    // Both pipe ends are close-on-exec and dup2 clears that on the copy: the
    // helper's stdout is the write end, and it holds neither end besides, so
    // our read sees the end of the body when the helper ends.
    if (posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0
        && posix_spawn_file_actions_adddup2(&actions, out.writeEnd(), STDOUT_FILENO) == 0
        && posix_spawn(&child, helper.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

void reap(pid_t child)
{
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::string fetchHelperFor(const std::string &programFolder)
{
    for (const std::filesystem::path &candidate :
         {std::filesystem::path(programFolder) / kFetchHelperFromProgram,
          std::filesystem::path(programFolder) / kFetchHelperName}) {
        if (isExecutableFile(candidate.string()))
            return candidate.lexically_normal().string();
    }
    return {};
}

std::string fetchHelper()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : fetchHelperFor(program.parent_path().string());
}

std::chrono::milliseconds monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    using namespace std::chrono;
    return seconds(now.tv_sec) + duration_cast<milliseconds>(nanoseconds(now.tv_nsec));
}

std::vector<std::string> fetchHelperArguments(const HttpGet &request, const HttpLimits &limits,
                                              std::chrono::milliseconds askedAt)
{
    return {std::string(request.address),
            std::string(request.userAgent),
            std::to_string(limits.connectTimeout.count()),
            std::to_string(limits.totalTimeout.count()),
            std::to_string(limits.maxRedirects),
            std::to_string(limits.maxBodyBytes),
            std::to_string(askedAt.count())};
}

std::optional<FetchHelperRequest> parseFetchHelperArguments(
    const std::vector<std::string_view> &arguments)
{
    if (arguments.size() != 7)
        return std::nullopt;
    long long connectMs = 0;
    long long totalMs = 0;
    long long askedAtMs = 0;
    FetchHelperRequest request;
    if (!parseNumber(arguments[2], connectMs) || !parseNumber(arguments[3], totalMs)
        || !parseNumber(arguments[4], request.limits.maxRedirects)
        || !parseNumber(arguments[5], request.limits.maxBodyBytes)
        || !parseNumber(arguments[6], askedAtMs))
        return std::nullopt;
    request.address = arguments[0];
    request.userAgent = arguments[1];
    request.limits.connectTimeout = std::chrono::milliseconds(connectMs);
    request.limits.totalTimeout = std::chrono::milliseconds(totalMs);
    request.askedAt = std::chrono::milliseconds(askedAtMs);
    return request;
}

HttpLimits limitsLeft(const HttpLimits &limits, std::chrono::milliseconds askedAt,
                      std::chrono::milliseconds now)
{
    using std::chrono::milliseconds;
    const milliseconds gone = std::max(now - askedAt, milliseconds(0));
    HttpLimits left = limits;
    left.connectTimeout = std::max(limits.connectTimeout - gone, milliseconds(1));
    left.totalTimeout = std::max(limits.totalTimeout - gone, milliseconds(1));
    return left;
}

std::string fetchBodyWithHelper(const std::string &helper, const HttpGet &request,
                                const HttpLimits &limits)
{
    if (helper.empty())
        return {};
    const Clock::time_point deadline = Clock::now() + limits.totalTimeout + kGrace;
    Pipe out;
    if (!out.isOpen())
        return {};
    const pid_t child =
        spawn(helper, fetchHelperArguments(request, limits, monotonicNow()), out);
    out.closeWriteEnd();
    if (child < 0)
        return {};

    std::string body;
    bool ended = false;
    char buffer[16384];
    while (body.size() < limits.maxBodyBytes) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd ready{out.readEnd(), POLLIN, 0};
        const int wait = static_cast<int>(std::min<long long>(left.count(), INT_MAX));
        const int polled = poll(&ready, 1, wait);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            break;
        const std::size_t room = std::min(sizeof buffer, limits.maxBodyBytes - body.size());
        const ssize_t count = read(out.readEnd(), buffer, room);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            ended = count == 0;
            break;
        }
        body.append(buffer, static_cast<std::size_t>(count));
    }
    // Past the deadline or the size limit the helper has no more to say.
    if (!ended)
        kill(child, SIGKILL);
    reap(child);
    return body;
}

} // namespace quillo::platform
