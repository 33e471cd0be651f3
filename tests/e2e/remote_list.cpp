#include "remote_list.h"

#include <algorithm>

namespace quorvel::e2e {
namespace {

constexpr UINT AnswerTimeoutMs = 5000;

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

RemoteList::RemoteList(HWND list) : list_(list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) remote_ = VirtualAllocEx(process_, nullptr, BufferBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteList::~RemoteList() {
    if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

wchar_t* RemoteList::RemoteTextAddress() const {
    return reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + TextOffset);
}

std::wstring RemoteList::RemoteText() const {
    std::wstring text(static_cast<std::size_t>(TextChars), L'\0');
    if (!ReadProcessMemory(process_, RemoteTextAddress(), text.data(), text.size() * sizeof(wchar_t), nullptr)) {
        return {};
    }
    text.resize(std::min(text.find(L'\0'), text.size()));
    return text;
}

template <class T>
bool RemoteList::Exchange(UINT message, WPARAM wParam, T& structure, LRESULT& result) const {
    static_assert(sizeof(T) <= TextOffset);
    if (!remote_) return false;
    // A cleared text area, so a text the control does not write reads back
    // empty.
    const std::wstring cleared(static_cast<std::size_t>(TextChars), L'\0');
    if (!WriteProcessMemory(process_, remote_, &structure, sizeof(T), nullptr) ||
        !WriteProcessMemory(process_, RemoteTextAddress(), cleared.data(), cleared.size() * sizeof(wchar_t),
                            nullptr)) {
        return false;
    }
    const std::optional<LRESULT> answer = Send(list_, message, wParam, reinterpret_cast<LPARAM>(remote_));
    if (!answer) return false;
    result = *answer;
    return ReadProcessMemory(process_, remote_, &structure, sizeof(T), nullptr) != 0;
}

int RemoteList::RowCount() const { return static_cast<int>(Send(list_, LVM_GETITEMCOUNT, 0, 0).value_or(-1)); }

std::wstring RemoteList::CellText(int row, int column) const {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = RemoteTextAddress();
    item.cchTextMax = TextChars;
    LRESULT copied = 0;
    if (!Exchange(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item, copied)) return {};
    return RemoteText();
}

std::vector<ListRow> RemoteList::Rows() const {
    std::vector<ListRow> rows;
    const int count = RowCount();
    for (int row = 0; row < count; ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        LRESULT found = 0;
        const bool answered = Exchange(LVM_GETITEMW, 0, item, found) && found;
        rows.push_back({CellText(row, 0), CellText(row, 1), CellText(row, 2), answered ? item.lParam : LPARAM{-1}});
    }
    return rows;
}

std::optional<ListColumn> RemoteList::Column(int index) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = RemoteTextAddress();
    column.cchTextMax = TextChars;
    LRESULT found = 0;
    if (!Exchange(LVM_GETCOLUMNW, static_cast<WPARAM>(index), column, found) || !found) return std::nullopt;
    const std::optional<LRESULT> width = Send(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0);
    if (!width) return std::nullopt;
    return ListColumn{RemoteText(), static_cast<int>(*width)};
}

std::optional<RECT> RemoteList::LabelOnScreen(int row) const {
    RECT bounds{};
    bounds.left = LVIR_LABEL;
    LRESULT found = 0;
    if (!Exchange(LVM_GETITEMRECT, static_cast<WPARAM>(row), bounds, found) || !found) return std::nullopt;
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

}  // namespace quorvel::e2e
