#pragma once

// Registers the icons compiled into the tamro_resources static library.
// Call once, after the QApplication exists and before the first use of
// a ":/icons/..." path; a static library's resources are not registered
// on their own.
void InitTamroResources();
