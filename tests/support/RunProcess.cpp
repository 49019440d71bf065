#include "support/RunProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace tabrix::test {

namespace {

std::string Slurp(int fd) {
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv) {
    ProcessResult result;
    char outName[] = "/tmp/tabrix-out-XXXXXX";
    char errName[] = "/tmp/tabrix-err-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const int errFd = ::mkstemp(errName);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        std::_Exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    ::lseek(outFd, 0, SEEK_SET);
    ::lseek(errFd, 0, SEEK_SET);
    result.out = Slurp(outFd);
    result.err = Slurp(errFd);
    ::unlink(outName);
    ::unlink(errName);
    return result;
}

ProcessResult RunCli(const std::vector<std::string>& args) {
    std::vector<std::string> argv{TABRIX_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
}

}  // namespace tabrix::test
