#include "TestFiles.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::testing {
namespace {

std::string readAll(std::FILE* pipe)
{
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    return output;
}

} // namespace

std::uint64_t writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
    return inodeOf(path);
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::uint64_t inodeOf(const std::filesystem::path& path)
{
    struct stat status{};
    if (::lstat(path.c_str(), &status) != 0)
        return 0;
    return status.st_ino;
}

std::vector<std::string> entries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().native());
    std::sort(names.begin(), names.end());
    return names;
}

std::string shellQuoted(const std::filesystem::path& path)
{
    std::string text = "'";
    for (const char c : path.native())
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

std::string outputOf(const std::string& commandLine)
{
    std::string output;
    if (std::FILE* pipe = ::popen(commandLine.c_str(), "r")) {
        output = readAll(pipe);
        ::pclose(pipe);
    }
    return output;
}

std::string outputOfSuccessful(const std::string& commandLine)
{
    std::FILE* pipe = ::popen(commandLine.c_str(), "r");
    const std::string output = pipe != nullptr ? readAll(pipe) : std::string();
    if (pipe == nullptr || ::pclose(pipe) != 0)
        throw std::runtime_error("command failed: " + commandLine);
    return output;
}

} // namespace orvelane::testing
