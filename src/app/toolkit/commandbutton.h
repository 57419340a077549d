#pragma once

#include "app/toolkit/control.h"

#include <QPushButton>

class CommandButton : public QPushButton, public Control {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);
};
