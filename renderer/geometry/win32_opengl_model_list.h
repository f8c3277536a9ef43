#pragma once

#include "geometry/model_list.h"
#include "geometry/win32_opengl_model.h"

// A model list whose new models are OpenGLModels; the operations pass over any other kind of model.
class OpenGLModelList : public ModelList {
public:
    Model* createModel() override { return new OpenGLModel(); }

    void drawAll();
    void uploadAll();
    void releaseAll();
};
