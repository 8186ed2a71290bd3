#include "PileKernel.h"
