#ifndef QCM_PRINTSEAM_H
#define QCM_PRINTSEAM_H

// The system print dialog and the print preview are modal: they go through
// this seam, which tests replace, so that no test ever waits for a user.

#include <functional>

class QPrinter;
class QWidget;

class printSeam
{
public:
    // Draws the pages onto the printer it is given.
    using Painter = std::function<void(QPrinter *)>;
    // Stands in for the print dialog: true when "printing" was accepted.
    using DialogHandler = std::function<bool(QPrinter *printer)>;
    // Stands in for the preview: may call `paint` on any printer.
    using PreviewHandler = std::function<void(QPrinter *printer, const Painter &paint)>;

    // The platform's print dialog on `printer`; true when the user accepts.
    static bool askToPrint(QPrinter *printer, QWidget *parent);
    // A maximised, modal print preview on `printer`, which draws through
    // `paint` whenever it needs the pages.
    static void preview(QPrinter *printer, QWidget *parent, const Painter &paint);

    // Tests: what runs instead of the dialogs (empty functions restore them).
    // While promptRk is in test mode and no handler is set, the print dialog
    // counts as cancelled and the preview draws nothing: nothing blocks.
    static void setDialogHandler(DialogHandler handler);
    static void setPreviewHandler(PreviewHandler handler);
};

#endif
