#pragma once

// Compiled-in start-up settings; setDefaultSettings writes them at the start of the entry point.
extern bool fullscreen;
extern int fullscreenWidth;
extern int fullscreenHeight;
extern int fullscreenRefresh;
extern int windowLeft;
extern int windowTop;
extern int windowRight;
extern int windowBottom;
extern int keyLeft;
extern int keyRight;
extern int keyUp;
extern int keyDown;
extern int keyRaise;
extern int keyLower;
extern int keyResetCamera;

void setDefaultSettings();
