#include "framework/frame_clock.h"
#include "framework/settings.h"
#include "support/test_data.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string run(App& app, const std::string& line) {
    app.commandLine.assign(line.c_str());
    String reply;
    app.processCommand(reply);
    return reply.getText();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string recordBytes(const std::vector<DemoRecord>& records) {
    return std::string(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(DemoRecord));
}

} // namespace

TEST(Demo, RecordingWritesOneRecordPerCameraChange) {
    setDefaultSettings();
    std::string path = scratchPath("recorded.dem");
    TestApp app;
    EXPECT_EQ(run(app, "demostop"), "No demo active");
    EXPECT_EQ(run(app, "demorec"), "No filename specified");
    EXPECT_EQ(run(app, "demorec " + path), "Demo recording initialized");
    EXPECT_TRUE(app.recording);
    EXPECT_EQ(run(app, "demorec " + path), "Demo already being recorded");
    EXPECT_EQ(run(app, "demoplay " + path), "Stop demo recording first");

    frameTime = 0.25f;
    app.speed = 4;
    app.position = vec3(5, 6, 7);
    app.controls(); // a change: one record
    app.controls(); // still camera: nothing
    app.onKey(39, true);
    app.controls(); // moved one unit right
    app.onKey(39, false);
    app.wz = 2;
    app.controls();
    app.controls();
    EXPECT_EQ(run(app, "DemoStop"), "Demo recording stopped");
    EXPECT_FALSE(app.recording);
    EXPECT_EQ(app.demoFile, nullptr);

    EXPECT_EQ(readFile(path), recordBytes({{5, 6, 7, 0, 0, 0}, {6, 6, 7, 0, 0, 0}, {6, 6, 7, 0, 0, 2}}));

    // The recorder remembers the last record across recordings: an unchanged camera writes nothing.
    std::string second = scratchPath("second.dem");
    EXPECT_EQ(run(app, "demorec " + second + "\r\n"), "Demo recording initialized");
    app.controls();
    EXPECT_EQ(run(app, "demostop"), "Demo recording stopped");
    EXPECT_EQ(readFile(second), "");
}

TEST(Demo, PlaybackLoopsAndLogsEveryFrame) {
    std::string path = scratchPath("three.dem");
    writeFile(path, recordBytes({{1, 2, 3, 0.1f, 0.2f, 0.3f}, {4, 5, 6, 0, 0, 0}, {7, 8, 9, -1, -2, -3}}) +
                        "extra"); // a partial record is ignored
    std::remove("demo.log");
    TestApp app;
    EXPECT_EQ(run(app, "demoplay " + path), "Demo play initialized");
    EXPECT_TRUE(app.playing);
    EXPECT_EQ(app.demoRecordCount, 3u);

    float xs[7];
    float times[7] = {0.5f, 0.25f, 1.0f / 3.0f, 2.0f, 0.001f, 0, 10};
    for (int i = 0; i < 7; i++) {
        frameTime = times[i];
        app.onKey(38, true); // keys do not move a played camera
        app.controls();
        xs[i] = app.position.x;
    }
    EXPECT_EQ(app.wz, 0.3f); // the seventh frame is record 0 again
    float expected[7] = {1, 4, 7, 1, 4, 7, 1};
    for (int i = 0; i < 7; i++)
        EXPECT_EQ(xs[i], expected[i]) << i;
    EXPECT_EQ(run(app, "demostop"), "Demo play stopped");
    EXPECT_FALSE(app.playing);
    EXPECT_EQ(readFile("demo.log"), "[Beginning of demo]\r\n0.500000\r\n0.250000\r\n0.333333\r\n"
                                    "[Beginning of demo]\r\n2.000000\r\n0.001000\r\n0.000000\r\n"
                                    "[Beginning of demo]\r\n10.000000\r\n");
    EXPECT_EQ(run(app, "demostop"), "No demo active");
}

TEST(Demo, BadDemoFiles) {
    TestApp app;
    EXPECT_EQ(run(app, "demoplay"), "No filename specified");
    EXPECT_EQ(run(app, "demoplay " + scratchPath("missing.dem")), "Error playing demo");
    EXPECT_FALSE(app.playing);
    EXPECT_EQ(run(app, "demorec " + scratchPath("no-such-folder/x.dem")), "Error recording demo");
    EXPECT_FALSE(app.recording);

    // Shorter than one record: plays, but has nothing to apply.
    std::string shortFile = scratchPath("short.dem");
    writeFile(shortFile, std::string(23, '\x7f'));
    EXPECT_EQ(run(app, "demoplay " + shortFile), "Demo play initialized");
    EXPECT_EQ(app.demoRecordCount, 0u);
    app.position = vec3(1, 1, 1);
    frameTime = 0.5f;
    app.controls();
    app.controls();
    EXPECT_EQ(app.position.x, 1.0f);
    EXPECT_EQ(run(app, "demostop"), "Demo play stopped");
    EXPECT_EQ(readFile("demo.log"), "[Beginning of demo]\r\n0.500000\r\n[Beginning of demo]\r\n0.500000\r\n");

    // A second playback while one runs replaces it; a failing one ends it and has freed the records.
    std::string one = scratchPath("one.dem");
    writeFile(one, recordBytes({{3, 3, 3, 0, 0, 0}}));
    EXPECT_EQ(run(app, "demoplay " + one), "Demo play initialized");
    EXPECT_EQ(run(app, "demoplay " + one), "Demo play initialized");
    EXPECT_EQ(run(app, "demoplay " + scratchPath("missing.dem")), "Error playing demo");
    EXPECT_FALSE(app.playing);
    EXPECT_EQ(app.demoRecordCount, 0u);
    EXPECT_EQ(app.demoRecords, nullptr);
    EXPECT_EQ(app.demoFile, nullptr);

    // Recording during a playback ends the playback: the two share one file slot.
    EXPECT_EQ(run(app, "demoplay " + one), "Demo play initialized");
    EXPECT_EQ(run(app, "demorec " + scratchPath("during.dem")), "Demo recording initialized");
    EXPECT_FALSE(app.playing);
    EXPECT_TRUE(app.recording);
    // The destructor closes the open recording.
}
