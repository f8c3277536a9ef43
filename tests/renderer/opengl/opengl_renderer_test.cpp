// The state cache of the OpenGL renderer on a real context: every interface call it makes is recorded,
// so a redundant or a missing call fails; state queries confirm the context got what the cache thinks.
#include "gl_test_window.h"
#include "image/image.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

class CallList : public GLCallRecorder {
public:
    std::vector<std::string> calls;
    void record(const char* call) override { calls.push_back(call); }

    // The calls since the last take, and a fresh start.
    std::vector<std::string> take() {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
};

std::string call(const char* name, std::initializer_list<long long> args) {
    std::string text = std::string(name) + "(";
    bool first = true;
    for (long long arg : args) {
        char number[32];
        snprintf(number, sizeof number, first ? "0x%llX" : ", 0x%llX", arg);
        text += number;
        first = false;
    }
    return text + ")";
}

std::string lookup(unsigned program, const char* name) {
    char text[128];
    snprintf(text, sizeof text, "glGetUniformLocationARB(0x%X, \"%s\")", program, name);
    return text;
}

std::vector<std::string> withoutUnitSwitches(const std::vector<std::string>& calls) {
    std::vector<std::string> kept;
    for (const std::string& c : calls) {
        if (c.rfind("glActiveTextureARB", 0) != 0) {
            kept.push_back(c);
        }
    }
    return kept;
}

const char* const VERTEX_SOURCE =
    "void main() { gl_Position = ftransform(); gl_TexCoord[0] = gl_MultiTexCoord0; }";
const char* const FRAGMENT_SOURCE = "uniform sampler2D Base;\n"
                                    "uniform sampler2D Bump;\n"
                                    "uniform vec3 lightPos;\n"
                                    "uniform vec4 color;\n"
                                    "uniform mat4 frame;\n"
                                    "void main() {\n"
                                    "    gl_FragColor = texture2D(Base, gl_TexCoord[0].xy) *\n"
                                    "        texture2D(Bump, gl_TexCoord[0].xy) * color * frame[2].y +\n"
                                    "        vec4(lightPos, 0.0);\n"
                                    "}\n";

GLhandleARB compile(GLenum type, const char* source) {
    GLhandleARB shader = glCreateShaderObjectARB(type);
    glShaderSourceARB(shader, 1, &source, nullptr);
    glCompileShaderARB(shader);
    return shader;
}

class OpenGLRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.isReady());
        initExtensions(window.dc);
        renderer.reset(new OpenGLRenderer(window.dc, window.context));
        renderer->setCallRecorder(&recorder);
    }

    void TearDown() override {
        if (renderer) {
            renderer->setCallRecorder(nullptr);
            renderer->clear();
        }
    }

    TextureID addTexture(TextureType type = Tex2D) {
        TextureEntry entry;
        glGenTextures(1, &entry.glName);
        entry.type = type;
        entry.width = entry.height = 2;
        entry.format = RGBA8;
        entry.images[0] = new Image;
        const unsigned char pixels[16] = {};
        glBindTexture(textureTarget(type), entry.glName);
        if (type == Tex1D) {
            glTexImage1D(GL_TEXTURE_1D, 0, GL_RGBA, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        } else {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        }
        glBindTexture(textureTarget(type), 0);
        return renderer->insertTexture(entry);
    }

    ShaderID addShader() {
        ShaderEntry entry;
        entry.vertexShader = compile(GL_VERTEX_SHADER_ARB, VERTEX_SOURCE);
        entry.fragmentShader = compile(GL_FRAGMENT_SHADER_ARB, FRAGMENT_SOURCE);
        entry.program = glCreateProgramObjectARB();
        glAttachObjectARB(entry.program, entry.vertexShader);
        glAttachObjectARB(entry.program, entry.fragmentShader);
        glLinkProgramARB(entry.program);
        GLint linked = 0;
        glGetObjectParameterivARB(entry.program, GL_OBJECT_LINK_STATUS_ARB, &linked);
        EXPECT_EQ(1, linked);
        return renderer->insertShader(entry);
    }

    // The walk over the units of an apply that changes nothing, starting from the last unit.
    std::vector<std::string> unitWalk() const {
        std::vector<std::string> walk;
        for (int i = 0; i < renderer->nTextureUnits; i++) {
            if (renderer->nTextureUnits > 1) {
                walk.push_back(call("glActiveTextureARB", {GL_TEXTURE0_ARB + i}));
            }
        }
        return walk;
    }

    GLint boundTexture(int unit, GLenum binding = 0x8069 /* GL_TEXTURE_BINDING_2D */) {
        glActiveTextureARB(GL_TEXTURE0_ARB + unit);
        GLint name = -1;
        glGetIntegerv(binding, &name);
        glActiveTextureARB(GL_TEXTURE0_ARB + renderer->activeUnit);
        return name;
    }

    GLTestWindow window;
    CallList recorder;
    std::unique_ptr<OpenGLRenderer> renderer;
};

