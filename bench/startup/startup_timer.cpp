// Times the start-up of programs: each is started as a fresh process, again
// and again, and the time from just before the process is created to the
// moment its "painted" line arrives on its standard output is taken (see
// first_paint_marker.cpp). The process is then killed at once, so the
// processor time it used (all its threads, user and system) is what it took
// to get there; that figure hardly moves with the load other programs put on
// the machine, the elapsed time does. The programs take turns, run by run, so
// a change in the machine's load falls on all of them alike. The first
// program named is the reference the others are compared with.
//
//   akuenza_startup_timer [--runs N] [--warmup N] PROGRAM [PROGRAM...]
//
// A PROGRAM may start with settings for its environment, as one argument:
// "QT_SCALE_FACTOR=1 ./probe". The platform is whatever QT_QPA_PLATFORM (and
// DISPLAY) say in the environment the timer is started in.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTimeoutMs = 30000;

// A program to start: its path, and settings added to the environment.
struct Program {
    std::string label;
    std::string path;
    std::vector<std::string> settings;
};

Program parseProgram(const std::string& arg)
{
    Program program;
    program.label = arg;
    std::istringstream words(arg);
    for (std::string word; words >> word;) {
        if (program.path.empty() && word.find('=') != std::string::npos)
            program.settings.push_back(word);
        else if (program.path.empty())
            program.path = word;
    }
    return program;
}

// The environment of a started program: this one's, with its settings in
// place of any of the same name.
std::vector<std::string> environmentFor(const Program& program)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        const bool replaced = std::any_of(program.settings.begin(), program.settings.end(),
                                          [&](const std::string& s) { return s.substr(0, s.find('=')) == name; });
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), program.settings.begin(), program.settings.end());
    return env;
}

struct Sample {
    double elapsedMs;
    double processorMs;
};

double milliseconds(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

// One start of the program, to its marker; nothing when it ended, failed or
// took longer than the time-out without printing it.
std::optional<Sample> timeOnce(const Program& program)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> env = environmentFor(program);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(), std::strerror(spawned));
        return std::nullopt;
    }

    std::optional<double> elapsed;
    std::string seen;
    pollfd watch{out[0], POLLIN, 0};
    while (!elapsed) {
        const int remaining =
            kTimeoutMs - int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
        if (remaining <= 0 || poll(&watch, 1, remaining) <= 0)
            break;
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break; // the program ended without its marker
        seen.append(buffer, std::size_t(n));
        if (seen.find("painted\n") != std::string::npos)
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    // Whatever the program would do next is not timed.
    kill(pid, SIGKILL);
    close(out[0]);
    int status = 0;
    rusage used{};
    while (wait4(pid, &status, 0, &used) < 0 && errno == EINTR) {
    }
    if (!elapsed)
        return std::nullopt;
    return Sample{*elapsed, milliseconds(used.ru_utime) + milliseconds(used.ru_stime)};
}

double quantile(const std::vector<double>& sorted, double q)
{
    const double at = q * double(sorted.size() - 1);
    const std::size_t below = std::size_t(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - double(below));
}

struct Figures {
    double median, q1, q3, min, max;
};

Figures figuresOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {quantile(times, 0.5), quantile(times, 0.25), quantile(times, 0.75), times.front(), times.back()};
}

int usage()
{
    std::fprintf(stderr, "usage: akuenza_startup_timer [--runs N] [--warmup N] PROGRAM [PROGRAM...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 31;
    int warmup = 3;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--runs" || arg == "--warmup") && i + 1 < argc) {
            const int n = std::atoi(argv[++i]);
            if (n < 0 || (arg == "--runs" && n < 1))
                return usage();
            (arg == "--runs" ? runs : warmup) = n;
        } else if (!arg.empty() && arg[0] == '-') {
            return usage();
        } else {
            programs.push_back(parseProgram(arg));
            if (programs.back().path.empty())
                return usage();
        }
    }
    if (programs.empty())
        return usage();

    // The first starts fill the disk cache and fontconfig's; they are not counted.
    for (int w = 0; w < warmup; ++w)
        for (const Program& program : programs)
            if (!timeOnce(program)) {
                std::fprintf(stderr, "%s never reported its first paint\n", program.label.c_str());
                return 1;
            }

    std::vector<std::vector<double>> elapsed(programs.size());
    std::vector<std::vector<double>> processor(programs.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t p = 0; p < programs.size(); ++p) {
            // Alternate the order too, so no program always follows the same one.
            const std::size_t which = run % 2 == 0 ? p : programs.size() - 1 - p;
            const std::optional<Sample> s = timeOnce(programs[which]);
            if (!s) {
                std::fprintf(stderr, "%s never reported its first paint\n", programs[which].label.c_str());
                return 1;
            }
            elapsed[which].push_back(s->elapsedMs);
            processor[which].push_back(s->processorMs);
        }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each after %d warm-up runs\n", platform && *platform ? platform : "(default)",
                runs, warmup);
    std::printf("milliseconds from process start to first paint: elapsed (median, quartiles, extremes) and processor "
                "time (median)\n");
    std::printf("%-34s %8s %8s %8s %8s %8s %7s %8s %7s\n", "program", "median", "q1", "q3", "min", "max", "ratio",
                "cpu", "ratio");
    const double reference = figuresOf(elapsed[0]).median;
    const double referenceCpu = figuresOf(processor[0]).median;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const Figures f = figuresOf(elapsed[p]);
        const Figures c = figuresOf(processor[p]);
        std::string name = programs[p].label;
        const std::size_t slash = name.rfind('/');
        const std::size_t space = name.rfind(' ', slash);
        if (slash != std::string::npos)
            name = (space != std::string::npos && space < slash ? name.substr(0, space + 1) : std::string()) +
                   name.substr(slash + 1);
        std::printf("%-34s %8.2f %8.2f %8.2f %8.2f %8.2f %7.3f %8.2f %7.3f\n", name.c_str(), f.median, f.q1, f.q3,
                    f.min, f.max, f.median / reference, c.median, c.median / referenceCpu);
    }
    return 0;
}
