// Test client: a virtual keyboard that carries a real layout's keymap and
// presses keys by their position, as a physical keyboard does (typing tools
// bring a keymap of their own and press every symbol on one key code).
//   virtual_keyboard LAYOUT ITEM...
// ITEM is "-s MS" (a pause) or the name of a key's symbol on a US keyboard,
// which names the position pressed and released; the compositor hears
// LAYOUT's keymap, so the symbol that arrives is the one LAYOUT puts there.
#include "WaylandSeat.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

constexpr unsigned kXkbOffset = 8;     // XKB key codes are evdev codes + 8
constexpr int kSettleMs = 500;         // a new keyboard reaches the focused window late
constexpr int kBetweenKeysMs = 20;

xkb_keymap *keymapOf(xkb_context *context, const char *layout)
{
    const xkb_rule_names names = {"evdev", "pc105", layout, "", ""};
    return xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
}

// The evdev code of the key whose first symbol on `keymap` is `name`; 0 if none.
uint32_t positionOf(xkb_keymap *keymap, const char *name)
{
    const xkb_keysym_t wanted = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
    if (wanted == XKB_KEY_NoSymbol)
        return 0;
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap); ++key) {
        const xkb_keysym_t *syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(keymap, key, 0, 0, &syms) == 1 && syms[0] == wanted)
            return key - kXkbOffset;
    }
    return 0;
}

// The keymap as the protocol takes it: text in a file descriptor.
int keymapFile(xkb_keymap *keymap, uint32_t &size)
{
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    if (!text)
        return -1;
    size = static_cast<uint32_t>(std::strlen(text) + 1);
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    const bool written = fd >= 0 && write(fd, text, size) == static_cast<ssize_t>(size);
    std::free(text);
    return written ? fd : -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap *us = context ? keymapOf(context, "us") : nullptr;
    xkb_keymap *layout = context ? keymapOf(context, argv[1]) : nullptr;
    if (!us || !layout) {
        std::fprintf(stderr, "no keymap for %s\n", argv[1]);
        return 1;
    }
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    SeatAndManager found{&zwp_virtual_keyboard_manager_v1_interface};
    if (!bindSeatAndManager(display, found)) {
        std::fprintf(stderr, "the compositor offers no virtual keyboard\n");
        return 1;
    }
    zwp_virtual_keyboard_v1 *keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        static_cast<zwp_virtual_keyboard_manager_v1 *>(found.manager), found.seat);
    uint32_t size = 0;
    const int fd = keymapFile(layout, size);
    if (fd < 0)
        return 1;
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
    wl_display_roundtrip(display);
    close(fd);
    std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));

    const auto start = std::chrono::steady_clock::now();
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "-s") == 0 && i + 1 < argc) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(argv[++i])));
            continue;
        }
        const uint32_t key = positionOf(us, argv[i]);
        if (key == 0) {
            std::fprintf(stderr, "no key gives %s on a US keyboard\n", argv[i]);
            return 2;
        }
        for (const uint32_t state : {WL_KEYBOARD_KEY_STATE_PRESSED, WL_KEYBOARD_KEY_STATE_RELEASED}) {
            const auto ms = static_cast<uint32_t>(
                std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
            zwp_virtual_keyboard_v1_key(keyboard, ms, key, state);
            wl_display_roundtrip(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(kBetweenKeysMs));
        }
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    xkb_keymap_unref(layout);
    xkb_keymap_unref(us);
    xkb_context_unref(context);
    return 0;
}

// The protocol's interface tables, after the header's declarations so that
// they keep external linkage in C++ (where the export attribute comes too late).
#pragma GCC diagnostic ignored "-Wattributes"
#include "virtual-keyboard-unstable-v1-protocol.c"
