#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/list_rows.h"
#include "core/playback_ports.h"
#include "core/pointer_reader.h"

namespace quorvel::fakes {

// One log shared by every fake, so a test can check the order of calls
// across different ports.
using CallLog = std::vector<std::string>;

inline std::string Narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

class FakeListRows final : public ListRows {
public:
    struct Row {
        std::int32_t value = 0;
        std::wstring cells[3];
    };

    explicit FakeListRows(CallLog& log) : log_(log) {}

    int AppendRow(std::int32_t rowValue) override {
        log_.push_back("append " + std::to_string(rowValue));
        rows.push_back(Row{rowValue, {}});
        return static_cast<int>(rows.size()) - 1;
    }
    void SetCellText(int row, int column, std::wstring_view text) override {
        log_.push_back("cell " + std::to_string(row) + "," + std::to_string(column) + " " + Narrow(text));
        if (Exists(row)) rows[static_cast<std::size_t>(row)].cells[column] = text;
    }
    std::wstring CellText(int row, int column) const override {
        return Exists(row) ? rows[static_cast<std::size_t>(row)].cells[column] : std::wstring{};
    }
    std::int32_t RowValue(int row) const override {
        return Exists(row) ? rows[static_cast<std::size_t>(row)].value : 0;
    }
    int RowCount() const override { return static_cast<int>(rows.size()); }

    void Add(std::int32_t value, std::wstring x, std::wstring y) {
        rows.push_back(Row{value, {L"", std::move(x), std::move(y)}});
    }

    std::vector<Row> rows;

private:
    bool Exists(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }
    CallLog& log_;
};

class FakePointer final : public PointerReader {
public:
    explicit FakePointer(CallLog& log) : log_(log) {}
    void ReadPointerPosition(ClickPoint& point) override {
        log_.push_back("read pointer");
        if (position) point = *position;  // a failed read leaves the point alone
    }
    std::optional<ClickPoint> position;

private:
    CallLog& log_;
};

class FakeButton final : public Button {
public:
    FakeButton(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    void SetDisabled(bool value) override {
        disabled = value;
        log_.push_back(name_ + (value ? " disable" : " enable"));
    }
    void SetPointerShape(PointerShape value) override {
        shape = value;
        log_.push_back(name_ + " shape " + std::to_string(static_cast<int>(value)));
    }
    bool disabled = false;
    PointerShape shape = PointerShape::Standard;

private:
    CallLog& log_;
    std::string name_;
};

class FakeTimer final : public PeriodicTimer {
public:
    explicit FakeTimer(CallLog& log) : log_(log) {}
    void SetPeriod(std::uint32_t milliseconds) override {
        period = milliseconds;
        log_.push_back("period " + std::to_string(milliseconds));
    }
    std::uint32_t period = 0;

private:
    CallLog& log_;
};

class FakeMessageBox final : public ModalMessageBox {
public:
    explicit FakeMessageBox(CallLog& log) : log_(log) {}
    void ShowTaskModal(std::wstring_view text, std::wstring_view title) override {
        shown.emplace_back(text, title);
        log_.push_back("message box");
        if (whileOpen) whileOpen();  // stands for messages dispatched during the wait
        log_.push_back("message box dismissed");
    }
    std::vector<std::pair<std::wstring, std::wstring>> shown;
    std::function<void()> whileOpen;

private:
    CallLog& log_;
};

class FakeClicks final : public ClickSynthesizer {
public:
    struct Click {
        std::int32_t x;
        std::int32_t y;
        ClickCode code;
        friend bool operator==(const Click&, const Click&) = default;
    };
    explicit FakeClicks(CallLog& log) : log_(log) {}
    void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode code) override {
        clicks.push_back({x, y, code});
        log_.push_back("click " + std::to_string(x) + "," + std::to_string(y) + " code " +
                       std::to_string(static_cast<int>(code)));
    }
    std::vector<Click> clicks;

private:
    CallLog& log_;
};

}  // namespace quorvel::fakes
