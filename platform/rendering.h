#pragma once

// Chooses how the browser panes are drawn. On a machine without a GPU, OpenGL is emulated in
// software and re-composes the whole window for every repaint, so the panes use Qt's software
// scene graph instead, which repaints only what changed. Call before the application object is
// made (the browser engine settles its drawing then); QT_QUICK_BACKEND, when set, decides.
void chooseRendering();
