#include "printSeam.h"

#include "promptRk.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

printSeam::DialogHandler &dialogHandler()
{
    static printSeam::DialogHandler handler;
    return handler;
}

printSeam::PreviewHandler &previewHandler()
{
    static printSeam::PreviewHandler handler;
    return handler;
}

} // namespace

bool printSeam::askToPrint(QPrinter *printer, QWidget *parent)
{
    if (dialogHandler())
        return dialogHandler()(printer);
    if (promptRk::testing())
        return false;
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void printSeam::preview(QPrinter *printer, QWidget *parent, const Painter &paint)
{
    if (previewHandler()) {
        previewHandler()(printer, paint);
        return;
    }
    if (promptRk::testing())
        return;
    QPrintPreviewDialog dialog(printer, parent);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(target); });
    dialog.exec();
}

void printSeam::setDialogHandler(DialogHandler handler)
{
    dialogHandler() = std::move(handler);
}

void printSeam::setPreviewHandler(PreviewHandler handler)
{
    previewHandler() = std::move(handler);
}
