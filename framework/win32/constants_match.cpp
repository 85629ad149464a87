// The framework's portable constants are the Win32 values under other names: the Win32 backend
// passes them through unchanged.
#include "framework/constants.h"
#include "framework/win32/win32_api.h"
#include "framework/win_types.h"

namespace fw {
namespace win32 {

static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL && kIdAbort == IDABORT &&
                  kIdRetry == IDRETRY && kIdIgnore == IDIGNORE && kIdYes == IDYES && kIdNo == IDNO,
              "command ids");
static_assert(kMbOk == MB_OK && kMbOkCancel == MB_OKCANCEL &&
                  kMbAbortRetryIgnore == MB_ABORTRETRYIGNORE && kMbYesNoCancel == MB_YESNOCANCEL &&
                  kMbYesNo == MB_YESNO && kMbRetryCancel == MB_RETRYCANCEL &&
                  kMbTypeMask == MB_TYPEMASK,
              "message-box buttons");
static_assert(kMbIconHand == MB_ICONHAND && kMbIconQuestion == MB_ICONQUESTION &&
                  kMbIconExclamation == MB_ICONEXCLAMATION && kMbIconAsterisk == MB_ICONASTERISK &&
                  kMbIconMask == MB_ICONMASK,
              "message-box icons");
static_assert(kWmNull == WM_NULL && kWmCreate == WM_CREATE && kWmPaint == WM_PAINT &&
                  kWmQueryDragIcon == WM_QUERYDRAGICON && kWmNotify == WM_NOTIFY &&
                  kWmInitDialog == WM_INITDIALOG && kWmCommand == WM_COMMAND &&
                  kWmSysCommand == WM_SYSCOMMAND,
              "window messages");
static_assert(kBnClicked == BN_CLICKED && kCbnSelChange == CBN_SELCHANGE && kEnChange == EN_CHANGE,
              "command notifications");
static_assert(kUdnDeltaPos == static_cast<int>(UDN_DELTAPOS), "up-down notification");
static_assert(kNmDblClk == static_cast<int>(NM_DBLCLK) &&
                  kLvnColumnClick == static_cast<int>(LVN_COLUMNCLICK) &&
                  kLvnItemChanged == static_cast<int>(LVN_ITEMCHANGED),
              "list-view notifications");
static_assert(kVkPageUp == VK_PRIOR && kVkPageDown == VK_NEXT && kVkUp == VK_UP &&
                  kVkDown == VK_DOWN && kVkLeft == VK_LEFT && kVkRight == VK_RIGHT,
              "virtual keys");
static_assert(kScSize == SC_SIZE && kScMove == SC_MOVE && kScMinimize == SC_MINIMIZE &&
                  kScMaximize == SC_MAXIMIZE && kScClose == SC_CLOSE && kScRestore == SC_RESTORE,
              "system commands");
static_assert(kSmCxIcon == SM_CXICON && kSmCyIcon == SM_CYICON, "system metrics");
static_assert(kCbErr == CB_ERR, "combo-box error");
static_assert(sizeof(fw::LRESULT) == sizeof(::LRESULT) && sizeof(fw::LPARAM) == sizeof(::LPARAM),
              "message results and arguments are pointer-sized");

}  // namespace win32
}  // namespace fw
