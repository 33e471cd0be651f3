#pragma once

#include "core/list_rows.h"
#include "platform/control.h"

namespace quorvel {

// A report-style list view whose rows carry an integer value; the columns
// come from the definition.
class ReportList final : public Control, public ListRows {
public:
    explicit ReportList(const ControlDefinition& definition) : Control(definition) {}

    void Create(HWND parent) override;

    int AppendRow(std::int32_t rowValue) override;
    void SetCellText(int row, int column, std::wstring_view text) override;
    std::wstring CellText(int row, int column) const override;
    std::int32_t RowValue(int row) const override;
    int RowCount() const override;

private:
    bool HasRow(int row) const { return row >= 0 && row < RowCount(); }
};

}  // namespace quorvel
