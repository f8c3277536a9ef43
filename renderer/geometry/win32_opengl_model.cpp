#include "geometry/win32_opengl_model.h"

#include "geometry/vertex_compare.h"
#include "opengl/extensions.h"

namespace {

GLenum primitiveMode(uint32_t primitive) {
    static const GLenum modes[] = {GL_TRIANGLES, GL_QUADS, GL_TRIANGLE_STRIP, GL_LINES};
    return modes[primitive];
}

GLenum componentType(uint32_t format) {
    return format == AttributeUnsignedByte ? GL_UNSIGNED_BYTE : GL_FLOAT;
}

GLenum clientState(uint32_t kind) {
    static const GLenum states[] = {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY};
    return states[kind];
}

void selectClientTextureUnit(const VertexAttribute& attribute) {
    if (attribute.kind == AttributeTexCoord && GL_ARB_multitexture_supported)
        glClientActiveTextureARB(GL_TEXTURE0_ARB + attribute.index);
}

void fillBuffer(GLenum target, uint32_t& name, const void* data, size_t bytes) {
    if (name == 0)
        glGenBuffersARB(1, &name);
    glBindBufferARB(target, name);
    glBufferDataARB(target, (GLsizeiptrARB)bytes, data, GL_STATIC_DRAW_ARB);
    glBindBufferARB(target, 0);
}

} // namespace

bool OpenGLModel::upload() {
    if (!GL_ARB_vertex_buffer_object_supported)
        return true;
    fillBuffer(GL_ARRAY_BUFFER_ARB, vertexBuffer, vertices, (size_t)vertexCount * vertexSize);
    if (indexCount != 0)
        fillBuffer(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer, indices, (size_t)indexCount * indexSize);
    return true;
}

bool OpenGLModel::release() {
    if (!GL_ARB_vertex_buffer_object_supported)
        return true;
    if (vertexBuffer != 0)
        glDeleteBuffersARB(1, &vertexBuffer);
    if (indexBuffer != 0)
        glDeleteBuffersARB(1, &indexBuffer);
    vertexBuffer = 0;
    indexBuffer = 0;
    return true;
}

void OpenGLModel::draw() {
    // A layout or primitive the arrays cannot express would hand OpenGL pointers outside the vertices.
    if (primitive > PrimitiveLines || (vertexCount > 0 && !vertices && vertexBuffer == 0))
        return;
    if (!attributesFitVertex(attributes.items, attributes.count, vertexSize))
        return;
    if (indexCount != 0 && !indices && indexBuffer == 0)
        return;

    const bool fromBuffer = GL_ARB_vertex_buffer_object_supported && vertexBuffer != 0;
    if (fromBuffer)
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);

    // With a buffer bound, the "pointer" is an offset into it.
    const uintptr_t base = fromBuffer ? 0 : reinterpret_cast<uintptr_t>(vertices);
    for (uint32_t i = 0; i < attributes.count; i++) {
        const VertexAttribute& attribute = attributes[i];
        const void* pointer = reinterpret_cast<const void*>(base + attribute.offset);
        GLenum type = componentType(attribute.format);
        switch (attribute.kind) {
        case AttributePosition:
            glVertexPointer(attribute.components, type, vertexSize, pointer);
            break;
        case AttributeNormal:
            glNormalPointer(type, vertexSize, pointer);
            break;
        case AttributeTexCoord:
            selectClientTextureUnit(attribute);
            glTexCoordPointer(attribute.components, type, vertexSize, pointer);
            break;
        case AttributeColor:
            glColorPointer(attribute.components, type, vertexSize, pointer);
            break;
        }
        glEnableClientState(clientState(attribute.kind));
    }

    if (indexCount == 0) {
        glDrawArrays(primitiveMode(primitive), 0, vertexCount);
    } else {
        const bool indexFromBuffer = GL_ARB_vertex_buffer_object_supported && indexBuffer != 0;
        if (indexFromBuffer)
            glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, indexBuffer);
        glDrawElements(primitiveMode(primitive), indexCount,
                       indexSize == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                       indexFromBuffer ? nullptr : indices);
        if (indexFromBuffer)
            glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    }

    for (uint32_t i = 0; i < attributes.count; i++) {
        selectClientTextureUnit(attributes[i]);
        glDisableClientState(clientState(attributes[i].kind));
    }

    if (fromBuffer)
        glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}
