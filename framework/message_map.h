#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "framework/constants.h"
#include "framework/dialog.h"
#include "framework/message.h"
#include "framework/win_types.h"

// Message maps in the shape of the framework the dialogs were designed on: a static table per
// class, searched from the most derived class to its bases. Each entry holds a pointer to a
// member of the dialog class, converted to a pointer to a member of CDialog (the conversion
// is checked by the compiler: a handler of the wrong signature does not compile).
//
//   class CMyDlg : public fw::CDialog { ... DECLARE_MESSAGE_MAP() };
//
//   BEGIN_MESSAGE_MAP(CMyDlg, fw::CDialog)
//       ON_WM_CREATE()
//       ON_BN_CLICKED(IDC_SELECT, &CMyDlg::OnSelect)
//       ON_NOTIFY(fw::kUdnDeltaPos, IDC_SPIN, &CMyDlg::OnDeltaPosSpin)
//   END_MESSAGE_MAP()

namespace fw {

struct MessageMapEntry {
    unsigned message = kWmNull;  // kWmNull ends a table
    int code = 0;                // kWmCommand, kWmNotify: notification code
    int id = 0;                  // kWmCommand, kWmNotify: control id
    // Exactly one of these is set, the one whose signature the message calls for.
    void (CDialog::*onVoid)() = nullptr;  // commands, kWmPaint
    void (CDialog::*onUpDown)(NMUPDOWN*, LRESULT*) = nullptr;
    void (CDialog::*onListNotify)(int index) = nullptr;
    int (CDialog::*onCreate)() = nullptr;
    void (CDialog::*onSysCommand)(unsigned, LPARAM) = nullptr;
    IconHandle (CDialog::*onQueryDragIcon)() = nullptr;
    void (CDialog::*onDropFiles)(const std::vector<std::string>&) = nullptr;
};

struct MessageMap {
    const MessageMap* (*base)();  // nullptr for CDialog's own map
    const MessageMapEntry* entries;
};

// The first entry that handles the message, searching the class's table, then its bases'.
const MessageMapEntry* FindMessageMapEntry(const MessageMap* map, const Message& message);

namespace detail {

inline MessageMapEntry MakeEntry(unsigned message, int code, int id, void (CDialog::*fn)()) {
    MessageMapEntry e;
    e.message = message;
    e.code = code;
    e.id = id;
    e.onVoid = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message, int code, int id,
                                 void (CDialog::*fn)(NMUPDOWN*, LRESULT*)) {
    MessageMapEntry e;
    e.message = message;
    e.code = code;
    e.id = id;
    e.onUpDown = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message, int code, int id, void (CDialog::*fn)(int)) {
    MessageMapEntry e;
    e.message = message;
    e.code = code;
    e.id = id;
    e.onListNotify = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message, int (CDialog::*fn)()) {
    MessageMapEntry e;
    e.message = message;
    e.onCreate = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message, void (CDialog::*fn)(unsigned, LPARAM)) {
    MessageMapEntry e;
    e.message = message;
    e.onSysCommand = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message, IconHandle (CDialog::*fn)()) {
    MessageMapEntry e;
    e.message = message;
    e.onQueryDragIcon = fn;
    return e;
}
inline MessageMapEntry MakeEntry(unsigned message,
                                 void (CDialog::*fn)(const std::vector<std::string>&)) {
    MessageMapEntry e;
    e.message = message;
    e.onDropFiles = fn;
    return e;
}
inline MessageMapEntry EndEntry() {
    return MessageMapEntry{};
}

}  // namespace detail
}  // namespace fw

#define DECLARE_MESSAGE_MAP()                           \
  protected:                                            \
    static const ::fw::MessageMap* GetThisMessageMap(); \
    const ::fw::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                \
    const ::fw::MessageMap* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                           \
    }                                                         \
    const ::fw::MessageMap* theClass::GetThisMessageMap() {   \
        using ThisClass = theClass;                           \
        using TheBaseClass = baseClass;                       \
        static const ::fw::MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                            \
    ::fw::detail::EndEntry()                                                         \
    }                                                                                \
    ;                                                                                \
    static_assert(std::is_base_of<TheBaseClass, ThisClass>::value,                   \
                  "BEGIN_MESSAGE_MAP: the base class must be a base of the class");  \
    static const ::fw::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                                     \
    }

