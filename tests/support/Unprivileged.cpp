#include "Unprivileged.h"

#include <grp.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace orvelane::testing {
namespace {

// Runs `work` in a forked child, after dropping to kNobody when asked; its answer, or nothing
// when the drop or the child failed.
std::optional<std::string> runInChild(bool dropToNobody, const std::function<std::string()>& work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // The real, effective and saved ids alike, and no supplementary group of root's.
        if (dropToNobody && !(::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
                              ::setresuid(kNobody, kNobody, kNobody) == 0))
            ::_exit(2);
        const std::string answer = work();
        for (std::size_t sent = 0; sent < answer.size();) {
            const auto n = ::write(channel[1], answer.data() + sent, answer.size() - sent);
            if (n <= 0)
                ::_exit(3);
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(channel[1]);
    if (child < 0) {
        ::close(channel[0]);
        return std::nullopt;
    }
    std::string answer;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return answer;
}

} // namespace

void giveToNobody(const std::filesystem::path& path)
{
    ::lchown(path.c_str(), kNobody, kNobody);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path))) {
        for (const auto& entry : std::filesystem::directory_iterator(path))
            giveToNobody(entry.path());
    }
}

std::optional<std::string> runAsNobody(const std::function<std::string()>& work) { return runInChild(true, work); }

bool nobodyCanReach(const std::filesystem::path& folder)
{
    if (::geteuid() != 0)
        return true;
    return runAsNobody([&folder] { return ::access(folder.c_str(), X_OK) == 0 ? "reached" : ""; }) == "reached";
}

std::string runWithoutPrivileges(const std::filesystem::path& tree, const std::function<std::string()>& work)
{
    const bool root = ::geteuid() == 0;
    if (root)
        giveToNobody(tree);
    const auto answer = runInChild(root, work);
    if (!answer)
        throw std::runtime_error("the unprivileged child failed");
    return *answer;
}

} // namespace orvelane::testing
