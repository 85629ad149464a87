#include "framework/afx.h"

#include "framework/backend.h"

namespace fw {

std::string AfxGetAppName() {
    return CurrentBackend().ApplicationName();
}

int AfxMessageBox(const std::string& text, unsigned flags, const char* caption) {
    return CurrentBackend().ShowMessageBox(text, caption != nullptr ? caption : AfxGetAppName(),
                                           flags);
}

IconHandle LoadIconResource(int resourceId) {
    return CurrentBackend().LoadIconResource(resourceId);
}

std::string LoadResourceString(int resourceId) {
    return CurrentBackend().LoadResourceString(resourceId);
}

int GetSystemMetrics(int index) {
    return CurrentBackend().GetSystemMetrics(index);
}

void Sleep(unsigned milliseconds) {
    CurrentBackend().Sleep(milliseconds);
}

}  // namespace fw
