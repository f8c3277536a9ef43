#include "saver/command/command_face.h"
#include "saver/command/win32_command.h"
#include "saver/forms/win32_form.h"
#include "saver/forms/win32_program.h"

#include <gtest/gtest.h>

using namespace Morvex;

namespace {

struct ButtonOnForm : ::testing::Test {
    Forms::Form form;
    Command* button = nullptr;
    int clicks = 0;

    void SetUp() override {
        form.load();
        form.show();
        button = new Command(form);
        button->move(10, 10, 90, 30);
        button->onClick = [this] { ++clicks; };
        Forms::PropertyBag empty;
        button->readProperties(empty);
        button->initialize();
    }
    void TearDown() override {
        delete button;
        form.unload();
        Forms::DoEvents();
    }
    void send(UINT message, WPARAM keys = 0) {
        SendMessageW(button->window(), message, keys, MAKELPARAM(20, 12));
    }
    // B, G, R of the control's image.
    COLORREF pixel(int x, int y) const {
        const uint8_t* p = button->imageBits() + (y * button->imageWidth() + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }
};

} // namespace

TEST_F(ButtonOnForm, HoverPressReleaseClicksOnce) {
    EXPECT_EQ(button->caption(), "Command1");
    EXPECT_EQ(button->mouseTimer().interval(), 100u);
    EXPECT_TRUE(button->mouseTimer().enabled());
    send(WM_MOUSEMOVE);
    EXPECT_EQ(button->shownPicture(), StatePicture::HighLight);
    send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(button->machine().mode(), 4) << "the press took the focus while hovered";
    EXPECT_EQ(button->shownPicture(), StatePicture::Pressed);
    send(WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->shownPicture(), StatePicture::HighLightSelect);
}

TEST_F(ButtonOnForm, DisabledShowsDisableAndNeverClicks) {
    button->setEnabled(false);
    EXPECT_EQ(button->shownPicture(), StatePicture::Disable);
    send(WM_MOUSEMOVE);
    send(WM_LBUTTONDOWN, MK_LBUTTON);
    send(WM_LBUTTONUP);
    send(WM_RBUTTONUP);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->shownPicture(), StatePicture::Disable);
    // The grey frame is painted into the control.
    EXPECT_EQ(pixel(0, 0), RGB(160, 160, 160));
}

TEST_F(ButtonOnForm, RightReleaseClicksUnlessFocusedWithThePointerAway) {
    send(WM_RBUTTONUP);
    EXPECT_EQ(clicks, 1) << "mode 1";
    button->setFocus();
    Forms::DoEvents();
    EXPECT_EQ(button->machine().mode(), 3);
    send(WM_RBUTTONUP);
    EXPECT_EQ(clicks, 1) << "mode 3";
}

TEST_F(ButtonOnForm, PaintsTheGradientFaceAndTheFrame) {
    const int w = button->imageWidth(), h = button->imageHeight();
    ASSERT_EQ(w, 90);
    ASSERT_EQ(h, 30);
    EXPECT_EQ(pixel(0, 0), RGB(0, 60, 116)) << "dark blue frame corner";
    EXPECT_EQ(pixel(w / 2, 0), RGB(0, 60, 116)) << "stretched top edge";
    EXPECT_EQ(pixel(0, h / 2), RGB(0, 60, 116)) << "stretched left edge";
    // Inside the frame the face runs from white down to RGB(198, 197, 215).
    const FaceColour top = FaceRowColour(5, h, false), bottom = FaceRowColour(h - 5, h, false);
    EXPECT_EQ(pixel(6, 5), RGB(top.red, top.green, top.blue));
    EXPECT_EQ(pixel(6, h - 5), RGB(bottom.red, bottom.green, bottom.blue));
    // Hovering reverses the face.
    send(WM_MOUSEMOVE);
    const FaceColour reversed = FaceRowColour(5, h, true);
    EXPECT_EQ(pixel(6, 5), RGB(reversed.red, reversed.green, reversed.blue));
    const RECT caption = button->captionRect();
    EXPECT_EQ(caption.left, 0);
    EXPECT_EQ(caption.right, 90);
    EXPECT_GT(caption.top, 0);
}

TEST_F(ButtonOnForm, StoredFontReadsBackAndReadingRedraws) {
    Forms::FontSpec description;
    description.face = "Tahoma";
    description.points = 9.75;
    description.bold = true;
    button->setCommandFont(Forms::Font(description));
    Forms::PropertyBag bag;
    button->writeProperties(bag);
    Command other(form);
    other.readProperties(bag);
    EXPECT_EQ(other.commandFont().getSpec(), description);
    Forms::PropertyBag noFont;
    noFont.writeString("Font", "not a font");
    other.readProperties(noFont);
    EXPECT_EQ(other.commandFont().getSpec(), form.font().getSpec()) << "the container's font";

    send(WM_MOUSEMOVE);
    ASSERT_EQ(button->shownPicture(), StatePicture::HighLight);
    EXPECT_EQ(button->readFontColour(), 0u);
    EXPECT_EQ(button->shownPicture(), StatePicture::Normal);
    send(WM_MOUSEMOVE);
    EXPECT_TRUE(button->readOpaque());
    EXPECT_EQ(button->shownPicture(), StatePicture::Normal);
    button->setEnabled(false);
    EXPECT_FALSE(button->readEnabled());
    EXPECT_EQ(button->shownPicture(), StatePicture::Disable);
    button->readOpaque();
    EXPECT_EQ(button->shownPicture(), StatePicture::Disable) << "no Normal while disabled";
}
