#pragma once

#include <QString>

namespace shell {

// The text the reading area shows before the first chapter is chosen.
QString welcomeText();

} // namespace shell
