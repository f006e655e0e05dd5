// Instruction-set extensions found at run time, for the few kernels that have a faster
// variant: the program itself is built for the plain target and must run on any x86.
#pragma once

#if defined(__i386__) || defined(__x86_64__)
#define VEMORA_DRAW_X86 1
#else
#define VEMORA_DRAW_X86 0
#endif

namespace vemora::skin {

#if VEMORA_DRAW_X86
inline bool CpuHasSsse3() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return has;
}
inline bool CpuHasAvx2() {
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}
#else
inline bool CpuHasSsse3() {
    return false;
}
inline bool CpuHasAvx2() {
    return false;
}
#endif

}  // namespace vemora::skin
