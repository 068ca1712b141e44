#pragma once

// Chooses how the browser panes are drawn. On a machine without a GPU, OpenGL is emulated in
// software and re-composes the whole window for every repaint, so the panes use Qt's software
// scene graph instead, which repaints only what changed, and the program asks the display for
// no OpenGL at all. Call before the application object is made (the browser engine settles its
// drawing then); QT_QUICK_BACKEND and QT_XCB_GL_INTEGRATION, when set, decide.
void chooseRendering();
