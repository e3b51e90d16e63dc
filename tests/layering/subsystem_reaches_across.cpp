// Must not compile: a subsystem sees the folders below it, not another subsystem.
#include "shell/scaling.h"