TEST_F(OpenGLRendererTest, ConstructionReadsTheContextAndSetsTheDefaultState) {
    GLint units = 0;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);
    EXPECT_EQ(units > MAX_TEXTURE_UNITS ? MAX_TEXTURE_UNITS : units, renderer->nTextureUnits);
    EXPECT_GT(renderer->nTextureUnits, 1);
    if (GL_EXT_texture_filter_anisotropic_supported) {
        GLint anisotropy = 0;
        glGetIntegerv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &anisotropy);
        EXPECT_EQ(anisotropy, renderer->maxAnisotropy);
    }
    EXPECT_TRUE(renderer->useRGBA);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint value = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(GL_LEQUAL, value);
    glGetIntegerv(GL_FRONT_FACE, &value);
    EXPECT_EQ(GL_CW, value);
    glGetIntegerv(GL_PACK_ALIGNMENT, &value);
    EXPECT_EQ(1, value);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &value);
    EXPECT_EQ(1, value);
}

TEST_F(OpenGLRendererTest, FirstApplySetsCombineModeOnceThenAnEmptyApplyOnlyWalksTheUnits) {
    renderer->apply();
    std::vector<std::string> expected;
    for (int i = 0; i < renderer->nTextureUnits; i++) {
        if (i > 0) {
            expected.push_back(call("glActiveTextureARB", {GL_TEXTURE0_ARB + i}));
        }
        expected.push_back(call("glTexEnvi", {GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB}));
    }
    EXPECT_EQ(expected, recorder.take());
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(GL_COMBINE_ARB, mode);

    renderer->apply();
    EXPECT_EQ(unitWalk(), recorder.take());
    EXPECT_EQ(renderer->nTextureUnits - 1, renderer->activeUnit);
}

TEST_F(OpenGLRendererTest, NamedSamplersTakeUnitsInOrderAndGoBackToNone) {
    TextureID base = addTexture();
    TextureID bump = addTexture();
    ShaderID shader = addShader();
    const unsigned program = renderer->shaders[shader].program;
    renderer->apply();
    recorder.take();

    renderer->setShader(shader);
    EXPECT_EQ(1, renderer->setTexture("Base", base));
    EXPECT_EQ(2, renderer->setTexture("Bump", bump));
    renderer->apply();
    const GLint baseLocation = glGetUniformLocationARB(program, "Base");
    const GLint bumpLocation = glGetUniformLocationARB(program, "Bump");
    ASSERT_GE(baseLocation, 0);
    ASSERT_GE(bumpLocation, 0);
    std::vector<std::string> expected = {
        call("glUseProgramObjectARB", {program}),
        lookup(program, "Base"),
        call("glUniform1iARB", {baseLocation, 0}),
        lookup(program, "Bump"),
        call("glUniform1iARB", {bumpLocation, 1}),
        call("glActiveTextureARB", {GL_TEXTURE0_ARB}),
        call("glEnable", {GL_TEXTURE_2D}),
        call("glBindTexture", {GL_TEXTURE_2D, renderer->textures[base].glName}),
        call("glActiveTextureARB", {GL_TEXTURE0_ARB + 1}),
        call("glEnable", {GL_TEXTURE_2D}),
        call("glBindTexture", {GL_TEXTURE_2D, renderer->textures[bump].glName}),
    };
    for (int i = 2; i < renderer->nTextureUnits; i++) {
        expected.push_back(call("glActiveTextureARB", {GL_TEXTURE0_ARB + i}));
    }
    EXPECT_EQ(expected, recorder.take());

    GLint unit = -1;
    glGetUniformivARB(program, baseLocation, &unit);
    EXPECT_EQ(0, unit);
    glGetUniformivARB(program, bumpLocation, &unit);
    EXPECT_EQ(1, unit);
    EXPECT_EQ((GLint)renderer->textures[base].glName, boundTexture(0));
    EXPECT_EQ((GLint)renderer->textures[bump].glName, boundTexture(1));

    // Nothing selected: program and texturing off again, each exactly once.
    renderer->apply();
    expected = {
        call("glUseProgramObjectARB", {0}), call("glActiveTextureARB", {GL_TEXTURE0_ARB}),
        call("glDisable", {GL_TEXTURE_2D}), call("glActiveTextureARB", {GL_TEXTURE0_ARB + 1}),
        call("glDisable", {GL_TEXTURE_2D}),
    };
    for (int i = 2; i < renderer->nTextureUnits; i++) {
        expected.push_back(call("glActiveTextureARB", {GL_TEXTURE0_ARB + i}));
    }
    EXPECT_EQ(expected, recorder.take());
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(OpenGLRendererTest, SamplersAreAssignedOnEveryApplyOfTheSameShader) {
    TextureID base = addTexture();
    ShaderID shader = addShader();
    const unsigned program = renderer->shaders[shader].program;
    for (int pass = 0; pass < 2; pass++) {
        renderer->setShader(shader);
        renderer->setTexture("Base", base);
        renderer->apply();
    }
    std::vector<std::string> second = withoutUnitSwitches(recorder.take());
    // Second pass: no program or texture change, the sampler lookup again.
    const GLint location = glGetUniformLocationARB(program, "Base");
    ASSERT_GE(second.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{lookup(program, "Base"), call("glUniform1iARB", {location, 0})}),
              std::vector<std::string>(second.end() - 2, second.end()));
}

