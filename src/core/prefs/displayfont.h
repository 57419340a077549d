#pragma once

#include "storage/recordfile.h"

#include <QObject>
#include <QString>

#include <optional>

struct Storage;

namespace prefs {

// What the display controls show beyond the design font: an attribute left out keeps the
// design font's.
struct FontChoice {
    std::optional<QString> family;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<double> pointSize;
    bool operator==(const FontChoice&) const = default;
};

// Pref.dat's three lines as the Display Fonts lists show them, the empty text for a list
// without a selection.
struct FontLines {
    QString font;
    QString style;
    QString size;
};

// The part of the font a pick in Display Fonts changes.
enum class FontPart { Family, Style, Size };

// The display font, held once: start-up, the Display Fonts dialog and the size keys set it, the
// window follows changed(), and each change the user makes is written to Pref.dat by one save
// whose result tells the caller whether to report it.
class DisplayFont : public QObject {
    Q_OBJECT
public:
    // The design font's size is the one shown until a size is chosen.
    DisplayFont(Storage& storage, double designSize);

    const FontChoice& choice() const { return m_choice; }
    double pointSize() const { return m_choice.pointSize.value_or(m_designSize); }

    // Start-up: what Pref.dat asks, taken without a save; a file that cannot be read keeps the
    // design font.
    void takeSaved();
    // Pref.dat's lines as they stand, for the dialog to preselect.
    RecordFile::Contents savedLines() const;
    // A pick in Display Fonts: the part picked changes as the dialog's rules have it, and the
    // three lines are saved as the lists show them.
    FileSystem::Result choose(FontPart picked, const FontLines& lines);
    // A size of the keys: shown, and saved with the font and style lines Pref.dat holds; a
    // record that cannot be read is not written over.
    FileSystem::Result chooseSize(double points);

signals:
    void changed(const prefs::FontChoice& choice);
    void sizeChanged(double points);

private:
    void change(const FontChoice& choice);
    FileSystem::Result save(const FontLines& lines);

    Storage& m_storage;
    double m_designSize;
    FontChoice m_choice;
};

} // namespace prefs
