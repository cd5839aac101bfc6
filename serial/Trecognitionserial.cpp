#include "Trecognitionserial.h"
