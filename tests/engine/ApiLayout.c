/* Compiled as C for 64-bit and 32-bit targets by the tests: the header's
 * layout checks must hold on both, and the header must be plain C. */
#include "engine/EngineApi.h"

int main(void)
{
    TOemData data;
    memset(&data, 0, sizeof data);
    data.sName = EngineStringAlloc(u"x", 1);
    EngineStringFree(data.sName);
    return 0;
}
