#include "favoritespage/subjectprintcommand.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectprintlines.h"
#include "mainwindow/frmbible.h"
#include "services/messageboxes.h"
#include "services/printfailure.h"
#include "services/services.h"

#include <QAction>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

const QString kTitle = QStringLiteral("Print Favorite Verses");

// The list's font name, style and size; underline and strikeout are not copied.
QFont printFont(const QFont& listFont) {
    QFont font(listFont.family());
    font.setBold(listFont.bold());
    font.setItalic(listFont.italic());
    if (listFont.pointSizeF() > 0)
        font.setPointSizeF(listFont.pointSizeF());
    return font;
}

// One line under the other from the top of the printable area, a new page when one is full.
void paintLines(const QStringList& lines, const QFont& font, QPrinter& printer, QPainter& painter) {
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal pageHeight = printer.pageRect(QPrinter::DevicePixel).height();
    qreal top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

} // namespace

SubjectPrintCommand::SubjectPrintCommand(FrmBible& window, Services& services)
    : m_window(window)
    , m_services(services) {
    connect(window.menus.mnuPrintFavoriteSubject, &QAction::triggered, this,
            [this] { mnuPrintFavoriteSubject_Click(); });
}

void SubjectPrintCommand::mnuPrintFavoriteSubject_Click() {
    const QFont font = printFont(m_window.TextFavoritesList->font());
    const QStringList lines = subjectPrintLines(m_window.TextFavoritesList->text());
    const QString subject = m_window.ComboCategory->text();
    const QString question =
        QStringLiteral("Do you want to print ") + subject + QStringLiteral(" ?");
    if (m_services.messages.ask(question, MessageBoxes::YesNo, kTitle) == MessageBoxes::No)
        return;
    const PrintService::Outcome outcome = m_services.printer.print(
        subject.isEmpty() ? kTitle : subject,
        [&](QPrinter& printer, QPainter& painter) { paintLines(lines, font, printer, painter); });
    reportPrintFailure(m_services.messages, outcome, kTitle);
}
