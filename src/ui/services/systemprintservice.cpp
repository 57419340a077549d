#include "services/systemprintservice.h"

#include "print/printedpage.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Every page keeps its margins, whatever the printer or the dialog started with.
void keepMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    printer.setPageMargins(print::margins(layout.margins(), layout.minimumMargins()),
                           QPageLayout::Millimeter);
}

} // namespace

// The dialog starts at the default printer, so printing there is one more click, and any other
// printer, or a PDF file, can be chosen; Cancel prints nothing.
PrintService::Outcome SystemPrintService::print(const QString& documentName, const Painter& paint) {
    QPrinter printer(QPrinterInfo::defaultPrinter());
    keepMargins(printer); // the dialog offers them, and takes larger ones
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Print %1").arg(documentName));
    if (dialog.exec() != QDialog::Accepted)
        return {false, {}};
    return paintOn(printer, documentName, paint);
}

PrintService::Outcome SystemPrintService::paintOn(QPrinter& printer, const QString& documentName,
                                                  const Painter& paint) {
    printer.setDocName(documentName);
    keepMargins(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QStringLiteral("The printer could not be started.")};
    paint(printer, painter);
    if (!painter.end())
        return {false, QStringLiteral("The document could not be printed.")};
    return {true, {}};
}
