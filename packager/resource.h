// Resource ids of Zipwright: only the icon, as it has no window.
#pragma once
#include "shared_ids.h"
