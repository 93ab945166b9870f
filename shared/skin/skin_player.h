// What the player answers to a skin's bindings while a sample song is loaded, in the state a
// picture shows: playing or paused at 01:12 of 03:45, or stopped at its start; and its own
// images, which skins name like files.
#pragma once
#include <string>

enum SkinPlayerState { SkinPlayerStopped, SkinPlayerPlaying, SkinPlayerPaused };

// The answer to a wmpenabled:, wmpdisabled: or wmpprop: value naming the player ("true" or
// "false", a number, a text); false for any other value and for paths the preview does not
// know. japanese: the player's own wording of its status in Japanese.
bool AnswerPlayerBinding(const std::wstring& value, SkinPlayerState state, bool japanese, std::wstring* answer);

// The side in pixels of the player's own image a name stands for: 200 for WMPImage_AlbumArtLarge,
// 75 for WMPImage_AlbumArtSmall (letter case ignored), the song's artwork; 0 for any other
// name, a file of the skin.
int PlayerImageSide(const std::wstring& name);

// A wmpprop: value whose path is "<id>.<property>" with an id that is not the player's: the
// property of an element of the skin. False for anything else.
bool SplitElementBinding(const std::wstring& value, std::wstring* id, std::wstring* property);
