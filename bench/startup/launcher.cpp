// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Times two programs' start-up as separate processes on the X server in DISPLAY: from the fork
// before exec until the X server maps the program's top-level window (MapNotify on the root
// window, told apart by the window's _NET_WM_PID), the processor time its threads had used by
// then (from /proc, less swayed by other work on the machine than the wall time), and the
// process's peak memory (ru_maxrss from wait4). Runs alternate A B A B after a warm-up of each,
// every run with an empty state folder; a fixed settle time after the map, the same for both, lets
// the window paint before the program is ended with SIGTERM. Prints every run, the medians and the
// ratios A/B.
//
//   startup_launcher [--runs N] [--warmup N] [--settle-ms MS] [--libs] -- A [ARG...] -- B [ARG...]
//
// --libs also lists the shared libraries mapped into each process once its window is up.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 9;
    int warmup = 1;
    int settleMs = 500;
    bool libs = false;
    std::vector<std::string> a, b;
};

struct Run {
    double visibleMs = 0;
    double cpuMs = 0;
    long maxRssKiB = 0;
    std::set<std::string> libraries;
};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "startup_launcher: %s\n", message.c_str());
    std::exit(EXIT_FAILURE);
}

Options parse(int argc, char* argv[]) {
    Options o;
    int i = 1;
    auto number = [&](const char* name) {
        if (i + 1 >= argc) fail(std::string(name) + " needs a number");
        return std::atoi(argv[++i]);
    };
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--runs"))
            o.runs = number("--runs");
        else if (!std::strcmp(argv[i], "--warmup"))
            o.warmup = number("--warmup");
        else if (!std::strcmp(argv[i], "--settle-ms"))
            o.settleMs = number("--settle-ms");
        else if (!std::strcmp(argv[i], "--libs"))
            o.libs = true;
        else
            fail(std::string("unknown option ") + argv[i]);
    }
    std::vector<std::string>* target = nullptr;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--")) {
            target = target == nullptr ? &o.a : &o.b;
            continue;
        }
        target->push_back(argv[i]);
    }
    if (o.a.empty() || o.b.empty() || o.runs < 1 || o.warmup < 0 || o.settleMs < 0)
        fail("usage: startup_launcher [--runs N] [--warmup N] [--settle-ms MS] [--libs] "
             "-- A [ARG...] -- B [ARG...]");
    return o;
}

class Display {
public:
    Display() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_)) fail("cannot open the display in DISPLAY");
        // The programs started must not inherit the connection.
        fcntl(xcb_get_file_descriptor(connection_), F_SETFD, FD_CLOEXEC);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        auto* atom = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        if (!atom) fail("cannot intern _NET_WM_PID");
        pidAtom_ = atom->atom;
        std::free(atom);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Waits up to the deadline for a top-level window of that process to be mapped; gives the
    // time the map was seen, or nothing if the deadline passed or the process ended.
    std::optional<Clock::time_point> waitForMap(pid_t pid, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const Clock::time_point seen = Clock::now();
                std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
                if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (map->override_redirect || map->event != root_) continue;
                if (windowPid(map->window) == pid) return seen;
            }
            if (xcb_connection_has_error(connection_)) fail("the X connection broke");
            // Ended without a window: leave it to be reaped by the caller.
            siginfo_t info{};
            if (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
                info.si_pid == pid)
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 20);
        }
        return std::nullopt;
    }

    // Reads and drops the events that came while the program settled.
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

private:
    pid_t windowPid(xcb_window_t window) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply)));
        std::free(reply);
        return pid;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
};

std::set<std::string> mappedLibraries(pid_t pid) {
    std::set<std::string> libraries;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash == std::string::npos) continue;
        const std::string path = line.substr(slash);
        if (path.find(".so") != std::string::npos) libraries.insert(path);
    }
    return libraries;
}

// The time on a processor of all the process's live threads, in milliseconds.
double cpuMs(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        unsigned long long ns = 0;
        if (stat >> ns) total += static_cast<double>(ns) / 1e6;
    }
    return total;
}

