#include "saver/command/win32_morvex_p.h"
#include "saver/forms/win32_program.h"
#include "saver/settings.h"
#include "saver/win32_ini_file.h"

#include <gtest/gtest.h>

#include <string>

using namespace Morvex;

namespace {

// The dialog with no settings file, opened the way the saver opens it; its settings go to a file of
// the test's own.
struct Dialog : ::testing::Test {
    Morvex_P dialog;
    std::string file;
    int filePicks = 0;
    bool pickAnswer = false;
    std::string pickPath;

    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        file = std::string(temp) + "command_dialog_test.ini";
        DeleteFileA(file.c_str());
        Morvex_B::BgmKind = 0;
        Morvex_B::BgmRepeatTrack = 0;
        Morvex_B::BgmFile.clear();
        Morvex_B::BgmFolder.clear();
        dialog.settingsFile = file;
        dialog.chooseFile = [this](HWND, std::string& path) {
            ++filePicks;
            path = pickPath;
            return pickAnswer;
        };
        dialog.load();
        dialog.show();
        Forms::DoEvents();
    }
    void TearDown() override {
        if (dialog.loaded())
            dialog.unload();
        Forms::DoEvents();
        DeleteFileA(file.c_str());
    }
    // A press and release of the left button at a point of a window, as a person's click arrives.
    static void clickAt(HWND window, int x, int y) {
        const LPARAM at = MAKELPARAM(x, y);
        SendMessageW(window, WM_MOUSEMOVE, 0, at);
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, 0, at);
        Forms::DoEvents();
    }
    static void clickControl(const Forms::Control& control) {
        clickAt(control.window() ? control.window() : control.container().hwnd(),
                control.window() ? 5 : control.left() + 3, control.window() ? 5 : control.top() + 3);
    }
    void type(const char* text) {
        HWND edit = FindWindowExW(dialog.BGM_Repeat->window(), nullptr, L"Edit", nullptr);
        ASSERT_NE(edit, nullptr);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SendMessageW(edit, WM_CLEAR, 0, 0);
        for (const char* c = text; *c; ++c)
            SendMessageW(edit, WM_CHAR, (WPARAM)*c, 1);
    }
    // The profile functions drop the leading blank of the stored numbers when reading.
    std::string stored(const char* key) const {
        return Morvex_B::ReadIniValue(Morvex_B::SettingsSection, key, file);
    }
    bool marked(int kind) const { return dialog.Img_BGM[kind]->picture() == dialog.Img_Ra[1]->picture(); }
};

} // namespace

TEST_F(Dialog, OpensWithNoMusicChosen) {
    EXPECT_EQ(GetWindowTextLengthW(dialog.hwnd()), 9);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));
    EXPECT_FALSE(marked(2));
    EXPECT_EQ(dialog.BGM_Repeat->text(), "");
    EXPECT_FALSE(IsWindowEnabled(dialog.BGM_Repeat->window()));
    EXPECT_FALSE(dialog.Cmd_File->machine().enabled());
    EXPECT_EQ(dialog.lbl_Fname->text(), "");
    EXPECT_EQ(dialog.BGM_Repeat->itemCount(), 31);
    EXPECT_EQ(dialog.Cmd_Set->machine().mode(), 1) << "buttons initialised at load";
    EXPECT_EQ(dialog.widthTwips(), 7440);
}

TEST_F(Dialog, CdByItsLabelThenSevenIsStored) {
    clickControl(*dialog.lbl_BGM[1]);
    EXPECT_TRUE(marked(1));
    EXPECT_TRUE(IsWindowEnabled(dialog.BGM_Repeat->window()));
    type("7");
    clickControl(*dialog.Cmd_Set);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(stored(Morvex_B::KeyBgmKind), "1");
    EXPECT_EQ(stored(Morvex_B::KeyBgmRepeatTrack), "7");
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), "");
}

// Empty and out-of-range texts are in the portable table of the repeat box's texts.
TEST_F(Dialog, RepeatTextThatIsNoNumberStoresZero) {
    clickControl(*dialog.Img_BGM[1]);
    type("abc");
    clickControl(*dialog.Cmd_Set);
    EXPECT_EQ(stored(Morvex_B::KeyBgmRepeatTrack), "0");
}

TEST_F(Dialog, FileChoiceWithoutAFileAndACancelledPick) {
    clickControl(*dialog.lbl_BGM[2]);
    EXPECT_TRUE(dialog.Cmd_File->machine().enabled());
    EXPECT_FALSE(IsWindowEnabled(dialog.BGM_Repeat->window()));
    clickControl(*dialog.Cmd_File);
    EXPECT_EQ(filePicks, 1);
    EXPECT_EQ(dialog.lbl_Fname->text(), "") << "a cancelled pick changes nothing";
    EXPECT_EQ(Morvex_B::BgmFile, "");
    clickControl(*dialog.Cmd_Set);
    EXPECT_EQ(stored(Morvex_B::KeyBgmKind), "2");
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), "");
}

TEST_F(Dialog, PickedFileIsShownAndStored) {
    clickControl(*dialog.Img_BGM[2]);
    pickAnswer = true;
    pickPath = "C:\\Music\\song.mp3";
    clickControl(*dialog.Cmd_File);
    EXPECT_EQ(dialog.lbl_Fname->text(), pickPath);
    EXPECT_EQ(Morvex_B::BgmFolder, "C:\\Music");
    clickControl(*dialog.Cmd_Set);
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), pickPath);
}

TEST_F(Dialog, CancelWritesNothing) {
    clickControl(*dialog.lbl_BGM[1]);
    clickControl(*dialog.Cmd_Can);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}
