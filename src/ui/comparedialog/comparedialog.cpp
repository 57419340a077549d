#include "comparedialog/comparedialog.h"

#include "comparedialog/comparisonbox.h"
#include "services/clipboard.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

CompareDialog::CompareDialog(QWidget* parent, texts::TextShelf& shelf, QList<texts::Text> texts,
                             const scripture::Reference& verse, Clipboard& clipboard)
    : QDialog(parent)
    , m_shelf(shelf)
    , m_texts(std::move(texts))
    , m_verse(verse)
    , m_clipboard(clipboard)
    , m_box(new ComparisonBox(this))
    , m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("frmCompareTranslations"));
    setWindowTitle(QStringLiteral("Compare Translations: %1").arg(verse.formatted()));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 480);
    m_box->setObjectName(QStringLiteral("txtComparison"));
    m_status->setObjectName(QStringLiteral("lblComparing"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyButton =
        buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("cmdCopyComparison"));
    connect(copyButton, &QPushButton::clicked, this, &CompareDialog::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    m_box->show(m_verse, m_compared);
    m_status->setText(QStringLiteral("Reading the texts..."));
    m_comparing = std::jthread([this](const std::stop_token& stop) { compareAll(stop); });
}

CompareDialog::~CompareDialog() = default;

// Only the texts, the verse and the shelf are read here; what is found goes to the window's
// thread, which drops it when the window is gone.
void CompareDialog::compareAll(const std::stop_token& stop) {
    for (const texts::Text& text : m_texts) {
        const texts::Progress progress = [this, description = text.description](int done, int of) {
            QMetaObject::invokeMethod(
                this, [this, description, done, of] { showRendering(description, done, of); },
                Qt::QueuedConnection);
        };
        const std::optional<texts::ComparedVerse> compared =
            texts::compareIn(m_shelf, text, m_verse, progress, stop);
        if (!compared)
            return; // the window is closing
        QMetaObject::invokeMethod(
            this, [this, found = *compared] { showCompared(found); }, Qt::QueuedConnection);
    }
}

void CompareDialog::showCompared(const texts::ComparedVerse& compared) {
    m_compared.append(compared);
    m_box->show(m_verse, m_compared);
    m_status->clear();
}

void CompareDialog::showRendering(const QString& description, int booksDone, int bookCount) {
    m_status->setText(
        QStringLiteral("Rendering %1: %2 of %3 books")
            .arg(description, QString::number(booksDone), QString::number(bookCount)));
}

void CompareDialog::copy() {
    m_clipboard.setText(m_box->copied());
}
