#include "platform/control.h"

namespace quorvel {

HWND Control::CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    if (!definition_.enabled) style |= WS_DISABLED;
    handle_ = CreateWindowExW(exStyle, windowClass, definition_.caption, WS_CHILD | WS_VISIBLE | style,
                              definition_.left, definition_.top, definition_.width, definition_.height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition_.id)),
                              GetModuleHandleW(nullptr), nullptr);
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return handle_;
}

}  // namespace quorvel
