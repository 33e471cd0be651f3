#include "ui/hot_key_window_proc.h"

#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "tests/platform/case_name.h"
#include "tests/platform/message_pump.h"
#include "tests/platform/plain_window.h"
#include "tests/support/input.h"

namespace quorvel::test {
namespace {

class RecordingTarget final : public HotKeyTarget {
public:
    void RunHotKeyAction(HotKeyAction action) override { actions.push_back(action); }
    std::vector<HotKeyAction> actions;
};

// The hot key procedure for the life of the object: every way out of a test
// gives the real F6, F7, Ctrl+S and Ctrl+Q back.
class InstalledHotKeys {
public:
    InstalledHotKeys(HWND window, HotKeyTarget& target) : window_(window) {
        InstallHotKeys(window, target, registrations_);
    }
    ~InstalledHotKeys() { Release(); }
    InstalledHotKeys(const InstalledHotKeys&) = delete;
    InstalledHotKeys& operator=(const InstalledHotKeys&) = delete;

    void Release() {
        if (!installed_) return;
        ReleaseHotKeys(window_, registrations_);
        installed_ = false;
    }

private:
    HWND window_;
    HotKeyRegistrations registrations_;
    bool installed_ = true;
};

// A registration of the test's own; unregistered only if it succeeded.
class OwnHotKey {
public:
    OwnHotKey(HWND window, int identifier, UINT modifiers, UINT key)
        : window_(window), identifier_(identifier), registered_(RegisterHotKey(window, identifier, modifiers, key)) {}
    ~OwnHotKey() {
        if (registered_) UnregisterHotKey(window_, identifier_);
    }
    OwnHotKey(const OwnHotKey&) = delete;
    OwnHotKey& operator=(const OwnHotKey&) = delete;

    bool Registered() const { return registered_; }

private:
    HWND window_;
    int identifier_;
    bool registered_;
};

constexpr UINT OrdinaryMessage = WM_USER + 5;
constexpr LRESULT ResultBase = 0x5EC0000;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// The procedure the hot key procedure finds in place: it records what
// reaches it and answers the messages under test with a result of its own,
// different for every call.
class HotKeyWindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        Current = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window_.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Recording)));
        hotKeys_.emplace(window_.Handle(), target_);
    }
    void TearDown() override {
        hotKeys_.reset();
        SetWindowLongPtrW(window_.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        Current = nullptr;
        FlushMessages();
    }

    static LRESULT CALLBACK Recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_HOTKEY && message != OrdinaryMessage && message != WM_NULL) {
            return CallWindowProcW(Current->previous_, window, message, wParam, lParam);
        }
        auto& received = Current->received_;
        const LRESULT result = ResultBase + static_cast<LRESULT>(received.size());
        received.push_back({message, wParam, lParam, result});
        return result;
    }

    static inline HotKeyWindowProcTest* Current = nullptr;
    PlainWindow window_{RECT{0, 0, 100, 60}};
    PlainWindow otherWindow_{RECT{0, 100, 100, 160}};
    RecordingTarget target_;
    WNDPROC previous_ = nullptr;
    std::vector<Received> received_;
    std::optional<InstalledHotKeys> hotKeys_;
};

struct MessageCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::optional<HotKeyAction> action;
};

class HotKeyMessageTest : public HotKeyWindowProcTest, public testing::WithParamInterface<MessageCase> {};

