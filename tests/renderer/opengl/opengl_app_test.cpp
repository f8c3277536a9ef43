// The OpenGL layer of the application on real windows and contexts.
#include "framework/frame_clock.h"
#include "image/image.h"
#include "opengl/extensions.h"
#include "opengl/opengl_app.h"
#include "opengl/opengl_renderer.h"
#include "opengl/pixel_format_choice.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const CLASS_NAME = "ZandrelOpenGLAppTest";
const int WINDOW_WIDTH = 64;
const int WINDOW_HEIGHT = 48;

HWND createWindow() {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = CLASS_NAME;
        registered = RegisterClassA(&windowClass) != 0;
    }
    return CreateWindowA(CLASS_NAME, "app test", WS_POPUP | WS_VISIBLE, 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT,
                         nullptr, nullptr, instance, nullptr);
}

class RequestingApp : public OpenGLApp {
public:
    PixelFormatRequest change = {};
    bool changeIt = false;
    int configureCalls = 0;
    PixelFormatRequest offered = {};

    void configurePixelFormat(PixelFormatRequest& request) override {
        configureCalls++;
        offered = request;
        if (changeIt) {
            request = change;
        }
    }
};

class OpenGLAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.reset(new RequestingApp);
        app->hwnd = createWindow();
        ASSERT_NE(nullptr, app->hwnd);
        width = WINDOW_WIDTH;
        height = WINDOW_HEIGHT;
    }

    void TearDown() override {
        if (app->hglrc != nullptr) {
            app->exitAPI();
        }
        DestroyWindow(app->hwnd);
    }

    int pixelFormatAttribute(int attribute) {
        int value = -1;
        const int format = GetPixelFormat(app->hdc);
        EXPECT_TRUE(wglGetPixelFormatAttribivARB(app->hdc, format, 0, 1, &attribute, &value));
        return value;
    }

    std::unique_ptr<RequestingApp> app;
};

