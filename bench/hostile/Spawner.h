#pragma once
// Runs the tool for the benchmark from a small process forked before the
// benchmark builds its files. A process starts out with the peak memory of
// the one that forked it (the kernel carries the high-water mark over to
// wait4's ru_maxrss), so the tool must not be started by a benchmark that
// has just written hundreds of megabytes of zip: its own peak would be
// reported as the tool's.
//
//   Spawner spawner;                        // first thing in main()
//   const auto r = spawner.Run({"/bin/true"}, "/tmp/stderr");

#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

class Spawner {
public:
    struct Result {
        int exitCode = -1; // the signal, negative, for a program a signal ended
        double seconds = 0;
        double megabytes = 0; // peak resident, with the children it waited for
    };

    Spawner() {
        int requests[2];
        int results[2];
        if (::pipe(requests) != 0 || ::pipe(results) != 0)
            return;
        m_runner = ::fork();
        if (m_runner == 0) {
            ::close(requests[1]);
            ::close(results[0]);
            Serve(requests[0], results[1]);
            ::_exit(0);
        }
        ::close(requests[0]);
        ::close(results[1]);
        m_requests = requests[1];
        m_results = results[0];
    }
    ~Spawner() {
        if (m_runner <= 0)
            return;
        ::close(m_requests); // the runner ends at the end of its requests
        ::close(m_results);
        ::waitpid(m_runner, nullptr, 0);
    }
    Spawner(const Spawner&) = delete;
    Spawner& operator=(const Spawner&) = delete;

    // Runs `argv` with its stdout discarded and its stderr in `errPath`.
    Result Run(const std::vector<std::string>& argv, const std::string& errPath) {
        std::string request;
        Put(request, static_cast<std::uint32_t>(argv.size() + 1));
        for (const std::string& word : argv)
            PutText(request, word);
        PutText(request, errPath);
        Result result;
        if (!WriteAll(m_requests, request.data(), request.size()) ||
            !ReadAll(m_results, &result, sizeof result))
            return {};
        return result;
    }

private:
    static void Put(std::string& out, std::uint32_t v) {
        out.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    static void PutText(std::string& out, const std::string& text) {
        Put(out, static_cast<std::uint32_t>(text.size()));
        out += text;
    }
    static bool WriteAll(int fd, const void* data, std::size_t size) {
        const char* at = static_cast<const char*>(data);
        while (size > 0) {
            const ssize_t n = ::write(fd, at, size);
            if (n <= 0)
                return false;
            at += n;
            size -= std::size_t(n);
        }
        return true;
    }
    static bool ReadAll(int fd, void* data, std::size_t size) {
        char* at = static_cast<char*>(data);
        while (size > 0) {
            const ssize_t n = ::read(fd, at, size);
            if (n <= 0)
                return false;
            at += n;
            size -= std::size_t(n);
        }
        return true;
    }
    static bool GetText(int fd, std::string& text) {
        std::uint32_t size = 0;
        if (!ReadAll(fd, &size, sizeof size))
            return false;
        text.resize(size);
        return ReadAll(fd, text.data(), size);
    }

    static void Serve(int requests, int results) {
        for (;;) {
            std::uint32_t count = 0;
            if (!ReadAll(requests, &count, sizeof count) || count < 2)
                return;
            std::vector<std::string> words(count);
            for (std::string& word : words)
                if (!GetText(requests, word))
                    return;
            const std::string errPath = words.back();
            words.pop_back();
            const Result result = Spawn(words, errPath);
            if (!WriteAll(results, &result, sizeof result))
                return;
        }
    }

    static Result Spawn(std::vector<std::string>& words, const std::string& errPath) {
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        timespec start{};
        ::clock_gettime(CLOCK_MONOTONIC, &start);
        pid_t pid = 0;
        const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        Result result;
        if (spawned != 0)
            return result;
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        timespec end{};
        ::clock_gettime(CLOCK_MONOTONIC, &end);
        result.seconds = double(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
        result.megabytes = usage.ru_maxrss / 1024.0;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return result;
    }

    pid_t m_runner = -1;
    int m_requests = -1;
    int m_results = -1;
};

} // namespace bench
