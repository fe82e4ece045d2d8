/* Starts a program and reports how long it took until its first top-level window was mapped on
 * the X display, and its resident memory a while later: "<milliseconds> <kilobytes>". The same
 * outside observer times every program, so no program needs code of its own for it. */
#define _POSIX_C_SOURCE 200809L
#include <xcb/xcb.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long resident_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    while (fgets(line, sizeof line, status))
        if (strncmp(line, "VmRSS:", 6) == 0)
            kb = atol(line + 6);
    fclose(status);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle_ms = atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x))
        return 1;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    xcb_generic_event_t* event;
    while (mapped < 0 && (event = xcb_wait_for_event(x))) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
            mapped = now_ms() - start;
        free(event);
    }
    const struct timespec settle = {settle_ms / 1000, (settle_ms % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    printf("%.1f %ld\n", mapped, resident_kb(child));
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(x);
    return mapped < 0;
}
