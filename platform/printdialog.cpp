#include "platform/printdialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {
PrinterChooserOverride* current = nullptr;
} // namespace

PrinterChooserOverride::PrinterChooserOverride(std::function<bool(QPrinter&)> choose)
    : choose(std::move(choose)), previous(current)
{
    current = this;
}

PrinterChooserOverride::~PrinterChooserOverride()
{
    current = previous;
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent)
{
    if (current)
        return current->choose(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
