#pragma once

#include <windows.h>

class CCmdTarget;

// Marks message handlers in class declarations; it expands to nothing.
#define afx_msg

// Recovers the declaring class from the target, cracks the message arguments, calls the member handler
// and turns its answer into the message result.
using AFX_PMSG = LRESULT (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

enum class AfxResult : UINT {
    Handled,          // whatever the handler returns is the answer
    HandledIfNonZero, // a zero answer lets the message go on as if there were no entry
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode; // notification code; compared only for WM_COMMAND, WM_NOTIFY and their reflections
    UINT nID;   // control id range; compared only for WM_COMMAND and WM_NOTIFY
    UINT nLastID;
    AfxResult result;
    AFX_PMSG pfn; // null ends the entry array
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null for the root of the chain
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Converts a member-function pointer only when it already has the expected type, or is a base class's
// member of that type, so a handler with the wrong signature fails to compile.
template <typename Class, typename Signature> using AfxMemberFn = Signature Class::*;

template <typename MemberFn> constexpr MemberFn AfxExactly(MemberFn memberFn) {
    return memberFn;
}

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;

// The entries live inside a static member function of the class, so the handler lambdas may call its
// protected members.
// clang-format off
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static constexpr AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
            {0, 0, 0, 0, AfxResult::Handled, nullptr}};                                                      \
        static constexpr AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};                \
        return &messageMap;                                                                                  \
    }
// clang-format on

// One map entry whose handler body (the variadic part) sees pTarget, wParam and lParam.
#define AFX_MSG_ENTRY(message, code, id, lastId, result, ...)                                                \
    {static_cast<UINT>(message),                                                                             \
     static_cast<UINT>(code),                                                                                \
     static_cast<UINT>(id),                                                                                  \
     static_cast<UINT>(lastId),                                                                              \
     result,                                                                                                 \
     []([[maybe_unused]] CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam,                                \
        [[maybe_unused]] LPARAM lParam) -> LRESULT { __VA_ARGS__ }},

// Calls memberFxn, which must have the signature given as the variadic part, on the declaring class.
#define AFX_INVOKE(memberFxn, ...)                                                                           \
    (static_cast<ThisClass*>(pTarget)->*AfxExactly<AfxMemberFn<ThisClass, __VA_ARGS__>>(memberFxn))
