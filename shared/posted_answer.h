// A worker's answer handed to a window's thread in a posted message: once the message is
// queued the window owns the answer; when it could not be queued the worker frees it.
#pragma once
#include <windows.h>

#include <memory>

template <typename Answer>
void PostAnswer(HWND window, UINT message, std::unique_ptr<Answer> answer)
{
    if (PostMessageW(window, message, 0, reinterpret_cast<LPARAM>(answer.get()))) answer.release();
}

// The answer of a message posted by PostAnswer, owned again.
template <typename Answer>
std::unique_ptr<Answer> TakeAnswer(LPARAM lParam)
{
    return std::unique_ptr<Answer>(reinterpret_cast<Answer*>(lParam));
}

// Frees the answers still queued for a window that will take no more of them.
template <typename Answer>
void DiscardAnswers(HWND window, UINT message)
{
    MSG queued;
    // A null window would take the message of every window of the thread.
    while (window && PeekMessageW(&queued, window, message, message, PM_REMOVE)) TakeAnswer<Answer>(queued.lParam);
}
