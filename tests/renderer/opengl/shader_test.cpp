// Shader files and programs on a real context: the split of a file into its two stages, the line
// directives, the failure paths and their log lines, and the two programs the scene ships with.
#include "gl_test_window.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "util/message_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace {

const GLenum OBJECT_DELETE_STATUS = 0x8B80;

// Keeps the texts handed to createShader and the entries deleted after a failure.
class ObservedRenderer : public OpenGLRenderer {
public:
    using OpenGLRenderer::OpenGLRenderer;

    bool createShader(ShaderEntry& entry, const char* vertexText, const char* fragmentText) override {
        vertexGiven = vertexText != nullptr;
        fragmentGiven = fragmentText != nullptr;
        vertex = vertexText != nullptr ? vertexText : "";
        fragment = fragmentText != nullptr ? fragmentText : "";
        return OpenGLRenderer::createShader(entry, vertexText, fragmentText);
    }
    void deleteShader(ShaderEntry& entry) override {
        deleted.push_back(entry);
        OpenGLRenderer::deleteShader(entry);
    }

    bool vertexGiven = false;
    bool fragmentGiven = false;
    std::string vertex;
    std::string fragment;
    std::vector<ShaderEntry> deleted;
};

std::string writeFile(const char* name, const std::string& text) {
    std::string path = scratchPath(name);
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    return path;
}

std::string lastLogLines(uint32_t from) {
    std::string text;
    for (uint32_t i = from; i < messageLog.getCount(); ++i) {
        text += messageLog[i];
        text += "\n";
    }
    return text;
}

// True when the name no longer denotes a shader object.
bool objectIsGone(unsigned name) {
    while (glGetError() != GL_NO_ERROR) {
    }
    GLint status = 0;
    glGetObjectParameterivARB(name, OBJECT_DELETE_STATUS, &status);
    return glGetError() == GL_INVALID_VALUE;
}

const char* const PASS_VERTEX = "void main() { gl_Position = ftransform(); }\n";
const char* const PASS_FRAGMENT = "void main() { gl_FragColor = vec4(1.0); }\n";

class ShaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.isReady());
        initExtensions(window.dc);
        ASSERT_TRUE(GL_ARB_shader_objects_supported && GL_ARB_vertex_shader_supported &&
                    GL_ARB_fragment_shader_supported && GL_ARB_shading_language_100_supported);
        renderer.reset(new ObservedRenderer(window.dc, window.context));
    }
    void TearDown() override { renderer.reset(); }

    ShaderID load(const char* name, const std::string& text) {
        return renderer->loadShader(writeFile(name, text).c_str(), nullptr);
    }

    GLTestWindow window;
    std::unique_ptr<ObservedRenderer> renderer;
};

TEST_F(ShaderTest, LineDirectivesCountTheFileLinesFromZero) {
    std::string text = "[Vertex shader]\n";
    text += "void main()\n{\n";
    for (int i = 0; i < 6; ++i) {
        text += "\t// line\n";
    }
    text += "\tgl_Position = ftransform();\n}\n"; // 10 lines of code, fragment marker on line 12
    text += "[Fragment shader]\n";
    text += PASS_FRAGMENT;

    ShaderID id = load("lines.shd", text);

    EXPECT_GE(id, 0);
    EXPECT_EQ(0u, renderer->vertex.rfind("#line 0\n\nvoid main()\n", 0));
    EXPECT_EQ(0u, renderer->fragment.rfind("#line 11\n\nvoid main()", 0));
    EXPECT_EQ(std::string::npos, renderer->vertex.find("[Fragment"));
}

TEST_F(ShaderTest, CompilerMessagesNameTheLinesOfTheFile) {
    // The undeclared name sits on line 4 of the file counted from 0; this GLSL's directive makes the next
    // line L + 1, so the compiler names it as an editor does, line 5.
    std::string text =
        "[Fragment shader]\nvoid main()\n{\n\tgl_FragColor = vec4(1.0);\n\tundeclared = 1.0;\n}\n"
        "[Vertex shader]\n";
    text += PASS_VERTEX;
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, load("error.shd", text));

    std::string log = lastLogLines(before);
    EXPECT_EQ(0u, log.rfind("Fragment shader error:\n", 0)) << log;
    EXPECT_NE(std::string::npos, log.find("0:5(")) << log;
}

TEST_F(ShaderTest, SwappedMarkersGiveEachStageOnlyItsOwnSection) {
    std::string text = "leading text that belongs to no stage\n[Fragment shader]\n";
    text += PASS_FRAGMENT;
    text += "[Vertex shader]\n";
    text += PASS_VERTEX;

    EXPECT_GE(load("swapped.shd", text), 0);
    EXPECT_EQ(std::string("#line 3\n\n") + PASS_VERTEX, renderer->vertex);
    EXPECT_EQ(std::string("#line 1\n\n") + PASS_FRAGMENT, renderer->fragment);
}

