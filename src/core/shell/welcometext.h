#pragma once

#include <QString>

// The text the reading area shows before the first chapter is chosen.
QString welcomeText();
