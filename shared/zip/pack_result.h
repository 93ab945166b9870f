// Zipwright's exit codes: the editor shows the number of any failure to the user.
#pragma once

// The numbers are part of the program's interface: never renumber them.
enum PackResult {
    PackWritten = 0,
    PackBadArguments = 1,
    PackFolderMissing = 2,
    PackNoSkinDefinition = 3,
    PackUnreadableFile = 4,
    PackUnwritableOutput = 5,
    PackTooLarge = 6,
};
