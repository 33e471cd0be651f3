#include "ui/help_window_definition.h"

#include <array>
#include <cstddef>

namespace quorvel {
namespace {

constexpr int HelpLabelId = 1;

// Set at configure time: the QUORVEL_CONTACT_ADDRESS cache variable.
constexpr wchar_t ContactAddress[] = L"" QUORVEL_CONTACT_ADDRESS;

// Two terminated texts as one, at compile time.
template <std::size_t First, std::size_t Second>
consteval std::array<wchar_t, First + Second - 1> Join(const wchar_t (&first)[First], const wchar_t (&second)[Second]) {
    std::array<wchar_t, First + Second - 1> joined{};
    for (std::size_t i = 0; i + 1 < First; ++i) joined[i] = first[i];
    for (std::size_t i = 0; i < Second; ++i) joined[First - 1 + i] = second[i];
    return joined;
}

// CR LF between the lines, none after the last.
constexpr auto HelpText = Join(
    L"帮助文档：\r\n"
    L"1.启动程序后先要获取鼠标点，即：先把鼠标移到要点击的位置，然后按键盘F7键获取右键单击，F6键为获取左键单击，"
    L"如果列表框中输入该位置，说明已经记录了。\r\n"
    L"2.获取鼠标点结束后，按开始键开始运行，默认间隔为1秒。\r\n"
    L"3.如360等杀毒软件要求阻止，请不要选择允许，否则不能正常使用。\r\n"
    L"4.有什么建议或bug请发邮件到 ",
    ContactAddress);

constexpr FontDefinition HelpFont{.face = L"宋体", .height = -12, .weight = 400, .charset = 134};  // GB2312_CHARSET

constexpr ControlDefinition HelpControls[] = {
    {.kind = ControlKind::Label, .formName = L"标签1", .id = HelpLabelId, .left = 0, .top = 8, .width = 272,
     .height = 136, .caption = HelpText.data(), .font = &HelpFont},
};

constexpr WindowDefinition Definition{
    .caption = L"帮助",
    .outerWidth = 280,
    .outerHeight = 177,
    .taskbarButton = false,
    .visible = true,
    .iconResource = L"DEFAULT_ICON",
    .controls = HelpControls,
};

}  // namespace

DefinitionFor<NoHandlers> HelpWindowDefinition() { return Definition; }

}  // namespace quorvel
