// The bulk copy's plan and loop: where the packages go, and one setup file's packages copied.
#pragma once
#include <functional>
#include <string>

// Where a bulk copy puts the packages: the current directory when it lies inside the
// skins folder, the skins folder itself otherwise; "" when the skins folder is unknown.
std::wstring BulkCopyDestination(const std::wstring& currentDirectory, const std::wstring& skinsRoot);

// What happens to a package already at the destination; yes and no to all last for the
// rest of one setup file.
enum OverwriteMode { OverwriteAsk, OverwriteAll, OverwriteNone };

// The answers of the overwrite question.
enum OverwriteAnswer { AnswerYes, AnswerYesToAll, AnswerNo, AnswerNoToAll, AnswerCancel };

// Asked with the entry's value when its package cannot be copied without overwriting.
using OverwriteQuestion = std::function<OverwriteAnswer(const std::wstring& entry)>;

struct SetupCopyResult {
    bool tooLarge = false;   // the setup file was refused unread
    int entries = 0;         // values read
    int succeeded = 0;
    int failed = 0;          // a skipped package counts nowhere
};

// Copies the packages the setup file lists, each found below the setup file's folder, to
// the same place below the destination; nothing outside the two folders is touched.
SetupCopyResult CopySetupPackages(const std::wstring& setupPath, const std::wstring& destination,
                                  const OverwriteQuestion& ask);
