#pragma once

namespace lumora::bench {

// Registers "save/game" and "save/plain".
void registerSaveBenchmarks();

} // namespace lumora::bench