TEST_F(OpenGLAppTest, InitAPIMakesAContextWithTheRequestedFormatAndARenderer) {
    // A size message may arrive before there is any context.
    app->onSize(WINDOW_WIDTH, WINDOW_HEIGHT);

    ASSERT_TRUE(app->initAPI());
    EXPECT_EQ(1, app->configureCalls);
    EXPECT_EQ(8, app->offered.alphaBits);
    EXPECT_EQ(24, app->offered.depthBits);
    EXPECT_EQ(app->hglrc, wglGetCurrentContext());
    EXPECT_EQ(app->hdc, wglGetCurrentDC());
    ASSERT_NE(nullptr, app->renderer);
    EXPECT_EQ(app->hdc, static_cast<OpenGLRenderer*>(app->renderer)->hdc);
    EXPECT_EQ(app->hglrc, static_cast<OpenGLRenderer*>(app->renderer)->hglrc);

    // The flags describe the real context now.
    EXPECT_TRUE(GL_ARB_multitexture_supported);
    EXPECT_TRUE(GL_ARB_shader_objects_supported);
    EXPECT_TRUE(GL_ARB_vertex_buffer_object_supported);
    EXPECT_NE(nullptr, glUseProgramObjectARB);
    ASSERT_TRUE(WGL_ARB_pixel_format_supported);

    // Chosen through the ARB path: the first format that path offers, with the requested bits.
    int attributes[PIXEL_FORMAT_ATTRIBUTE_CAPACITY];
    PixelFormatRequest request;
    getDefaultPixelFormat(request);
    buildPixelFormatAttributes(request, WGL_ARB_multisample_supported, attributes);
    const FLOAT noFloats[] = {0};
    int expected = 0;
    UINT count = 0;
    ASSERT_TRUE(wglChoosePixelFormatARB(app->hdc, attributes, noFloats, 1, &expected, &count));
    ASSERT_EQ(1u, count);
    EXPECT_EQ(expected, GetPixelFormat(app->hdc));
    EXPECT_GE(pixelFormatAttribute(WGL_RED_BITS_ARB), 8);
    EXPECT_GE(pixelFormatAttribute(WGL_GREEN_BITS_ARB), 8);
    EXPECT_GE(pixelFormatAttribute(WGL_BLUE_BITS_ARB), 8);
    EXPECT_GE(pixelFormatAttribute(WGL_ALPHA_BITS_ARB), 8);
    EXPECT_GE(pixelFormatAttribute(WGL_DEPTH_BITS_ARB), 24);
    EXPECT_EQ(1, pixelFormatAttribute(WGL_DOUBLE_BUFFER_ARB));
    EXPECT_EQ(1, pixelFormatAttribute(WGL_DRAW_TO_WINDOW_ARB));

    // The process-wide descriptor.
    EXPECT_EQ(40, pfd.nSize);
    EXPECT_EQ(1, pfd.nVersion);
    EXPECT_EQ((DWORD)(PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER), pfd.dwFlags);
    EXPECT_EQ(PFD_TYPE_RGBA, pfd.iPixelType);
    EXPECT_EQ(32, pfd.cColorBits);
    EXPECT_EQ(8, pfd.cAlphaBits);
    EXPECT_EQ(24, pfd.cDepthBits);
    EXPECT_EQ(0, pfd.cStencilBits);

    // The auxiliary window is gone again.
    EXPECT_EQ(nullptr, FindWindowA("PFrmt", "PFormat"));

    app->onSize(32, 16);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(32, viewport[2]);
    EXPECT_EQ(16, viewport[3]);

    EXPECT_TRUE(app->exitAPI());
    EXPECT_EQ(nullptr, app->renderer);
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

TEST_F(OpenGLAppTest, FallsBackToTheDescriptorWhenTheARBPathFindsNothing) {
    // No driver offers 32 bits of red per pixel to a window.
    app->changeIt = true;
    getDefaultPixelFormat(app->change);
    app->change.redBits = 32;
    ASSERT_TRUE(app->initAPI());
    ASSERT_TRUE(WGL_ARB_pixel_format_supported);
    int attributes[PIXEL_FORMAT_ATTRIBUTE_CAPACITY];
    buildPixelFormatAttributes(app->change, false, attributes);
    const FLOAT noFloats[] = {0};
    int format = 0;
    UINT count = 0;
    const BOOL found = wglChoosePixelFormatARB(app->hdc, attributes, noFloats, 1, &format, &count);
    ASSERT_TRUE(!found || count == 0) << "the precondition of this case: the ARB path finds no match";

    EXPECT_EQ(ChoosePixelFormat(app->hdc, &pfd), GetPixelFormat(app->hdc));
    EXPECT_NE(nullptr, app->renderer);
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(GL_NO_ERROR, glGetError());
}

TEST_F(OpenGLAppTest, WithoutThePixelFormatExtensionTheDescriptorDecides) {
    ASSERT_TRUE(app->initAPI());
    HDC dc = app->hdc;
    const bool saved = WGL_ARB_pixel_format_supported;
    PixelFormatRequest request;
    getDefaultPixelFormat(request);
    WGL_ARB_pixel_format_supported = false;
    EXPECT_EQ(ChoosePixelFormat(dc, &pfd), choosePixelFormat(dc, request, pfd));
    WGL_ARB_pixel_format_supported = saved;
    PIXELFORMATDESCRIPTOR chosen = {};
    DescribePixelFormat(dc, ChoosePixelFormat(dc, &pfd), sizeof chosen, &chosen);
    EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_TRUE(chosen.dwFlags & PFD_SUPPORT_OPENGL);
    EXPECT_EQ(PFD_TYPE_RGBA, chosen.iPixelType);
    EXPECT_GE(chosen.cDepthBits, 24);
}

TEST_F(OpenGLAppTest, TheDescriptorIsFilledByTheFirstInitAPIOnly) {
    // Every case of this program asks for the default alpha and depth bits first.
    ASSERT_TRUE(app->initAPI());
    ASSERT_TRUE(app->exitAPI());
    app->changeIt = true;
    getDefaultPixelFormat(app->change);
    app->change.alphaBits = 0;
    app->change.depthBits = 16;
    ASSERT_TRUE(app->initAPI());
    EXPECT_EQ(32, pfd.cColorBits);
    EXPECT_EQ(8, pfd.cAlphaBits);
    EXPECT_EQ(24, pfd.cDepthBits);
    EXPECT_EQ(0, pfd.cStencilBits);

    PIXELFORMATDESCRIPTOR fromRequest;
    fillPixelFormatDescriptor(app->change, fromRequest);
    EXPECT_EQ(24, fromRequest.cColorBits);
    EXPECT_EQ(0, fromRequest.cAlphaBits);
    EXPECT_EQ(16, fromRequest.cDepthBits);
}

TEST_F(OpenGLAppTest, InitAPIFailsWithoutAWindowToDrawOn) {
    DestroyWindow(app->hwnd);
    EXPECT_FALSE(app->initAPI());
    EXPECT_EQ(nullptr, app->renderer);
    EXPECT_EQ(nullptr, app->hglrc);
    EXPECT_EQ(nullptr, wglGetCurrentContext());
}

TEST_F(OpenGLAppTest, CaptureScreenReturnsWhatWasDrawnTopRowFirst) {
    ASSERT_TRUE(app->initAPI());
    app->onSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    app->renderer->changeDepthFunc(-1);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Red over the top half, the left half of it only.
    app->drawRect(0.0f, 0.0f, 0.5f, 0.5f, 0.0f, 1.0f, 0.0f, 0.0f);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(GL_PROJECTION, mode);

    Image image;
    ASSERT_TRUE(app->captureScreen(image));
    ASSERT_EQ(WINDOW_WIDTH, image.width);
    ASSERT_EQ(WINDOW_HEIGHT, image.height);
    EXPECT_EQ(RGB8, image.format);
    EXPECT_EQ(1, image.nMipMaps);
    auto pixel = [&](int x, int y) {
        const unsigned char* p = image.pixels + (y * WINDOW_WIDTH + x) * 3;
        return (p[0] << 16) | (p[1] << 8) | p[2];
    };
    EXPECT_EQ(0xFF0000, pixel(0, 0));
    EXPECT_EQ(0xFF0000, pixel(WINDOW_WIDTH / 2 - 1, WINDOW_HEIGHT / 2 - 1));
    EXPECT_EQ(0x0000FF, pixel(WINDOW_WIDTH / 2, 0));
    EXPECT_EQ(0x0000FF, pixel(0, WINDOW_HEIGHT / 2));
    EXPECT_EQ(0x0000FF, pixel(WINDOW_WIDTH - 1, WINDOW_HEIGHT - 1));
    app->endFrame();
}

TEST_F(OpenGLAppTest, CaptureScreenRefusesAnEmptyClientArea) {
    ASSERT_TRUE(app->initAPI());
    width = 0;
    Image image;
    EXPECT_FALSE(app->captureScreen(image));
    EXPECT_EQ(nullptr, image.pixels);
}

TEST_F(OpenGLAppTest, ExitAPIReleasesTheRendererObjectsWhileTheContextIsCurrent) {
    ASSERT_TRUE(app->initAPI());
    TextureEntry entry;
    glGenTextures(1, &entry.glName);
    glBindTexture(GL_TEXTURE_2D, entry.glName);
    entry.images[0] = new Image;
    app->renderer->insertTexture(entry);
    // A second context sharing the objects outlives the first and can still ask about the name.
    HGLRC witness = wglCreateContext(app->hdc);
    ASSERT_TRUE(wglShareLists(app->hglrc, witness));
    EXPECT_TRUE(app->exitAPI());
    HDC dc = GetDC(app->hwnd);
    ASSERT_TRUE(wglMakeCurrent(dc, witness));
    EXPECT_FALSE(glIsTexture(entry.glName));
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(witness);
    ReleaseDC(app->hwnd, dc);
}

} // namespace
