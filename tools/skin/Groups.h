#pragma once
// One function per image group; each writes every image of its group.

namespace skin {
void drawIndexControls();
void drawProfileControls();
void drawMacroControls();
void drawGunControls();
void drawMouseViews();
void drawPanelImages();
void drawDialogImages();
} // namespace skin
