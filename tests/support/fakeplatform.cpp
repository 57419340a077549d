#include "support/fakeplatform.h"

#include "services/systemprintservice.h"

#include <QPrinter>

MessageBoxes::Answer ScriptedMessageBoxes::ask(const QString& text, Buttons buttons,
                                               const QString& title) {
    asked.append({text, buttons, title});
    if (!answers.isEmpty())
        return answers.takeFirst();
    return buttons == YesNo ? Yes : Ok;
}

void RecordingMousePointer::setBusy(bool busy) {
    m_busy = busy;
    history.append(busy);
}

PrintService::Outcome PdfPrintService::print(const QString& documentName, const Painter& paint) {
    const QString path = m_folder + QStringLiteral("/print-%1.pdf").arg(printedFiles.size() + 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Outcome outcome = SystemPrintService::paintOn(printer, documentName, paint);
    if (outcome.printed)
        printedFiles.append(path);
    return outcome;
}

FileSystem::Result FaultyFileSystem::canRead(const QString& path) const {
    if (failRead && failRead(path))
        return {false, QStringLiteral("Permission denied")};
    return FileSystem::canRead(path);
}

FileSystem::ReadResult FaultyFileSystem::readAll(const QString& path) const {
    if (failRead && failRead(path))
        return {false, {}, QStringLiteral("Permission denied")};
    return FileSystem::readAll(path);
}

FileSystem::BytesResult FaultyFileSystem::readBytes(const QString& path) const {
    if (failRead && failRead(path))
        return {false, {}, QStringLiteral("Permission denied")};
    return FileSystem::readBytes(path);
}

FileSystem::Result FaultyFileSystem::writeAll(const QString& path, const QString& text) {
    if (failWrite && failWrite(path))
        return {false, QStringLiteral("No space left on device")};
    return FileSystem::writeAll(path, text);
}

FileSystem::Result FaultyFileSystem::remove(const QString& path) {
    if (failRemove && failRemove(path))
        return {false, QStringLiteral("Permission denied")};
    return FileSystem::remove(path);
}
