#pragma once

#include <QIcon>

// The program's own icon, at the sizes it ships: the windows' icon and the About box's picture.
QIcon ProgramIcon();