Run startOnce(Display& display, const std::vector<std::string>& command, const Options& o) {
    char folder[] = "/tmp/startup-state-XXXXXX";
    if (!mkdtemp(folder)) fail("cannot make a state folder");

    std::vector<char*> argv;
    for (const std::string& s : command)
        argv.push_back(const_cast<char*>(s.c_str()));
    argv.push_back(nullptr);

    display.drain();
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) fail("cannot fork");
    if (pid == 0) {
        // A clean state folder: no recovery copy, so no question holds the window back.
        setenv("XDG_STATE_HOME", folder, 1);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[0], argv.data());
        _exit(127);
    }

    const auto mapped = display.waitForMap(pid, start + std::chrono::seconds(30));
    Run run;
    if (mapped) {
        run.visibleMs = std::chrono::duration<double, std::milli>(*mapped - start).count();
        run.cpuMs = cpuMs(pid);
        const Clock::time_point settled = *mapped + std::chrono::milliseconds(o.settleMs);
        while (Clock::now() < settled) {
            display.drain();
            usleep(10000);
        }
        if (o.libs) run.libraries = mappedLibraries(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) fail("wait4 failed");
    std::filesystem::remove_all(folder);
    if (!mapped)
        fail("no window of " + command[0] + " was mapped (exit status " + std::to_string(status) +
             ")");
    run.maxRssKiB = usage.ru_maxrss;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string label(const std::vector<std::string>& command) {
    return std::filesystem::path(command[0]).filename().string();
}

void printLibraries(const std::string& name, const std::set<std::string>& mine,
                    const std::set<std::string>& other) {
    std::printf("%s maps %zu shared objects once its window is up; not in the other:\n",
                name.c_str(), mine.size());
    for (const std::string& l : mine)
        if (!other.count(l)) std::printf("  %s\n", l.c_str());
}

} // namespace

int main(int argc, char* argv[]) {
    const Options o = parse(argc, argv);
    Display display;
    const std::string nameA = label(o.a), nameB = label(o.b);

    for (int i = 0; i < o.warmup; ++i) {
        startOnce(display, o.a, o);
        startOnce(display, o.b, o);
    }
    std::vector<double> visibleA, visibleB, cpuA, cpuB, rssA, rssB;
    std::set<std::string> libsA, libsB;
    std::printf("%-4s %-22s %12s %12s %12s\n", "run", "program", "visible ms", "cpu ms",
                "peak KiB");
    for (int i = 0; i < o.runs; ++i) {
        // Alternate which goes first, so neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const bool isA = (i + k) % 2 == 0;
            const Run r = startOnce(display, isA ? o.a : o.b, o);
            std::printf("%-4d %-22s %12.1f %12.1f %12ld\n", i + 1, (isA ? nameA : nameB).c_str(),
                        r.visibleMs, r.cpuMs, r.maxRssKiB);
            std::fflush(stdout);
            (isA ? visibleA : visibleB).push_back(r.visibleMs);
            (isA ? cpuA : cpuB).push_back(r.cpuMs);
            (isA ? rssA : rssB).push_back(static_cast<double>(r.maxRssKiB));
            if (i == 0) (isA ? libsA : libsB) = r.libraries;
        }
    }

    const double va = median(visibleA), vb = median(visibleB);
    const double ca = median(cpuA), cb = median(cpuB);
    const double ma = median(rssA), mb = median(rssB);
    std::printf("\nmedians over %d runs each (settle %d ms, warm-up %d each):\n", o.runs,
                o.settleMs, o.warmup);
    std::printf("  %-22s visible %8.1f ms   cpu %8.1f ms   peak %8.1f MiB\n", nameA.c_str(), va, ca,
                ma / 1024);
    std::printf("  %-22s visible %8.1f ms   cpu %8.1f ms   peak %8.1f MiB\n", nameB.c_str(), vb, cb,
                mb / 1024);
    std::printf("ratio %s/%s: time to visible %.3f, peak memory %.3f (processor time to visible "
                "%.3f)\n",
                nameA.c_str(), nameB.c_str(), va / vb, ma / mb, ca / cb);
    if (o.libs) {
        std::printf("\n");
        printLibraries(nameA, libsA, libsB);
        printLibraries(nameB, libsB, libsA);
    }
    return 0;
}
