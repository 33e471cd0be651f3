#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The rows of the report list that holds the recorded points. The list
// control is the only store: the click list keeps no copy of its own.
class ListRows {
public:
    // Adds a row after the last one, with empty texts; returns its index.
    virtual int AppendRow(std::int32_t rowValue) = 0;
    // A row that does not exist is ignored.
    virtual void SetCellText(int row, int column, std::wstring_view text) = 0;
    // The empty text for an empty cell or a row that does not exist.
    virtual std::wstring CellText(int row, int column) const = 0;
    // 0 for a row that does not exist.
    virtual std::int32_t RowValue(int row) const = 0;
    virtual int RowCount() const = 0;

protected:
    ~ListRows() = default;
};

}  // namespace quorvel
