// A flood of hot key messages that another program posts, none of them an
// exact registered combination, with genuine F6 messages among them: only
// the genuine ones act, and the program comes through it unharmed.
#include <cstdint>
#include <cstdio>
#include <random>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

constexpr WPARAM F6Id = 3;

// The four registered combinations: identifier and exact lParam.
struct Combination {
    WPARAM id;
    LPARAM lParam;
};
constexpr Combination Registered[] = {
    {1, MAKELPARAM(MOD_CONTROL, 'S')},
    {2, MAKELPARAM(MOD_CONTROL, 'Q')},
    {3, MAKELPARAM(0, VK_F6)},
    {4, MAKELPARAM(0, VK_F7)},
};

bool IsRegistered(WPARAM id, LPARAM lParam) {
    for (const Combination& combination : Registered) {
        if (combination.id == id && combination.lParam == lParam) return true;
    }
    return false;
}

// Random messages, most of them close to a registered combination: a
// registered identifier with any lParam, or with the right key and other
// modifier bits; the rest random in every bit of both parameters.
class NearMisses {
public:
    explicit NearMisses(std::uint64_t seed) : random_(seed) {}

    Combination Next() {
        for (;;) {
            const Combination& base = Registered[random_() % 4];
            Combination message{};
            switch (random_() % 4) {
                case 0:
                case 1:
                    message = {base.id, static_cast<LPARAM>(random_())};
                    break;
                case 2:
                    message = {base.id, (base.lParam & ~LPARAM{0xFFFF}) | static_cast<LPARAM>(random_() & 0xFFFF)};
                    break;
                default:
                    message = {static_cast<WPARAM>(random_()), static_cast<LPARAM>(random_())};
                    break;
            }
            if (!IsRegistered(message.id, message.lParam)) return message;
        }
    }

private:
    std::mt19937_64 random_;
};

// A thread's posted-message queue holds 10,000 messages: when it is full,
// wait for the program to catch up. False if it never does.
bool PostPaced(HWND window, WPARAM wParam, LPARAM lParam) {
    for (int attempt = 0; attempt < 5000; ++attempt) {
        if (PostMessageW(window, WM_HOTKEY, wParam, lParam)) return true;
        Sleep(1);
    }
    return false;
}

using HotKeyFlood = QuorvelTest;

TEST_F(HotKeyFlood, OnlyTheGenuineMessagesAmongAHundredThousandAct) {
    constexpr int Flood = 100'000;
    constexpr int Genuine = 100;
    constexpr std::uint64_t Seed = 20240806;
    const POINT at = target_.ToScreen({70, 80});
    ASSERT_TRUE(MovePointer(at));

    const HWND window = program_.MainWindow();
    NearMisses messages(Seed);
    const double started = NowMs();
    for (int i = 0; i < Flood; ++i) {
        if (i % (Flood / Genuine) == Flood / Genuine - 1) {
            ASSERT_TRUE(PostPaced(window, F6Id, MAKELPARAM(0, VK_F6))) << "the queue stayed full";
        }
        const Combination message = messages.Next();
        ASSERT_TRUE(PostPaced(window, message.id, message.lParam)) << "the queue stayed full at message " << i;
    }
    const double posted = NowMs() - started;

    ASSERT_TRUE(WaitUntil([&] { return RowCountOf(program_) >= Genuine; }, 30s)) << "rows: " << RowCountOf(program_);
    // The flood ends with random messages: once the program answers a sent
    // message, every posted one before it has been handled.
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored))
        << "the program does not answer";
    const double handled = NowMs() - started;
    std::printf("figure: %d random hot key messages and %d genuine F6 posted in %.0f ms, all handled after %.0f ms "
                "(seed %llu)\n",
                Flood, Genuine, posted, handled, static_cast<unsigned long long>(Seed));
    std::fflush(stdout);

    const std::vector<ListRow> rows = RowsOf(program_);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(Genuine));
    for (const ListRow& row : rows) {
        EXPECT_EQ(row.kind, L"左键单击");
        EXPECT_EQ(row.x, std::to_wstring(at.x));
        EXPECT_EQ(row.y, std::to_wstring(at.y));
    }
    EXPECT_TRUE(ShowsIdle(program_)) << "playback started";
    EXPECT_EQ(MessageBoxOf(program_), nullptr) << "a Start ran";
    Pause(1500ms);
    EXPECT_TRUE(target_.Presses().empty()) << "the program clicked";

    ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    const std::optional<DWORD> exitCode = program_.WaitForExit(10s);
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
    EXPECT_EQ(*exitCode, 0u);
}

}  // namespace
}  // namespace quorvel::e2e
