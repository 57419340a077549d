#pragma once

#include <QString>

// The text of a multi-line box exactly as it was assigned or typed. Qt's document knows only
// paragraphs, and its plain text turns a non-breaking space into a space; this keeps every
// character and the form of every line break (CR LF, or a lone CR or LF) beside the document,
// so a text read back unchanged is byte for byte the text that was put in, and an edit changes
// only what it touched.
//
// Positions count the document's characters, one per line break; offsets count the text's
// characters, so a CR LF counts two, as the stored files and the bookmark count it.
class ExactText {
public:
    explicit ExactText(QString text = {});

    const QString& text() const { return m_text; }
    // The document's form of the text: every line break as one LF.
    QString documentText() const;

    // The document changed from `before` to `after` (document forms, a break written as LF or
    // as the paragraph separator): the characters [position, position + removed) became
    // [position, position + added). Only the characters that really differ are replaced here;
    // a line break the user adds is CR LF. A report that does not fit the two texts is taken as
    // a change of everything.
    void follow(QStringView before, QStringView after, int position, int removed, int added);

    int offsetAt(int position) const;
    // An offset between the CR and the LF of a line break lands before the break; one beyond
    // the end lands at the end.
    int positionAt(int offset) const;
    // The text between two positions, line breaks as they are held.
    QString between(int fromPosition, int toPosition) const;

    // How many characters of the text the line break at the offset takes: 2 for CR LF, 1 for
    // any other break, 0 where no break begins.
    static int breakWidth(QStringView text, qsizetype offset);

private:
    int documentLength() const;

    QString m_text;
};
