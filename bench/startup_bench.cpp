// Starts two programs alternately on the current X display and measures, for each run, the
// time from exec until its window is mapped, the peak resident memory (VmHWM) once it is
// shown, and the CPU time it uses while nobody touches it. Prints the medians and the
// ratios of the first program to the second.
//
// Usage: startup_bench [--runs N] [--idle SECONDS] PROGRAM BASELINE
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double StartupMs = 0;
    double PeakKiB = 0;
    double IdleCpuSeconds = 0;
};

double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name in parentheses; utime and stime are the 14th and 15th.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0;
}

bool WaitForMap(Display* display, Clock::time_point deadline) {
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

Sample Measure(Display* display, const char* program, double idleSeconds) {
    XSync(display, True); // forget events of earlier runs
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    if (!WaitForMap(display, start + std::chrono::seconds(30))) {
        std::fprintf(stderr, "%s: no window appeared\n", program);
        std::exit(1);
    }
    sample.StartupMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpuAtMap = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    sample.IdleCpuSeconds = CpuSeconds(pid) - cpuAtMap;
    sample.PeakKiB = PeakKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <class Field> double MedianOf(const std::vector<Sample>& samples, Field field) {
    std::vector<double> values;
    for (const Sample& sample : samples)
        values.push_back(sample.*field);
    return Median(values);
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 10;
    double idleSeconds = 5;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (argument == "--idle" && i + 1 < argc)
            idleSeconds = std::atof(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2 || runs < 1) {
        std::fprintf(stderr, "usage: startup_bench [--runs N] [--idle SECONDS] PROGRAM BASELINE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<Sample> samples[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which)
            samples[which].push_back(Measure(display, programs[which], idleSeconds));
    }

    std::printf("%-28s %12s %12s %14s\n", "median of runs", "start (ms)", "VmHWM (KiB)",
                "idle CPU (s)");
    for (int which = 0; which < 2; ++which)
        std::printf("%-28s %12.1f %12.0f %14.3f\n", programs[which],
                    MedianOf(samples[which], &Sample::StartupMs),
                    MedianOf(samples[which], &Sample::PeakKiB),
                    MedianOf(samples[which], &Sample::IdleCpuSeconds));
    std::printf("%-28s %12.2f %12.2f\n", "ratio",
                MedianOf(samples[0], &Sample::StartupMs) / MedianOf(samples[1], &Sample::StartupMs),
                MedianOf(samples[0], &Sample::PeakKiB) / MedianOf(samples[1], &Sample::PeakKiB));
    std::printf("idle: %.1f s after the window appeared, %d runs each\n", idleSeconds, runs);
    XCloseDisplay(display);
    return 0;
}
