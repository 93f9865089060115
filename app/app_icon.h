#pragma once

#include <QIcon>

namespace korvane {

// The program's icon in every size drawn for it (the same files the
// installation puts into the desktop's icon theme).
QIcon appIcon();

} // namespace korvane
