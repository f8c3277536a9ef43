#include "opengl/opengl_renderer.h"

namespace {

struct CombineSetup {
    GLenum function;
    // Up to three sources; 0 ends the list.
    GLenum sources[3];
    // Operand of the third source, when it differs from the part's own (colour or alpha) operand.
    GLenum thirdOperand;
    bool colorOnly;
};

// Indexed by CombineMode; CombineNone configures nothing.
const CombineSetup combineSetups[] = {
    {0, {0, 0, 0}, 0, false},
    {GL_MODULATE, {GL_PREVIOUS_ARB, GL_TEXTURE, 0}, 0, false},
    {GL_DOT3_RGBA_ARB, {GL_PREVIOUS_ARB, GL_TEXTURE, 0}, 0, true},
    // The second source is replaced by the next unit's texture below.
    {GL_DOT3_RGBA_ARB, {GL_TEXTURE, GL_TEXTURE, 0}, 0, true},
    {GL_ADD, {GL_PREVIOUS_ARB, GL_TEXTURE, 0}, 0, false},
    {GL_REPLACE, {GL_TEXTURE, 0, 0}, 0, false},
    {GL_REPLACE, {GL_PREVIOUS_ARB, 0, 0}, 0, false},
    {GL_SUBTRACT_ARB, {GL_TEXTURE, GL_PREVIOUS_ARB, GL_PRIMARY_COLOR_ARB}, 0, false},
    {GL_SUBTRACT_ARB, {GL_PRIMARY_COLOR_ARB, GL_PREVIOUS_ARB, GL_TEXTURE}, 0, false},
    {GL_SUBTRACT_ARB, {GL_PREVIOUS_ARB, GL_TEXTURE, GL_TEXTURE}, GL_SRC_ALPHA, false},
};

const int COMBINE_MODE_COUNT = sizeof combineSetups / sizeof combineSetups[0];

bool isCombineMode(int mode) {
    return mode >= 0 && mode < COMBINE_MODE_COUNT;
}

} // namespace

void OpenGLRenderer::changeTextureCombine(int colorMode, int alphaMode) {
    int& currentColor = currentColorCombine[activeUnit];
    int& currentAlpha = currentAlphaCombine[activeUnit];
    if (colorMode == currentColor && alphaMode == currentAlpha) {
        return;
    }
    if (!isCombineMode(colorMode) || !isCombineMode(alphaMode)) {
        return;
    }
    if (colorMode == alphaMode &&
        (colorMode == CombineModulate || colorMode == CombineAdd || colorMode == CombineReplaceTexture)) {
        gl.texEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, combineSetups[colorMode].function);
    } else {
        gl.texEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
        static const GLenum colorSources[] = {GL_SOURCE0_RGB_ARB, GL_SOURCE1_RGB_ARB, GL_SOURCE2_RGB_ARB};
        static const GLenum colorOperands[] = {GL_OPERAND0_RGB_ARB, GL_OPERAND1_RGB_ARB, GL_OPERAND2_RGB_ARB};
        static const GLenum alphaSources[] = {GL_SOURCE0_ALPHA_ARB, GL_SOURCE1_ALPHA_ARB,
                                              GL_SOURCE2_ALPHA_ARB};
        static const GLenum alphaOperands[] = {GL_OPERAND0_ALPHA_ARB, GL_OPERAND1_ALPHA_ARB,
                                               GL_OPERAND2_ALPHA_ARB};
        if (colorMode != currentColor && colorMode != CombineNone) {
            const CombineSetup& setup = combineSetups[colorMode];
            gl.texEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, setup.function);
            for (int i = 0; i < 3 && setup.sources[i] != 0; i++) {
                GLenum source = setup.sources[i];
                if (colorMode == CombineDot3Next) {
                    source = GL_TEXTURE0_ARB + activeUnit + i;
                }
                gl.texEnvi(GL_TEXTURE_ENV, colorSources[i], source);
                GLenum operand = i == 2 && setup.thirdOperand != 0 ? setup.thirdOperand : GL_SRC_COLOR;
                gl.texEnvi(GL_TEXTURE_ENV, colorOperands[i], operand);
            }
        }
        if (alphaMode != currentAlpha && alphaMode != CombineNone && !combineSetups[alphaMode].colorOnly) {
            const CombineSetup& setup = combineSetups[alphaMode];
            gl.texEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA_ARB, setup.function);
            for (int i = 0; i < 3 && setup.sources[i] != 0; i++) {
                gl.texEnvi(GL_TEXTURE_ENV, alphaSources[i], setup.sources[i]);
                gl.texEnvi(GL_TEXTURE_ENV, alphaOperands[i], GL_SRC_ALPHA);
            }
        }
    }
    currentColor = colorMode;
    currentAlpha = alphaMode;
}
