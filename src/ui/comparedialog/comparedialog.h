#pragma once

#include "scripture/reference.h"
#include "texts/comparison.h"
#include "texts/textshelf.h"

#include <QDialog>
#include <QList>

#include <stop_token>
#include <thread>

class Clipboard;
class ComparisonBox;
class QLabel;

// A window with the verse in every text, Bible.dat first. The texts are read, and modules
// rendered when they have not been, on a thread of its own, each text shown as it comes, so the
// program goes on answering through a first rendering of many seconds; closing the window stops
// the renderings it started.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // The texts as the shelf lists them; the shelf outlives the window.
    CompareDialog(QWidget* parent, texts::TextShelf& shelf, QList<texts::Text> texts,
                  const scripture::Reference& verse, Clipboard& clipboard);
    ~CompareDialog() override;

    // Every text is shown.
    bool isComplete() const { return m_compared.size() == m_texts.size(); }

private:
    // On the comparison's thread.
    void compareAll(const std::stop_token& stop);
    // On the window's thread, posted by the comparison's.
    void showCompared(const texts::ComparedVerse& compared);
    void showRendering(const QString& description, int booksDone, int bookCount);
    void copy();

    texts::TextShelf& m_shelf;
    const QList<texts::Text> m_texts;
    const scripture::Reference m_verse;
    Clipboard& m_clipboard;
    QList<texts::ComparedVerse> m_compared;
    ComparisonBox* m_box;
    QLabel* m_status;
    std::jthread m_comparing; // last: stopped and joined before what it uses goes
};
