// Where and how the suspended document ("書きかけ終了") is kept.
#pragma once

#include "text_encoding.h"

#include <string>

// The suspend file in the vendor's application-data folder.
std::wstring SuspendFilePathIn(const std::wstring& vendorFolder);

// How the suspend file is written for a document whose file has this mark: a document
// without a readable file is kept as ANSI.
TextEncoding SuspendFileEncoding(TextEncoding fileEncoding);
