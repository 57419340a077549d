#pragma once

struct Storage;

namespace bookmark {

// Creates BkMrk.dat with the default record when it is missing; an existing one is kept.
void writeDefaultIfMissing(Storage& storage);

} // namespace bookmark
