// Capture and playback step on lists of growing length: both must cost the
// same whatever the number of rows already recorded.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/click_list.h"
#include "core/playback_controller.h"

namespace quorvel {
namespace {

// A list with the cost profile of a real report list: indexed rows.
class VectorRows final : public ListRows {
public:
    int AppendRow(std::int32_t value) override {
        rows_.push_back({value, {}});
        return static_cast<int>(rows_.size()) - 1;
    }
    void SetCellText(int row, int column, std::wstring_view text) override {
        if (row >= 0 && row < RowCount()) rows_[static_cast<std::size_t>(row)].cells[column] = text;
    }
    std::wstring CellText(int row, int column) const override {
        return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)].cells[column] : std::wstring{};
    }
    std::int32_t RowValue(int row) const override {
        return row >= 0 && row < RowCount() ? rows_[static_cast<std::size_t>(row)].value : 0;
    }
    int RowCount() const override { return static_cast<int>(rows_.size()); }

private:
    struct Row {
        std::int32_t value;
        std::wstring cells[3];
    };
    std::vector<Row> rows_;
};

class FixedPointer final : public PointerReader {
public:
    void ReadPointerPosition(ClickPoint& point) override { point = {-1234, 5678}; }
};

class NoButton final : public Button {
public:
    void SetDisabled(bool) override {}
    void SetPointerShape(PointerShape) override {}
};
class NoTimer final : public PeriodicTimer {
public:
    void SetPeriod(std::uint32_t) override {}
};
class NoMessage final : public ModalMessageBox {
public:
    void ShowTaskModal(std::wstring_view, std::wstring_view) override {}
};
class CountingClicks final : public ClickSynthesizer {
public:
    void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode) override {
        benchmark::DoNotOptimize(x + y);
    }
};

struct Fixture {
    explicit Fixture(std::int64_t rowCount) {
        records.lastCapturedPoint = std::make_unique<ClickPoint>();
        records.cursorScratch = std::make_unique<ClickPoint>();
        for (std::int64_t i = 0; i < rowCount; ++i) list.CaptureLeftClickPoint();
    }
    VectorRows rows;
    FixedPointer pointer;
    ProgramRecords records;
    ClickList list{rows, pointer, records};
    NoButton start, stop;
    NoTimer timer;
    NoMessage message;
    CountingClicks clicks;
    PlaybackController playback{{rows, start, stop, timer, message, clicks}};
};

void BM_Capture(benchmark::State& state) {
    Fixture fixture(state.range(0));
    for (auto _ : state) {
        fixture.list.CaptureRightClickPoint();
    }
    state.SetLabel("rows before: " + std::to_string(state.range(0)));
}

void BM_PlaybackStep(benchmark::State& state) {
    Fixture fixture(state.range(0));
    fixture.playback.OnStartClicked();
    for (auto _ : state) {
        fixture.playback.OnClickTimerTick();
    }
    state.SetLabel("rows: " + std::to_string(state.range(0)));
}

BENCHMARK(BM_Capture)->Arg(1)->Arg(1000)->Arg(1000000);
BENCHMARK(BM_PlaybackStep)->Arg(1)->Arg(1000)->Arg(1000000);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();
