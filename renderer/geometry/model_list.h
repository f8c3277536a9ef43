#pragma once

#include "geometry/model.h"
#include "util/array.h"

// Owns its models. New models come from createModel, so a derived list makes models of its own flavour.
class ModelList {
public:
    Array<Model*> models;

    ModelList() = default;
    ModelList(const ModelList&) = delete;
    ModelList& operator=(const ModelList&) = delete;
    virtual ~ModelList();
    virtual Model* createModel() { return new Model(); }
};
