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
#include <filesystem>

extern char **environ;

namespace quillo::platform {

namespace {

using Clock = std::chrono::steady_clock;

// The helper's own start, before libcurl's clock begins.
constexpr std::chrono::milliseconds kStartAllowance{1000};

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
    // dup2 clears close-on-exec on the copy: the helper's stdout is the pipe,
    // and it inherits no other descriptor of ours.
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

std::vector<std::string> fetchHelperArguments(const HttpGet &request, const HttpLimits &limits)
{
    return {std::string(request.address),
            std::string(request.userAgent),
            std::to_string(limits.connectTimeout.count()),
            std::to_string(limits.totalTimeout.count()),
            std::to_string(limits.maxRedirects),
            std::to_string(limits.maxBodyBytes)};
}

bool parseFetchHelperArguments(const std::vector<std::string_view> &arguments, std::string &address,
                               std::string &userAgent, HttpLimits &limits)
{
    if (arguments.size() != 6)
        return false;
    long long connectMs = 0;
    long long totalMs = 0;
    HttpLimits parsed;
    if (!parseNumber(arguments[2], connectMs) || !parseNumber(arguments[3], totalMs)
        || !parseNumber(arguments[4], parsed.maxRedirects)
        || !parseNumber(arguments[5], parsed.maxBodyBytes))
        return false;
    parsed.connectTimeout = std::chrono::milliseconds(connectMs);
    parsed.totalTimeout = std::chrono::milliseconds(totalMs);
    address = arguments[0];
    userAgent = arguments[1];
    limits = parsed;
    return true;
}

std::string fetchBodyWithHelper(const std::string &helper, const HttpGet &request,
                                const HttpLimits &limits)
{
    if (helper.empty())
        return {};
    const Clock::time_point deadline = Clock::now() + limits.totalTimeout + kStartAllowance;
    Pipe out;
    if (!out.isOpen())
        return {};
    const pid_t child = spawn(helper, fetchHelperArguments(request, limits), out);
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
        const int polled = poll(&ready, 1, static_cast<int>(std::min<long long>(left.count(), INT_MAX)));
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
