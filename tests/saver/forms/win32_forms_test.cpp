#include "saver/forms/win32_combo_box.h"
#include "saver/forms/win32_form.h"
#include "saver/forms/win32_picture_box.h"
#include "saver/forms/win32_program.h"
#include "saver/forms/win32_timer.h"
#include "saver/forms/win32_user_control.h"
#include "saver/forms/win32_windowless.h"

#include "support/test_data.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace Forms;

namespace {

class EventForm : public Form {
public:
    std::vector<std::string> events;
    bool cancelQuery = false;

protected:
    void loadEvent() override { events.push_back("load"); }
    void queryUnloadEvent(bool& cancel, UnloadReason reason) override {
        events.push_back(reason == UnloadReason::ControlMenu ? "query:menu" : "query:code");
        cancel = cancelQuery;
    }
    void unloadEvent(bool&) override { events.push_back("unload"); }
    void resizeEvent() override { events.push_back("resize"); }
};

// Runs the event loop until done() or the time is up.
template <typename Done> bool pumpUntil(Done done, DWORD milliseconds = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        DoEvents();
        Sleep(1);
    }
    return true;
}

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int32_t read32(const std::vector<uint8_t>& bytes, size_t at) {
    return (int32_t)(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | (uint32_t)bytes[at + 3] << 24);
}

// The B, G, R bytes of pixel (x, y) of a 24-bit bottom-up BMP file.
COLORREF bmpPixel(const std::vector<uint8_t>& file, int x, int y) {
    const int width = read32(file, 18), height = read32(file, 22);
    const size_t row = ((size_t)width * 3 + 3) & ~(size_t)3;
    const uint8_t* p = file.data() + 54 + row * (size_t)(height - 1 - y) + (size_t)x * 3;
    return RGB(p[2], p[1], p[0]);
}

std::vector<uint8_t> solid(int width, int height, COLORREF colour) {
    std::vector<uint8_t> pixels((size_t)width * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = GetBValue(colour);
        pixels[i + 1] = GetGValue(colour);
        pixels[i + 2] = GetRValue(colour);
    }
    return pixels;
}

} // namespace

TEST(Form, LoadShowAndUnloadRunTheirEventsInOrder) {
    EventForm form;
    form.caption = "Zandrel forms test";
    form.borderStyle = BorderStyle::None;
    form.showInTaskbar = false;
    const int before = LoadedFormCount();
    form.load();
    ASSERT_TRUE(form.loaded());
    EXPECT_EQ(LoadedFormCount(), before + 1);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(FindWindowA(nullptr, "Zandrel forms test"), form.hwnd()) << "found by its title while hidden";
    EXPECT_EQ(GetWindowLongA(form.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_NE(GetWindow(form.hwnd(), GW_OWNER), nullptr) << "kept out of the task bar by a hidden owner";

    form.show();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    form.cancelQuery = true;
    SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.loaded()) << "query-unload cancelled";
    form.cancelQuery = false;
    HWND window = form.hwnd();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(LoadedFormCount(), before);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"load", "resize", "query:menu", "query:menu", "unload"}));
    EXPECT_EQ(FindWindowA(nullptr, "Zandrel forms test"), nullptr);
}

