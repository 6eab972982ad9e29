#pragma once
// The Linux focus watchers, one file each; ChooseFocusWatcher.cpp picks one.

#include "FocusWatcher.h"

#include <string>

namespace platform {

std::unique_ptr<FocusWatcher> createX11FocusWatcher();
std::unique_ptr<FocusWatcher> createSwayFocusWatcher();
std::unique_ptr<FocusWatcher> createHyprlandFocusWatcher();

// The Hyprland event socket of this session; empty when there is none.
std::string hyprlandEventSocket();

} // namespace platform
