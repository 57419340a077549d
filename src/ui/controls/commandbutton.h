#pragma once

#include "controls/control.h"

#include <QPushButton>

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void gotFocus();
    void lostFocus();
};
