#pragma once

#include <QString>

// The instructions shown in the reading area by Help > Contents: fixed paragraphs, each
// followed by CR LF line breaks, the whole text ending in exactly one CR LF.
QString helpText();
