#pragma once

// The Win32 values the dialogs and backends share, under names that do not collide with the
// macros of <windows.h> (IDOK, MB_OK, WM_COMMAND...): a Win32 backend file includes both.

namespace fw {

// Command ids of the standard buttons, which are also the results of message boxes.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
// The id shared by labels that no code addresses.
constexpr int kIdcStatic = -1;

// Message-box buttons (low four bits) and icons (next four bits).
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbOkCancel = 0x1;
constexpr unsigned kMbAbortRetryIgnore = 0x2;
constexpr unsigned kMbYesNoCancel = 0x3;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbRetryCancel = 0x5;
constexpr unsigned kMbTypeMask = 0xF;
constexpr unsigned kMbIconHand = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconAsterisk = 0x40;
constexpr unsigned kMbIconMask = 0xF0;

// Window messages a dialog's message map can route.
constexpr unsigned kWmNull = 0x0000;
constexpr unsigned kWmCreate = 0x0001;
constexpr unsigned kWmPaint = 0x000F;
constexpr unsigned kWmQueryDragIcon = 0x0037;
constexpr unsigned kWmNotify = 0x004E;
constexpr unsigned kWmInitDialog = 0x0110;
constexpr unsigned kWmCommand = 0x0111;
constexpr unsigned kWmSysCommand = 0x0112;
constexpr unsigned kWmDropFiles = 0x0233;

// Notification codes: WM_COMMAND carries them as a WORD, WM_NOTIFY as a UINT; both are passed
// to the dialog as int (UDN_DELTAPOS is UDN_FIRST - 1 = -722).
constexpr int kBnClicked = 0;
constexpr int kCbnSelChange = 1;
constexpr int kEnChange = 0x0300;
constexpr int kUdnDeltaPos = -722;
// List-view notifications (WM_NOTIFY): a double-click (NM_DBLCLK) and a click on a column's
// header (LVN_COLUMNCLICK).
constexpr int kNmDblClk = -3;
constexpr int kLvnColumnClick = -108;
constexpr int kLvnItemChanged = -101;

// Virtual-key codes of the keys that move a list's selection.
constexpr int kVkPageUp = 0x21;
constexpr int kVkPageDown = 0x22;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;

// System-menu commands. The low four bits of a system command are used by Windows itself, so
// handlers compare (id & 0xFFF0).
constexpr unsigned kScSize = 0xF000;
constexpr unsigned kScMove = 0xF010;
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScMaximize = 0xF030;
constexpr unsigned kScClose = 0xF060;
constexpr unsigned kScRestore = 0xF120;
// Whether a command id can be an application's own system-menu command: its low four bits clear
// and below the system's own commands.
constexpr bool IsOwnSystemCommand(unsigned id) {
    return (id & 0xFFF0u) == id && id < kScSize;
}

// System metrics.
constexpr int kSmCxIcon = 11;
constexpr int kSmCyIcon = 12;

// Combo-box error result (CB_ERR).
constexpr int kCbErr = -1;

}  // namespace fw
