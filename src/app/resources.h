#pragma once
// Registers the compiled-in pictures. They live in a static library, where nothing else would
// keep their registration from being dropped by the linker.
void InitTallivarResources();
