#include "core/click_point.h"

namespace quorvel {

std::wstring_view ClickKindText(ClickKind kind) {
    return kind == ClickKind::Left ? L"左键单击" : L"右键单击";
}

}  // namespace quorvel
