#include "prefs/displayfont.h"

#include "prefs/preferencesfile.h"

namespace prefs {

DisplayFont::DisplayFont(Storage& storage, double designSize)
    : m_storage(storage)
    , m_designSize(designSize) {}

// Start-up only ever switches bold and italic on.
void DisplayFont::takeSaved() {
    const std::optional<FontRequest> saved = savedRequest(m_storage);
    if (!saved)
        return;
    FontChoice choice = m_choice;
    if (saved->family)
        choice.family = saved->family;
    if (saved->bold)
        choice.bold = true;
    if (saved->italic)
        choice.italic = true;
    if (saved->pointSize)
        choice.pointSize = saved->pointSize;
    change(choice);
}

RecordFile::Contents DisplayFont::savedLines() const {
    return read(m_storage);
}

// A style other than the four words, or a size that is no number, changes nothing but is
// saved all the same.
FileSystem::Result DisplayFont::choose(FontPart picked, const FontLines& lines) {
    FontChoice choice = m_choice;
    if (picked == FontPart::Family)
        choice.family = lines.font;
    const std::optional<Style> style = styleFromWord(lines.style);
    if (picked == FontPart::Style && style) {
        choice.bold = style->bold;
        choice.italic = style->italic;
    }
    const std::optional<double> size = parseSize(lines.size);
    if (picked == FontPart::Size && size)
        choice.pointSize = size;
    change(choice);
    return save(lines);
}

FileSystem::Result DisplayFont::chooseSize(double points) {
    FontChoice choice = m_choice;
    choice.pointSize = points;
    change(choice);
    const RecordFile::Contents saved = read(m_storage);
    if (saved.status == RecordFile::Contents::Failed)
        return {false, saved.error};
    return save({saved.fields.value(0), saved.fields.value(1), QString::number(points)});
}

void DisplayFont::change(const FontChoice& choice) {
    const double shownSize = pointSize();
    m_choice = choice;
    emit changed(m_choice);
    if (pointSize() != shownSize)
        emit sizeChanged(pointSize());
}

FileSystem::Result DisplayFont::save(const FontLines& lines) {
    return prefs::save(m_storage, lines.font, lines.style, lines.size);
}

} // namespace prefs
