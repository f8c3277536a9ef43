#include "png_writer.h"
#include "saver/command/settings_choice.h"
#include "saver/command/win32_morvex_p.h"
#include "saver/forms/win32_program.h"
#include "saver/settings.h"
#include "saver/win32_ini_file.h"
#include "win32_person.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

using namespace Morvex;

namespace {

// Where the screenshots go for people to look at.
std::string ShotPath(const char* name) {
    const std::string folder = std::string(ZANDREL_OUT_DIR) + "/settings-dialog";
    CreateDirectoryA(ZANDREL_OUT_DIR, nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "/" + name + ".png";
}

// The dialog with no settings file, opened the way the saver opens it and driven with the real pointer
// and keyboard; its settings go to a file of the test's own.
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
        open();
    }
    void TearDown() override {
        if (dialog.loaded())
            dialog.unload();
        Forms::DoEvents();
        DeleteFileA(file.c_str());
    }
    void open() {
        dialog.load();
        dialog.show();
        SetForegroundWindow(dialog.hwnd());
        Person::Settle();
    }

    // Windowless controls are hit through their container's window.
    static POINT pointOn(const Forms::Control& control) {
        if (control.window())
            return Person::ScreenPoint(control.window(), control.width() / 2, control.height() / 2);
        return Person::ScreenPoint(control.container().hwnd(), control.left() + 4, control.top() + 4);
    }
    static void click(const Forms::Control& control) { Person::Click(pointOn(control)); }
    // Into the edit field at the left of the box, then the keys.
    void typeRepeat(const std::wstring& text) {
        Person::Click(Person::ScreenPoint(dialog.BGM_Repeat->window(), 6, dialog.BGM_Repeat->height() / 2));
        Person::Type(text);
    }
    void clickSet() {
        click(*dialog.Cmd_Set);
        Person::WaitFor([this] { return !dialog.loaded(); }, 2000);
    }

    // The profile functions drop the leading blank of the stored numbers when reading.
    std::string stored(const char* key) const {
        return Morvex_B::ReadIniValue(Morvex_B::SettingsSection, key, file);
    }
    bool marked(int kind) const { return dialog.Img_BGM[kind]->picture() == dialog.Img_Ra[1]->picture(); }
    bool repeatEnabled() const { return IsWindowEnabled(dialog.BGM_Repeat->window()) != FALSE; }

    ScreenShot shoot(const char* name) {
        Person::Settle();
        const ScreenShot shot = CaptureWindow(dialog.hwnd());
        EXPECT_TRUE(WritePngFile(ShotPath(name), shot.width, shot.height, shot.rgb.data())) << name;
        return shot;
    }
    // A client point of a window, as a point of the dialog's screenshot.
    POINT inShot(HWND window, int x, int y) const {
        const POINT screen = Person::ScreenPoint(window, x, y);
        RECT frame{};
        GetWindowRect(dialog.hwnd(), &frame);
        return POINT{screen.x - frame.left, screen.y - frame.top};
    }
    // Rows of one column left of every control: the gradient as painted, |sin| * 220 a row.
    void expectGradient(const ScreenShot& shot, HWND window, int height, bool grey) {
        int wrong = 0;
        for (int y = 0; y < height; ++y) {
            const POINT at = inShot(window, 3, y);
            const int d = GradientShade(y, height);
            const COLORREF want = grey ? RGB(d + 30, d + 30, d + 30) : RGB(d, d, d + 30);
            if (shot.at(at.x, at.y) != want && wrong++ < 3)
                ADD_FAILURE() << (grey ? "panel" : "form") << " row " << y << ": " << std::hex
                              << shot.at(at.x, at.y) << " not " << want;
        }
        EXPECT_EQ(wrong, 0);
    }
    // The frame's corners and edge middles that the dialog's client area shows (its fixed outer size
    // cuts off the bottom of the two lower buttons).
    void expectFrame(const ScreenShot& shot, const Command& button, COLORREF edge) {
        const int w = button.width(), h = button.height();
        const POINT points[] = {{0, 0},     {w - 1, 0}, {0, h - 1},     {w - 1, h - 1},
                                {w / 2, 0}, {0, h / 2}, {w - 1, h / 2}, {w / 2, h - 1}};
        RECT client{};
        GetClientRect(dialog.hwnd(), &client);
        int checked = 0;
        for (const POINT& p : points) {
            POINT onDialog = Person::ScreenPoint(button.window(), p.x, p.y);
            ScreenToClient(dialog.hwnd(), &onDialog);
            if (!PtInRect(&client, onDialog))
                continue;
            const POINT at = inShot(button.window(), p.x, p.y);
            EXPECT_EQ(shot.at(at.x, at.y), edge) << button.caption() << " at " << p.x << "," << p.y;
            ++checked;
        }
        EXPECT_GE(checked, 5) << button.caption();
    }
};

const COLORREF DarkBlue = RGB(0, 60, 116), Grey = RGB(160, 160, 160);

} // namespace

