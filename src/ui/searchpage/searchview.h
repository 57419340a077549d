#pragma once

class ComboBox;
class ListBox;
class QLabel;
class TextBox;

// The search page's controls, as the window places them (design names in quotes).
struct SearchView {
    QLabel* heading = nullptr;     // "Label2"
    TextBox* queryBox = nullptr;   // "TextSearch": the words, phrase or verse to search for
    ComboBox* scopeBox = nullptr;  // "ComboSearch": the book to search, or the whole text
    ListBox* resultList = nullptr; // "ListVerse": the result lines
    QLabel* status = nullptr;      // in the window's status bar: what the last search found
};
