#include "geometry/model_list.h"

ModelList::~ModelList() {
    for (uint32_t i = 0; i < models.count; i++)
        delete models[i];
}
