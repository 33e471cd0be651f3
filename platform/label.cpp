#include "platform/label.h"

namespace quorvel {

void Label::Create(HWND) {
    if (const FontDefinition* font = definition_.font) {
        font_.reset(CreateFontW(font->height, 0, 0, 0, font->weight, FALSE, FALSE, FALSE, font->charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, font->face));
    }
}

void Label::Paint(HDC context) const {
    RECT bounds{definition_.left, definition_.top, definition_.left + definition_.width,
                definition_.top + definition_.height};
    (void)FillRect(context, &bounds, GetSysColorBrush(COLOR_BTNFACE));  // a system brush: not ours
    const HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ previousFont = SelectObject(context, font);
    SetTextColor(context, RGB(0, 0, 0));
    SetBkMode(context, TRANSPARENT);
    // DT_NOPREFIX: an '&' is shown, not taken as an access key.
    (void)DrawTextW(context, definition_.caption, -1, &bounds, DT_LEFT | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(context, previousFont);
}

}  // namespace quorvel
