#include "media/SilentMedia.h"
