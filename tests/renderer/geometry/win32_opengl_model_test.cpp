#include "geometry/sphere_mesh.h"
#include "geometry/win32_opengl_model_list.h"
#include "model_fixtures.h"
#include "opengl/extensions.h"
#include "win32_gl_context.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#ifndef GL_TEXTURE1_ARB
#define GL_TEXTURE1_ARB 0x84C1
#endif
#ifndef GL_BUFFER_SIZE_ARB
#define GL_BUFFER_SIZE_ARB 0x8764
#endif
#ifndef GL_ARRAY_BUFFER_BINDING_ARB
#define GL_ARRAY_BUFFER_BINDING_ARB 0x8894
#endif
#ifndef GL_ELEMENT_ARRAY_BUFFER_BINDING_ARB
#define GL_ELEMENT_ARRAY_BUFFER_BINDING_ARB 0x8895
#endif

namespace {

constexpr int size = GLContext::size;

// The driver hides buffer objects when the suite runs with them overridden away.
bool bufferObjectsHidden() {
    const char* overrides = std::getenv("MESA_EXTENSION_OVERRIDE");
    return overrides && std::strstr(overrides, "-GL_ARB_vertex_buffer_object");
}

// A 4 x 4 unit square of world space seen head-on: the unit sphere covers a disc of 16 pixels radius.
void setUpView() {
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
}

const uint8_t* pixelAt(const std::vector<uint8_t>& pixels, int x, int y) {
    return &pixels[(size_t)(y * size + x) * 4];
}

int bufferBinding(GLenum binding) {
    GLint name = -1;
    glGetIntegerv(binding, &name);
    return name;
}

void expectClientArraysOff() {
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    if (GL_ARB_vertex_buffer_object_supported) {
        EXPECT_EQ(bufferBinding(GL_ARRAY_BUFFER_BINDING_ARB), 0);
        EXPECT_EQ(bufferBinding(GL_ELEMENT_ARRAY_BUFFER_BINDING_ARB), 0);
    }
}

class OpenGLModelTest : public ::testing::Test {
protected:
    GLContext gl;
    void SetUp() override { ASSERT_TRUE(gl.isReady()) << "no rendering context"; }
};

TEST_F(OpenGLModelTest, BufferObjectFlagFollowsTheDriver) {
    EXPECT_EQ(GL_ARB_vertex_buffer_object_supported, !bufferObjectsHidden());
    // Mesa cannot really disable buffer objects; overriding them away drops its other always-on
    // extensions from the string too, multitexture among them.
    if (!bufferObjectsHidden()) {
        EXPECT_TRUE(GL_ARB_multitexture_supported);
    }
}

TEST_F(OpenGLModelTest, UploadsIntoStaticBuffersAndReleasesThem) {
    OpenGLModelList list;
    OpenGLModel* sphere = dynamic_cast<OpenGLModel*>(buildSphereModel(list));
    ASSERT_NE(sphere, nullptr);
    EXPECT_TRUE(sphere->upload());
    if (!GL_ARB_vertex_buffer_object_supported) {
        EXPECT_EQ(sphere->vertexBuffer, 0u);
        EXPECT_EQ(sphere->indexBuffer, 0u);
        EXPECT_TRUE(sphere->release());
        return;
    }
    ASSERT_NE(sphere->vertexBuffer, 0u);
    ASSERT_NE(sphere->indexBuffer, 0u);
    EXPECT_EQ(bufferBinding(GL_ARRAY_BUFFER_BINDING_ARB), 0);
    EXPECT_EQ(bufferBinding(GL_ELEMENT_ARRAY_BUFFER_BINDING_ARB), 0);

    GLint bytes = 0;
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, sphere->vertexBuffer);
    glGetBufferParameterivARB(GL_ARRAY_BUFFER_ARB, GL_BUFFER_SIZE_ARB, &bytes);
    EXPECT_EQ(bytes, 1026 * 12);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, sphere->indexBuffer);
    glGetBufferParameterivARB(GL_ELEMENT_ARRAY_BUFFER_ARB, GL_BUFFER_SIZE_ARB, &bytes);
    EXPECT_EQ(bytes, 6144 * 2);
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);

    // A second upload refills the same buffers instead of leaking new ones.
    uint32_t vertexBuffer = sphere->vertexBuffer, indexBuffer = sphere->indexBuffer;
    EXPECT_TRUE(sphere->upload());
    EXPECT_EQ(sphere->vertexBuffer, vertexBuffer);
    EXPECT_EQ(sphere->indexBuffer, indexBuffer);

    EXPECT_TRUE(sphere->release());
    EXPECT_EQ(sphere->vertexBuffer, 0u);
    EXPECT_EQ(sphere->indexBuffer, 0u);
    EXPECT_FALSE(glIsBufferARB(vertexBuffer));
    EXPECT_FALSE(glIsBufferARB(indexBuffer));
    EXPECT_TRUE(sphere->release());
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(OpenGLModelTest, DrawsTheSphereOverItsDisc) {
    OpenGLModelList list;
    ASSERT_NE(buildSphereModel(list), nullptr);
    list.uploadAll();
    setUpView();
    list.drawAll();
    std::vector<uint8_t> pixels = gl.readPixels();
    expectClientArraysOff();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    list.releaseAll();

    int covered = 0;
    for (int y = 0; y < size; y++) {
        for (int x = 0; x < size; x++) {
            float distance = std::hypot(x + 0.5f - size / 2, y + 0.5f - size / 2);
            bool white = pixelAt(pixels, x, y)[0] == 255;
            covered += white;
            if (distance < 15.0f) {
                EXPECT_TRUE(white) << x << "," << y;
            }
            if (distance > 16.5f) {
                EXPECT_EQ(pixelAt(pixels, x, y)[0], 0) << x << "," << y;
            }
        }
    }
    // pi * 16^2 is 804; the polyhedron's outline lies just inside the circle.
    EXPECT_GT(covered, 770);
    EXPECT_LT(covered, 830);
}

