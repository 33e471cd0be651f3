#pragma once

namespace quorvel {

// Stands for a class at compile time: one object per class, so two classes
// compare by the address of their tags.
template <class T>
inline constexpr char ClassTag = 0;

// A handler named in a window definition: a member function, called without
// arguments, of the object that handles the window's events. Definitions are
// constant data that the run time reads whatever their owner's class, so the
// call goes through `void*`; `ownerClass` keeps the class the handler was
// bound for, and a window takes a definition only for an owner of that class
// (DefinitionFor in window_definition.h), so the compiler rejects a mismatch.
struct EventHandler {
    void (*invoke)(void* owner) = nullptr;
    const char* ownerClass = nullptr;  // &ClassTag<the owner's class>

    constexpr explicit operator bool() const { return invoke != nullptr; }
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
    using Owner = typename detail::MemberOwner<decltype(Method)>::Type;
    return EventHandler{[](void* owner) { (static_cast<Owner*>(owner)->*Method)(); }, &ClassTag<Owner>};
}

}  // namespace quorvel
