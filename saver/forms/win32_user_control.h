#pragma once

#include "saver/forms/property_bag.h"
#include "saver/forms/win32_surface.h"

#include <vector>

namespace Forms {

// The base of a control made of other controls: a child window that can take the focus, with stored
// properties (read when it is placed on its form, written when the form is saved) and change reports.
class UserControl : public Control, public Surface {
public:
    explicit UserControl(Surface& container);

    HWND window() const override { return hwnd(); }
    void move(int left, int top, int width, int height) override;
    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;

    // The font of the form or box the control sits on.
    const Font& ambientFont() const { return container().font(); }

    void readProperties(const PropertyBag& bag) { readPropertiesEvent(bag); }
    void writeProperties(PropertyBag& bag) { writePropertiesEvent(bag); }
    // The properties reported as changed, oldest first.
    const std::vector<std::string>& changedProperties() const { return changes; }

    void setFocus();
    bool hasFocus() const { return hwnd() && GetFocus() == hwnd(); }

protected:
    virtual void readPropertiesEvent(const PropertyBag&) {}
    virtual void writePropertiesEvent(PropertyBag&) {}
    void propertyChanged(const std::string& name) { changes.push_back(name); }

    void mouseDown(const MouseEvent& event) override;

private:
    std::vector<std::string> changes;
};

} // namespace Forms
