#include "ui/main_window_definition.h"

#include "ui/main_window.h"
#include "ui/main_window_ids.h"

namespace quorvel {
namespace {

namespace ids = main_window_ids;

constexpr ColumnDefinition PointListColumns[] = {
    {L"按键", 98, ColumnAlignment::Left},
    {L"X位", 85, ColumnAlignment::Centre},
    {L"Y位", 85, ColumnAlignment::Centre},
};

// In creation order; focusOrder gives the Tab order Start, Help, list, Stop.
constexpr ControlDefinition MainWindowControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"按钮2", .id = ids::StopButton,
     .left = 104, .top = 16, .width = 80, .height = 32, .caption = L"结束(Ctrl+Q)",
     .pointer = PointerShape::Standard, .focusOrder = 3, .onEvent = Bind<&MainWindow::OnStopClicked>()},
    {.kind = ControlKind::Timer, .formName = L"时钟1", .id = ids::ClickTimer,
     .left = 0, .top = 0, .width = 0, .height = 0, .onEvent = Bind<&MainWindow::OnClickTimerTick>()},
    {.kind = ControlKind::ReportList, .formName = L"超级列表框1", .id = ids::PointList,
     .left = 8, .top = 56, .width = 272, .height = 288, .focusOrder = 2, .columns = PointListColumns},
    {.kind = ControlKind::PushButton, .formName = L"按钮3", .id = ids::HelpButton,
     .left = 192, .top = 16, .width = 80, .height = 32, .caption = L"帮助",
     .pointer = PointerShape::Standard, .focusOrder = 1, .onEvent = Bind<&MainWindow::OnHelpClicked>()},
    {.kind = ControlKind::PushButton, .formName = L"按钮1", .id = ids::StartButton,
     .left = 8, .top = 16, .width = 88, .height = 32, .caption = L"开始(Ctrl+S)",
     .pointer = PointerShape::Hand, .focusOrder = 0, .onEvent = Bind<&MainWindow::OnStartClicked>()},
};

constexpr WindowDefinition Definition{
    .caption = L"Quorvel",
    .outerWidth = 295,
    .outerHeight = 383,
    .taskbarButton = true,
    .visible = true,
    .iconResource = L"DEFAULT_ICON",
    .onCreated = Bind<&MainWindow::OnMainWindowCreated>(),
    .onDestroying = Bind<&MainWindow::OnMainWindowDestroying>(),
    .controls = MainWindowControls,
};

}  // namespace

DefinitionFor<MainWindow> MainWindowDefinition() { return Definition; }

}  // namespace quorvel
