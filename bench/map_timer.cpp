// Starts a program and measures the time from exec to the first window it maps on the X display,
// the processor time its threads had used by then, and its resident memory a moment after. Prints
// "<milliseconds> <resident kB> <processor milliseconds>" and stops the program. Used by
// startup.sh. The processor time moves less than the clock when other work shares the machine.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The time the process's threads have run, from each thread's scheduler statistics.
double ProcessorMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (folder == nullptr) {
        return -1;
    }
    double nanoseconds = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] != '.') {
            std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
            double ran = 0;
            schedstat >> ran;
            nanoseconds += ran;
        }
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* conn = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(conn)) {
        std::fprintf(stderr, "map_timer: cannot open the X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(conn);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double elapsedMs = -1;
    double processorMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(conn)) {
        const uint8_t type = event->response_type & 0x7F;
        std::free(event);
        if (type == XCB_MAP_NOTIFY) {
            elapsedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            processorMs = ProcessorMilliseconds(pid);
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long rss = ResidentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(conn);
    std::printf("%.1f %ld %.1f\n", elapsedMs, rss, processorMs);
    return elapsedMs < 0 ? 1 : 0;
}
