#include "shell/ArithmeticMode.h"

#include <cfenv>
#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#endif

void SetArithmeticMode()
{
#if defined(__x86_64__) || defined(__i386__)
    fpu_control_t word = _FPU_EXTENDED | _FPU_RC_NEAREST | _FPU_MASK_IM | _FPU_MASK_DM |
                         _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
    _FPU_SETCW(word);
#endif
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}
