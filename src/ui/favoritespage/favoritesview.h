#pragma once

class ComboBox;
class CommandButton;
class LineTextBox;
class QLabel;
class TextBox;

// The favorites page's controls, as the window places them (design names in quotes).
struct FavoritesView {
    QLabel* heading = nullptr;               // "Label4"
    ComboBox* lookupBookBox = nullptr;       // "ComboBookFavorites": the book of a verse lookup
    LineTextBox* referenceBox = nullptr;     // "TextVersesFavorites": the reference to look up
    TextBox* lookedUpVerses = nullptr;       // "TextFavorites": the verses looked up
    QLabel* subjectCaption = nullptr;        // "Label3"
    ComboBox* subjectBox = nullptr;          // "ComboCategory": the current subject
    CommandButton* addVerseButton = nullptr; // "CommandAddFavorite"
    TextBox* subjectText = nullptr;          // "TextFavoritesList": the current subject's text
};
