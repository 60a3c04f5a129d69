#pragma once

namespace tavrel {

// Code built for 256-bit vector instructions (the toolkit's, for one) can return with the
// upper halves of the vector registers still in use. On many x86-64 CPUs every plain SSE
// instruction, the model's arithmetic and the C library's pow among them, then runs about
// ten times slower until they are cleared. Clearing them leaves every lower half, and so
// every result, as it was; elsewhere it compiles away.
inline void ClearUpperVectorState() {
#if defined(__x86_64__) && defined(__GNUC__)
  static const bool hasAvx = __builtin_cpu_supports("avx");
  if (hasAvx) {
    asm volatile("vzeroupper" ::
                     : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7", "xmm8",
                       "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15");
  }
#endif
}

}  // namespace tavrel
