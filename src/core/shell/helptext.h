#pragma once

#include "storage/programfolder.h"

#include <QString>

namespace shell {

// The instructions shown in the reading area by Help > Contents: fixed paragraphs, each
// followed by CR LF line breaks, then the keys, one a line, the whole text ending in exactly one
// CR LF. They name the folder and files this run keeps the subjects, the bookmark and the
// display font in.
QString helpText(const ProgramFolder& folder);

} // namespace shell
