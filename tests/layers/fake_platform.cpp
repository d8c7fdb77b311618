#include "platform/fake/fake_platform.h"
