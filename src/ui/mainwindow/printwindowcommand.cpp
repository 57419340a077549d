#include "mainwindow/printwindowcommand.h"

#include "mainwindow/menus.h"
#include "print/printedpage.h"
#include "print/printquestion.h"
#include "services/messageboxes.h"
#include "services/printfailure.h"
#include "services/services.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace {

// The picture as large as the page's margins allow, its proportions kept, at their top left.
void paintScaled(const QPixmap& picture, QPrinter& printer, QPainter& painter) {
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF size = QSizeF(picture.size()).scaled(page, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), size), picture, QRectF(picture.rect()));
}

} // namespace

PrintWindowCommand::PrintWindowCommand(QWidget& window, const Menus& menus, Services& services)
    : m_window(window)
    , m_services(services) {
    connect(menus.printWindow, &QAction::triggered, this, &PrintWindowCommand::print);
}

void PrintWindowCommand::print() {
    const report::Question question = print::windowQuestion();
    if (!print::printsOn(m_services.messages.ask(question)))
        return;
    const QPixmap picture = m_window.grab();
    const PrintService::Outcome outcome = m_services.printer.print(
        print::windowDocumentName(),
        [&](QPrinter& printer, QPainter& painter) { paintScaled(picture, printer, painter); });
    reportPrintFailure(m_services.messages, outcome, question.title);
}
