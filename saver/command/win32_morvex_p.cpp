#include "saver/command/win32_morvex_p.h"

#include "saver/command/settings_choice.h"
#include "saver/file_paths.h"
#include "saver/forms/twips.h"
#include "saver/forms/win32_program.h"
#include "saver/number_text.h"
#include "saver/picture_ids.h"
#include "saver/settings.h"
#include "saver/win32_ini_file.h"
#include "saver/win32_settings_file.h"

#include <commdlg.h>

#include <vector>

namespace Morvex_B {
int16_t ZoomPointX = 0;
int16_t ZoomPointY = 0;
} // namespace Morvex_B

namespace Morvex {

namespace {

// UTF-8 escapes, so the file's encoding cannot change the texts.
const char* const TextMusicCd = "\xE9\x9F\xB3\xE6\xA5\xBD"
                                "CD";
const char* const TextNone = "\xE3\x81\xAA\xE3\x81\x97";
const char* const TextFiles = "MP3\xE3\x80\x81"
                              "WAV";
const char* const TextRepeat =
    "\xE6\x9B\xB2\xE7\x9B\xAE\xE3\x82\x92\xEF\xBE\x98\xEF\xBE\x8B\xEF\xBE\x9F\xEF\xBD\xB0\xEF\xBE\x84";
const char* const TextSet = "\xE8\xA8\xAD\xE5\xAE\x9A";
const char* const TextCancel = "\xEF\xBD\xB7\xEF\xBD\xAC\xEF\xBE\x9D\xEF\xBD\xBE\xEF\xBE\x99";
// The face name as the Japanese code page's bytes: the font functions read it that way.
const char* const DialogFace = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

int Px(int twips) {
    return Forms::TwipsToPixels(twips, Forms::TwipsPerPixelX());
}
int Py(int twips) {
    return Forms::TwipsToPixels(twips, Forms::TwipsPerPixelY());
}

void PaintGradient(Forms::Surface& surface, bool grey) {
    surface.setAutoRedraw(true);
    const int height = surface.clientHeight(), width = surface.clientWidth();
    for (int y = 0; y <= height; ++y) {
        const int d = GradientShade(y, height);
        surface.drawLine(0, y, width, y, grey ? RGB(d + 30, d + 30, d + 30) : RGB(d, d, d + 30));
    }
    surface.refresh();
}

} // namespace

void SetCommandButtons(Forms::Surface& form, bool initialise, bool enable) {
    std::vector<Forms::Surface*> surfaces{&form};
    for (size_t i = 0; i < surfaces.size(); ++i)
        for (Forms::Control* control : surfaces[i]->controls()) {
            if (auto* button = dynamic_cast<Command*>(control)) {
                if (initialise)
                    button->initialize();
                else
                    button->setEnabled(enable);
            } else if (auto* inner = dynamic_cast<Forms::Surface*>(control))
                surfaces.push_back(inner);
        }
}

Morvex_P::Morvex_P() {
    caption = "<Zandrel>";
    borderStyle = Forms::BorderStyle::FixedSingle;
    minButton = false;
    maxButton = false;
    chooseFile = OpenMusicFileDialog;
    icon = LoadIconW(Forms::ProgramInstance(), MAKEINTRESOURCEW(IDI_ZANDREL));
    setBackColour(RGB(192, 192, 192));
    Forms::FontSpec dialogFont;
    dialogFont.face = DialogFace;
    dialogFont.points = 9.75;
    dialogFont.charset = SHIFTJIS_CHARSET;
    setFont(Forms::Font(dialogFont));
}

void Morvex_P::releaseControls() {
    // The panel's controls sit on the panel: they go before it.
    BGM_Repeat.reset();
    Shape3.reset();
    for (auto* label : {&lbl_BGM[0], &lbl_BGM[1], &lbl_BGM[2], &lbl15, &lbl14, &lbl_Fname})
        label->reset();
    for (auto& image : Img_BGM)
        image.reset();
    for (auto& image : Img_Ra)
        image.reset();
    Cmd_File.reset();
    Cmd_Set.reset();
    Cmd_Can.reset();
    Pic_C.reset();
}

void Morvex_P::createControls() {
    releaseControls();
    Pic_C = std::make_unique<Forms::PictureBox>(*this);
    Pic_C->move(Px(180), Py(240), Px(7035), Py(2475));
    Pic_C->setBackColour(RGB(224, 224, 224));
    Pic_C->setAutoRedraw(true);
    Forms::Surface& panel = *Pic_C;

    auto button = [this](Forms::Surface& on, const char* text, int l, int t, int w, int h) {
        auto made = std::make_unique<Command>(on);
        made->move(Px(l), Py(t), Px(w), Py(h));
        made->setCommandFont(font());
        made->setCaption(text);
        return made;
    };
    Cmd_Set = button(*this, TextSet, 4860, 3000, 1155, 375);
    Cmd_Can = button(*this, TextCancel, 6060, 3000, 1155, 375);
    Cmd_File = button(panel, "...", 420, 1740, 615, 315);
    Cmd_Set->onClick = [this] { saveAndClose(); };
    Cmd_Can->onClick = [this] { unload(); };
    Cmd_File->onClick = [this] { pickFile(); };

    for (int i = 0; i < 2; ++i) {
        Img_Ra[i] = std::make_unique<Forms::ImageControl>(*this);
        Img_Ra[i]->move(Px(8040), Py(300 + 300 * i), Px(180), Py(180));
        Img_Ra[i]->setPicture(Forms::Picture::fromResource(Forms::ProgramInstance(), IDB_MARK_OFF + i));
    }

    auto label = [this](Forms::Surface& on, const std::string& text, int l, int t, int w, int h) {
        auto made = std::make_unique<WideLabel>(on);
        made->move(Px(l), Py(t), Px(w), Py(h));
        made->setFont(font());
        made->setText(text);
        return made;
    };
    Shape3 = std::make_unique<Forms::Shape>(panel);
    Shape3->move(Px(300), Py(300), Px(1695), Py(315));
    lbl15 = label(panel, "BGM", 300, 360, 1665, 195);
    lbl15->centred = true;
    const int rowTop[3] = {1140, 840, 1440}; // by kind; the CD sits at the top
    const char* const texts[3] = {TextNone, TextMusicCd, TextFiles};
    for (int i = 0; i < 3; ++i) {
        Img_BGM[i] = std::make_unique<Forms::ImageControl>(panel);
        Img_BGM[i]->move(Px(420), Py(rowTop[i]), Px(195), Py(195));
        lbl_BGM[i] = label(panel, texts[i], 660, rowTop[i], 900, 240);
        lbl_BGM[i]->setAutoSize(true); // placed, not sized: the text's own size
        Img_BGM[i]->onMouseDown = [this, i](const Forms::MouseEvent&) { choose(i); };
        lbl_BGM[i]->onMouseDown = [this, i](const Forms::MouseEvent&) { choose(i); };
    }
    BGM_Repeat = std::make_unique<Forms::ComboBox>(panel);
    BGM_Repeat->move(Px(1680), Py(780), Px(615), Py(300));
    BGM_Repeat->setFont(font());
    lbl14 = label(panel, TextRepeat, 2340, 840, 1800, 240);
    lbl14->setAutoSize(true);
    lbl_Fname = label(panel, "", 1080, 1740, 5595, 495);
    lbl_Fname->border = true;
}

void Morvex_P::loadEvent() {
    setBoundsTwips(0, 0, 7440, 3645);
    int left = 0, top = 0;
    DialogPlace(Forms::ScreenWidthTwips(), Forms::ScreenHeightTwips(), 7440, 3645, left, top);
    setBoundsTwips(left, top, 7440, 3645);
    createControls();
    SetCommandButtons(*this, true, true);
    BGM_Repeat->setEnabled(false);
    const MusicChoice choice = ChoiceFor(Morvex_B::BgmKind);
    for (int i = 0; i < 3; ++i)
        Img_BGM[i]->setPicture(Img_Ra[choice.marked[i] ? 1 : 0]->picture());
    BGM_Repeat->setEnabled(choice.repeatEnabled);
    Cmd_File->setEnabled(choice.fileButtonEnabled);
    BGM_Repeat->setText(FormatTrack(Morvex_B::BgmRepeatTrack));
    for (const std::string& entry : RepeatTrackEntries())
        BGM_Repeat->addItem(entry);
    lbl_Fname->setText(Utf8FromAnsi(Morvex_B::BgmFile));
    POINT cursor{};
    if (!GetCursorPos(&cursor))
        cursor = POINT{0, 0};
    Morvex_B::ZoomPointX = (int16_t)cursor.x;
    Morvex_B::ZoomPointY = (int16_t)cursor.y;
    ZoomOpen(hwnd());
    Forms::SetDefaultMousePointer();
}

void Morvex_P::choose(int kind) {
    Morvex_B::BgmKind = (int16_t)kind;
    Cmd_File->setEnabled(false);
    BGM_Repeat->setEnabled(false);
    const MusicChoice choice = ChoiceFor(kind);
    for (int i = 0; i < 3; ++i)
        Img_BGM[i]->setPicture(Img_Ra[choice.marked[i] ? 1 : 0]->picture());
    if (choice.repeatEnabled)
        BGM_Repeat->setEnabled(true);
    if (choice.fileButtonEnabled)
        Cmd_File->setEnabled(true);
}

void Morvex_P::pickFile() {
    std::string path;
    if (!chooseFile || !chooseFile(hwnd(), path))
        return;
    Morvex_B::BgmFile = path;
    lbl_Fname->setText(Utf8FromAnsi(path));
    Morvex_B::BgmFolder = Morvex_B::FolderOf(path);
}

void Morvex_P::saveAndClose() {
    const std::string file = settingsFile.empty() ? Morvex_B::SettingsFilePath() : settingsFile;
    using namespace Morvex_B;
    WriteIniValue(SettingsSection, KeyBgmKind, FormatIniNumber(BgmKind), file);
    BgmRepeatTrack = RepeatTrackFromText(BGM_Repeat->text());
    WriteIniValue(SettingsSection, KeyBgmRepeatTrack, FormatIniNumber(BgmRepeatTrack), file);
    WriteIniValue(SettingsSection, KeyBgmFile, BgmFile, file);
    unload();
}

void Morvex_P::resizeEvent() {
    PaintGradient(*this, false);
    if (Pic_C)
        PaintGradient(*Pic_C, true);
}

void Morvex_P::unloadEvent(bool&) {
    ZoomClose(hwnd());
}

bool OpenMusicFileDialog(HWND owner, std::string& path) {
    // Filter entries end in NUL, the list in two.
    static const wchar_t filter[] = L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)\0*.MP3;*.WAV\0";
    wchar_t file[256] = {};
    wchar_t title[256] = {};
    const std::wstring folder = WideText(Utf8FromAnsi(Morvex_B::BgmFolder));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    dialog.hwndOwner = owner;
    dialog.hInstance = Forms::ProgramInstance();
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = 255;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = 255;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F";
    if (GetOpenFileNameW(&dialog) <= 0)
        return false;
    path = AnsiText(file);
    return true;
}

namespace {

void Zoom(HWND window, bool opening) {
    RECT point{Morvex_B::ZoomPointX, Morvex_B::ZoomPointY, Morvex_B::ZoomPointX, Morvex_B::ZoomPointY};
    RECT frame{};
    if (!window || !GetWindowRect(window, &frame))
        return;
    if (opening)
        DrawAnimatedRects(window, IDANI_CAPTION, &point, &frame);
    else
        DrawAnimatedRects(window, IDANI_CAPTION, &frame, &point);
}

} // namespace

void ZoomOpen(HWND window) {
    Zoom(window, true);
}

void ZoomClose(HWND window) {
    Zoom(window, false);
}

} // namespace Morvex
