#include "text/vectorunit.h"

namespace vectorunit {
namespace {

VectorUnit machineWidest() {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
    // Every processor with these has the bit instructions the wide units are compiled with too,
    // but asking costs nothing.
    __builtin_cpu_init();
    const bool bits = __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
    if (bits && __builtin_cpu_supports("avx512bw"))
        return VectorUnit::Avx512;
    if (bits && __builtin_cpu_supports("avx2"))
        return VectorUnit::Avx2;
#endif
#if defined(__SSE2__)
    return VectorUnit::Sse2;
#else
    return VectorUnit::Bytes;
#endif
}

} // namespace

VectorUnit widest() {
    static const VectorUnit unit = machineWidest();
    return unit;
}

bool runs(VectorUnit unit) {
    return unit <= widest();
}

VectorUnit orWidest(VectorUnit unit) {
    return runs(unit) ? unit : widest();
}

} // namespace vectorunit
