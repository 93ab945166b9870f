// What the player answers to a skin's bindings while a sample song is loaded, in the state a
// picture shows: playing or paused at 01:12 of 03:45, or stopped at its start.
#pragma once
#include <string>

enum SkinPlayerState { SkinPlayerStopped, SkinPlayerPlaying, SkinPlayerPaused };

// The answer to a wmpenabled:, wmpdisabled: or wmpprop: value naming the player ("true" or
// "false", a number, a text); false for any other value and for paths the preview does not
// know. japanese: the player's own wording of its status in Japanese.
bool AnswerPlayerBinding(const std::wstring& value, SkinPlayerState state, bool japanese, std::wstring* answer);

// A wmpprop: value whose path is "<id>.<property>" with an id that is not the player's: the
// property of an element of the skin. False for anything else.
bool SplitElementBinding(const std::wstring& value, std::wstring* id, std::wstring* property);
