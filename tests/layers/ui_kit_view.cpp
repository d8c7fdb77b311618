#include "ui/kit/view.h"
