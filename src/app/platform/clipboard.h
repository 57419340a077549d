#pragma once

#include <QString>

// The clipboard, text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual bool hasText() const = 0;
};

class SystemClipboard : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
    bool hasText() const override;
};
