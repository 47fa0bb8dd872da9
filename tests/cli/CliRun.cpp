#include "CliRun.h"

#include <QByteArray>
#include <QJsonDocument>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace orvelane::testing {
namespace {

std::string drain(int fd)
{
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

CliRun runCli(const std::vector<std::string>& args, unsigned timeoutSeconds)
{
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        close(out[0]);
        close(err[0]);
        std::vector<char*> argv{const_cast<char*>(ORVELANE_CLI)};
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        alarm(timeoutSeconds); // kept across exec: a hanging run ends instead of the suite
        execv(ORVELANE_CLI, argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    CliRun run;
    // Standard error is small; read standard output to the end first, then error.
    run.out = drain(out[0]);
    run.err = drain(err[0]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

QJsonObject jsonOf(const std::string& output)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(output)).object();
}

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void write(const std::filesystem::path& file, const std::string& content)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

} // namespace orvelane::testing
