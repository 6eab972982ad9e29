// Cost of one captured key event through the key maps and the key-state
// table, callback included: the system waits on this for every key press on
// the desktop. Prints figures; it does not judge them.
#include "KeyCapture.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace {

volatile unsigned reported = 0;

void onKey(std::uint8_t usage, bool pressed, void *)
{
    reported = reported + usage + (pressed ? 1u : 0u);
}

platform::RawKeyEvent event(std::uint32_t scanCode, std::uint32_t flags, bool down)
{
    platform::RawKeyEvent e;
    e.message = down ? platform::kMsgKeyDown : platform::kMsgKeyUp;
    e.scanCode = scanCode;
    e.flags = flags;
    return e;
}

// Runs the events round after round and returns nanoseconds per event.
template <std::size_t N>
double nsPerEvent(input::KeyCapture &capture, const std::array<platform::RawKeyEvent, N> &events, long rounds)
{
    const auto start = std::chrono::steady_clock::now();
    for (long r = 0; r < rounds; ++r)
        for (const platform::RawKeyEvent &e : events)
            capture.keyEvent(e);
    const auto end = std::chrono::steady_clock::now();
    const double ns = std::chrono::duration<double, std::nano>(end - start).count();
    return ns / (double(rounds) * double(N));
}

} // namespace

int main()
{
    constexpr long kRounds = 2000000;
    input::KeyCapture capture;
    capture.setKeyboardCallback(onKey, nullptr);

    // Every event changes a key's state, so every one reaches the callback.
    const std::array<platform::RawKeyEvent, 8> changes = {
        event(0x1E, 0, true), event(0x1E, 0, false),                                         // A
        event(0x1C, platform::kKeyFlagExtended, true), event(0x1C, platform::kKeyFlagExtended, false),  // keypad Enter
        event(0x54, platform::kKeyFlagAltDown, true), event(0x54, platform::kKeyFlagAltDown, false),    // Alt+Print Screen
        event(0x46, platform::kKeyFlagExtended, true), event(0x46, platform::kKeyFlagExtended, false),  // Break
    };
    // A held key: the system repeats the press; the table swallows the repeats.
    std::array<platform::RawKeyEvent, 8> repeats;
    repeats.fill(event(0x2A, 0, true));
    // Keys without a usage (media keys, the right Windows key) stop at the maps.
    const std::array<platform::RawKeyEvent, 4> unmapped = {
        event(0x22, platform::kKeyFlagExtended, true), event(0x22, platform::kKeyFlagExtended, false),
        event(0x5C, platform::kKeyFlagExtended, true), event(0x5C, platform::kKeyFlagExtended, false),
    };

    nsPerEvent(capture, changes, kRounds / 10);  // warm-up
    std::printf("key event through maps and state table (target: well under 1000 ns)\n");
    std::printf("  state change, callback called: %8.1f ns/event\n", nsPerEvent(capture, changes, kRounds));
    std::printf("  repeat of a held key:          %8.1f ns/event\n", nsPerEvent(capture, repeats, kRounds));
    std::printf("  key without a usage:           %8.1f ns/event\n", nsPerEvent(capture, unmapped, kRounds));
    return 0;
}