TEST_F(ShaderTest, ExtraTextComesBeforeTheLineDirective) {
    std::string text = std::string("[Vertex shader]\n") + PASS_VERTEX + "[Fragment shader]\n" +
                       "void main() { gl_FragColor = vec4(EXTRA); }\n";
    std::string path = writeFile("extra.shd", text);

    EXPECT_GE(renderer->loadShader(path.c_str(), "#define EXTRA 0.5\n"), 0);
    EXPECT_EQ(0u, renderer->fragment.rfind("#define EXTRA 0.5\n#line 2\n", 0));
}

TEST_F(ShaderTest, StagesThatCompileButDoNotLinkLeaveNoObjects) {
    std::string text = std::string("[Vertex shader]\n") + PASS_VERTEX +
                       "[Fragment shader]\nvarying vec4 neverWritten;\n"
                       "void main() { gl_FragColor = neverWritten; }\n";
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, load("unlinked.shd", text));

    ASSERT_EQ(1u, renderer->deleted.size());
    const ShaderEntry& entry = renderer->deleted[0];
    EXPECT_NE(0u, entry.program);
    EXPECT_TRUE(objectIsGone(entry.vertexShader));
    EXPECT_TRUE(objectIsGone(entry.fragmentShader));
    EXPECT_TRUE(objectIsGone(entry.program));
    EXPECT_EQ(0u, renderer->shaders.getCount());
    EXPECT_GT(messageLog.getCount(), before);
}

TEST_F(ShaderTest, FailingVertexStageLogsItsErrorAndLeavesNoObjects) {
    std::string text = "[Vertex shader]\nvoid main() { gl_Position = nonsense; }\n[Fragment shader]\n";
    text += PASS_FRAGMENT;
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, load("badvertex.shd", text));

    EXPECT_EQ(0u, lastLogLines(before).rfind("Vertex shader error:\n", 0));
    ASSERT_EQ(1u, renderer->deleted.size());
    EXPECT_TRUE(objectIsGone(renderer->deleted[0].vertexShader));
    EXPECT_TRUE(objectIsGone(renderer->deleted[0].fragmentShader));
    EXPECT_TRUE(objectIsGone(renderer->deleted[0].program));
}

TEST_F(ShaderTest, PreludeDefinesSaturateAndLerp) {
    std::string text =
        std::string("[Vertex shader]\n") + PASS_VERTEX +
        "[Fragment shader]\nvoid main() {\n"
        "\tgl_FragColor = vec4(saturate(gl_FragCoord.x), lerp(0.0, 1.0, 0.25), 0.0, 1.0);\n}\n";

    EXPECT_GE(load("prelude.shd", text), 0);
}

TEST_F(ShaderTest, MissingMarkerGivesThatStageNoText) {
    std::string text = std::string("[Fragment shader]\n") + PASS_FRAGMENT;

    // A program without a vertex main does not link; the point is the null text and no crash.
    ShaderID id = load("nomarker.shd", text);

    EXPECT_FALSE(renderer->vertexGiven);
    EXPECT_TRUE(renderer->fragmentGiven);
    if (id < 0) {
        ASSERT_EQ(1u, renderer->deleted.size());
        EXPECT_TRUE(objectIsGone(renderer->deleted[0].program));
    }
}

TEST_F(ShaderTest, MissingFileGivesMinusOneAndOneLogLine) {
    uint32_t before = messageLog.getCount();

    EXPECT_EQ(-1, renderer->loadShader("no such file.shd", nullptr));

    ASSERT_EQ(before + 1, messageLog.getCount());
    EXPECT_STREQ("Couldn't load \"no such file.shd\"", messageLog[before]);
}

struct ShippedShader {
    const char* file;
    std::vector<const char*> uniforms;
};

TEST_F(ShaderTest, ShippedShaderFilesCompileAndLink) {
    const ShippedShader shipped[] = {
        {"lighting.shd", {"Base", "lightPos", "camPos"}},
        {"sphere.shd", {"spherePos", "sphereSize", "lightPos", "camPos", "color"}},
    };
    for (const ShippedShader& s : shipped) {
        std::string path = std::string(ZANDREL_SHADER_FOLDER) + "/" + s.file;
        uint32_t before = messageLog.getCount();

        ShaderID id = renderer->loadShader(path.c_str(), nullptr);

        ASSERT_GE(id, 0) << s.file << "\n" << lastLogLines(before);
        unsigned program = renderer->shaders[id].program;
        for (const char* name : s.uniforms) {
            EXPECT_GE(glGetUniformLocationARB(program, name), 0) << s.file << " " << name;
        }
    }
}

} // namespace
