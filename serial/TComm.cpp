#include "TComm.h"
