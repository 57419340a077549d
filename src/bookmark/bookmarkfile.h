#pragma once

struct Platform;

namespace bookmark {

// Creates BkMrk.dat with the default record when it is missing; an existing one is kept.
void writeDefaultIfMissing(Platform& platform);

} // namespace bookmark
