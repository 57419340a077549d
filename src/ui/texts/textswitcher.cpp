#include "texts/textswitcher.h"

#include "scripture/scripturetext.h"
#include "texts/textsmenu.h"

#include <QAction>
#include <QStatusBar>

TextSwitcher::TextSwitcher(texts::TextShelf& shelf, ScriptureText& scripture, TextsMenu& menu,
                           QAction* stopRendering, QStatusBar* status)
    : m_shelf(shelf)
    , m_scripture(scripture)
    , m_menu(menu)
    , m_stopRendering(stopRendering)
    , m_status(status) {
    connect(&menu, &TextsMenu::picked, this, &TextSwitcher::pick);
    connect(stopRendering, &QAction::triggered, this, [this] { m_worker.request_stop(); });
}

// The shelf is read on the worker only through fileOf, which takes the library one call at a
// time; what it finds comes back to this thread as a queued call, dropped with this object.
void TextSwitcher::pick(int index) {
    const QList<texts::Text>& all = m_shelf.texts();
    if (index < 0 || index >= all.size() || (index == m_shown && m_rendering < 0)) {
        m_menu.check(m_shown);
        return;
    }
    const texts::Text text = all[index];
    m_rendering = index;
    m_stopRendering->setEnabled(true);
    m_worker = std::jthread([this, text, index](std::stop_token stop) {
        const texts::Progress progress = [this, &text](int done, int count) {
            QMetaObject::invokeMethod(
                this,
                [this, description = text.description, done, count] {
                    showProgress(description, done, count);
                },
                Qt::QueuedConnection);
        };
        const texts::Rendering rendering = m_shelf.fileOf(text, progress, stop);
        QMetaObject::invokeMethod(
            this, [this, index, rendering] { take(index, rendering); }, Qt::QueuedConnection);
    });
}

void TextSwitcher::reopen(const QString& name) {
    if (name.isEmpty())
        return;
    const texts::TextShelf::Found found = m_shelf.find(name);
    if (found.index < 0) {
        m_status->showMessage(QStringLiteral("The text %1 is not there any more: the %2 is shown.")
                                  .arg(name, texts::kBibleDatDescription));
        return;
    }
    m_menu.fill();
    pick(found.index);
}

QString TextSwitcher::shownName() const {
    return m_shown == 0 ? QString() : m_shelf.texts().value(m_shown).name;
}

void TextSwitcher::take(int index, const texts::Rendering& rendering) {
    if (index != m_rendering)
        return; // a pick since has taken its place
    endRendering();
    const QString description = m_shelf.texts().value(index).description;
    const QString previous = m_scripture.path();
    if (rendering.stopped) {
        m_status->showMessage(QStringLiteral("%1 was not rendered: stopped.").arg(description));
    } else if (rendering.path.isEmpty()) {
        m_status->showMessage(rendering.problem);
    } else if (!m_scripture.readFrom(rendering.path)) {
        m_status->showMessage(QStringLiteral("%1 could not be read.").arg(description));
        m_scripture.readFrom(previous);
    } else {
        m_shown = index;
        m_status->clearMessage();
        emit switched(description);
    }
    m_menu.check(m_shown);
}

void TextSwitcher::showProgress(const QString& description, int booksDone, int bookCount) {
    if (m_rendering < 0)
        return;
    m_status->showMessage(QStringLiteral("Rendering %1 for its first reading: %2 of %3 books "
                                         "(Esc stops it)")
                              .arg(description)
                              .arg(booksDone)
                              .arg(bookCount));
}

void TextSwitcher::endRendering() {
    m_rendering = -1;
    m_stopRendering->setEnabled(false);
}
