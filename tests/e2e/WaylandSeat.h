#pragma once
// The seat and one input-emulation manager of the compositor, for the test
// clients that press keys and move the pointer.

#include <wayland-client.h>

#include <cstring>

struct SeatAndManager {
    const wl_interface *managerInterface;
    wl_seat *seat = nullptr;
    void *manager = nullptr;  // of managerInterface
};

// Binds the seat and the manager (version 1 of both); false when the compositor offers either not.
inline bool bindSeatAndManager(wl_display *display, SeatAndManager &found)
{
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t) {
            auto *f = static_cast<SeatAndManager *>(data);
            if (std::strcmp(interface, wl_seat_interface.name) == 0)
                f->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
            else if (std::strcmp(interface, f->managerInterface->name) == 0)
                f->manager = wl_registry_bind(registry, name, f->managerInterface, 1);
        },
        [](void *, wl_registry *, uint32_t) {}};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &found);
    wl_display_roundtrip(display);
    return found.seat && found.manager;
}