TEST_F(OpenGLModelTest, LitSphereShowsOutwardNormalsOnItsFrontFaces) {
    OpenGLModelList list;
    ASSERT_NE(buildSphereModel(list), nullptr);
    list.uploadAll();
    setUpView();
    // Back faces culled: reversed winding would leave only the far half, lit from behind and dark.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat towardViewer[4] = {0, 0, 1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, towardViewer);
    const GLfloat white[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    list.drawAll();
    std::vector<uint8_t> pixels = gl.readPixels();
    list.releaseAll();

    EXPECT_GT(pixelAt(pixels, 32, 32)[0], 240);
    // 13.5 pixels out: the normal leans away to cos = 0.54.
    int rim = pixelAt(pixels, 32 + 13, 32)[0];
    EXPECT_GT(rim, 100);
    EXPECT_LT(rim, 190);
}

// A 16-byte vertex: position and an unsigned-byte colour.
struct ColouredVertex {
    float x, y, z;
    uint8_t rgba[4];
};

OpenGLModel* squareModel(OpenGLModelList& list, float left, float right, uint32_t indexSize) {
    OpenGLModel* model = static_cast<OpenGLModel*>(list.createModel());
    list.models.add(model);
    model->addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    model->addAttribute(AttributeColor, AttributeUnsignedByte, 4, 12, 0);
    const ColouredVertex corners[4] = {
        {left, -2, 0, {255, 0, 0, 255}},
        {right, -2, 0, {255, 0, 0, 255}},
        {right, 2, 0, {255, 0, 0, 255}},
        {left, 2, 0, {255, 0, 0, 255}},
    };
    void* data = std::malloc(sizeof corners);
    std::memcpy(data, corners, sizeof corners);
    model->setVertices(data, 4, sizeof(ColouredVertex));
    if (indexSize == 0) {
        model->setPrimitive(PrimitiveQuads);
    } else {
        model->setPrimitive(PrimitiveTriangles);
        setIndexArray(*model, {0, 1, 2, 0, 2, 3}, indexSize);
    }
    return model;
}

TEST_F(OpenGLModelTest, DrawsWithAndWithoutIndices) {
    // No indices goes through glDrawArrays; 2- and 4-byte indices through glDrawElements.
    for (uint32_t indexSize : {0u, 2u, 4u}) {
        OpenGLModelList list;
        squareModel(list, -2, 0, indexSize);
        list.uploadAll();
        setUpView();
        list.drawAll();
        std::vector<uint8_t> pixels = gl.readPixels();
        expectClientArraysOff();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR) << indexSize;
        list.releaseAll();
        for (int y = 0; y < size; y += 7) {
            const uint8_t* left = pixelAt(pixels, 5, y);
            const uint8_t* right = pixelAt(pixels, 58, y);
            EXPECT_TRUE(left[0] == 255 && left[1] == 0 && left[2] == 0) << indexSize << " at row " << y;
            EXPECT_TRUE(right[0] == 0 && right[1] == 0 && right[2] == 0) << indexSize << " at row " << y;
        }
    }
}

