// Must not compile: the evaluation core is pure and sees only the board and itself.
#include "toolkit/controls.h"
