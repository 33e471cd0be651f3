#pragma once

#include "core/playback_ports.h"
#include "platform/control.h"

namespace quorvel {

class PushButton final : public Control, public Button {
public:
    PushButton(const ControlDefinition& definition, void* handlerTarget)
        : Control(definition), handlerTarget_(handlerTarget), shape_(definition.pointer) {}

    void Create(HWND parent) override;

    void SetDisabled(bool disabled) override;
    void SetPointerShape(PointerShape shape) override;

    PointerShape Shape() const { return shape_; }
    // BN_CLICKED from the button: mouse click or Space.
    void OnClicked();

private:
    void* handlerTarget_;
    PointerShape shape_;
};

// The cursor handle of a shape; shared system cursors, never destroyed.
HCURSOR CursorOf(PointerShape shape);

}  // namespace quorvel
