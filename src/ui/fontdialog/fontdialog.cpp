#include "fontdialog/fontdialog.h"

#include "controls/design.h"
#include "controls/listbox.h"
#include "fontdialog/savedfont.h"
#include "prefs/preferencesrecord.h"
#include "services/messageboxes.h"
#include "text/linebreak.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace {

// A list under its caption, whose access key moves the focus to the list.
ListBox* list(QWidget* parent, const char* name, const QRect& rect, QLabel* caption) {
    auto* l = new ListBox(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(rect);
    l->setFont(design::font());
    l->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    caption->setBuddy(l);
    return l;
}

// Qt announces a plain window as a filler; this one is a dialog, which a screen reader names by
// its title.
QAccessibleInterface* accessibleFontDialog(const QString& className, QObject* object) {
    auto* dialog = qobject_cast<FontDialog*>(object);
    return dialog && className == QLatin1String("FontDialog")
               ? new QAccessibleWidget(dialog, QAccessible::Dialog)
               : nullptr;
}

} // namespace

FontDialog::FontDialog(QWidget& over, prefs::DisplayFont& font, MessageBoxes& messages)
    : QWidget(&over, Qt::Window)
    , m_font(font)
    , m_messages(messages) {
    static const bool announced = (QAccessible::installFactory(accessibleFontDialog), true);
    Q_UNUSED(announced);
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(kFontDialogTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(4125 / design::kTwipsPerPixel, 1500 / design::kTwipsPerPixel);
    createControls();
    connect(m_fontList, &ListBox::picked, this, [this] { choose(prefs::FontPart::Family); });
    connect(m_styleList, &ListBox::picked, this, [this] { choose(prefs::FontPart::Style); });
    connect(m_sizeList, &ListBox::picked, this, [this] { choose(prefs::FontPart::Size); });
    connect(&m_font, &prefs::DisplayFont::sizeChanged, this, &FontDialog::showSize);
    preselectSavedChoice();
}

void FontDialog::createControls() {
    using design::label, design::twips;
    m_fontList = list(this, "ListFonts", twips(0, 240, 2055, 1230),
                      label(this, "Label1", QStringLiteral("&Font:"), twips(0, 0, 1095, 255)));
    m_styleList =
        list(this, "ListFontStyle", twips(2160, 240, 1215, 1230),
             label(this, "Label2", QStringLiteral("Font st&yle:"), twips(2160, 0, 1095, 255)));
    m_sizeList = list(this, "ListSize", twips(3480, 240, 615, 1230),
                      label(this, "Label3", QStringLiteral("&Size"), twips(3480, 0, 615, 255)));
}

void FontDialog::preselectSavedChoice() {
    m_fontList->setItems(prefs::fontNames());
    m_styleList->setItems(prefs::styleWords());
    m_sizeList->setItems(prefs::sizes());
    // All three lines are taken before the first preselection saves over them.
    const RecordFile::Contents saved = m_font.savedLines();
    if (saved.status == RecordFile::Contents::Missing)
        return; // nothing selected until the user chooses
    if (saved.status == RecordFile::Contents::Failed) {
        m_messages.ask(QStringLiteral("The display font could not be read.") + text::kCrLf +
                           saved.error,
                       MessageBoxes::OkOnly, kFontDialogTitle);
        return;
    }
    m_preselection.begin();
    m_fontList->setText(saved.fields.value(0));
    m_styleList->setText(saved.fields.value(1));
    m_sizeList->setText(saved.fields.value(2));
    m_preselection.end();
}

void FontDialog::choose(prefs::FontPart picked) {
    const FileSystem::Result written =
        m_font.choose(picked, {m_fontList->text(), m_styleList->text(), m_sizeList->text()});
    if (m_preselection.tells(written.ok))
        tellFontNotSaved(m_messages, written.error);
}

// Selected without acting as a pick. A size the list lacks leaves it without a selection rather
// than with one no longer shown.
void FontDialog::showSize(double points) {
    if (prefs::parseSize(m_sizeList->text()) == points)
        return;
    const QSignalBlocker quiet(m_sizeList);
    m_sizeList->setText(QString::number(points));
}

void FontDialog::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit unloaded();
}

// Esc closes the dialog as its close box does; the lists leave the key to it.
void FontDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}
