#pragma once
// The pages draw through OpenGL where the machine offers it; where it does
// not (a virtual machine, a remote X display), the software renderer takes
// over instead of the program aborting on its first frame.

// Call once after the application object exists and before the view is built.
void chooseSceneGraphBackend();
