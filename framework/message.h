#pragma once

#include <string>
#include <vector>

#include "framework/constants.h"
#include "framework/win_types.h"

namespace fw {

// One window message as a backend hands it to a dialog (CDialog::OnWndMsg). Backends translate
// their native messages into this form:
//   kWmCommand     id = control id, code = notification code (kBnClicked, kCbnSelChange...)
//   kWmNotify      id = control id, code = notification code; upDown = the record of an up-down
//                  notification, index = the row of a list's kNmDblClk (-1 off the rows) or
//                  the column of its kLvnColumnClick
//   kWmSysCommand  id = system command, lParam = the message's lParam
//   kWmDropFiles   files = the Windows paths of the files dropped, in Explorer's order
//   kWmCreate, kWmInitDialog, kWmPaint, kWmQueryDragIcon: no arguments
struct Message {
    unsigned message = kWmNull;
    int id = 0;
    int code = 0;
    LPARAM lParam = 0;
    NMUPDOWN* upDown = nullptr;
    int index = -1;
    const std::vector<std::string>* files = nullptr;
};

// The notification a click on an up-down control's arrow sends: a proposed change of `delta`,
// with its record in `record`.
inline Message UpDownNotification(int id, int delta, NMUPDOWN& record) {
    record = NMUPDOWN{};
    record.hdr.idFrom = id;
    record.hdr.code = kUdnDeltaPos;
    record.iDelta = delta;
    Message notify;
    notify.message = kWmNotify;
    notify.id = id;
    notify.code = kUdnDeltaPos;
    notify.upDown = &record;
    return notify;
}

// A list view's notification (kNmDblClk, kLvnColumnClick, kLvnItemChanged) with its row or column.
inline Message ListNotification(int id, int code, int index) {
    Message notify;
    notify.message = kWmNotify;
    notify.id = id;
    notify.code = code;
    notify.index = index;
    return notify;
}

}  // namespace fw
