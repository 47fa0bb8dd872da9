#include "ShellTools.h"

#include <cstdio>
#include <sys/wait.h>

namespace orvelane::testing {

Shell sh(const std::string& commandLine)
{
    Shell shell;
    FILE* pipe = ::popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return shell;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        shell.out.append(buffer, n);
    const int status = ::pclose(pipe);
    shell.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return shell;
}

bool onPath(const char* tool)
{
    return sh(std::string("command -v ") + tool + " > /dev/null").status == 0;
}

std::set<std::string> trashListedPlaces()
{
    // "2026-12-07 18:20:01 /home/…/file": date, time, then the place, which may hold spaces.
    const Shell listed = sh("trash-list");
    std::set<std::string> places;
    std::size_t start = 0;
    while (start < listed.out.size()) {
        std::size_t end = listed.out.find('\n', start);
        if (end == std::string::npos)
            end = listed.out.size();
        const std::string line = listed.out.substr(start, end - start);
        start = end + 1;
        const std::size_t date = line.find(' ');
        const std::size_t place = date == std::string::npos ? date : line.find(' ', date + 1);
        if (place != std::string::npos)
            places.insert(line.substr(place + 1));
        else if (!line.empty())
            places.insert("unreadable line: " + line);
    }
    return places;
}

} // namespace orvelane::testing
