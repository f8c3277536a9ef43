#include "geometry/win32_opengl_model_list.h"

namespace {

OpenGLModel* asOpenGLModel(Model* model) {
    return dynamic_cast<OpenGLModel*>(model);
}

} // namespace

void OpenGLModelList::drawAll() {
    for (uint32_t i = 0; i < models.count; i++) {
        if (OpenGLModel* model = asOpenGLModel(models[i]))
            model->draw();
    }
}

void OpenGLModelList::uploadAll() {
    for (uint32_t i = 0; i < models.count; i++) {
        if (OpenGLModel* model = asOpenGLModel(models[i]))
            model->upload();
    }
}

void OpenGLModelList::releaseAll() {
    for (uint32_t i = 0; i < models.count; i++) {
        if (OpenGLModel* model = asOpenGLModel(models[i]))
            model->release();
    }
}
