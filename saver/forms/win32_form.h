#pragma once

#include "saver/forms/win32_surface.h"

namespace Forms {

enum class BorderStyle { None, FixedSingle, Sizable };
// Why a form is being unloaded, as its query-unload event hears it.
enum class UnloadReason { Code, ControlMenu, WindowsShutdown };

// A top-level window with the load, query-unload, unload and resize events. Caption and style are set
// before load; a form is created hidden by load and shown by show or showModal.
class Form : public Surface {
public:
    Form();
    ~Form() override;

    std::string caption;
    BorderStyle borderStyle = BorderStyle::Sizable;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    bool showInTaskbar = true;
    HICON icon = nullptr;

    // Creates the window (hidden) and runs the load event; nothing happens when already loaded.
    void load();
    void show();
    // Shows the form and returns when it has been unloaded; the other forms are disabled meanwhile.
    void showModal();
    // Runs the query-unload and unload events; unless one cancels, the window goes.
    bool unload(UnloadReason reason = UnloadReason::Code);
    bool loaded() const { return isLoaded; }

    // Outer position and size in twips and in pixels.
    void setBoundsTwips(int left, int top, int width, int height);
    void setBounds(int left, int top, int width, int height);
    RECT bounds() const; // pixels, screen coordinates
    int widthTwips() const;
    int heightTwips() const;
    void setCaption(const std::string& text);

protected:
    virtual void loadEvent() {}
    virtual void queryUnloadEvent(bool& /*cancel*/, UnloadReason) {}
    virtual void unloadEvent(bool& /*cancel*/) {}
    virtual void resizeEvent() {}

    void resized() override;
    bool closeRequested() override;
    void endSession() override;

private:
    bool isLoaded = false;
    bool loading = false;
    bool resizedSinceLoad = false;
};

// The number of forms loaded now.
int LoadedFormCount();

// Runs the event loop until no form is loaded any more.
void RunEventLoop();

} // namespace Forms
