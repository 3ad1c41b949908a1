#pragma once

#include <QIcon>

// How the program presents itself to the desktop: its names, version and
// company, the desktop entry it belongs to, and its icon.
namespace program_identity {

// The program icon: a plain empty window, one image for each size of
// program_names::kIconSizes.
QIcon ProgramIcon();

// Sets the application's metadata and makes ProgramIcon() the icon of every
// window. Call once the QApplication exists.
void Apply();

} // namespace program_identity
