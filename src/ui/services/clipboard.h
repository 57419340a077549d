#pragma once

#include <QString>
#include <QtGlobal>

// The clipboard, text only.
class Clipboard {
public:
    Clipboard() = default;
    Q_DISABLE_COPY_MOVE(Clipboard)
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual bool hasText() const = 0;
    // What the desktop offers to a middle click: the text selected last, anywhere. Empty where
    // the desktop has no such selection.
    virtual QString selectionText() const = 0;
};

class SystemClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
    bool hasText() const override;
    QString selectionText() const override;
};
