#include "SimDevice.h"
