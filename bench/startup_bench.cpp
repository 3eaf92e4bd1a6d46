// Time from process start to a window mapped on the X server, and the
// resident memory at that moment and half a second later (the main menu
// counts the words due once it is up), for Lexitor's main menu beside a
// minimal Qt program measured the same way in the same run.
//
//   startup_bench LEXITOR MINIMAL WORKDIR [RUNS]
// needs DISPLAY (an Xvfb server is fine).

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    long residentKiB = 0;
    long settledKiB = 0;
};

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

bool hasTitle(Display* display, Window window, const std::string& title) {
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value)
        return false;
    const bool same = title == reinterpret_cast<const char*>(property.value);
    XFree(property.value);
    return same;
}

Sample measure(Display* display, const char* program, const char* workdir,
               const std::string& title) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workdir) != 0)
            _exit(127);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasTitle(display, event.xmap.window, title)) {
            sample.milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            sample.residentKiB = residentKiB(child);
            usleep(500000);
            sample.settledKiB = residentKiB(child);
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench LEXITOR MINIMAL WORKDIR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 15;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    std::vector<double> lexitor, minimal, memory, settled, minimalMemory;
    for (int run = 0; run < runs; ++run) {
        const Sample a = measure(display, argv[1], argv[3], "Make your Chioce");
        const Sample b = measure(display, argv[2], argv[3], "Minimal");
        lexitor.push_back(a.milliseconds);
        memory.push_back(a.residentKiB / 1024.0);
        settled.push_back(a.settledKiB / 1024.0);
        minimal.push_back(b.milliseconds);
        minimalMemory.push_back(b.residentKiB / 1024.0);
    }
    const double ratio = median(lexitor) / median(minimal);
    std::printf("main menu shown:      median %.1f ms, resident %.1f MiB (%.1f MiB half a second "
                "later)\n",
                median(lexitor), median(memory), median(settled));
    std::printf("minimal Qt window:    median %.1f ms, resident %.1f MiB\n", median(minimal),
                median(minimalMemory));
    std::printf("ratio: %.2f (%d runs each, interleaved)\n", ratio, runs);
    XCloseDisplay(display);
    return 0;
}
