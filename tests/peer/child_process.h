#pragma once

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace ksm::test {

// Whether this machine can create a pseudo-terminal at all; the peer tests need one.
inline bool PseudoTerminalsAvailable() {
    int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0) return false;
    bool ok = grantpt(fd) == 0 && unlockpt(fd) == 0;
    close(fd);
    return ok;
}

// Another program the test starts, with its standard output (and, if asked, its errors) read
// through a pipe. Every wait has a time-out; a program still running at the end is killed.
class ChildProcess {
  public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() {
        if (pid_ > 0) Stop(std::chrono::milliseconds(2000));
        if (out_ >= 0) close(out_);
    }

    // Starts `argv` (argv[0] a path, or a name looked up in PATH) with `env` added to this
    // process's environment.
    bool Start(const std::vector<std::string>& argv, bool with_errors = false,
               const std::vector<std::string>& env = {}) {
        int pipe_fds[2];
        if (pipe2(pipe_fds, O_CLOEXEC) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
        if (with_errors) posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        std::vector<std::string> env_text(env);
        for (char** e = environ; *e; ++e) env_text.emplace_back(*e);
        std::vector<char*> envp;
        for (std::string& e : env_text) envp.push_back(e.data());
        envp.push_back(nullptr);
        int result = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        close(pipe_fds[1]);
        out_ = pipe_fds[0];
        if (result != 0) pid_ = -1;
        return result == 0;
    }

    // One line of output without its line feed; nothing when none came in time.
    std::optional<std::string> ReadLine(std::chrono::milliseconds timeout) {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            if (std::size_t end = buffered_.find('\n'); end != std::string::npos) {
                std::string line = buffered_.substr(0, end);
                buffered_.erase(0, end + 1);
                return line;
            }
            if (!ReadSome(deadline)) return std::nullopt;
        }
    }

    // Everything the program writes until it closes its output or the time runs out.
    std::string ReadAll(std::chrono::milliseconds timeout) {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        while (ReadSome(deadline)) {
        }
        std::string all = std::move(buffered_);
        buffered_.clear();
        return all;
    }

    // Waits for the program to end; its exit code, or nothing when it is still running.
    std::optional<int> Wait(std::chrono::milliseconds timeout) {
        auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            int status = 0;
            if (pid_ <= 0) return std::nullopt;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    void Signal(int signal) {
        if (pid_ > 0) kill(pid_, signal);
    }

    // Asks the program to end (SIGTERM), kills it when it has not ended in time.
    std::optional<int> Stop(std::chrono::milliseconds timeout) {
        if (pid_ <= 0) return std::nullopt;
        kill(pid_, SIGTERM);
        std::optional<int> code = Wait(timeout);
        if (!code) {
            kill(pid_, SIGKILL);
            Wait(std::chrono::milliseconds(2000));
        }
        return code;
    }

  private:
    bool ReadSome(std::chrono::steady_clock::time_point deadline) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (out_ < 0 || left.count() <= 0) return false;
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char chunk[4096];
        ssize_t n = read(out_, chunk, sizeof chunk);
        if (n <= 0) return false;
        buffered_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffered_;
};

}  // namespace ksm::test

namespace ksm::test {

// Starts ksm-sim with `options`; the path of the port it serves, or nothing when it did not
// say in time.
inline std::optional<std::string> StartKsmSim(ChildProcess& sim,
                                              const std::vector<std::string>& options = {}) {
    std::vector<std::string> argv{KSM_SIM_PROGRAM};
    argv.insert(argv.end(), options.begin(), options.end());
    if (!sim.Start(argv)) return std::nullopt;
    return sim.ReadLine(std::chrono::milliseconds(5000));
}

}  // namespace ksm::test
