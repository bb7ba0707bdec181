#pragma once

#include "core/RuntimeError.h"

#include <new>
#include <utility>

// Every entry point from Qt's event loop runs through runHandler: an untrapped run-time error
// ends the program through one report, and no exception ever unwinds into Qt.
namespace lumora::ui {

// Shows the error's number and description in a modal box, then ends the program.
void reportRuntimeError(const RuntimeError &error) noexcept;

template <typename F>
void runHandler(F &&handler) noexcept
{
    try {
        std::forward<F>(handler)();
    } catch (const RuntimeError &error) {
        reportRuntimeError(error);
    } catch (const std::bad_alloc &) {
        reportRuntimeError(RuntimeError(ErrorCode::OutOfMemory));
    } catch (...) {
        reportRuntimeError(RuntimeError(ErrorCode::InvalidProcedureCall));
    }
}

// Wraps a handler for QObject::connect.
template <typename F>
auto handler(F f)
{
    return [f = std::move(f)]() { runHandler(f); };
}

} // namespace lumora::ui
