#pragma once

#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/printservice.h"
#include "storage/filesystem.h"

#include <QList>
#include <QString>

#include <functional>

// Message boxes that answer from a script and remember what they were asked.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Asked {
        QString text;
        Buttons buttons;
        QString title;
    };
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;

    QList<Answer> answers; // taken from the front; when empty: Ok / Yes
    QList<Asked> asked;
};

// Remembers every change of the pointer.
class RecordingMousePointer : public MousePointer {
public:
    void setBusy(bool busy) override;
    bool isBusy() const override { return m_busy; }
    QList<bool> history;

private:
    bool m_busy = false;
};

class MemoryClipboard : public Clipboard {
public:
    QString text() const override { return m_text.value_or(QString()); }
    void setText(const QString& text) override { m_text = text; }
    bool hasText() const override { return m_text.has_value(); }
    QString selectionText() const override { return selection; }
    void clear() { m_text.reset(); }

    QString selection; // what the desktop has selected elsewhere

private:
    std::optional<QString> m_text;
};

// Prints every document to a PDF file of its own in a folder.
class PdfPrintService : public PrintService {
public:
    explicit PdfPrintService(QString folder)
        : m_folder(std::move(folder)) {}
    Outcome print(const QString& documentName, const Painter& paint) override;
    QStringList printedFiles;

private:
    QString m_folder;
};

// The real file layer, but a test can make writes or deletes of chosen paths fail.
class FaultyFileSystem : public FileSystem {
public:
    std::function<bool(const QString& path)> failWrite;
    std::function<bool(const QString& path)> failRemove;
    std::function<bool(const QString& path)> failRead;

    Result canRead(const QString& path) const override;
    ReadResult readAll(const QString& path) const override;
    BytesResult readBytes(const QString& path) const override;
    bool mayReadDirectly() const override { return false; }
    Result writeAll(const QString& path, const QString& text) override;
    Result remove(const QString& path) override;
};
