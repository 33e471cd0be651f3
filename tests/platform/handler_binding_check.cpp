// Compiled, never run: each case of tests/platform/CMakeLists.txt builds this
// file with one CHECK_... macro defined. Handlers of the window's owner
// compile; a handler bound to another class must stop the compiler.
#include "platform/window.h"

// A named namespace: BuildWindows has to be visible outside this file, or it
// would be an unused function.
namespace quorvel::handler_binding_check {

struct Owner {
    void OnEvent() {}
};

struct Other {
    void OnEvent() {}
};

constexpr ControlDefinition OwnerControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"b", .id = 1, .left = 0, .top = 0, .width = 80, .height = 30,
     .onEvent = Bind<&Owner::OnEvent>()},
    {.kind = ControlKind::Timer, .formName = L"t", .id = 2, .left = 0, .top = 0, .width = 0, .height = 0,
     .onEvent = Bind<&Owner::OnEvent>()},
};

// One control of the owner's window bound to another class.
constexpr ControlDefinition MixedControls[] = {
    OwnerControls[0],
    {.kind = ControlKind::Timer, .formName = L"t", .id = 2, .left = 0, .top = 0, .width = 0, .height = 0,
     .onEvent = Bind<&Other::OnEvent>()},
};

constexpr WindowDefinition OwnerWindow{
    .caption = L"owner", .outerWidth = 200, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onCreated = Bind<&Owner::OnEvent>(), .onDestroying = Bind<&Owner::OnEvent>(),
    .controls = OwnerControls};

constexpr WindowDefinition MixedWindow{
    .caption = L"mixed", .outerWidth = 200, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onCreated = Bind<&Owner::OnEvent>(), .controls = MixedControls};

constexpr WindowDefinition DestroyingOfOther{
    .caption = L"other", .outerWidth = 200, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .onDestroying = Bind<&Other::OnEvent>(), .controls = OwnerControls};

constexpr WindowDefinition PlainWindow{
    .caption = L"plain", .outerWidth = 200, .outerHeight = 120, .taskbarButton = true, .visible = true,
    .iconResource = nullptr};

void BuildWindows(RunTime& runTime, Owner& owner, Other& other) {
    (void)owner;
    (void)other;
#if defined(CHECK_MATCHING_OWNERS)
    Window owned(runTime, OwnerWindow, owner);
    Window plainOwned(runTime, PlainWindow, other);
    Window plain(runTime, PlainWindow);
#elif defined(CHECK_OWNER_OF_ANOTHER_CLASS)
    Window window(runTime, OwnerWindow, other);
#elif defined(CHECK_CONTROL_OF_ANOTHER_CLASS)
    Window window(runTime, MixedWindow, owner);
#elif defined(CHECK_WINDOW_EVENT_OF_ANOTHER_CLASS)
    Window window(runTime, DestroyingOfOther, owner);
#elif defined(CHECK_HANDLERS_WITHOUT_OWNER)
    Window window(runTime, OwnerWindow);
#else
#error "no CHECK_... case chosen"
#endif
}

}  // namespace quorvel::handler_binding_check
