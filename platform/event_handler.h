#pragma once

namespace quorvel {

// A handler named in a window definition: a member function, called without
// arguments, of the object that handles the window's events. Definitions are
// constant data, so the binding is a plain function pointer that
// Bind<&Owner::Method>() makes.
struct EventHandler {
    void (*invoke)(void* target) = nullptr;

    explicit operator bool() const { return invoke != nullptr; }
};

namespace detail {
template <class Method>
struct MemberOwner;
template <class Owner>
struct MemberOwner<void (Owner::*)()> {
    using Type = Owner;
};
}  // namespace detail

template <auto Method>
constexpr EventHandler Bind() {
    return EventHandler{[](void* target) {
        using Owner = typename detail::MemberOwner<decltype(Method)>::Type;
        (static_cast<Owner*>(target)->*Method)();
    }};
}

}  // namespace quorvel
