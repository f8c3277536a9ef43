// FabricApp in this process on a real window and context: what a frame leaves behind in OpenGL, the
// fixed-function materials and light model, and the first frame's reset with its texture pick.
#include "framework/frame_clock.h"
#include "opengl/extensions.h"
#include "opengl/renderer.h"
#include "renderer/framework/program_runner.h"
#include "scene/fabric_camera.h"
#include "scene/fabric_light_path.h"
#include "scene/win32_fabric_app.h"
#include "win32_handover_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class OpenFabricApp : public FabricApp {
public:
    using FabricApp::fabricTexture;
    using FabricApp::fabricTextures;
    using FabricApp::scene;
    using FabricApp::spriteTexture;
    using FabricApp::useShaders;
};

LRESULT CALLBACK plainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The application on its own 800 x 600 window with init, resetCamera, initAPI and load done as the entry
// point does them; the shader files are found in the program folder.
class FabricAppInProcess : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = plainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FabricStateTest";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "FabricStateTest", "fabric", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                 0, 0, 800, 600, nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        width = 800;
        height = 600;
        cyclesPerSecond = 2400000000u;
        frameTime = 0.02f;
        totalTime = 0.02f;

        std::string handover = handoverFolder("in-process", true, true);
        // The application reads the C runtime's copy of the environment, which SetEnvironmentVariable
        // does not reach in a running process.
        _putenv_s("ZANDREL_HANDOVER_DIR", handover.c_str());
        app.reset(new OpenFabricApp);
        app->hwnd = window;
        ASSERT_TRUE(app->init());
        app->resetCamera();
        ASSERT_TRUE(app->initAPI());
        apiReady = true;
        glViewport(0, 0, width, height);
        std::string back = currentFolder();
        SetCurrentDirectoryA(windowsPath(PROGRAM_FOLDER).c_str());
        loaded = app->load();
        SetCurrentDirectoryA(back.c_str());
        ASSERT_TRUE(loaded);
    }

    void TearDown() override {
        if (app) {
            if (loaded)
                app->unload();
            if (apiReady)
                app->exitAPI();
            app->exit();
            app.reset();
        }
        if (window != nullptr)
            DestroyWindow(window);
    }

    HWND window = nullptr;
    std::unique_ptr<OpenFabricApp> app;
    bool apiReady = false;
    bool loaded = false;
};

void expectMatrix(GLenum which, const mat4& expected) {
    float loaded[16];
    glGetFloatv(which, loaded);
    mat4 sent = transpose(expected);
    for (int i = 0; i < 16; i++)
        EXPECT_FLOAT_EQ(loaded[i], ((const float*)sent)[i]) << "element " << i;
}

void expectVector(GLenum face, GLenum name, float r, float g, float b, float a) {
    float value[4] = {};
    glGetMaterialfv(face, name, value);
    EXPECT_FLOAT_EQ(value[0], r) << name;
    EXPECT_FLOAT_EQ(value[1], g) << name;
    EXPECT_FLOAT_EQ(value[2], b) << name;
    EXPECT_FLOAT_EQ(value[3], a) << name;
}

} // namespace

TEST_F(FabricAppInProcess, TheLightingPathFollowsTheExtensions) {
    EXPECT_EQ(app->useShaders, !shadersHidden());
    EXPECT_EQ(app->useShaders, GL_ARB_shader_objects_supported && GL_ARB_vertex_shader_supported &&
                                   GL_ARB_fragment_shader_supported && GL_ARB_shading_language_100_supported);
    EXPECT_EQ(app->fabricTextures.getCount(), 1u);
    EXPECT_NE(app->spriteTexture, -1);
}

TEST_F(FabricAppInProcess, TheFirstFrameResetsAndPicksTheClothTexture) {
    EXPECT_EQ(app->fabricTexture, -1);
    ASSERT_TRUE(app->drawFrame());
    EXPECT_EQ(app->scene.resetCount, 1u);
    EXPECT_EQ(app->fabricTexture, app->fabricTextures[0]);
    EXPECT_GE(app->scene.getSphereCount(), 1u);
    EXPECT_FLOAT_EQ(app->scene.nextResetTime, totalTime + 45.0f);
    totalTime += frameTime;
    ASSERT_TRUE(app->drawFrame());
    EXPECT_EQ(app->scene.resetCount, 1u) << "one reset, then the fall";
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(FabricAppInProcess, AFrameLeavesTheStateTheNextOneExpects) {
    ASSERT_TRUE(app->drawFrame());
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    if (!app->useShaders) {
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    }
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    expectMatrix(GL_PROJECTION_MATRIX, fabricProjection(800, 600));
    expectMatrix(GL_MODELVIEW_MATRIX, fabricModelview(startCamera()));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(FabricAppInProcess, FixedFunctionLightsTheClothWithItsMaterialAndALocalViewer) {
    if (app->useShaders)
        GTEST_SKIP() << "the shader path sets no materials (run with the shader extensions hidden)";
    ASSERT_TRUE(app->drawFrame());
    // The cloth is drawn last of the lit objects: its material stays.
    for (GLenum face : {(GLenum)GL_FRONT, (GLenum)GL_BACK}) {
        expectVector(face, GL_AMBIENT, 0.15f, 0.15f, 0.15f, 1.0f);
        expectVector(face, GL_DIFFUSE, 0.8f, 0.8f, 0.8f, 1.0f);
        expectVector(face, GL_SPECULAR, 0.4f, 0.4f, 0.4f, 1.0f);
        float shininess = 0.0f;
        glGetMaterialfv(face, GL_SHININESS, &shininess);
        EXPECT_FLOAT_EQ(shininess, 16.0f);
    }
    GLint localViewer = 0;
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    EXPECT_EQ(localViewer, 1);
    if (GL_EXT_separate_specular_color_supported) {
        GLint colorControl = 0;
        glGetIntegerv(0x81F8, &colorControl); // GL_LIGHT_MODEL_COLOR_CONTROL_EXT
        EXPECT_EQ(colorControl, 0x81FA);      // GL_SEPARATE_SPECULAR_COLOR_EXT
    }
    // A positional light at L, kept in eye coordinates through this frame's view.
    vec3 light = lightPosition(totalTime);
    vec4 expected = fabricModelview(startCamera()) * vec4(light, 1.0f);
    float position[4] = {};
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_NEAR(position[0], expected.x, 1e-3);
    EXPECT_NEAR(position[1], expected.y, 1e-3);
    EXPECT_NEAR(position[2], expected.z, 1e-3);
    EXPECT_FLOAT_EQ(position[3], 1.0f);
}