TEST_F(OpenGLRendererTest, PlainThenNamedTextureLeavesTheNamedOneOnUnitZero) {
    TextureID first = addTexture();
    TextureID second = addTexture();
    renderer->setTexture(first);
    renderer->setTexture("Base", second);
    renderer->apply();
    EXPECT_EQ((GLint)renderer->textures[second].glName, boundTexture(0));
    EXPECT_EQ(0, boundTexture(1));
}

TEST_F(OpenGLRendererTest, ChangingTextureTypeSwapsTheEnabledTarget) {
    TextureID line = addTexture(Tex1D);
    TextureID plane = addTexture(Tex2D);
    renderer->apply();
    renderer->changeTextureUnit(0);
    recorder.take();
    renderer->changeTexture(line);
    renderer->changeTexture(plane);
    renderer->changeTexture(plane);
    const std::vector<std::string> expected = {
        call("glEnable", {GL_TEXTURE_1D}),
        call("glBindTexture", {GL_TEXTURE_1D, renderer->textures[line].glName}),
        call("glDisable", {GL_TEXTURE_1D}),
        call("glEnable", {GL_TEXTURE_2D}),
        call("glBindTexture", {GL_TEXTURE_2D, renderer->textures[plane].glName}),
    };
    EXPECT_EQ(expected, recorder.take());
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_1D));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(OpenGLRendererTest, BlendingIsSetOnceAndReissuedAfterBeingSwitchedOff) {
    renderer->apply();
    recorder.take();

    renderer->setBlending(GL_ONE, GL_ONE);
    renderer->apply();
    EXPECT_EQ((std::vector<std::string>{call("glEnable", {GL_BLEND}), call("glBlendFunc", {GL_ONE, GL_ONE})}),
              withoutUnitSwitches(recorder.take()));
    renderer->setBlending(GL_ONE, GL_ONE);
    renderer->apply();
    EXPECT_TRUE(withoutUnitSwitches(recorder.take()).empty());
    EXPECT_TRUE(glIsEnabled(GL_BLEND));

    renderer->apply();
    EXPECT_EQ(std::vector<std::string>{call("glDisable", {GL_BLEND})}, withoutUnitSwitches(recorder.take()));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));

    // The cached source factor became "off", so the same factors are issued again.
    renderer->setBlending(GL_ONE, GL_ONE);
    renderer->apply();
    EXPECT_EQ((std::vector<std::string>{call("glEnable", {GL_BLEND}), call("glBlendFunc", {GL_ONE, GL_ONE})}),
              withoutUnitSwitches(recorder.take()));

    renderer->setBlending(GL_SRC_ALPHA, GL_ONE);
    renderer->apply();
    EXPECT_EQ(std::vector<std::string>{call("glBlendFunc", {GL_SRC_ALPHA, GL_ONE})},
              withoutUnitSwitches(recorder.take()));
    GLint factor = 0;
    glGetIntegerv(GL_BLEND_SRC, &factor);
    EXPECT_EQ(GL_SRC_ALPHA, factor);
    glGetIntegerv(GL_BLEND_DST, &factor);
    EXPECT_EQ(GL_ONE, factor);
}

