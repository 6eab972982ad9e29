// Test client: one virtual pointer for a whole script (one made per action can
// vanish before the program sees it). Reads "move X Y" (on a WIDTH x HEIGHT
// output), "press" and "release" (left button) from standard input and
// answers each with "ok" once the compositor has it.   virtual_pointer WIDTH HEIGHT
#include "WaylandSeat.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

constexpr uint32_t kButtonLeft = 0x110;  // BTN_LEFT of linux/input-event-codes.h

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const uint32_t width = std::stoul(argv[1]);
    const uint32_t height = std::stoul(argv[2]);
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    SeatAndManager found{&zwlr_virtual_pointer_manager_v1_interface};
    if (!bindSeatAndManager(display, found)) {
        std::fprintf(stderr, "the compositor offers no virtual pointer\n");
        return 1;
    }
    zwlr_virtual_pointer_v1 *pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(
        static_cast<zwlr_virtual_pointer_manager_v1 *>(found.manager), found.seat);
    wl_display_roundtrip(display);
    const auto start = std::chrono::steady_clock::now();
    std::string action;
    while (std::cin >> action) {
        const auto ms = static_cast<uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
        uint32_t x = 0, y = 0;
        if (action == "move" && std::cin >> x >> y)
            zwlr_virtual_pointer_v1_motion_absolute(pointer, ms, x, y, width, height);
        else if (action == "press" || action == "release")
            zwlr_virtual_pointer_v1_button(pointer, ms, kButtonLeft,
                                           action == "press" ? WL_POINTER_BUTTON_STATE_PRESSED
                                                             : WL_POINTER_BUTTON_STATE_RELEASED);
        else
            return 2;
        zwlr_virtual_pointer_v1_frame(pointer);
        wl_display_roundtrip(display);
        std::printf("ok\n");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}

// The protocol's interface tables, after the header's declarations so that
// they keep external linkage in C++ (where the export attribute comes too late).
#pragma GCC diagnostic ignored "-Wattributes"
#include "wlr-virtual-pointer-unstable-v1-protocol.c"
