#include "framework/backend.h"

#include "framework/framework_error.h"

namespace fw {
namespace {

UiBackend* g_backend = nullptr;

}  // namespace

UiBackend* SetBackend(UiBackend* backend) {
    UiBackend* previous = g_backend;
    g_backend = backend;
    return previous;
}

UiBackend& CurrentBackend() {
    if (g_backend == nullptr) {
        throw FrameworkError("no user-interface backend selected");
    }
    return *g_backend;
}

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::kButton:
            return "button";
        case ControlKind::kGroupBox:
            return "group box";
        case ControlKind::kStatic:
            return "static";
        case ControlKind::kEdit:
            return "edit";
        case ControlKind::kComboBox:
            return "combo box";
        case ControlKind::kUpDown:
            return "up-down control";
        case ControlKind::kListView:
            return "list view";
    }
    return "control";
}

bool EditKeepsCtrlKey(char letter) {
    return letter == 'A' || letter == 'C' || letter == 'V' || letter == 'X' || letter == 'Z';
}

}  // namespace fw