TEST(Form, SizesInTwipsAndFixedBorder) {
    EventForm form;
    form.borderStyle = BorderStyle::FixedSingle;
    form.minButton = form.maxButton = false;
    form.load();
    form.setBoundsTwips(150, 300, 7440, 3645);
    const RECT bounds = form.bounds();
    const int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    EXPECT_EQ(bounds.left, 150 / tx);
    EXPECT_EQ(bounds.right - bounds.left, 7440 / tx);
    EXPECT_EQ(bounds.bottom - bounds.top, (3645 + ty / 2) / ty);
    const LONG style = GetWindowLongA(form.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(style & WS_CAPTION, 0);
    form.unload();
    EXPECT_EQ(form.events.back(), "unload");
}

TEST(Form, ShowModalReturnsWhenTheFormIsUnloaded) {
    EventForm other;
    other.load();
    EventForm dialog;
    dialog.caption = "modal";
    Timer closer;
    bool otherWasDisabled = false;
    closer.setInterval(30);
    closer.onTick = [&] {
        otherWasDisabled = !IsWindowEnabled(other.hwnd());
        closer.setEnabled(false);
        dialog.unload();
    };
    closer.setEnabled(true);
    dialog.showModal();
    EXPECT_FALSE(dialog.loaded());
    EXPECT_TRUE(otherWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(other.hwnd()));
    other.unload();
}

TEST(PictureBox, HiddenAutoRedrawImageTakesTheScreenAndSavesAs24BitBmp) {
    EventForm form;
    form.borderStyle = BorderStyle::None;
    form.load();
    const int width = ScreenWidthPixels(), height = ScreenHeightPixels();
    form.setBounds(0, 0, width, height);
    PictureBox display(form);
    display.setAutoRedraw(true);
    display.setVisible(false);
    display.setBackColour(RGB(0, 0, 0));
    display.move(0, 0, form.clientWidth(), form.clientHeight());
    ASSERT_EQ(display.imageWidth(), width);
    ASSERT_EQ(display.imageHeight(), height);

    HDC screen = GetDC(GetDesktopWindow());
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    RECT patch = {0, 0, 8, 8};
    FillRect(screen, &patch, brush); // a known colour on the real screen
    DeleteObject(brush);
    EXPECT_TRUE(BitBlt(display.hdc(), 0, 0, width, height, screen, 0, 0, SRCCOPY));
    ReleaseDC(GetDesktopWindow(), screen);
    display.drawLine(20, 20, 30, 20, RGB(255, 0, 0));

    const std::string path = scratchPath("screen.bmp");
    ASSERT_TRUE(display.saveImage(path));
    const std::vector<uint8_t> file = fileBytes(path);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(read32(file, 18), width);
    EXPECT_EQ(read32(file, 22), height);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(bmpPixel(file, 3, 3), RGB(10, 200, 30));
    EXPECT_EQ(bmpPixel(file, 20, 20), RGB(255, 0, 0));
    EXPECT_EQ(bmpPixel(file, 29, 20), RGB(255, 0, 0));
    EXPECT_NE(bmpPixel(file, 30, 20), RGB(255, 0, 0)) << "the line stops before its end point";
    form.unload();
    DoEvents();
}

TEST(PictureBox, SizesItselfToItsStoredPicture) {
    EventForm form;
    form.load();
    PictureBox particle(form);
    particle.setAutoRedraw(true);
    particle.setBackColour(RGB(0, 0, 0));
    particle.autoSize = true;
    std::vector<uint8_t> pixels = solid(128, 128, RGB(0, 0, 0));
    pixels[(64 * 128 + 64) * 4 + 2] = 255; // one red pixel in the middle
    particle.setPicture(Picture::fromPixels(128, 128, pixels));
    EXPECT_EQ(particle.width(), 128);
    EXPECT_EQ(particle.height(), 128);
    const std::string path = scratchPath("particle.bmp");
    ASSERT_TRUE(particle.saveImage(path));
    const std::vector<uint8_t> file = fileBytes(path);
    EXPECT_EQ(read32(file, 18), 128);
    EXPECT_EQ(read32(file, 22), 128);
    EXPECT_EQ(bmpPixel(file, 64, 64), RGB(255, 0, 0));
    EXPECT_EQ(bmpPixel(file, 0, 0), RGB(0, 0, 0));
    form.unload();
    DoEvents();
}

TEST(Windowless, ImageDrawsAtItsOwnSizeCutToTheControl) {
    EventForm form;
    form.load();
    ImageControl small(form), large(form);
    small.move(0, 0, 20, 20);
    small.setPicture(Picture::fromPixels(10, 10, solid(10, 10, RGB(255, 0, 0))));
    large.move(30, 0, 10, 10);
    large.setPicture(Picture::fromPixels(40, 40, solid(40, 40, RGB(0, 0, 255))));

    uint8_t* bits = nullptr;
    HBITMAP target = CreateBitmap32(80, 40, &bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    PatBlt(dc, 0, 0, 80, 40, WHITENESS);
    small.paint(dc);
    large.paint(dc);
    GdiFlush();
    EXPECT_EQ(GetPixel(dc, 9, 9), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 15, 15), RGB(255, 255, 255)) << "not stretched";
    EXPECT_EQ(GetPixel(dc, 39, 9), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 45, 5), RGB(255, 255, 255)) << "cut to the control";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
    form.unload();
    DoEvents();
}

