// Parts of the program that only rare actions need, with the libraries behind
// them, live in modules loaded the first time they are used, so that start-up
// does not load and link those libraries for every run:
//   libsliding-window-classroom.so  a classroom session's server (classroom_server.h)
//   libsliding-window-printing.so   printing a handout (printing_module.h)
// Installed, the modules lie at a fixed place relative to the program; run
// from the build, where the build put them. A module once loaded stays loaded.
#pragma once

#include <QString>
#include <QtGlobal>

// The function `entry` of the module `file`, or null with the reason, for
// the user, in `error`.
QFunctionPointer loadModuleEntry(const QString& file, const char* entry, QString* error);
