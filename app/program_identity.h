#pragma once

#include <QIcon>

// How the program presents itself to the desktop: its names, version and
// company, the desktop entry it belongs to, and its icon.
namespace program_identity {

// The program icon: a plain empty window, one image for each size of
// program_names::kIconSizes.
QIcon ProgramIcon();

// The icon a window carries: the program icon's images up to 64 px. A window
// hands every image of its icon to the window system at start-up, and the
// large ones cost a noticeable part of it; desktops take the large sizes from
// the installed icon theme instead.
inline constexpr int kLargestWindowIconSize = 64;
QIcon WindowIcon();

// Sets the application's metadata and makes WindowIcon() the icon of every
// window. Call once the QApplication exists.
void Apply();

} // namespace program_identity
