#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace quorvel::e2e {

struct ListRow {
    std::wstring kind, x, y;  // the three cell texts
    LPARAM value;             // the row's item value
};

struct ListColumn {
    std::wstring title;
    int width;
};

// Reads a list view of another process. Pointers in list view messages must
// point into the owner's address space, so every query goes through a
// buffer allocated there.
class RemoteList {
public:
    explicit RemoteList(HWND list);
    RemoteList(const RemoteList&) = delete;
    RemoteList& operator=(const RemoteList&) = delete;
    ~RemoteList();

    int RowCount() const;
    std::vector<ListRow> Rows() const;
    std::optional<ListColumn> Column(int index) const;
    // The label of column 0 of `row` in screen coordinates; none for a row
    // that does not exist.
    std::optional<RECT> LabelOnScreen(int row) const;

private:
    // The buffer in the owner process holds the item or column structure at
    // its start and the text it points to at TextOffset.
    static constexpr std::size_t BufferBytes = 4096;
    static constexpr std::size_t TextOffset = 512;
    static constexpr int TextChars = static_cast<int>((BufferBytes - TextOffset) / sizeof(wchar_t));

    template <class T>
    bool Exchange(UINT message, WPARAM wParam, T& structure, LRESULT& result) const;
    std::wstring RemoteText() const;
    wchar_t* RemoteTextAddress() const;
    std::wstring CellText(int row, int column) const;

    HWND list_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;  // valid in the owner's address space only
};

}  // namespace quorvel::e2e