TEST_F(OpenGLRendererTest, MaskChangesOnlyTheWritesThatDifferAndApplyRestoresThem) {
    renderer->apply();
    recorder.take();

    renderer->changeMask(MaskAll & ~MaskDepth);
    EXPECT_EQ(std::vector<std::string>{call("glDepthMask", {0})}, recorder.take());
    GLboolean depthWrites = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(GL_FALSE, depthWrites);
    renderer->changeMask(MaskAll & ~MaskDepth);
    EXPECT_TRUE(recorder.take().empty());

    renderer->apply();
    EXPECT_EQ(std::vector<std::string>{call("glDepthMask", {1})}, withoutUnitSwitches(recorder.take()));

    renderer->changeMask(MaskAll & ~MaskRed);
    EXPECT_EQ(std::vector<std::string>{call("glColorMask", {0, 1, 1, 1})}, recorder.take());
    renderer->changeMask(MaskDepth);
    EXPECT_EQ(std::vector<std::string>{call("glColorMask", {0, 0, 0, 0})}, recorder.take());
    GLboolean colorWrites[4] = {GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
    glGetBooleanv(GL_COLOR_WRITEMASK, colorWrites);
    EXPECT_EQ(GL_FALSE, colorWrites[0] | colorWrites[1] | colorWrites[2] | colorWrites[3]);
    renderer->apply();
    EXPECT_EQ(std::vector<std::string>{call("glColorMask", {1, 1, 1, 1})},
              withoutUnitSwitches(recorder.take()));
}

TEST_F(OpenGLRendererTest, DepthFunctionOffAndBack) {
    renderer->apply();
    recorder.take();
    renderer->changeDepthFunc(GL_LESS);
    EXPECT_EQ(std::vector<std::string>{call("glDepthFunc", {GL_LESS})}, recorder.take());
    renderer->changeDepthFunc(-1);
    EXPECT_EQ(std::vector<std::string>{call("glDisable", {GL_DEPTH_TEST})}, recorder.take());
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    renderer->apply();
    EXPECT_EQ((std::vector<std::string>{call("glEnable", {GL_DEPTH_TEST}), call("glDepthFunc", {GL_LEQUAL})}),
              withoutUnitSwitches(recorder.take()));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(OpenGLRendererTest, TextureCombineModesReachTheEnvironment) {
    renderer->changeTextureUnit(0);
    recorder.take();
    renderer->changeTextureCombine(CombineAdd, CombineAdd);
    EXPECT_EQ(std::vector<std::string>{call("glTexEnvi", {GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD})},
              recorder.take());
    renderer->changeTextureCombine(CombineAdd, CombineAdd);
    EXPECT_TRUE(recorder.take().empty());

    renderer->changeTextureCombine(CombineDot3, CombineReplaceTexture);
    const std::vector<std::string> expected = {
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_DOT3_RGBA_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_PREVIOUS_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND0_RGB_ARB, GL_SRC_COLOR}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_TEXTURE}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND1_RGB_ARB, GL_SRC_COLOR}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_COMBINE_ALPHA_ARB, GL_REPLACE}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE0_ALPHA_ARB, GL_TEXTURE}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND0_ALPHA_ARB, GL_SRC_ALPHA}),
    };
    EXPECT_EQ(expected, recorder.take());

    // Only the part that changed is configured again.
    renderer->changeTextureCombine(CombinePreviousMinusTexture, CombineReplaceTexture);
    const std::vector<std::string> colorOnly = {
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_SUBTRACT_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_PREVIOUS_ARB}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND0_RGB_ARB, GL_SRC_COLOR}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_TEXTURE}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND1_RGB_ARB, GL_SRC_COLOR}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE2_RGB_ARB, GL_TEXTURE}),
        call("glTexEnvi", {GL_TEXTURE_ENV, GL_OPERAND2_RGB_ARB, GL_SRC_ALPHA}),
    };
    EXPECT_EQ(colorOnly, recorder.take());
    GLint value = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, &value);
    EXPECT_EQ(GL_SUBTRACT_ARB, value);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_OPERAND2_RGB_ARB, &value);
    EXPECT_EQ(GL_SRC_ALPHA, value);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_COMBINE_ALPHA_ARB, &value);
    EXPECT_EQ(GL_REPLACE, value);
    EXPECT_EQ(GL_NO_ERROR, glGetError());

    // Dot product with the next unit's texture as the second source.
    renderer->changeTextureCombine(CombineDot3Next, CombineReplaceTexture);
    std::vector<std::string> next = recorder.take();
    ASSERT_EQ(6u, next.size());
    EXPECT_EQ(call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_TEXTURE0_ARB}), next[2]);
    EXPECT_EQ(call("glTexEnvi", {GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_TEXTURE0_ARB + 1}), next[4]);
}

