#pragma once
// Message maps: a static table per class that maps a message (and, for
// WM_COMMAND, a notification code and a control id range) to a member
// function. A window looks a message up in its own class's table first,
// then in its base class's, and the first match handles it; a message
// that no table names gets the window's default processing.
//
//   // in the class:      DECLARE_MESSAGE_MAP()
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_BN_CLICKED(IDC_START, &CMyDlg::onStart)        // void onStart()
//       ON_MESSAGE(WM_APP + 1, &CMyDlg::onRequest)        // LRESULT onRequest(WPARAM, LPARAM)
//       ON_WM_TIMER()                                     // void OnTimer(UINT_PTR)
//   END_MESSAGE_MAP()
//
// Each entry checks its member function's signature at compile time.
#include <windows.h>

#include <type_traits>

class CWnd;

namespace afx {

// Turns the raw arguments of a message into one member function call.
using MessageHandler = LRESULT (*)(CWnd& window, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;  // 0 ends a table
    UINT code;     // WM_COMMAND only: the notification code (high word of wParam)
    UINT firstId;  // WM_COMMAND only: the ids (low word of wParam) it answers
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();  // the base class's table; null for CWnd's
    const MessageMapEntry* entries;
};

namespace detail {

template <typename MemberFunction>
struct MemberClass;
template <typename Class, typename Result, typename... Args>
struct MemberClass<Result (Class::*)(Args...)> {
    using type = Class;
};
template <auto F>
using ClassOf = typename MemberClass<decltype(F)>::type;

template <auto F>
ClassOf<F>& target(CWnd& window) {
    return static_cast<ClassOf<F>&>(window);
}

template <auto F, typename Expected>
constexpr bool hasSignature = std::is_same_v<decltype(F), Expected ClassOf<F>::*>;

template <auto F>
LRESULT callVoid(CWnd& window, WPARAM, LPARAM) {
    static_assert(hasSignature<F, void()>, "this handler takes no arguments and returns void");
    (target<F>(window).*F)();
    return 0;
}

template <auto F>
LRESULT callMessage(CWnd& window, WPARAM wParam, LPARAM lParam) {
    static_assert(hasSignature<F, LRESULT(WPARAM, LPARAM)>, "ON_MESSAGE handlers are LRESULT f(WPARAM, LPARAM)");
    return (target<F>(window).*F)(wParam, lParam);
}

template <auto F>
LRESULT callTimer(CWnd& window, WPARAM wParam, LPARAM) {
    static_assert(hasSignature<F, void(UINT_PTR)>, "OnTimer is void OnTimer(UINT_PTR nIDEvent)");
    (target<F>(window).*F)(static_cast<UINT_PTR>(wParam));
    return 0;
}

template <auto F>
LRESULT callQueryDragIcon(CWnd& window, WPARAM, LPARAM) {
    static_assert(hasSignature<F, HCURSOR()>, "OnQueryDragIcon is HCURSOR OnQueryDragIcon()");
    return reinterpret_cast<LRESULT>((target<F>(window).*F)());
}

}  // namespace detail
}  // namespace afx

// In the class declaration.
#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const ::afx::MessageMap* GetThisMessageMap(); \
    const ::afx::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                   \
    const ::afx::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }     \
    const ::afx::MessageMap* theClass::GetThisMessageMap() {                                     \
        using ThisClass [[maybe_unused]] = theClass;                                             \
        using TheBaseClass = baseClass;                                                          \
        static const ::afx::MessageMapEntry messageEntries[] = {

#define END_MESSAGE_MAP()                                                                        \
        {0, 0, 0, 0, nullptr}};                                                                  \
        static const ::afx::MessageMap messageMap = {&TheBaseClass::GetThisMessageMap, messageEntries}; \
        return &messageMap;                                                                      \
    }

// Any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) {(message), 0, 0, 0, &::afx::detail::callMessage<memberFxn>},

// WM_COMMAND with one notification code from one control: void memberFxn().
#define ON_CONTROL(code, id, memberFxn) {WM_COMMAND, (code), (id), (id), &::afx::detail::callVoid<memberFxn>},
// Menu, accelerator and button commands (notification code 0, like BN_CLICKED).
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)

// Window messages with the handler names and signatures of CWnd.
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, &::afx::detail::callVoid<&ThisClass::OnPaint>},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, &::afx::detail::callVoid<&ThisClass::OnDestroy>},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, &::afx::detail::callVoid<&ThisClass::OnClose>},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, 0, &::afx::detail::callTimer<&ThisClass::OnTimer>},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, 0, &::afx::detail::callQueryDragIcon<&ThisClass::OnQueryDragIcon>},
