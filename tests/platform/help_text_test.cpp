// The text the help window's label shows, as the window definition that the
// run time loads holds it.
#include <algorithm>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/window_definition.h"
#include "tests/support/text.h"
#include "ui/help_window_definition.h"

namespace quorvel::test {
namespace {

// The five lines, the last one up to the space before the address.
constexpr std::wstring_view Lines[] = {
    L"帮助文档：",
    L"1.启动程序后先要获取鼠标点，即：先把鼠标移到要点击的位置，然后按键盘F7键获取右键单击，F6键为获取左键单击，"
    L"如果列表框中输入该位置，说明已经记录了。",
    L"2.获取鼠标点结束后，按开始键开始运行，默认间隔为1秒。",
    L"3.如360等杀毒软件要求阻止，请不要选择允许，否则不能正常使用。",
    L"4.有什么建议或bug请发邮件到",
};

// The configured address, from the same cache variable as the program's.
constexpr std::wstring_view ConfiguredAddress = L"" QUORVEL_CONTACT_ADDRESS;

std::wstring_view LabelText() {
    const WindowDefinition& help = HelpWindowDefinition().Get();
    if (help.controls.size() != 1 || help.controls[0].kind != ControlKind::Label) return {};
    return help.controls[0].caption;
}

TEST(HelpText, IsTheFiveLinesJoinedByCrLfEndingWithTheAddress) {
    std::wstring expected;
    for (std::wstring_view line : Lines) {
        if (!expected.empty()) expected += L"\r\n";
        expected += line;
    }
    expected += L" ";
    expected += ConfiguredAddress;
    ASSERT_FALSE(LabelText().empty()) << "the help window's only control is not a label with a text";
    // Compare as UTF-8 so that a difference prints readably.
    EXPECT_EQ(Utf8(LabelText()), Utf8(expected));
    EXPECT_EQ(LabelText(), expected);
}

TEST(HelpText, LastLineEndsWithOneSpaceAndTheAddressAndNoLineBreak) {
    const std::wstring_view text = LabelText();
    const std::wstring_view lastLine = text.substr(text.rfind(L"\r\n") + 2);
    const std::wstring tail = L" " + std::wstring(ConfiguredAddress);
    ASSERT_TRUE(lastLine.ends_with(tail)) << Utf8(lastLine);
    const std::wstring_view before = lastLine.substr(0, lastLine.size() - tail.size());
    EXPECT_FALSE(before.ends_with(L" ")) << "more than one space before the address";
    EXPECT_EQ(before, Lines[4]);
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 4) << "five lines";
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\r'), 4) << "CR only within CR LF";
}

}  // namespace
}  // namespace quorvel::test
