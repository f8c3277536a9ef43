#include "image/image.h"
#include "opengl/extensions.h"
#include "opengl/opengl_renderer.h"
#include "opengl/render_target_data.h"

namespace {

// Internal format by PixelFormat; 0 where the format cannot become a texture.
const GLenum internalFormats[] = {
    0,      // None
    0x8049, // I8: GL_INTENSITY
    0x190A, // IA8: GL_LUMINANCE_ALPHA
    0x8051, // RGB8: GL_RGB8
    0x8058, // RGBA8: GL_RGBA8
    0x804D, // I16: GL_INTENSITY16
    0,      // IA16
    0x8054, // RGB16: GL_RGB16
    0x805B, // RGBA16: GL_RGBA16
    0x881D, // I16F: GL_INTENSITY_FLOAT16_ATI
    0,      // IA16F
    0x881B, // RGB16F: GL_RGB_FLOAT16_ATI
    0x881A, // RGBA16F: GL_RGBA_FLOAT16_ATI
    0x8817, // I32F: GL_INTENSITY_FLOAT32_ATI
    0,      // IA32F
    0x8815, // RGB32F: GL_RGB_FLOAT32_ATI
    0x8814, // RGBA32F: GL_RGBA_FLOAT32_ATI
    0,      // RGB565
    0x83F0, // DXT1: GL_COMPRESSED_RGB_S3TC_DXT1_EXT
    0x83F2, // DXT3: GL_COMPRESSED_RGBA_S3TC_DXT3_EXT
    0x83F3, // DXT5: GL_COMPRESSED_RGBA_S3TC_DXT5_EXT
    0x8837, // ATI2: GL_COMPRESSED_LUMINANCE_ALPHA_3DC_ATI
    0,      // X16
    0,      // X24
};

const GLenum transferFormats[] = {0, GL_LUMINANCE, GL_LUMINANCE_ALPHA, GL_RGB, GL_RGBA};

GLenum internalFormat(PixelFormat format) {
    unsigned index = static_cast<unsigned>(format);
    return index < sizeof(internalFormats) / sizeof(internalFormats[0]) ? internalFormats[index] : 0;
}

bool needsDecompression(PixelFormat format) {
    bool s3tc = format == DXT1 || format == DXT3 || format == DXT5;
    bool compressedUpload = GL_ARB_texture_compression_supported && glCompressedTexImage2DARB != nullptr &&
                            glCompressedTexImage1DARB != nullptr;
    if (s3tc) {
        return !compressedUpload || !GL_EXT_texture_compression_s3tc_supported;
    }
    if (format == ATI2) {
        return !compressedUpload || !GL_ATI_texture_compression_3dc_supported;
    }
    return false;
}

bool uploadImage(Image& image, GLenum uploadTarget, bool oneDimensional) {
    if (needsDecompression(image.format) && !image.decompress(true)) {
        return false;
    }
    GLenum format = internalFormat(image.format);
    int channels = getChannelCount(image.format);
    if (format == 0 || channels < 1 || channels > 4) {
        return false;
    }
    bool compressed = isCompressedFormat(image.format);
    for (int level = 0; level < image.getMipMapCount(); ++level) {
        unsigned char* pixels = image.getPixels(level);
        if (pixels == nullptr) {
            break;
        }
        int width = image.getWidth(level);
        int height = image.getHeight(level);
        if (compressed) {
            int size = image.getMipMappedSize(level, 1);
            if (oneDimensional) {
                glCompressedTexImage1DARB(uploadTarget, level, format, width, 0, size, pixels);
            } else {
                glCompressedTexImage2DARB(uploadTarget, level, format, width, height, 0, size, pixels);
            }
        } else if (oneDimensional) {
            glTexImage1D(uploadTarget, level, format, width, 0, transferFormats[channels], GL_UNSIGNED_BYTE,
                         pixels);
        } else {
            glTexImage2D(uploadTarget, level, format, width, height, 0, transferFormats[channels],
                         GL_UNSIGNED_BYTE, pixels);
        }
    }
    return true;
}

} // namespace

