#include "fontdialog/frmfont.h"

#include "controls/listbox.h"
#include "mainwindow/frmbible.h"
#include "prefs/preferencesrecord.h"
#include "services/messageboxes.h"
#include "storage/filesystem.h"
#include "storage/storage.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace {

QRect twips(int left, int top, int width, int height) {
    constexpr int k = FrmBible::kTwipsPerPixel;
    return {left / k, top / k, width / k, height / k};
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(rect);
    l->setFont(FrmBible::designFont());
    return l;
}

ListBox* list(QWidget* parent, const char* name, const QRect& rect, QLabel* caption) {
    auto* l = new ListBox(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(rect);
    l->setFont(FrmBible::designFont());
    l->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    caption->setBuddy(l); // the caption's access key moves the focus to the list
    return l;
}

} // namespace

FrmFont::FrmFont(FrmBible& main, Storage& storage, MessageBoxes& messages)
    : QWidget(&main, Qt::Window)
    , m_displayControls(main.displayControls())
    , m_storage(storage)
    , m_messages(messages) {
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QStringLiteral("Display Fonts"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(4125 / FrmBible::kTwipsPerPixel, 1500 / FrmBible::kTwipsPerPixel);
    createControls();
    connect(ListFonts, &ListBox::picked, this, &FrmFont::ListFonts_Click);
    connect(ListFontStyle, &ListBox::picked, this, &FrmFont::ListFontStyle_Click);
    connect(ListSize, &ListBox::picked, this, &FrmFont::ListSize_Click);
    Form_Load();
}

void FrmFont::createControls() {
    Label1 = label(this, "Label1", QStringLiteral("&Font:"), twips(0, 0, 1095, 255));
    ListFonts = list(this, "ListFonts", twips(0, 240, 2055, 1230), Label1);
    Label2 = label(this, "Label2", QStringLiteral("Font st&yle:"), twips(2160, 0, 1095, 255));
    ListFontStyle = list(this, "ListFontStyle", twips(2160, 240, 1215, 1230), Label2);
    Label3 = label(this, "Label3", QStringLiteral("&Size"), twips(3480, 0, 615, 255));
    ListSize = list(this, "ListSize", twips(3480, 240, 615, 1230), Label3);
}

void FrmFont::Form_Load() {
    ListFonts->setItems(prefs::fontNames());
    ListFontStyle->setItems(prefs::styleWords());
    ListSize->setItems(prefs::sizes());
    const QString path = m_storage.folder.preferencesPath();
    if (!m_storage.files.fileExists(path))
        return; // nothing selected until the user chooses
    // All three lines are taken before the first preselection saves over them.
    QStringList lines;
    const FileSystem::ReadResult read = m_storage.files.readLines(path, lines, prefs::kRecordLines);
    if (!read.ok) {
        m_messages.ask(QStringLiteral("The display font could not be read.\r\n") + read.error,
                       MessageBoxes::OkOnly, QStringLiteral("Display Fonts"));
        return;
    }
    lines.resize(prefs::kRecordLines);
    m_loading = true;
    ListFonts->setText(lines.at(0));
    ListFontStyle->setText(lines.at(1));
    ListSize->setText(lines.at(2));
    m_loading = false;
}

template <typename Change> void FrmFont::changeDisplayFonts(Change change) {
    for (QWidget* control : m_displayControls) {
        QFont font = control->font();
        change(font);
        control->setFont(font);
    }
}

void FrmFont::ListFonts_Click() {
    const QString family = ListFonts->text();
    changeDisplayFonts([&](QFont& font) { font.setFamily(family); });
    SaveFont();
}

void FrmFont::ListFontStyle_Click() {
    if (const std::optional<prefs::Style> style = prefs::styleFromWord(ListFontStyle->text())) {
        changeDisplayFonts([&](QFont& font) {
            font.setBold(style->bold);
            font.setItalic(style->italic);
        });
    }
    SaveFont();
}

void FrmFont::ListSize_Click() {
    if (const std::optional<double> size = prefs::parseSize(ListSize->text()))
        changeDisplayFonts([&](QFont& font) { font.setPointSizeF(*size); });
    SaveFont();
}

void FrmFont::SaveFont() {
    const FileSystem::Result written = m_storage.files.writeAll(
        m_storage.folder.preferencesPath(),
        prefs::savedRecord(ListFonts->text(), ListFontStyle->text(), ListSize->text()));
    if (written.ok || (m_loading && m_reportedWhileLoading))
        return; // the preselection's three saves report one failure, not three
    m_reportedWhileLoading = m_loading;
    m_messages.ask(QStringLiteral("The display font could not be saved.\r\n") + written.error,
                   MessageBoxes::OkOnly, QStringLiteral("Display Fonts"));
}

void FrmFont::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit unloaded();
}

// Esc closes the dialog as its close box does; the lists leave the key to it.
void FrmFont::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}