// Button clicks, combo-box selection changes and edit changes: handler void ().
#define ON_BN_CLICKED(id, memberFxn)                                  \
    ::fw::detail::MakeEntry(::fw::kWmCommand, ::fw::kBnClicked, (id), \
                            static_cast<void (::fw::CDialog::*)()>(memberFxn)),
#define ON_CBN_SELCHANGE(id, memberFxn)                                  \
    ::fw::detail::MakeEntry(::fw::kWmCommand, ::fw::kCbnSelChange, (id), \
                            static_cast<void (::fw::CDialog::*)()>(memberFxn)),
#define ON_EN_CHANGE(id, memberFxn)                                  \
    ::fw::detail::MakeEntry(::fw::kWmCommand, ::fw::kEnChange, (id), \
                            static_cast<void (::fw::CDialog::*)()>(memberFxn)),
// List notifications: handler void (int row) for a double-click (-1 off the rows) and for a row
// whose selection changed, void (int column) for a click on a column's header.
#define ON_NM_DBLCLK(id, memberFxn)                                 \
    ::fw::detail::MakeEntry(::fw::kWmNotify, ::fw::kNmDblClk, (id), \
                            static_cast<void (::fw::CDialog::*)(int)>(memberFxn)),
#define ON_LVN_ITEMCHANGED(id, memberFxn)                                 \
    ::fw::detail::MakeEntry(::fw::kWmNotify, ::fw::kLvnItemChanged, (id), \
                            static_cast<void (::fw::CDialog::*)(int)>(memberFxn)),
#define ON_LVN_COLUMNCLICK(id, memberFxn)                                 \
    ::fw::detail::MakeEntry(::fw::kWmNotify, ::fw::kLvnColumnClick, (id), \
                            static_cast<void (::fw::CDialog::*)(int)>(memberFxn)),
// Up-down notifications: handler void (fw::NMUPDOWN*, fw::LRESULT* result).
#define ON_NOTIFY(code, id, memberFxn) \
    ::fw::detail::MakeEntry(           \
        ::fw::kWmNotify, (code), (id), \
        static_cast<void (::fw::CDialog::*)(::fw::NMUPDOWN*, ::fw::LRESULT*)>(memberFxn)),
// int OnCreate(): runs once before the first data exchange; -1 fails the modal run.
#define ON_WM_CREATE()                       \
    ::fw::detail::MakeEntry(::fw::kWmCreate, \
                            static_cast<int (::fw::CDialog::*)()>(&ThisClass::OnCreate)),
// void OnSysCommand(unsigned id, fw::LPARAM lParam).
#define ON_WM_SYSCOMMAND()   \
    ::fw::detail::MakeEntry( \
        ::fw::kWmSysCommand, \
        static_cast<void (::fw::CDialog::*)(unsigned, ::fw::LPARAM)>(&ThisClass::OnSysCommand)),
// void OnPaint().
#define ON_WM_PAINT()                             \
    ::fw::detail::MakeEntry(::fw::kWmPaint, 0, 0, \
                            static_cast<void (::fw::CDialog::*)()>(&ThisClass::OnPaint)),
// fw::IconHandle OnQueryDragIcon().
#define ON_WM_QUERYDRAGICON()   \
    ::fw::detail::MakeEntry(    \
        ::fw::kWmQueryDragIcon, \
        static_cast<::fw::IconHandle (::fw::CDialog::*)()>(&ThisClass::OnQueryDragIcon)),
// void OnDropFiles(const std::vector<std::string>& paths), once the dialog called
// AcceptDroppedFiles.
#define ON_WM_DROPFILES()                                                                          \
    ::fw::detail::MakeEntry(::fw::kWmDropFiles,                                                    \
                            static_cast<void (::fw::CDialog::*)(const std::vector<std::string>&)>( \
                                &ThisClass::OnDropFiles)),