// Sent: the caller gets the saved procedure's result. Posted: the way the
// system delivers a hot key.
TEST_P(HotKeyMessageTest, ActsOnlyOnAGenuineHotKeyAndPassesEveryMessageOn) {
    const MessageCase& messageCase = GetParam();
    const std::vector<HotKeyAction> expected =
        messageCase.action ? std::vector<HotKeyAction>{*messageCase.action} : std::vector<HotKeyAction>{};

    const LRESULT result = SendMessageW(window_.Handle(), messageCase.message, messageCase.wParam, messageCase.lParam);
    ASSERT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_[0].message, messageCase.message);
    EXPECT_EQ(received_[0].wParam, messageCase.wParam);
    EXPECT_EQ(received_[0].lParam, messageCase.lParam);
    EXPECT_EQ(result, received_[0].result);
    EXPECT_EQ(target_.actions, expected);

    received_.clear();
    target_.actions.clear();
    PostMessageW(window_.Handle(), messageCase.message, messageCase.wParam, messageCase.lParam);
    PumpUntil([&] { return !received_.empty(); }, Milliseconds(1000));
    ASSERT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_[0].wParam, messageCase.wParam);
    EXPECT_EQ(received_[0].lParam, messageCase.lParam);
    EXPECT_EQ(target_.actions, expected);
}

constexpr LPARAM KeyParam(UINT modifiers, UINT key) { return static_cast<LPARAM>(MAKELPARAM(modifiers, key)); }

