#include "framework/frame_clock.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Reply {
    bool result;
    std::string text;
};

Reply run(App& app, const char* line, const char* before = "") {
    app.commandLine.assign(line);
    String reply(before);
    bool result = app.processCommand(reply);
    return Reply{result, reply.getText()};
}

std::string position(const App& app) {
    return std::to_string(app.position.x) + " " + std::to_string(app.position.y) + " " +
           std::to_string(app.position.z);
}

} // namespace

TEST(Console, InspectsTheCameraAndTheWindow) {
    TestApp app;
    app.position = vec3(1.5f, -2, 1e20f);
    app.wx = 0.25f;
    app.wy = 0;
    app.wz = -3;
    width = 1024;
    height = 768;
    struct Case {
        const char* line;
        const char* before;
        bool result;
        const char* reply;
    } cases[] = {
        {"", "", true, "No command given"},      {"   \t ", "x: ", true, "x: No command given"},
        {"pos", "", true, "1.5, -2, 1e+20"},     {"POS", "> ", true, "> 1.5, -2, 1e+20"},
        {"Angles", "", true, "0.25, 0, -3"},     {"width", "w=", true, "w=1024"},
        {"height extra words", "", true, "768"}, {"teleport 1 2 3", "kept", false, "kept"},
        {"123", "kept", false, "kept"},
    };
    for (const auto& c : cases) {
        Reply r = run(app, c.line, c.before);
        EXPECT_EQ(r.result, c.result) << c.line;
        EXPECT_EQ(r.text, c.reply) << c.line;
    }
}

TEST(Console, SetposAcceptsBlanksCommasAndSigns) {
    struct Case {
        const char* line;
        float x, y, z;
    } cases[] = {
        {"setpos 1 2 3", 1, 2, 3},
        {"setpos 1, 2, 3", 1, 2, 3},
        {"setpos -1,-2,-3", -1, -2, -3},
        {"SETPOS 1.5.7 -0.25 ,4", 1.5f, -0.25f, 4},
        {"setpos 10,-20 30 trailing", 10, -20, 30},
    };
    for (const auto& c : cases) {
        TestApp app;
        Reply r = run(app, c.line, "before");
        EXPECT_TRUE(r.result) << c.line;
        EXPECT_EQ(r.text, "before") << c.line;
        EXPECT_EQ(app.position.x, c.x) << c.line;
        EXPECT_EQ(app.position.y, c.y) << c.line;
        EXPECT_EQ(app.position.z, c.z) << c.line;
    }
}

TEST(Console, TooFewArgumentsKeepsTheValuesAlreadySet) {
    struct Case {
        const char* line;
        const char* expected;
    } cases[] = {
        {"setpos", "9.000000 9.000000 9.000000"},         {"setpos 1", "1.000000 9.000000 9.000000"},
        {"setpos 1 2", "1.000000 2.000000 9.000000"},     {"setpos 1,", "1.000000 9.000000 9.000000"},
        {"setpos 1, 2, -", "1.000000 2.000000 9.000000"}, {"setpos -", "9.000000 9.000000 9.000000"},
    };
    for (const auto& c : cases) {
        TestApp app;
        app.position = vec3(9, 9, 9);
        Reply r = run(app, c.line, "replaced");
        EXPECT_FALSE(r.result) << c.line;
        EXPECT_EQ(r.text, "Too few arguments") << c.line;
        EXPECT_EQ(position(app), c.expected) << c.line;
    }
    TestApp app;
    Reply r = run(app, "setangles 0.5 -1");
    EXPECT_FALSE(r.result);
    EXPECT_EQ(r.text, "Too few arguments");
    EXPECT_EQ(app.wx, 0.5f);
    EXPECT_EQ(app.wy, -1.0f);
    EXPECT_EQ(app.wz, 0.0f);
    EXPECT_TRUE(run(app, "setangles 1,2,3").result);
    EXPECT_EQ(app.wz, 3.0f);
}

TEST(Console, Setspeed) {
    TestApp app;
    EXPECT_TRUE(run(app, "setspeed 12.5").result);
    EXPECT_EQ(app.speed, 12.5f);
    // No sign handling: the lone minus sign reads as 0.
    EXPECT_TRUE(run(app, "setspeed -5").result);
    EXPECT_EQ(app.speed, 0.0f);
    app.speed = 3;
    Reply r = run(app, "setspeed");
    EXPECT_FALSE(r.result);
    EXPECT_EQ(r.text, "Too few arguments");
    EXPECT_EQ(app.speed, 3.0f);
}

TEST(Console, RepliesStayShortForExtremeValues) {
    TestApp app;
    // Numbers have no exponent form: long digit runs stand for big values.
    std::string big =
        "setpos 1" + std::string(38, '0') + " -1" + std::string(38, '0') + " 123456789012345678901234567890";
    EXPECT_TRUE(run(app, big.c_str()).result);
    Reply r = run(app, "pos");
    EXPECT_EQ(r.text, "1e+38, -1e+38, 1.23457e+29");
    std::string huge = "setpos " + std::string(5000, '9') + " 1 2";
    EXPECT_TRUE(run(app, huge.c_str()).result);
    r = run(app, "pos");
    EXPECT_LT(r.text.size(), 64u);
    EXPECT_EQ(r.text, "inf, 1, 2");
}
