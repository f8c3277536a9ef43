#include "opengl/pixel_format_request.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> attributesFor(const PixelFormatRequest& request, bool multisample) {
    int attributes[PIXEL_FORMAT_ATTRIBUTE_CAPACITY];
    int count = buildPixelFormatAttributes(request, multisample, attributes);
    return std::vector<int>(attributes, attributes + count);
}

TEST(PixelFormatRequest, DefaultsAskForTrueColourDepthAndNothingElse) {
    PixelFormatRequest request;
    getDefaultPixelFormat(request);
    EXPECT_EQ(8, request.redBits);
    EXPECT_EQ(8, request.greenBits);
    EXPECT_EQ(8, request.blueBits);
    EXPECT_EQ(8, request.alphaBits);
    EXPECT_EQ(24, request.depthBits);
    EXPECT_EQ(0, request.stencilBits);
    EXPECT_EQ(0, request.samples);
}

TEST(PixelFormatRequest, AttributeListOrderAndSampleCondition) {
    PixelFormatRequest request = {5, 6, 7, 1, 16, 8, 0};
    const std::vector<int> plain = {0x2001, 1, 0x2003, 0x2027, 0x2011, 1,  0x2015, 5, 0x2017, 6,
                                    0x2019, 7, 0x201B, 1,      0x2022, 16, 0x2023, 8, 0};
    // No samples requested: never the sample attributes, with or without the extension.
    EXPECT_EQ(plain, attributesFor(request, false));
    EXPECT_EQ(plain, attributesFor(request, true));

    request.samples = 4;
    EXPECT_EQ(plain, attributesFor(request, false));
    std::vector<int> multisampled(plain.begin(), plain.end() - 1);
    multisampled.insert(multisampled.end(), {0x2041, 1, 0x2042, 4, 0});
    EXPECT_EQ(multisampled, attributesFor(request, true));
}

} // namespace
