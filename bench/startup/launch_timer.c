// SPDX-License-Identifier: MIT
// Start-up timer for a windowed program on an X server: starts the program, waits until the X server maps its
// top-level window with the given title and then until the program first draws into that window (the DAMAGE
// extension reports it), lets it run a little longer, ends it with SIGTERM and reads its peak resident memory
// from the kernel. Nothing is polled: the server sends the events, so the timer costs the program no CPU time.
//
//   launch_timer [--title TITLE] [--linger MS] [--timeout MS] -- PROGRAM [ARGUMENT ...]
//
// Prints one line "shown_ms=… mapped_ms=… peak_rss_kib=…" (times from just before the program is started) and
// exits with 0; when the program dies first or the window is not shown in time it says so and exits with 1.
#define _GNU_SOURCE
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MaxWindows = 64 };

struct Watched {
    xcb_window_t window;
    xcb_damage_damage_t damage;
};

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

// The window's title: _NET_WM_NAME (UTF-8) when set, else WM_NAME. Returns 1 when it equals `title`.
static int hasTitle(xcb_connection_t* c, xcb_window_t window, const char* title)
{
    static xcb_atom_t netWmName;
    if (!netWmName) {
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen("_NET_WM_NAME"), "_NET_WM_NAME"), NULL);
        netWmName = atom ? atom->atom : XCB_ATOM_NONE;
        free(atom);
    }
    const xcb_atom_t names[] = {netWmName, XCB_ATOM_WM_NAME};
    for (size_t i = 0; i < 2; ++i) {
        if (names[i] == XCB_ATOM_NONE)
            continue;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, names[i], XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), NULL);
        if (!reply)
            continue;
        const int length = xcb_get_property_value_length(reply);
        const int match = length > 0 && (size_t)length == strlen(title) &&
                          memcmp(xcb_get_property_value(reply), title, (size_t)length) == 0;
        const int present = length > 0;
        free(reply);
        if (present)
            return match;
    }
    return 0;
}

static void usage(void)
{
    fprintf(stderr, "usage: launch_timer [--title TITLE] [--linger MS] [--timeout MS] -- PROGRAM [ARGUMENT ...]\n");
    exit(2);
}

int main(int argc, char* argv[])
{
    const char* title = NULL;
    int lingerMs = 500;
    int timeoutMs = 30000;
    int first = 1;
    for (; first < argc; ++first) {
        if (strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            usage();
        if (strcmp(argv[first], "--title") == 0)
            title = argv[++first];
        else if (strcmp(argv[first], "--linger") == 0)
            lingerMs = atoi(argv[++first]);
        else if (strcmp(argv[first], "--timeout") == 0)
            timeoutMs = atoi(argv[++first]);
        else
            usage();
    }
    if (first >= argc)
        usage();

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(NULL, &screenNumber);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "launch_timer: cannot connect to the X server\n");
        return 1;
    }
    const xcb_query_extension_reply_t* damageExtension = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present) {
        fprintf(stderr, "launch_timer: the X server has no DAMAGE extension\n");
        return 1;
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server now reports every new top-level window before the program can create one.
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        perror("launch_timer: fork");
        return 1;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(argv[first], argv + first);
        fprintf(stderr, "launch_timer: cannot start %s: %s\n", argv[first], strerror(errno));
        _exit(127);
    }

    struct Watched watched[MaxWindows];
    int watchedCount = 0;
    xcb_window_t target = XCB_WINDOW_NONE;
    double mappedAt = -1;
    double shownAt = -1;
    int exited = 0;
    int status = 0;
    struct rusage usage;
    memset(&usage, 0, sizeof usage);
    struct pollfd fd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (shownAt < 0) {
        if (nowMs() - start > timeoutMs)
            break;
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            exited = 1;
            break;
        }
        poll(&fd, 1, 20);
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(c)) != NULL) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Drawing is watched from the window's creation on, well before the program can draw into it.
                const xcb_create_notify_event_t* created = (const xcb_create_notify_event_t*)event;
                if (created->parent == root && watchedCount < MaxWindows) {
                    watched[watchedCount].window = created->window;
                    watched[watchedCount].damage = xcb_generate_id(c);
                    xcb_damage_create(c, watched[watchedCount].damage, created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    ++watchedCount;
                    xcb_flush(c);
                }
            } else if (type == XCB_MAP_NOTIFY && target == XCB_WINDOW_NONE) {
                const xcb_map_notify_event_t* mapped = (const xcb_map_notify_event_t*)event;
                if (!title || hasTitle(c, mapped->window, title)) {
                    target = mapped->window;
                    mappedAt = nowMs();
                }
            } else if (type == damageExtension->first_event + XCB_DAMAGE_NOTIFY) {
                const xcb_damage_notify_event_t* damaged = (const xcb_damage_notify_event_t*)event;
                if (target != XCB_WINDOW_NONE && damaged->drawable == target) {
                    shownAt = nowMs();
                } else {
                    xcb_damage_subtract(c, damaged->damage, XCB_NONE, XCB_NONE);
                    xcb_flush(c);
                }
            }
            free(event);
        }
        if (xcb_connection_has_error(c))
            break;
    }

    if (!exited) {
        if (shownAt >= 0)
            usleep((useconds_t)lingerMs * 1000u);
        kill(child, SIGTERM);
        if (wait4(child, &status, 0, &usage) != child)
            perror("launch_timer: wait");
    }
    if (shownAt < 0) {
        fprintf(stderr, "launch_timer: %s\n",
                exited          ? "the program ended before its window was shown"
                : mappedAt >= 0 ? "the window was mapped but nothing was drawn into it in time"
                                : "no window with that title was shown in time");
        return 1;
    }
    printf("shown_ms=%.1f mapped_ms=%.1f peak_rss_kib=%ld\n", shownAt - start, mappedAt - start, usage.ru_maxrss);
    xcb_disconnect(c);
    return 0;
}
