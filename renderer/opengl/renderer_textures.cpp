#include "image/image.h"
#include "opengl/renderer.h"
#include "opengl/texture_flags.h"
#include "util/message_log.h"
#include "util/text_string.h"

TextureID Renderer::addTexture(Image* image, unsigned flags) {
    if (image == nullptr) {
        return -1;
    }
    if (flags & TexNormalMap) {
        // A normal map always ends with a full chain, whatever the source had.
        bool converted = (image->format == I8 || image->toGrayScale(useRGBA, false)) &&
                         image->toNormalMap(useRGBA, (flags & TexHeightInAlpha) != 0) &&
                         image->createMipMaps();
        if (!converted) {
            delete image;
            return -1;
        }
    }

    TextureEntry entry;
    entry.type = (flags & TexOneDimensional) ? Tex1D : Tex2D;
    entry.width = image->getWidth(0);
    entry.height = image->getHeight(0);
    entry.depth = 1;
    entry.format = image->format;
    entry.images[0] = image;
    entry.clampS = (flags & TexClampS) != 0;
    entry.clampT = (flags & TexClampT) != 0;
    entry.nearest = (flags & TexNearest) != 0;
    entry.hasMipMaps = image->getMipMapCount() > 1;
    entry.isRenderTarget = false;

    if (!createTexture(entry)) {
        delete image;
        return -1;
    }
    return insertTexture(entry);
}

TextureID Renderer::loadTexture(const char* fileName, unsigned flags) {
    Image* image = new Image();
    int mipMapMode = (flags & TexNoMipMaps) ? 0 : (flags & TexNormalMap) ? 1 : 2;
    if (!image->loadImage(fileName, useRGBA, mipMapMode)) {
        String line("Couldn't load \"");
        line.append(fileName);
        line.append("\"");
        logMessage(line.getText());
        delete image;
        return -1;
    }
    return addTexture(image, flags);
}
