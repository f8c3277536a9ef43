#include "geometry/model_list.h"
#include "geometry/sphere_mesh.h"

#include <gtest/gtest.h>

namespace {

int destroyed = 0;

struct CountedModel : Model {
    ~CountedModel() override { destroyed++; }
};

struct CountedList : ModelList {
    int created = 0;
    Model* createModel() override {
        created++;
        return new CountedModel();
    }
};

TEST(ModelList, MakesModelsThroughItsFactoryAndDeletesThemVirtually) {
    destroyed = 0;
    {
        CountedList list;
        ModelList& base = list;
        base.models.add(base.createModel());
        ASSERT_NE(buildSphereModel(base), nullptr);
        EXPECT_EQ(list.created, 2);
        EXPECT_EQ(list.models.count, 2u);
        EXPECT_NE(dynamic_cast<CountedModel*>(list.models[1]), nullptr);
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(ModelList, PlainListMakesEmptyModels) {
    ModelList list;
    Model* model = list.createModel();
    list.models.add(model);
    EXPECT_EQ(model->vertices, nullptr);
    EXPECT_EQ(model->indices, nullptr);
    EXPECT_EQ(model->vertexCount, 0u);
    EXPECT_EQ(model->attributes.count, 0u);
}

} // namespace
