#pragma once

namespace lumora {

// The start-up procedure: builds the version text and shows the splash window modeless.
void Main();

} // namespace lumora
