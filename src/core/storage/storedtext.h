#pragma once

#include <QByteArray>
#include <QString>

// A text file's bytes as read or written, and the text they hold: Windows-1252, or UTF-8 after
// a byte-order mark. Storing an edit of the text keeps the file's encoding and every byte the
// edit did not touch, bytes that are not valid UTF-8 after a mark included.
class StoredText {
public:
    StoredText() = default;
    explicit StoredText(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }
    const QString& text() const { return m_text; }

    // The bytes that hold the text. UTF-8 stays UTF-8: only the edited stretch between the
    // unchanged start and end is stored anew. Windows-1252 stays so while every character has a
    // byte there, and becomes UTF-8 with a mark when one has not.
    QByteArray bytesFor(const QString& text) const;

private:
    QByteArray m_bytes;
    QString m_text;
};
