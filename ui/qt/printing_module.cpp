// The printing module's entry: the one symbol the window looks up
// (printing_module.h).
#include <QPrintDialog>
#include <QPrinter>

#include "ui/qt/printing_module.h"

namespace {

PrintOutcome printPages(QWidget* over, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, over);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

constexpr PrintingModule Module{printPages};

} // namespace

extern "C" Q_DECL_EXPORT const PrintingModule* swdPrintingModule() { return &Module; }
