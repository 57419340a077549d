#pragma once

#include "scripture/reference.h"

#include <QString>
#include <QStringList>

#include <vector>

// A file of marks on verses, one a line: the verse as readers write it ("John 3:16"), a tab, and
// what the mark keeps (a bookmark's name, a highlight's colour). It is a file a person may edit:
// a line that is no such mark, their own or one damaged, stays as it is and where it is, and an
// edit changes only the lines it is about, each keeping its own line break.
namespace study {

class MarkFile {
public:
    struct Mark {
        scripture::Reference verse; // one verse
        QString value;
        qsizetype line = 0; // the line of the file it is on
    };

    explicit MarkFile(const QString& text = {});

    const std::vector<Mark>& marks() const { return m_marks; }
    // The marks on the verse, in the file's order.
    std::vector<std::size_t> marksOn(const scripture::Reference& verse) const;
    // A mark as this file holds it, read from an earlier state of the file: the first of the same
    // verse and value, wherever it has moved since; nothing once it has gone or changed.
    std::optional<std::size_t> find(const Mark& mark) const;
    QString text() const { return m_lines.join(QString()); }

    void append(const scripture::Reference& verse, const QString& value);
    void setValue(std::size_t mark, const QString& value);
    void remove(std::size_t mark);
    // The two marks change places; the lines between them stay where they are.
    void swap(std::size_t mark, std::size_t other);

    // The verse a line names: its reference, when it names one verse.
    static std::optional<scripture::Reference> verseOf(QStringView reference);

private:
    void read();
    QString lineFor(const scripture::Reference& verse, const QString& value) const;
    QString breakOf(qsizetype line) const;

    QStringList m_lines; // each with its line break; the last may have none
    std::vector<Mark> m_marks;
};

} // namespace study