TEST_F(Dialog, OpensWithNoMusicChosenAndItsGradientsAndFramesPainted) {
    EXPECT_EQ(GetWindowTextLengthW(dialog.hwnd()), 9);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));
    EXPECT_FALSE(marked(2));
    EXPECT_EQ(dialog.BGM_Repeat->text(), "");
    EXPECT_FALSE(repeatEnabled());
    EXPECT_FALSE(dialog.Cmd_File->machine().enabled());
    EXPECT_EQ(dialog.lbl_Fname->text(), "");
    EXPECT_EQ(dialog.BGM_Repeat->itemCount(), 31);
    EXPECT_EQ(dialog.Cmd_Set->machine().mode(), 1) << "buttons initialised at load";
    EXPECT_EQ(dialog.widthTwips(), 7440);

    const ScreenShot shot = shoot("none");
    ASSERT_GT(shot.width, 0);
    expectGradient(shot, dialog.hwnd(), dialog.clientHeight(), false);
    expectGradient(shot, dialog.Pic_C->hwnd(), dialog.Pic_C->clientHeight(), true);
    expectFrame(shot, *dialog.Cmd_Set, DarkBlue);
    expectFrame(shot, *dialog.Cmd_Can, DarkBlue);
    expectFrame(shot, *dialog.Cmd_File, Grey);
}

TEST_F(Dialog, CdByItsLabelThenSevenIsStored) {
    click(*dialog.lbl_BGM[1]);
    EXPECT_TRUE(marked(1));
    EXPECT_FALSE(marked(0));
    EXPECT_TRUE(repeatEnabled());
    EXPECT_FALSE(dialog.Cmd_File->machine().enabled());
    typeRepeat(L"7");
    EXPECT_EQ(dialog.BGM_Repeat->text(), "7");
    shoot("cd");
    clickSet();
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(stored(Morvex_B::KeyBgmKind), "1");
    EXPECT_EQ(stored(Morvex_B::KeyBgmRepeatTrack), "7");
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), "");
}

// One dialog object opened and closed again for each text, as a person reopening the settings would.
TEST_F(Dialog, RepeatTextsThatAreNoTrackStoreZero) {
    const wchar_t* const texts[] = {L"abc", L"", L"99999"};
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(testing::Message() << "text of " << wcslen(text) << " characters");
        ASSERT_TRUE(dialog.loaded());
        click(*dialog.Img_BGM[1]);
        ASSERT_TRUE(repeatEnabled());
        typeRepeat(text);
        EXPECT_EQ(dialog.BGM_Repeat->text().size(), wcslen(text)) << "the box scrolls to take every digit";
        clickSet();
        ASSERT_FALSE(dialog.loaded());
        EXPECT_EQ(stored(Morvex_B::KeyBgmKind), "1");
        EXPECT_EQ(stored(Morvex_B::KeyBgmRepeatTrack), "0");
        Morvex_B::BgmRepeatTrack = 0;
        open();
    }
}

TEST_F(Dialog, FileChoiceWithoutAFileAndACancelledOpenFileDialog) {
    click(*dialog.lbl_BGM[2]);
    EXPECT_TRUE(marked(2));
    EXPECT_TRUE(dialog.Cmd_File->machine().enabled());
    EXPECT_FALSE(repeatEnabled());
    const ScreenShot shot = shoot("file");
    expectFrame(shot, *dialog.Cmd_File, DarkBlue);

    // The real open-file dialog, cancelled with Escape from the keyboard once it shows.
    dialog.chooseFile = OpenMusicFileDialog;
    std::atomic<bool> seen{false}, forced{false};
    std::thread person([&] {
        const wchar_t* const title = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";
        HWND picker = nullptr;
        for (int i = 0; i < 300 && !picker; ++i, Sleep(50))
            picker = FindWindowW(nullptr, title);
        if (!picker)
            return;
        seen = true;
        Sleep(300);
        SetForegroundWindow(picker);
        Person::PressKey(VK_ESCAPE);
        for (int i = 0; i < 40 && IsWindow(picker); ++i)
            Sleep(50);
        if (IsWindow(picker)) { // the keys went elsewhere: its Cancel button, then
            forced = true;
            PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        }
    });
    click(*dialog.Cmd_File);
    person.join();
    EXPECT_TRUE(seen) << "an open-file dialog titled as the saver's";
    EXPECT_FALSE(forced) << "Escape cancels it";
    EXPECT_EQ(dialog.lbl_Fname->text(), "") << "a cancelled pick changes nothing";
    EXPECT_EQ(Morvex_B::BgmFile, "");
    clickSet();
    EXPECT_EQ(stored(Morvex_B::KeyBgmKind), "2");
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), "");
}

TEST_F(Dialog, PickedFileIsShownAndStored) {
    click(*dialog.Img_BGM[2]);
    pickAnswer = true;
    pickPath = "C:\\Music\\song.mp3";
    click(*dialog.Cmd_File);
    EXPECT_EQ(filePicks, 1);
    EXPECT_EQ(dialog.lbl_Fname->text(), pickPath);
    EXPECT_EQ(Morvex_B::BgmFolder, "C:\\Music");
    shoot("file-picked");
    clickSet();
    EXPECT_EQ(stored(Morvex_B::KeyBgmFile), pickPath);
}

TEST_F(Dialog, CancelWritesNothing) {
    click(*dialog.lbl_BGM[1]);
    typeRepeat(L"5");
    click(*dialog.Cmd_Can);
    EXPECT_TRUE(Person::WaitFor([this] { return !dialog.loaded(); }, 2000));
    EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}
