#include "favoritespage/printsubjectcommand.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectprintlines.h"
#include "print/printedpage.h"
#include "print/printquestion.h"
#include "services/messageboxes.h"
#include "services/printfailure.h"
#include "services/services.h"

#include <QAction>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// The list's font name, style and size; underline and strikeout are not copied.
QFont printFont(const QFont& listFont) {
    QFont font(listFont.family());
    font.setBold(listFont.bold());
    font.setItalic(listFont.italic());
    if (listFont.pointSizeF() > 0)
        font.setPointSizeF(listFont.pointSizeF());
    return font;
}

// Forty characters of a large font can be wider than the page between its margins: the font
// is made just small enough for the widest line to fit. A line that is one overlong word is
// left out of the measure, or it would shrink the whole subject to nothing.
QFont fittedToWidth(QFont font, const QStringList& lines, qreal width, QPaintDevice* device) {
    while (font.pointSizeF() > 1) {
        const QFontMetricsF metrics(font, device);
        qreal widest = 0;
        for (const QString& line : lines)
            if (line.size() <= favorites::kPrintWidth)
                widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= width)
            break;
        const qreal size = font.pointSizeF();
        font.setPointSizeF(std::max(1.0, std::min(size - 0.25, size * width / widest)));
    }
    return font;
}

// One line under the other from the top of the page's margins, a new page when one is full.
void paintLines(const QStringList& lines, const QFont& font, QPrinter& printer, QPainter& painter) {
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    painter.setFont(fittedToWidth(font, lines, page.width(), painter.device()));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal pageHeight = page.height();
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

PrintSubjectCommand::PrintSubjectCommand(const FavoritesView& view, QAction* printSubject,
                                         Services& services)
    : m_view(view)
    , m_services(services) {
    connect(printSubject, &QAction::triggered, this, &PrintSubjectCommand::print);
}

void PrintSubjectCommand::print() {
    const QFont font = printFont(m_view.subjectText->font());
    const QStringList lines = favorites::subjectPrintLines(m_view.subjectText->text());
    const QString subject = m_view.subjectBox->text();
    const report::Question question = print::subjectQuestion(subject);
    if (!print::printsOn(m_services.messages.ask(question)))
        return;
    const PrintService::Outcome outcome = m_services.printer.print(
        print::subjectDocumentName(subject),
        [&](QPrinter& printer, QPainter& painter) { paintLines(lines, font, printer, painter); });
    reportPrintFailure(m_services.messages, outcome, question.title);
}
