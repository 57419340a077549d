#pragma once

// The ways of handling a run of bytes at once, narrowest first: one byte at a time, then 16, 32
// and 64 bytes with SSE2, AVX2 and AVX-512. The scans and the load take the widest the machine
// runs, chosen once when the program starts.
enum class VectorUnit { Bytes, Sse2, Avx2, Avx512 };

namespace vectorunit {

VectorUnit widest();
// Whether this machine runs the unit; the narrower ones it does too.
bool runs(VectorUnit unit);
// The unit itself where the machine runs it, the widest it runs otherwise.
VectorUnit orWidest(VectorUnit unit);

} // namespace vectorunit
