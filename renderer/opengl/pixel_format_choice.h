#pragma once

#include "opengl/gl_api.h"
#include "opengl/pixel_format_request.h"

// Fills the descriptor the window's pixel format is set with (and chosen by, without the ARB path).
void fillPixelFormatDescriptor(const PixelFormatRequest& request, PIXELFORMATDESCRIPTOR& descriptor);

// The format for the device context: through wglChoosePixelFormatARB when the extension is there and
// finds a match, otherwise ChoosePixelFormat with the descriptor.
int choosePixelFormat(HDC dc, const PixelFormatRequest& request, const PIXELFORMATDESCRIPTOR& descriptor);