TEST(Windowless, LabelGetsItsMouseEventsAndKeepsThemWhileTheButtonIsHeld) {
    EventForm form;
    form.load();
    form.setBounds(0, 0, 300, 200);
    form.show();
    Label label(form);
    label.setText("BGM");
    label.setTransparent(true);
    label.setAlignment(Alignment::Centre);
    label.move(10, 10, 50, 20);
    Shape frame(form);
    frame.move(5, 5, 60, 30);

    std::vector<std::string> seen;
    label.onMouseDown = [&](const MouseEvent& e) {
        seen.push_back("label down " + std::to_string(e.button) + " " + std::to_string(e.x) + "," +
                       std::to_string(e.y));
    };
    label.onMouseMove = [&](const MouseEvent&) { seen.push_back("label move"); };
    label.onMouseUp = [&](const MouseEvent& e) { seen.push_back("label up " + std::to_string(e.button)); };
    form.onMouseDown = [&](const MouseEvent& e) { seen.push_back("form down " + std::to_string(e.button)); };

    SendMessageA(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 17));
    SendMessageA(form.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(250, 150));
    SendMessageA(form.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(250, 150));
    SendMessageA(form.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 100));
    SendMessageA(form.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(200, 100));
    label.setEnabled(false);
    SendMessageA(form.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 17));
    SendMessageA(form.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(15, 17));
    EXPECT_EQ(seen, (std::vector<std::string>{"label down 1 5,7", "label move", "label up 1", "form down 2",
                                              "form down 1"}));
    EXPECT_EQ(GetCapture(), nullptr);
    form.unload();
    DoEvents();
}

TEST(ComboBox, IsTheRealEditableComboBox) {
    EventForm form;
    form.load();
    ComboBox combo(form);
    combo.move(10, 10, 41, 20);
    char className[32] = {};
    GetClassNameA(combo.window(), className, sizeof className);
    EXPECT_STREQ(className, "ComboBox");
    EXPECT_NE(GetWindowLongA(combo.window(), GWL_STYLE) & CBS_DROPDOWN, 0);
    combo.addItem("");
    for (int i = 1; i <= 30; i++)
        combo.addItem(std::to_string(i));
    EXPECT_EQ(combo.itemCount(), 31);
    EXPECT_EQ(combo.item(0), "");
    EXPECT_EQ(combo.item(30), "30");
    EXPECT_EQ(combo.item(31), "");
    combo.setText("7");
    EXPECT_EQ(combo.text(), "7");
    combo.setText("abc");
    EXPECT_EQ(combo.text(), "abc");
    combo.setEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(combo.window()));
    form.unload();
    DoEvents();
}

TEST(Timer, TicksWhileEnabledWithAnInterval) {
    Timer timer;
    int ticks = 0;
    timer.onTick = [&] { ticks++; };
    timer.setEnabled(true);
    pumpUntil([] { return false; }, 60);
    EXPECT_EQ(ticks, 0) << "no interval, no ticks";
    timer.setInterval(20);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }));
    timer.setEnabled(false);
    const int stopped = ticks;
    pumpUntil([] { return false; }, 80);
    EXPECT_EQ(ticks, stopped);
}

namespace {

class Button : public UserControl {
public:
    using UserControl::UserControl;
    std::string caption;
    std::vector<std::string> focus;

