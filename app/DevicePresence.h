#pragma once
// Process-wide flag: true after a successful connect step. It gates bringing
// the window back from the tray or from a second start.

bool devicePresent();
void setDevicePresent(bool present);
