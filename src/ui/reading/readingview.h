#pragma once

class ComboBox;
class QStatusBar;
class TextBox;

// The reading area's controls, as the window places them (design names in quotes).
struct ReadingView {
    ComboBox* bookBox = nullptr;      // "ComboBooks": the book to read
    ComboBox* chapterBox = nullptr;   // "ComboChapter": the chapter to read
    TextBox* readingText = nullptr;   // "TextVerses": the chapter, the welcome or the help text
    QStatusBar* statusLine = nullptr; // for what a command on the reading area did
};
