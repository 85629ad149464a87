#pragma once

#include <string>

#include "framework/constants.h"
#include "framework/win_types.h"

// Process-wide services, forwarded to the current backend.

namespace fw {

// The executable's base name without extension: the default caption of message boxes.
std::string AfxGetAppName();
// A message box owned by no window; without a caption, the application's name.
int AfxMessageBox(const std::string& text, unsigned flags = kMbOk, const char* caption = nullptr);
IconHandle LoadIconResource(int resourceId);
// Empty when the string table has no such string.
std::string LoadResourceString(int resourceId);
int GetSystemMetrics(int index);
void Sleep(unsigned milliseconds);

}  // namespace fw
