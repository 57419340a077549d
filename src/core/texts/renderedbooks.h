#pragma once

#include "texts/modulelibrary.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <stop_token>

namespace texts {

// Told, as a module is rendered, how many of the 66 books are done (a book the module lacks is
// done with the books around it).
using Progress = std::function<void(int booksDone, int bookCount)>;

// A module's verses as Bible.dat holds its own: "Book C:V  text", one a line, the 66 books under
// the program's own names and in its order, whatever order the module keeps them in, each verse's
// text on its one line. Books outside the 66 are left out, and so are verses without text.
class RenderedBooks : public VerseSink {
public:
    explicit RenderedBooks(Progress progress = {}, std::stop_token stop = {});

    bool beginBook(QByteArrayView osisBook) override;
    void verse(int chapter, int verse, QByteArrayView text) override;
    bool stopped() const override { return m_stop.stop_requested(); }

    // Whether no verse was kept.
    bool isEmpty() const;
    // Every line, each ending in LF, in UTF-8; all 66 books count as done from now on.
    QByteArray lines();

private:
    void report();

    static constexpr int kBookCount = 66;
    std::array<QByteArray, kBookCount> m_books;
    int m_book = -1; // the book of the verses being read, in the program's order; -1: none wanted
    int m_booksDone = 0;
    Progress m_progress;
    std::stop_token m_stop;
};

} // namespace texts
