// Must not compile: the toolkit sees no folder above it, so the build refuses an
// include that runs back up the folder graph.
#include "form/frmZirimbo2012.h"
