#pragma once
// The pages are a skinned 2D surface of images, text and a few short
// animations: the scene graph's software renderer draws them as smoothly as
// OpenGL would, without loading a graphics stack. That keeps the program at
// about 70 MB instead of 120 to 170 MB where OpenGL is drawn by the processor
// (virtual machines, remote X displays), and it cannot fail on a machine
// without OpenGL.

// Call once, before the application object is built. A QT_QUICK_BACKEND set
// by the user still decides.
void chooseSceneGraphBackend();
