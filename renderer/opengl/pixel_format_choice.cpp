#include "opengl/pixel_format_choice.h"

#include "opengl/extensions.h"

void fillPixelFormatDescriptor(const PixelFormatRequest& request, PIXELFORMATDESCRIPTOR& descriptor) {
    descriptor = PIXELFORMATDESCRIPTOR{};
    descriptor.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = request.alphaBits != 0 ? 32 : 24;
    descriptor.cAlphaBits = (BYTE)request.alphaBits;
    descriptor.cDepthBits = (BYTE)request.depthBits;
    descriptor.cStencilBits = (BYTE)request.stencilBits;
    descriptor.iLayerType = PFD_MAIN_PLANE;
}

int choosePixelFormat(HDC dc, const PixelFormatRequest& request, const PIXELFORMATDESCRIPTOR& descriptor) {
    if (WGL_ARB_pixel_format_supported && wglChoosePixelFormatARB != nullptr) {
        int attributes[PIXEL_FORMAT_ATTRIBUTE_CAPACITY];
        buildPixelFormatAttributes(request, WGL_ARB_multisample_supported, attributes);
        const FLOAT floatAttributes[] = {0};
        int format = 0;
        UINT count = 0;
        if (wglChoosePixelFormatARB(dc, attributes, floatAttributes, 1, &format, &count) && count > 0) {
            return format;
        }
    }
    return ChoosePixelFormat(dc, &descriptor);
}