TEST_F(OpenGLRendererTest, UniformsAreLookedUpByNameOnTheCurrentShaderOnly) {
    ShaderID shader = addShader();
    const unsigned program = renderer->shaders[shader].program;
    const vec3 light(1.0f, 2.0f, 3.0f);

    renderer->setUniform3f("lightPos", light);
    EXPECT_TRUE(recorder.take().empty()) << "no shader is current";

    renderer->setShader(shader);
    renderer->apply();
    recorder.take();
    renderer->setUniform3f("lightPos", light);
    const GLint location = glGetUniformLocationARB(program, "lightPos");
    ASSERT_GE(location, 0);
    EXPECT_EQ((std::vector<std::string>{lookup(program, "lightPos"), call("glUniform3fvARB", {location, 1})}),
              recorder.take());
    float read[16] = {};
    glGetUniformfvARB(program, location, read);
    EXPECT_EQ(2.0f, read[1]);

    renderer->setUniform3f("notInTheProgram", light);
    EXPECT_EQ(std::vector<std::string>{lookup(program, "notInTheProgram")}, recorder.take());

    renderer->setUniform4f("color", vec4(0.25f, 0.5f, 0.75f, 1.0f));
    glGetUniformfvARB(program, glGetUniformLocationARB(program, "color"), read);
    EXPECT_EQ(0.75f, read[2]);

    // Row-major matrices arrive as the matrix they describe.
    mat4 frame(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    renderer->setUniformMatrix4("frame", frame);
    glGetUniformfvARB(program, glGetUniformLocationARB(program, "frame"), read);
    for (int r = 0; r < 4; r++) {
        for (int c = 0; c < 4; c++) {
            EXPECT_EQ(frame.rows[r][c], read[c * 4 + r]) << r << ", " << c;
        }
    }
    EXPECT_EQ(GL_NO_ERROR, glGetError());
}

TEST_F(OpenGLRendererTest, RemovedTexturesFreeTheirNameAndSlot) {
    TextureID first = addTexture();
    TextureID second = addTexture();
    const unsigned name = renderer->textures[first].glName;
    renderer->removeTexture(first);
    EXPECT_FALSE(glIsTexture(name));
    EXPECT_EQ(first, addTexture());
    EXPECT_EQ(second + 1, addTexture());

    ShaderID shader = addShader();
    const unsigned program = renderer->shaders[shader].program;
    renderer->removeShader(shader);
    GLint deleted = 0;
    glGetObjectParameterivARB(program, 0x8B80 /* GL_OBJECT_DELETE_STATUS_ARB */, &deleted);
    EXPECT_NE(GL_NO_ERROR, glGetError()) << "the program object should be gone";
    EXPECT_EQ(shader, addShader());
}

TEST_F(OpenGLRendererTest, ClearLeavesTheDefaultStateAndNoObjects) {
    TextureID texture = addTexture();
    ShaderID shader = addShader();
    const unsigned name = renderer->textures[texture].glName;
    renderer->setShader(shader);
    renderer->setTexture("Base", texture);
    renderer->setBlending(GL_ONE, GL_ONE);
    renderer->apply();
    renderer->clear();
    EXPECT_FALSE(glIsTexture(name));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(0, boundTexture(0));
    EXPECT_EQ(0u, renderer->textures[texture].glName);
    EXPECT_EQ(0u, renderer->shaders[shader].program);
    EXPECT_EQ(-1, renderer->currentShader);
}

TEST_F(OpenGLRendererTest, ResetTextureUnitsUnbindsEveryTargetOnEveryUnit) {
    renderer->resetTextureUnits();
    std::vector<std::string> calls = recorder.take();
    int binds = 0;
    for (const std::string& c : calls) {
        binds += c.rfind("glBindTexture", 0) == 0;
    }
    const int perUnit = 2 + GL_EXT_texture3D_supported + GL_ARB_texture_cube_map_supported;
    EXPECT_EQ(renderer->nTextureUnits * perUnit, binds);
    EXPECT_EQ(renderer->nTextureUnits - 1, renderer->activeUnit);
}

TEST_F(OpenGLRendererTest, SwapIntervalGoesThroughTheExtension) {
    ASSERT_TRUE(WGL_EXT_swap_control_supported);
    renderer->setSwapInterval(true);
    renderer->setSwapInterval(false);
    EXPECT_EQ((std::vector<std::string>{call("wglSwapIntervalEXT", {1}), call("wglSwapIntervalEXT", {0})}),
              recorder.take());
}

} // namespace
