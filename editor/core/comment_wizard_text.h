// The comment wizard's text and help; no window headers.
#pragma once
#include <string>

// Radio indexes of the comment wizard's two groups.
enum CommentData { CommentDataSkin = 0, CommentDataScript = 1 };
enum CommentForm { CommentSingleLine = 0, CommentMultiLine = 1 };

struct CommentFields {
    int data = CommentDataSkin;
    int form = CommentSingleLine;
    std::wstring singleLine;
    std::wstring multiLine;   // CR LF as typed
};

// The content of the form that is selected; the other field is ignored.
const std::wstring& CommentContent(const CommentFields& fields);
std::wstring BuildCommentText(const CommentFields& fields);
std::wstring CommentHelpText();
