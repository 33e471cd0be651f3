#include "platform/push_button.h"

namespace quorvel {
namespace {

// Shared system cursors, never destroyed.
HCURSOR CursorOf(PointerShape shape) {
    return LoadCursorW(nullptr, shape == PointerShape::Hand ? IDC_HAND : IDC_ARROW);
}

}  // namespace

void PushButton::Create(HWND parent) {
    CreateChild(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0);
}

void PushButton::SetDisabled(bool disabled) {
    if (disabled && GetFocus() == handle_) {
        // A disabled control cannot keep the keyboard; hand it on as Tab would.
        SendMessageW(GetParent(handle_), WM_NEXTDLGCTL, 0, FALSE);
    }
    (void)EnableWindow(handle_, disabled ? FALSE : TRUE);
}

void PushButton::SetPointerShape(PointerShape shape) {
    shape_ = shape;
    // The system asks for the cursor only when the pointer moves; show the
    // new shape now if the pointer rests on the button, without moving it.
    POINT pointer{};
    RECT bounds{};
    if (GetCursorPos(&pointer) && GetWindowRect(handle_, &bounds) && PtInRect(&bounds, pointer) &&
        GetAncestor(WindowFromPoint(pointer), GA_ROOT) == GetAncestor(handle_, GA_ROOT)) {
        SetCursor(CursorOf(shape));
    }
}

bool PushButton::OnCommand(WORD notification) { return notification == BN_CLICKED && IsWindowEnabled(handle_); }

HCURSOR PushButton::Cursor() const { return CursorOf(shape_); }

}  // namespace quorvel