TEST_F(OpenGLModelTest, TextureCoordinatesReachTheirTextureUnit) {
    // The texture holds red | green and the coordinates pick green; a unit that received no coordinates
    // would sample its unset coordinate and show red. Without multitexture, unit 0 is the only one.
    const GLenum unit = GL_ARB_multitexture_supported ? GL_TEXTURE1_ARB : GL_TEXTURE0_ARB;
    const uint8_t texels[8] = {255, 0, 0, 255, 0, 255, 0, 255};
    GLuint texture = 0;
    if (GL_ARB_multitexture_supported)
        glActiveTextureARB(unit);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glEnable(GL_TEXTURE_2D);
    if (GL_ARB_multitexture_supported)
        glActiveTextureARB(GL_TEXTURE0_ARB);

    OpenGLModelList list;
    OpenGLModel* model = static_cast<OpenGLModel*>(list.createModel());
    list.models.add(model);
    model->addAttribute(AttributePosition, AttributeFloat, 2, 0, 0);
    model->addAttribute(AttributeTexCoord, AttributeFloat, 2, 8, 1);
    model->setPrimitive(PrimitiveTriangleStrip);
    setFloatVertices(*model, {-2, -2, 0.75f, 0.5f, 2, -2, 0.75f, 0.5f, -2, 2, 0.75f, 0.5f, 2, 2, 0.75f, 0.5f},
                     4);
    list.uploadAll();
    setUpView();
    list.drawAll();
    std::vector<uint8_t> pixels = gl.readPixels();
    list.releaseAll();

    const uint8_t* centre = pixelAt(pixels, 32, 32);
    EXPECT_TRUE(centre[0] == 0 && centre[1] == 255 && centre[2] == 0)
        << int(centre[0]) << " " << int(centre[1]) << " " << int(centre[2]);
    if (GL_ARB_multitexture_supported) {
        glClientActiveTextureARB(GL_TEXTURE1_ARB);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
        glClientActiveTextureARB(GL_TEXTURE0_ARB);
    }
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    expectClientArraysOff();
    glDeleteTextures(1, &texture);
}

TEST_F(OpenGLModelTest, ListMakesOpenGLModelsAndPassesOverOthers) {
    OpenGLModelList list;
    Model* made = list.createModel();
    list.models.add(made);
    EXPECT_NE(dynamic_cast<OpenGLModel*>(made), nullptr);
    // A plain model in the list has nothing to upload or draw.
    Model* plain = new Model();
    plain->addAttribute(AttributePosition, AttributeFloat, 3, 0, 0);
    setFloatVertices(*plain, {0, 0, 0, 1, 0, 0, 0, 1, 0}, 3);
    list.models.add(plain);
    list.uploadAll();
    setUpView();
    list.drawAll();
    list.releaseAll();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(OpenGLModelTest, RefusesToDrawWhatItCannotPointAt) {
    // An attribute past the vertex and indices without data would hand the driver wild pointers.
    OpenGLModelList list;
    OpenGLModel* model = static_cast<OpenGLModel*>(list.createModel());
    list.models.add(model);
    model->addAttribute(AttributePosition, AttributeFloat, 3, 8, 0);
    setFloatVertices(*model, {0, 0, 0, 1, 0, 0, 0, 1, 0}, 3);
    setUpView();
    model->draw();
    model->attributes[0].offset = 0;
    model->setIndices(nullptr, 3, 2);
    model->draw();
    std::vector<uint8_t> pixels = gl.readPixels();
    EXPECT_EQ(pixelAt(pixels, 40, 36)[0], 0);
    expectClientArraysOff();
}

} // namespace