    void setCaption(const std::string& text) {
        caption = text;
        propertyChanged("Caption");
    }

protected:
    void readPropertiesEvent(const PropertyBag& bag) override {
        caption = bag.readString("Caption", "Command1");
    }
    void writePropertiesEvent(PropertyBag& bag) override {
        if (caption != "Command")
            bag.writeString("Caption", caption);
    }
    void gotFocus() override { focus.push_back("got"); }
    void lostFocus() override { focus.push_back("lost"); }
};

} // namespace

TEST(UserControl, StoresPropertiesAndFollowsTheFocus) {
    EventForm form;
    FontSpec wanted;
    wanted.face = "Tahoma";
    wanted.points = 9.75;
    form.setFont(Font(wanted));
    form.load();
    form.show();
    Button first(form), second(form);
    first.move(10, 10, 77, 25);
    second.move(100, 10, 77, 25);
    EXPECT_EQ(first.ambientFont().getSpec(), wanted);

    PropertyBag bag;
    first.readProperties(bag);
    EXPECT_EQ(first.caption, "Command1");
    first.setCaption("Command");
    first.writeProperties(bag);
    EXPECT_FALSE(bag.contains("Caption"));
    first.setCaption("OK");
    first.writeProperties(bag);
    second.readProperties(bag);
    EXPECT_EQ(second.caption, "OK");
    EXPECT_EQ(first.changedProperties(), (std::vector<std::string>{"Caption", "Caption"}));

    first.setFocus();
    EXPECT_TRUE(first.hasFocus());
    SendMessageA(second.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(second.window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(second.hasFocus()) << "a press takes the focus";
    EXPECT_EQ(first.focus, (std::vector<std::string>{"got", "lost"}));
    EXPECT_EQ(second.focus, (std::vector<std::string>{"got"}));
    form.unload();
    DoEvents();
}

TEST(Program, KnowsItsFolderTheScreenAndStartsPrograms) {
    const std::string folder = ProgramFolder();
    ASSERT_GE(folder.size(), 18u);
    EXPECT_EQ(folder.back() == '\\', false);
    EXPECT_EQ(_stricmp(folder.substr(folder.size() - 18).c_str(), "\\tests\\saver\\forms"), 0) << folder;
    EXPECT_EQ(ScreenWidthPixels(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(ScreenWidthTwips(), ScreenWidthPixels() * TwipsPerPixelX());
    EXPECT_EQ(ScreenHeightTwips(), ScreenHeightPixels() * TwipsPerPixelY());
    EXPECT_EQ(TwipsPerPixelX(), 1440 / 96) << "this display runs at 96 dots per inch";
    EXPECT_EQ(CommandText().find("win32_forms_test"), std::string::npos)
        << "the program's own name is dropped";

    EXPECT_FALSE(StartProgram(folder + "\\no such program.exe"));
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_TRUE(StartProgram(std::string(system) + "\\hostname.exe", 2000));
}

TEST(EventLoop, EndsWithTheLastForm) {
    EventForm form;
    form.load();
    Timer closer;
    closer.setInterval(20);
    closer.onTick = [&] { form.unload(); };
    closer.setEnabled(true);
    RunEventLoop();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(LoadedFormCount(), 0);
}

namespace {

class MarkingForm : public Form {
protected:
    void unloadEvent(bool&) override { std::ofstream(scratchPath("unloaded.txt")) << "unload ran"; }
};

} // namespace

// Run as a child process by EndProgram.EndsTheProcessWithoutUnloadEvents.
TEST(EndProgramChild, EndsAtOnce) {
    if (GetEnvironmentVariableA("ZANDREL_END_CHILD", nullptr, 0) == 0)
        GTEST_SKIP() << "runs only as the child of the end test";
    MarkingForm form;
    form.load();
    EndProgram(7);
}

TEST(EndProgram, EndsTheProcessWithoutUnloadEvents) {
    const std::string marker = scratchPath("unloaded.txt");
    DeleteFileA(marker.c_str());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = std::string("\"") + self + "\" --gtest_filter=EndProgramChild.EndsAtOnce";
    SetEnvironmentVariableA("ZANDREL_END_CHILD", "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    SetEnvironmentVariableA("ZANDREL_END_CHILD", nullptr);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "no unload event ran";
}
