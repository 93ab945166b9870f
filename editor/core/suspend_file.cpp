// Where and how the suspended document is kept.
#include "suspend_file.h"

#include "file_paths.h"

std::wstring SuspendFilePathIn(const std::wstring& vendorFolder)
{
    return JoinPath(vendorFolder, L"QLM_TEMP.TXT");
}

TextEncoding SuspendFileEncoding(TextEncoding fileEncoding)
{
    return fileEncoding == EncodingUnreadable ? EncodingAnsi : fileEncoding;
}