std::vector<MessageCase> MessageCases() {
    std::vector<MessageCase> cases{
        MessageCase{"CtrlS", WM_HOTKEY, 1, KeyParam(MOD_CONTROL, 'S'), HotKeyAction::Start},
        MessageCase{"CtrlQ", WM_HOTKEY, 2, KeyParam(MOD_CONTROL, 'Q'), HotKeyAction::Stop},
        MessageCase{"F6", WM_HOTKEY, 3, KeyParam(0, VK_F6), HotKeyAction::CaptureLeft},
        MessageCase{"F7", WM_HOTKEY, 4, KeyParam(0, VK_F7), HotKeyAction::CaptureRight},
        // Spoofed: the identifier and the key must agree exactly.
        MessageCase{"IdentifierOfAnotherKey", WM_HOTKEY, 1, KeyParam(MOD_CONTROL, 'Q'), std::nullopt},
        MessageCase{"KeyWithoutItsModifier", WM_HOTKEY, 1, KeyParam(0, 'S'), std::nullopt},
        MessageCase{"ExtraModifier", WM_HOTKEY, 1, KeyParam(MOD_CONTROL | MOD_SHIFT, 'S'), std::nullopt},
        MessageCase{"ModifierOnAPlainKey", WM_HOTKEY, 3, KeyParam(MOD_CONTROL, VK_F6), std::nullopt},
        MessageCase{"UnknownIdentifier", WM_HOTKEY, 5, KeyParam(0, VK_F6), std::nullopt},
        MessageCase{"IdentifierZero", WM_HOTKEY, 0, KeyParam(0, VK_F6), std::nullopt},
        MessageCase{"IdentifierWithHighBits", WM_HOTKEY, 0x10003, KeyParam(0, VK_F6), std::nullopt},
        MessageCase{"KeyWithHighBits", WM_HOTKEY, 3, KeyParam(0, 0x0175), std::nullopt},
        MessageCase{"NegativeLParam", WM_HOTKEY, 3, -1, std::nullopt},
        MessageCase{"NegativeLParamWithTheKeyBits", WM_HOTKEY, 3, static_cast<LPARAM>(0xFF750000u), std::nullopt},
        MessageCase{"NegativeLParamWithTheModifier", WM_HOTKEY, 1, static_cast<LPARAM>(0x80530002u), std::nullopt},
        // Ordinary messages, even with a hot key's arguments.
        MessageCase{"OrdinaryWithHotKeyArguments", OrdinaryMessage, 3, KeyParam(0, VK_F6), std::nullopt},
        MessageCase{"OrdinaryWithOddArguments", OrdinaryMessage, 0xDEADBEEF, -12345, std::nullopt},
        MessageCase{"Null", WM_NULL, 0, 0, std::nullopt}};
    if constexpr (sizeof(LPARAM) == 8) {
        // A 64-bit build: a genuine press with a bit above bit 31 added to
        // either parameter must not be cut down to the press.
        const auto high = static_cast<std::uint64_t>(1) << 32;
        cases.push_back({"IdentifierAboveBit31", WM_HOTKEY, static_cast<WPARAM>(high | 3), KeyParam(0, VK_F6),
                         std::nullopt});
        cases.push_back({"LParamAboveBit31", WM_HOTKEY, 1,
                         static_cast<LPARAM>(high | static_cast<std::uint64_t>(KeyParam(MOD_CONTROL, 'S'))),
                         std::nullopt});
        cases.push_back({"LParamTopBitOnly", WM_HOTKEY, 4,
                         static_cast<LPARAM>((high << 31) | static_cast<std::uint64_t>(KeyParam(0, VK_F7))),
                         std::nullopt});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Messages, HotKeyMessageTest, testing::ValuesIn(MessageCases()), CaseName());

struct KeyCase {
    const char* name;
    UINT modifiers;
    WORD key;
    int identifier;
    HotKeyAction action;
};

class HotKeyPressTest : public HotKeyWindowProcTest, public testing::WithParamInterface<KeyCase> {};

// The keys themselves, through the system's registration.
TEST_P(HotKeyPressTest, RealKeyPressRunsItsAction) {
    const KeyCase& keyCase = GetParam();
    if (keyCase.modifiers == MOD_CONTROL) {
        PressKeys({VK_CONTROL, keyCase.key});
    } else {
        PressKeys({keyCase.key});
    }
    ASSERT_TRUE(PumpUntil([&] { return !target_.actions.empty(); }, Milliseconds(2000)));
    PumpFor(Milliseconds(100));
    EXPECT_EQ(target_.actions, std::vector<HotKeyAction>{keyCase.action});
    ASSERT_EQ(received_.size(), 1u);
    EXPECT_EQ(received_[0].message, static_cast<UINT>(WM_HOTKEY));
    EXPECT_EQ(received_[0].wParam, static_cast<WPARAM>(keyCase.identifier));
    EXPECT_EQ(received_[0].lParam, KeyParam(keyCase.modifiers, keyCase.key));
}

INSTANTIATE_TEST_SUITE_P(Keys, HotKeyPressTest,
                         testing::Values(KeyCase{"CtrlS", MOD_CONTROL, 'S', 1, HotKeyAction::Start},
                                         KeyCase{"CtrlQ", MOD_CONTROL, 'Q', 2, HotKeyAction::Stop},
                                         KeyCase{"F6", 0, VK_F6, 3, HotKeyAction::CaptureLeft},
                                         KeyCase{"F7", 0, VK_F7, 4, HotKeyAction::CaptureRight}),
                         CaseName());

TEST_F(HotKeyWindowProcTest, ReleaseRestoresTheProcedureAndFreesTheKeys) {
    EXPECT_NE(GetWindowLongPtrW(window_.Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Recording));
    {
        OwnHotKey taken(otherWindow_.Handle(), 101, MOD_CONTROL, 'S');
        EXPECT_FALSE(taken.Registered()) << "the hot keys were not registered";
    }

    hotKeys_->Release();
    EXPECT_EQ(GetWindowLongPtrW(window_.Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Recording));
    EXPECT_TRUE(IsWindowUnicode(window_.Handle()));

    const OwnHotKey ctrlS(otherWindow_.Handle(), 101, MOD_CONTROL, 'S');
    const OwnHotKey ctrlQ(otherWindow_.Handle(), 102, MOD_CONTROL, 'Q');
    const OwnHotKey f6(otherWindow_.Handle(), 103, 0, VK_F6);
    const OwnHotKey f7(otherWindow_.Handle(), 104, 0, VK_F7);
    EXPECT_TRUE(ctrlS.Registered());
    EXPECT_TRUE(ctrlQ.Registered());
    EXPECT_TRUE(f6.Registered());
    EXPECT_TRUE(f7.Registered());

    // A hot key message now reaches only the restored procedure.
    SendMessageW(window_.Handle(), WM_HOTKEY, 3, KeyParam(0, VK_F6));
    EXPECT_EQ(received_.size(), 1u);
    EXPECT_TRUE(target_.actions.empty());
}

}  // namespace
}  // namespace quorvel::test
