/* A library that offers only two of the thirteen entry points. */
#include "core/cfront/cfront_abi.h"

int32_t cfront_3_Init(void)
{
    return 0;
}
int32_t cfront_4_Done(void)
{
    return 0;
}
