#pragma once

#include "platform/control.h"
#include "platform/unique_handle.h"

namespace quorvel {

// A text painted by its window rather than a child window of its own, so
// that a text longer than the label's rectangle is not clipped to it. Left
// aligned, wrapped at the label's width, CR LF starts a new line, drawn
// transparently over the button-face colour. Never takes the focus.
class Label final : public Control {
public:
    explicit Label(const ControlDefinition& definition) : Control(definition) {}

    void Create(HWND parent) override;
    void Paint(HDC context) const override;

private:
    UniqueFont font_;
};

}  // namespace quorvel
