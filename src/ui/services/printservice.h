#pragma once

#include <QString>

#include <functional>

class QPainter;
class QPrinter;

// All printing goes through here, after the print dialog has let the user choose the printer
// (or a PDF file). The caller only paints the pages.
class PrintService {
public:
    struct Outcome {
        bool printed = false;
        QString error; // empty when the user cancelled or the document printed
    };
    // Paints onto a painter already begun on the printer; call printer.newPage() between pages.
    using Painter = std::function<void(QPrinter& printer, QPainter& painter)>;

    PrintService() = default;
    Q_DISABLE_COPY_MOVE(PrintService)
    virtual ~PrintService() = default;
    virtual Outcome print(const QString& documentName, const Painter& paint) = 0;
};
