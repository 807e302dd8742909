#pragma once
// The desktop's print dialog, and what tests put in its place.

#include <functional>

class QPrinter;
class QWidget;

namespace platform {

// Lets the user choose a printer (a PDF file among them), its paper and its
// pages; true when they chose to print. A chooser installed by a test answers
// instead, so that no test waits for a button press.
bool ChoosePrinter(QPrinter& printer, QWidget* parent);

// While one exists, ChoosePrinter calls `choose` instead of showing the dialog.
class PrinterChooserOverride {
public:
    explicit PrinterChooserOverride(std::function<bool(QPrinter&)> choose);
    ~PrinterChooserOverride();
    PrinterChooserOverride(const PrinterChooserOverride&) = delete;
    PrinterChooserOverride& operator=(const PrinterChooserOverride&) = delete;

private:
    friend bool ChoosePrinter(QPrinter&, QWidget*);
    std::function<bool(QPrinter&)> choose;
    PrinterChooserOverride* previous;
};

} // namespace platform
