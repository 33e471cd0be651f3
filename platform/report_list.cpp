#include "platform/report_list.h"

#include <string>

namespace quorvel {

void ReportList::Create(HWND parent) {
    CreateChild(parent, WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
                WS_EX_CLIENTEDGE);
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP;
    SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageW(handle_, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    SendMessageW(handle_, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    SendMessageW(handle_, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));

    int index = 0;
    for (const ColumnDefinition& column : definition_.columns) {
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        item.fmt = column.alignment == ColumnAlignment::Centre ? LVCFMT_CENTER : LVCFMT_LEFT;
        item.cx = column.width;
        item.pszText = const_cast<wchar_t*>(column.title);
        SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

void ReportList::OnParentDestroyed() {
    redrawSuspended_ = false;  // the timer went with the window
    Control::OnParentDestroyed();
}

void ReportList::SuspendRedrawUntilIdle() {
    if (redrawSuspended_ || !handle_) return;
    // A row that nothing queued follows is a burst of one: it is drawn at
    // once, as before, without waiting for the idle timer.
    if (!HIWORD(GetQueueStatus(QS_ALLPOSTMESSAGE | QS_HOTKEY | QS_INPUT))) return;
    // A WM_TIMER is only generated once no other message is queued, so it
    // marks the end of the burst; the object's address is the timer id,
    // which no timer of the control itself can have. Without the timer the
    // list keeps painting as it goes.
    if (!SetTimer(handle_, reinterpret_cast<UINT_PTR>(this), USER_TIMER_MINIMUM, &ReportList::OnQueueIdle)) return;
    SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
    redrawSuspended_ = true;
}

void ReportList::ResumeRedraw() {
    (void)KillTimer(handle_, reinterpret_cast<UINT_PTR>(this));
    redrawSuspended_ = false;
    SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
    // The frame too: the scroll bar has grown with the rows.
    (void)RedrawWindow(handle_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CALLBACK ReportList::OnQueueIdle(HWND, UINT, UINT_PTR timer, DWORD) {
    reinterpret_cast<ReportList*>(timer)->ResumeRedraw();
}

int ReportList::AppendRow(std::int32_t rowValue) {
    SuspendRedrawUntilIdle();
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = RowCount();
    item.pszText = const_cast<wchar_t*>(L"");
    item.lParam = rowValue;
    return static_cast<int>(SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ReportList::SetCellText(int row, int column, std::wstring_view text) {
    if (!HasRow(row)) return;
    std::wstring terminated(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = terminated.data();
    SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::wstring ReportList::CellText(int row, int column) const {
    if (!HasRow(row)) return {};
    // The control copies at most the buffer size minus one; grow until the
    // text fits, so cells of any length come back whole.
    std::wstring buffer(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(handle_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

std::int32_t ReportList::RowValue(int row) const {
    if (!HasRow(row)) return 0;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageW(handle_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return static_cast<std::int32_t>(item.lParam);
}

int ReportList::RowCount() const {
    return static_cast<int>(SendMessageW(handle_, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace quorvel
