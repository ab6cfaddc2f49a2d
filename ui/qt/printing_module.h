// Printing a handout: the print dialog and the printer, in a module of their
// own (modules.h) so that Qt's print support is loaded only when the teacher
// first prints, not at every start-up.
#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

enum class PrintOutcome { Printed, Cancelled, Failed };

// What the module offers.
struct PrintingModule {
    // Asks for a printer over `over` and, unless the user cancels, paints
    // the pages onto it with `paint` (false when that fails).
    PrintOutcome (*print)(QWidget* over, const std::function<bool(QPagedPaintDevice&)>& paint);
};

inline constexpr char PrintingModuleEntry[] = "swdPrintingModule";
using PrintingModuleFunction = const PrintingModule* (*)();

// Loads the module (modules.h); null, with the reason in `error`, when it cannot.
const PrintingModule* loadPrintingModule(QString* error);
