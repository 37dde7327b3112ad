// first-frame PROGRAM [ARGS...]: starts the program and prints, in
// milliseconds since just before its exec, when its first top-level window
// was mapped and when the first pixels were drawn into a mapped one:
//   map=<ms> frame=<ms>
// Then it ends the program with SIGTERM and waits for it.
//
// It watches from outside through the X server alone, so any program is
// measured the same way and needs no help of its own: the root window's
// substructure events tell of new and mapped top-level windows, and the
// Damage extension tells of the first drawing into each of them. The Damage
// requests are written by hand (xcbext), so no further library is needed.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace {
xcb_extension_t damageExtension = {"DAMAGE", 0};

double nowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// DamageQueryVersion must come first, or the server refuses the others.
bool damageQueryVersion(xcb_connection_t* c) {
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t clientMajor, clientMinor;
    } req = {0, 0, 0, 1, 1};
    iovec parts[4];
    parts[2] = {&req, sizeof req};
    parts[3] = {nullptr, 0};
    xcb_protocol_request_t info = {2, &damageExtension, 0, 0};
    const unsigned seq = xcb_send_request(c, XCB_REQUEST_CHECKED, parts + 2, &info);
    xcb_generic_error_t* err = nullptr;
    void* reply = xcb_wait_for_reply(c, seq, &err);
    const bool ok = reply && !err;
    free(reply);
    free(err);
    return ok;
}

// A damage object on the window that reports once, when it is first drawn into.
void damageCreate(xcb_connection_t* c, xcb_window_t window) {
    struct {
        uint8_t major, minor;
        uint16_t length;
        uint32_t damage, drawable;
        uint8_t level, pad[3];
    } req = {0, 1, 0, xcb_generate_id(c), window, 3 /* NonEmpty */, {0, 0, 0}};
    iovec parts[4];
    parts[2] = {&req, sizeof req};
    parts[3] = {nullptr, 0};
    xcb_protocol_request_t info = {2, &damageExtension, 1, 1};
    xcb_send_request(c, 0, parts + 2, &info);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first-frame: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &damageExtension);
    if (!ext || !ext->present || !damageQueryVersion(c)) {
        std::fprintf(stderr, "first-frame: the X server has no Damage extension\n");
        return 2;
    }
    const uint8_t damageNotify = ext->first_event;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // the server has it

    const double start = nowMs();
    // For matching against stamps the program itself prints on this clock.
    if (std::getenv("FIRST_FRAME_CLOCK")) std::fprintf(stderr, "first-frame: exec at %.1f\n", start);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::set<xcb_window_t> mapped;
    double mapAt = -1, frameAt = -1;
    const int fd = xcb_get_file_descriptor(c);
    while (frameAt < 0 && nowMs() - start < 20000) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c)) break;
            pollfd p = {fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        const double t = nowMs() - start;
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto* ev = reinterpret_cast<xcb_create_notify_event_t*>(e);
            if (ev->parent == root) damageCreate(c, ev->window);
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY) {
            auto* ev = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (ev->event == root && !ev->override_redirect) {
                mapped.insert(ev->window);
                if (mapAt < 0) mapAt = t;
            }
        } else if (type == damageNotify) {
            uint32_t drawable;
            std::memcpy(&drawable, reinterpret_cast<const char*>(e) + 4, sizeof drawable);
            if (mapped.count(drawable)) frameAt = t;
        }
        free(e);
    }
    if (std::getenv("FIRST_FRAME_CLOCK")) {
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%d/status", int(child));
        if (FILE* f = std::fopen(path, "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, f))
                if (!std::strncmp(line, "VmHWM", 5) || !std::strncmp(line, "RssAnon", 7)) std::fputs(line, stderr);
            std::fclose(f);
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(c);
    if (frameAt < 0) {
        std::fprintf(stderr, "first-frame: no frame from %s\n", argv[1]);
        return 1;
    }
    if (std::getenv("FIRST_FRAME_CLOCK"))
        std::fprintf(stderr, "first-frame: map at %.1f, frame at %.1f\n", start + mapAt, start + frameAt);
    std::printf("map=%.1f frame=%.1f\n", mapAt, frameAt);
    return 0;
}
