#pragma once

// The GL state every frame starts from, set once the window is open: the
// depth test, smoothed points and lines, blending by alpha, and the meshes'
// vertex arrays. Prints the GL version.
void setUpDrawing();
