#include "naivescan.h"

#include "text/codepage.h"

#include <QFile>

namespace naive {

bool forEachLine(const QString& path, const std::function<void(const QString& line)>& visit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n')) {
            line.chop(1);
            if (line.endsWith('\r'))
                line.chop(1);
        }
        visit(codepage::decodeWindows1252(line));
    }
    return true;
}

std::optional<QString> chapterText(const QString& path, const QString& prefix) {
    QString text;
    const bool read = forEachLine(path, [&](const QString& line) {
        if (line.startsWith(prefix))
            text += QString(line).remove(prefix) + QStringLiteral("\r\n\r\n");
    });
    if (!read)
        return std::nullopt;
    return text;
}

SearchOutcome search(const QString& biblePath, const QString& query, const QString& book) {
    const EachLine eachLine = [&](const std::function<void(const QString&)>& visit) {
        forEachLine(biblePath, visit);
    };
    return search(eachLine, query, book);
}

} // namespace naive