bool OpenGLRenderer::createRenderTarget(TextureEntry& entry) {
    // Without the pbuffer extensions their entry points are null: fail instead of calling them.
    bool available = WGL_ARB_pixel_format_supported && WGL_ARB_pbuffer_supported &&
                     WGL_ARB_render_texture_supported && wglChoosePixelFormatARB != nullptr &&
                     wglCreatePbufferARB != nullptr && wglGetPbufferDCARB != nullptr &&
                     wglReleasePbufferDCARB != nullptr && wglDestroyPbufferARB != nullptr &&
                     wglBindTexImageARB != nullptr && wglReleaseTexImageARB != nullptr;
    if (!available || isCompressedFormat(entry.format)) {
        return false;
    }
    int bits = getBytesPerChannel(entry.format) * 8;
    int channels = getChannelCount(entry.format);
    bool autoMipMaps = entry.hasMipMaps && GL_SGIS_generate_mipmap_supported;
    bool cube = entry.type == TexCube;

    const int formatAttributes[] = {
        WGL_SUPPORT_OPENGL_ARB,
        1,
        WGL_DRAW_TO_PBUFFER_ARB,
        1,
        WGL_BIND_TO_TEXTURE_RGBA_ARB,
        1,
        WGL_PIXEL_TYPE_ARB,
        isFloatFormat(entry.format) ? WGL_TYPE_RGBA_FLOAT_ATI : WGL_TYPE_RGBA_ARB,
        WGL_ACCELERATION_ARB,
        WGL_FULL_ACCELERATION_ARB,
        WGL_RED_BITS_ARB,
        bits,
        WGL_GREEN_BITS_ARB,
        channels >= 2 ? bits : 0,
        WGL_BLUE_BITS_ARB,
        channels >= 3 ? bits : 0,
        WGL_ALPHA_BITS_ARB,
        channels >= 4 ? bits : 0,
        WGL_DEPTH_BITS_ARB,
        24,
        WGL_STENCIL_BITS_ARB,
        0,
        WGL_DOUBLE_BUFFER_ARB,
        0,
        0,
    };
    int pixelFormat = 0;
    UINT found = 0;
    if (!wglChoosePixelFormatARB(hdc, formatAttributes, nullptr, 1, &pixelFormat, &found) || found == 0) {
        return false;
    }
    const int bufferAttributes[] = {
        WGL_PBUFFER_LARGEST_ARB,
        1,
        WGL_TEXTURE_FORMAT_ARB,
        WGL_TEXTURE_RGBA_ARB,
        WGL_TEXTURE_TARGET_ARB,
        cube ? WGL_TEXTURE_CUBE_MAP_ARB : WGL_TEXTURE_2D_ARB,
        WGL_MIPMAP_TEXTURE_ARB,
        autoMipMaps ? 1 : 0,
        0,
    };
    HPBUFFERARB pbuffer = wglCreatePbufferARB(hdc, pixelFormat, entry.width, entry.height, bufferAttributes);
    if (pbuffer == nullptr) {
        return false;
    }
    HDC pbufferDC = wglGetPbufferDCARB(pbuffer);
    HGLRC pbufferContext = pbufferDC != nullptr ? wglCreateContext(pbufferDC) : nullptr;
    if (pbufferContext == nullptr) {
        if (pbufferDC != nullptr) {
            wglReleasePbufferDCARB(pbuffer, pbufferDC);
        }
        wglDestroyPbufferARB(pbuffer);
        return false;
    }
    RenderTargetData* target = new RenderTargetData();
    target->pbuffer = pbuffer;
    target->dc = pbufferDC;
    target->context = pbufferContext;
    entry.renderTarget = target;
    entry.isRenderTarget = true;

    wglShareLists(hglrc, pbufferContext);
    wglMakeCurrent(pbufferDC, pbufferContext);
    setDefaultState();
    wglMakeCurrent(hdc, hglrc);

    GLenum target2D = cube ? GL_TEXTURE_CUBE_MAP_ARB : GL_TEXTURE_2D;
    glGenTextures(1, &entry.glName);
    glBindTexture(target2D, entry.glName);
    glTexParameteri(target2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(target2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(target2D, GL_TEXTURE_MAG_FILTER, entry.nearest ? GL_NEAREST : GL_LINEAR);
    GLint minification = entry.nearest ? (entry.hasMipMaps ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST)
                                       : (entry.hasMipMaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(target2D, GL_TEXTURE_MIN_FILTER, minification);
    if (autoMipMaps) {
        glTexParameteri(target2D, GL_GENERATE_MIPMAP_SGIS, GL_TRUE);
    }
    return true;
}

bool OpenGLRenderer::createTexture(TextureEntry& entry) {
    int imageCount = entry.type == TexCube ? 6 : 1;
    if (entry.type == Tex3D) {
        return false;
    }
    for (int i = 0; i < imageCount; ++i) {
        if (entry.images[i] == nullptr) {
            return false;
        }
    }
    GLenum target = textureTarget(entry.type);
    glGenTextures(1, &entry.glName);
    glBindTexture(target, entry.glName);

    bool clampS = entry.type == TexCube || entry.clampS;
    bool clampT = entry.type == TexCube || entry.clampT;
    glTexParameteri(target, GL_TEXTURE_WRAP_S, clampS ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    if (entry.type != Tex1D) {
        glTexParameteri(target, GL_TEXTURE_WRAP_T, clampT ? GL_CLAMP_TO_EDGE : GL_REPEAT);
    }
    GLint magnification = entry.nearest ? GL_NEAREST : GL_LINEAR;
    GLint minification = entry.images[0]->getMipMapCount() > 1 ? GL_LINEAR_MIPMAP_LINEAR : magnification;
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, magnification);
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, minification);

    // Image rows are tightly packed; the default alignment of 4 would skew rows of odd byte widths.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < imageCount; ++i) {
        GLenum uploadTarget = entry.type == TexCube ? GL_TEXTURE_CUBE_MAP_POSITIVE_X_ARB + i : target;
        if (!uploadImage(*entry.images[i], uploadTarget, entry.type == Tex1D)) {
            glDeleteTextures(1, &entry.glName);
            entry.glName = 0;
            return false;
        }
    }
    // A decompressed upload changes what the entry holds.
    entry.format = entry.images[0]->format;
    return true;
}

void OpenGLRenderer::deleteTexture(TextureEntry& entry) {
    if (entry.isRenderTarget && entry.renderTarget != nullptr) {
        RenderTargetData* target = entry.renderTarget;
        wglDeleteContext(target->context);
        // The pbuffer functions exist only where the render-target extensions do.
        if (wglReleasePbufferDCARB != nullptr && wglDestroyPbufferARB != nullptr) {
            wglReleasePbufferDCARB(target->pbuffer, target->dc);
            wglDestroyPbufferARB(target->pbuffer);
        }
        delete target;
        entry.renderTarget = nullptr;
    }
    glDeleteTextures(1, &entry.glName);
}

void OpenGLRenderer::applyAnisotropy(TextureID id) {
    if (!GL_EXT_texture_filter_anisotropic_supported || !isTexture(id) || textures[id].type != Tex2D) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, textures[id].glName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maxAnisotropy);
}
