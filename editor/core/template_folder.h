// The template folder inside the user's documents folder.
#pragma once

// Makes the documents folder the current directory and creates the one-level folder
// name in it. 1 when the folder exists now (made or already there), 0 when it cannot be.
int EnsureTemplateFolder(const wchar_t* folderName);
