#include "SysUtils.h"

void Abort() { throw EAbort(); }
