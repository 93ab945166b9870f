// One run of Zipwright: a skin folder into a package, logged.
#pragma once
#include "pack_log.h"
#include "pack_result.h"

#include <string>

PackResult PackSkinFolder(const std::wstring& folder, const std::wstring& output, PackLog* log);
