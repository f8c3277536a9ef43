#include "framework/settings.h"

bool fullscreen;
int fullscreenWidth;
int fullscreenHeight;
int fullscreenRefresh;
int windowLeft;
int windowTop;
int windowRight;
int windowBottom;
int keyLeft;
int keyRight;
int keyUp;
int keyDown;
int keyRaise;
int keyLower;
int keyResetCamera;

void setDefaultSettings() {
    fullscreen = true;
    fullscreenWidth = 1024;
    fullscreenHeight = 768;
    fullscreenRefresh = 85;
    windowLeft = 0;
    windowTop = 0;
    windowRight = 800;
    windowBottom = 600;
    // Virtual-key codes: the arrows, Control, Shift and Enter.
    keyLeft = 37;
    keyRight = 39;
    keyUp = 38;
    keyDown = 40;
    keyRaise = 17;
    keyLower = 16;
    keyResetCamera = 13;
}
