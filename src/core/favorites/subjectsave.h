#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the favorites page does with the subject text on an event, as the core decides it: nothing,
// write these bytes to this subject knowing what its file held, or tell the user why not.
struct SubjectSave {
    enum Kind {
        Nothing, // the file already holds the text, or no subject may take it
        Write,
        Tell, // the text is in no file and cannot be saved where the box says
    } kind = Nothing;
    QString subject;
    QString text;     // the text the bytes hold: the subject text, refilled had it been emptied
    QByteArray bytes; // in the file's own encoding, every byte the user did not touch kept
    // What the file held when this window last read or wrote it; nothing when it had no file, or
    // is another subject than the one shown. A file that holds neither this nor the bytes was
    // changed elsewhere.
    std::optional<QByteArray> known;
    bool ofShownSubject = false; // the text shown is this subject's text
    QString message;             // Tell: for the user
    bool operator==(const SubjectSave&) const = default;
};

// What carrying out a write came to.
struct SaveOutcome {
    enum Kind {
        Saved,       // the file holds the text shown
        FileShown,   // the user chose the file's text, shown now; Undo brings the text back
        LeftUnsaved, // the user chose to keep the text unsaved
        Failed,      // the file could not be read or written
    } kind = LeftUnsaved;
    QString error; // why it is not saved
};
