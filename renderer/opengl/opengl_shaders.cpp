#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "util/message_log.h"

namespace {

const char shaderPrelude[] = "#define saturate(x) clamp(x,0.0,1.0)\n#define lerp mix\n";
const int infoLogLimit = 4096;

void logInfo(GLhandleARB object) {
    char text[infoLogLimit];
    GLsizei length = 0;
    glGetInfoLogARB(object, infoLogLimit, &length, text);
    text[length > 0 && length < infoLogLimit ? length : 0] = '\0';
    logMessage(text);
}

// Compiles one stage and attaches it when it compiled; the object is kept either way so that a failure
// can delete it with the rest of the entry.
bool compileStage(GLhandleARB program, GLenum type, const char* text, const char* errorLine,
                  unsigned& object) {
    object = glCreateShaderObjectARB(type);
    // A stage whose marker was missing gets no text of its own.
    const GLcharARB* sources[2] = {shaderPrelude, text != nullptr ? text : ""};
    glShaderSourceARB(object, 2, sources, nullptr);
    glCompileShaderARB(object);
    GLint compiled = 0;
    glGetObjectParameterivARB(object, GL_OBJECT_COMPILE_STATUS_ARB, &compiled);
    if (compiled) {
        glAttachObjectARB(program, object);
    } else {
        logMessage(errorLine);
    }
    logInfo(object);
    return compiled != 0;
}

} // namespace

bool OpenGLRenderer::createShader(ShaderEntry& entry, const char* vertexText, const char* fragmentText) {
    // Without the shader-object interface there is nothing to call.
    if (!GL_ARB_shader_objects_supported || glCreateProgramObjectARB == nullptr) {
        return false;
    }
    entry.program = glCreateProgramObjectARB();
    bool vertexCompiled = compileStage(entry.program, GL_VERTEX_SHADER_ARB, vertexText,
                                       "Vertex shader error:\n", entry.vertexShader);
    bool fragmentCompiled = compileStage(entry.program, GL_FRAGMENT_SHADER_ARB, fragmentText,
                                         "Fragment shader error:\n", entry.fragmentShader);
    if (vertexCompiled && fragmentCompiled) {
        glLinkProgramARB(entry.program);
        GLint linked = 0;
        glGetObjectParameterivARB(entry.program, GL_OBJECT_LINK_STATUS_ARB, &linked);
        logInfo(entry.program);
        if (linked) {
            return true;
        }
    }
    deleteShader(entry);
    entry = ShaderEntry();
    return false;
}

void OpenGLRenderer::deleteShader(ShaderEntry& entry) {
    if (glDeleteObjectARB == nullptr) {
        return;
    }
    glDeleteObjectARB(entry.vertexShader);
    glDeleteObjectARB(entry.fragmentShader);
    glDeleteObjectARB(entry.program);
}
