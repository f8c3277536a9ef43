#include "saver/command/win32_command.h"

#include "saver/command/command_face.h"
#include "saver/forms/win32_program.h"
#include "saver/picture_ids.h"

namespace Morvex {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], length);
    return wide;
}

} // namespace

Command::Command(Forms::Surface& container) : Forms::UserControl(container) {
    // The program's own resources; a missing picture leaves its frame unpainted.
    for (int i = 0; i < 6; ++i)
        pictures[i] = Forms::Picture::fromResource(Forms::ProgramInstance(), IDB_COMMAND_NORMAL + i);
    setAutoRedraw(true);
    tmrMouse.onTick = [this] { pointerWatch(); };
}

void Command::initialize() {
    states.initialize();
    tmrMouse.setInterval(100);
    tmrMouse.setEnabled(true);
}

void Command::setCaption(const std::string& utf8) {
    properties.caption = utf8;
    propertyChanged("Caption");
    drawWith(shown);
}

void Command::setEnabled(bool enabled) {
    Forms::UserControl::setEnabled(enabled);
    properties.enabled = enabled;
    propertyChanged("Enabled");
    react(states.setEnabled(enabled));
}

void Command::setCommandFont(const Forms::Font& font) {
    captionFont = font;
    hasFont = true;
    propertyChanged("Font");
    drawWith(shown);
}

void Command::setFontColour(uint32_t colour) {
    properties.fontColour = colour;
    propertyChanged("FontColour");
    drawWith(shown);
}

void Command::setOpaque(bool opaque) {
    properties.visible = opaque;
    propertyChanged("Visible");
    drawWith(shown);
}

bool Command::readEnabled() {
    react(states.enabledRead());
    return properties.enabled;
}

uint32_t Command::readFontColour() {
    react(states.lookRead());
    return properties.fontColour;
}

bool Command::readOpaque() {
    react(states.lookRead());
    return properties.visible;
}

void Command::react(const CommandReaction& reaction) {
    if (reaction.draws)
        drawWith(reaction.picture);
    if (reaction.clicks && onClick)
        onClick();
}

void Command::drawWith(StatePicture picture) {
    shown = picture;
    const int width = clientWidth(), height = clientHeight();
    HDC dc = hdc();
    if (!dc || width <= 0 || height <= 0)
        return;
    clear();
    for (int row = 0; row < height; ++row) {
        const FaceColour colour = FaceRowColour(row, height, states.reversed());
        HBRUSH brush = CreateSolidBrush(RGB(colour.red, colour.green, colour.blue));
        RECT line{0, row, width, row + 1};
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
    FramePiece pieces[8];
    FramePieces(width, height, pieces);
    const Forms::Picture& frame = pictures[(int)picture];
    for (const FramePiece& piece : pieces)
        if (piece.target.width > 0 && piece.target.height > 0)
            frame.draw(dc, piece.target.left, piece.target.top, piece.target.width, piece.target.height,
                       piece.source.left, piece.source.top, piece.source.width, piece.source.height);

    const std::wstring text = Wide(properties.caption);
    HGDIOBJ oldFont = SelectObject(dc, commandFont().handle());
    RECT measure{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), (int)text.size(), &measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int labelHeight = measure.bottom - measure.top;
    const int top = CaptionTop(height, labelHeight, Forms::TwipsPerPixelY());
    lblMsg = RECT{0, top, width, top + labelHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, states.enabled() ? (COLORREF)properties.fontColour : GetSysColor(COLOR_GRAYTEXT));
    RECT area = lblMsg;
    DrawTextW(dc, text.c_str(), (int)text.size(), &area, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    refresh();
}

void Command::pointerWatch() {
    POINT cursor{};
    const bool onControl = GetCursorPos(&cursor) && WindowFromPoint(cursor) == hwnd();
    react(states.timerTick(onControl));
}

void Command::mouseDown(const Forms::MouseEvent& event) {
    Forms::UserControl::mouseDown(event);
    if (event.button == Forms::LeftButton)
        react(states.leftDown());
}

void Command::mouseMove(const Forms::MouseEvent& event) {
    Forms::UserControl::mouseMove(event);
    react(states.pointerMoved());
}

void Command::mouseUp(const Forms::MouseEvent& event) {
    Forms::UserControl::mouseUp(event);
    react(states.buttonUp(event.button == Forms::LeftButton));
}

void Command::gotFocus() {
    react(states.focusGained());
}

void Command::lostFocus() {
    react(states.focusLost());
}

void Command::resized() {
    react(states.resized());
}

void Command::readPropertiesEvent(const Forms::PropertyBag& bag) {
    const CommandProperties read = ReadCommandProperties(bag);
    properties = read;
    // A stored font that does not read leaves the container's.
    StoredFont stored;
    if (ParseStoredFont(bag.readString("Font", ""), stored)) {
        Forms::FontSpec description;
        description.face = stored.face;
        description.points = stored.points;
        description.charset = stored.charset;
        description.bold = stored.bold;
        captionFont = Forms::Font(description);
        hasFont = true;
    } else {
        hasFont = false;
    }
    Forms::UserControl::setEnabled(read.enabled);
    react(states.setEnabled(read.enabled));
}

void Command::writePropertiesEvent(Forms::PropertyBag& bag) {
    WriteCommandProperties(properties, bag);
    const Forms::FontSpec& description = commandFont().getSpec();
    bag.writeString("Font", FormatStoredFont(StoredFont{description.face, description.points,
                                                        description.charset, description.bold}));
}

} // namespace Morvex
