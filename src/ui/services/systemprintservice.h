#pragma once

#include "services/printservice.h"

class QWidget;

// Asks with the print dialog, the system's default printer chosen, whose choices include the
// other printers and printing to a PDF file.
class SystemPrintService : public PrintService {
public:
    explicit SystemPrintService(QWidget* parent = nullptr)
        : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Outcome print(const QString& documentName, const Painter& paint) override;

    // Paints the document on a printer that is ready, inside margins of at least 20 mm;
    // shared with the PDF printing of tests.
    static Outcome paintOn(QPrinter& printer, const QString& documentName, const Painter& paint);

private:
    QWidget* m_parent;
};
