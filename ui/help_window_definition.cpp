#include "ui/help_window_definition.h"

namespace quorvel {
namespace {

constexpr int HelpLabelId = 1;

// CR LF between the lines, none after the last.
constexpr const wchar_t* HelpText =
    L"帮助文档：\r\n"
    L"1.启动程序后先要获取鼠标点，即：先把鼠标移到要点击的位置，然后按键盘F7键获取右键单击，F6键为获取左键单击，"
    L"如果列表框中输入该位置，说明已经记录了。\r\n"
    L"2.获取鼠标点结束后，按开始键开始运行，默认间隔为1秒。\r\n"
    L"3.如360等杀毒软件要求阻止，请不要选择允许，否则不能正常使用。\r\n"
    L"4.有什么建议或bug请发邮件到 feedback@quorvel.example";

constexpr FontDefinition HelpFont{.face = L"宋体", .height = -12, .weight = 400, .charset = 134};  // GB2312_CHARSET

constexpr ControlDefinition HelpControls[] = {
    {.kind = ControlKind::Label, .formName = L"标签1", .id = HelpLabelId, .left = 0, .top = 8, .width = 272,
     .height = 136, .caption = HelpText, .font = &HelpFont},
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
