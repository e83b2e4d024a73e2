/* Starts a program and prints how long it took until its first top-level
 * window was mapped on the X display, read from the server's own MapNotify
 * events (no polling). With --hold S it then waits S seconds and prints the
 * memory of the program's whole process tree (sum of RSS and of PSS), so
 * that helper processes (a web engine's) are counted. The program is then
 * ended.
 *
 * Usage: map_watch [--hold SECONDS] [--timeout SECONDS] program [args...]
 * Output: "map_ms 41.2" and, with --hold, "rss_kb 123 pss_kb 99 processes 7".
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long parent_of(long pid)
{
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%ld/stat", pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = 0;
    char* close = strrchr(buf, ')'); /* the name may hold blanks */
    long ppid = -1;
    if (close) sscanf(close + 2, "%*c %ld", &ppid);
    return ppid;
}

static long field_kb(long pid, const char* file, const char* key)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%ld/%s", pid, file);
    FILE* f = fopen(path, "r");
    if (!f) return 0;
    long value = 0;
    size_t len = strlen(key);
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, len) == 0) {
            value = atol(line + len);
            break;
        }
    fclose(f);
    return value;
}

/* Sums over root and every process that descends from it. */
static void tree_memory(long root, long* rss, long* pss, int* count)
{
    long pids[4096];
    int n = 0;
    DIR* proc = opendir("/proc");
    struct dirent* e;
    while (proc && (e = readdir(proc)) && n < 4096)
        if (e->d_name[0] >= '0' && e->d_name[0] <= '9') pids[n++] = atol(e->d_name);
    if (proc) closedir(proc);
    *rss = *pss = 0;
    *count = 0;
    for (int i = 0; i < n; ++i) {
        long p = pids[i];
        for (int depth = 0; p > 1 && p != root && depth < 64; ++depth) p = parent_of(p);
        if (p != root) continue;
        *rss += field_kb(pids[i], "status", "VmRSS:");
        *pss += field_kb(pids[i], "smaps_rollup", "Pss:");
        ++*count;
    }
}

int main(int argc, char** argv)
{
    double hold = 0, timeout = 30;
    int first = 1;
    while (first + 1 < argc && strncmp(argv[first], "--", 2) == 0) {
        if (strcmp(argv[first], "--hold") == 0)
            hold = atof(argv[first + 1]);
        else if (strcmp(argv[first], "--timeout") == 0)
            timeout = atof(argv[first + 1]);
        else
            break;
        first += 2;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: map_watch [--hold SECONDS] [--timeout SECONDS] program [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_watch: cannot open the X display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        execvp(argv[first], argv + first);
        perror("map_watch: exec");
        _exit(127);
    }
    setpgid(child, child);

    double mapped = -1;
    struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
    while (mapped < 0 && now_ms() - start < timeout * 1e3) {
        while (XPending(display)) {
            XEvent ev;
            XNextEvent(display, &ev);
            if (ev.type != MapNotify || ev.xmap.event != root || ev.xmap.override_redirect) continue;
            XWindowAttributes a;
            if (XGetWindowAttributes(display, ev.xmap.window, &a) && a.width > 50 && a.height > 50) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped < 0) poll(&fd, 1, 50);
        if (waitpid(child, NULL, WNOHANG) == child) break;
    }
    int status = 0;
    if (mapped < 0) {
        fprintf(stderr, "map_watch: %s mapped no window\n", argv[first]);
        status = 1;
    } else {
        printf("map_ms %.1f\n", mapped);
        if (hold > 0) {
            usleep((useconds_t)(hold * 1e6));
            long rss, pss;
            int count;
            tree_memory(child, &rss, &pss, &count);
            printf("rss_kb %ld pss_kb %ld processes %d\n", rss, pss, count);
        }
    }
    fflush(stdout);
    kill(-child, SIGTERM);
    for (int i = 0; i < 40 && waitpid(child, NULL, WNOHANG) == 0; ++i) usleep(50000);
    kill(-child, SIGKILL);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return status;
}
