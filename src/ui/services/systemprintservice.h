#pragma once

#include "services/printservice.h"

class QWidget;

// Prints on the system's default printer; when there is none, asks with the print dialog,
// whose choices include printing to a PDF file.
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
