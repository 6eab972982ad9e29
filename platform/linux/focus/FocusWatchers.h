#pragma once
// The Linux focus watchers, one file each; ChooseFocusWatcher.cpp picks one.

#include "FocusWatcher.h"
