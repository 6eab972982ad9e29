#include "InputCaptureKeymap.h"

#include "InputCaptureCodes.h"

#include <xkbcommon/xkbcommon.h>

namespace platform {
namespace {

// The keymap of a standard US keyboard, built once; null when the system has
// no keyboard descriptions to build it from.
xkb_keymap *standardKeymap()
{
    static xkb_keymap *keymap = [] {
        xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        if (!context)
            return static_cast<xkb_keymap *>(nullptr);
        const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
        xkb_keymap *built = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
        xkb_context_unref(context);
        return built;
    }();
    return keymap;
}

bool keyGives(xkb_keymap *keymap, xkb_keycode_t key, xkb_keysym_t keysym)
{
    const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, key, 0);
    for (xkb_level_index_t level = 0; level < levels; ++level) {
        const xkb_keysym_t *syms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap, key, 0, level, &syms);
        for (int i = 0; i < count; ++i)
            if (syms[i] == keysym)
                return true;
    }
    return false;
}

} // namespace

unsigned evdevKeyForEvent(unsigned xkbKeyCode, unsigned keysym)
{
    if (xkbKeyCode < kXKeyCodeOffset)
        return 0;
    xkb_keymap *keymap = standardKeymap();
    if (!keymap || keysym == 0 || keyGives(keymap, xkbKeyCode, keysym))
        return xkbKeyCode - kXKeyCodeOffset;
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap); ++key)
        if (keyGives(keymap, key, keysym))
            return key - kXKeyCodeOffset;
    // A symbol no US key gives: the code is all there is.
    return xkbKeyCode - kXKeyCodeOffset;
}

} // namespace platform
