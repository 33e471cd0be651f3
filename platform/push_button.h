#pragma once

#include "core/playback_ports.h"
#include "platform/control.h"

namespace quorvel {

class PushButton final : public Control, public Button {
public:
    explicit PushButton(const ControlDefinition& definition) : Control(definition), shape_(definition.pointer) {}

    void Create(HWND parent) override;

    void SetDisabled(bool disabled) override;
    void SetPointerShape(PointerShape shape) override;

    // BN_CLICKED, from a mouse click or Space, raises the clicked event.
    bool OnCommand(WORD notification) override;
    HCURSOR Cursor() const override;

private:
    PointerShape shape_;
};

}  // namespace quorvel
