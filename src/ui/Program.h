#pragma once

namespace lumora::ui {

// Ends the program at once: every window, shown or hidden, goes away without its close handler
// running, and the event loop stops.
void endProgram() noexcept;

} // namespace lumora::ui
