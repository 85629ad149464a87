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

}  // namespace fw
