// What the player answers to a skin's bindings while a sample song is loaded.
#include "skin_player.h"

#include "skin_markup.h"

#include <cwchar>

namespace {

enum BindingKind { BindingNone, BindingProperty, BindingEnabled, BindingDisabled };

struct SampleSong {
    const wchar_t* title;
    const wchar_t* artist;
    const wchar_t* album;
    const wchar_t* genre;
};

const SampleSong kJapaneseSong = {L"サンプルの曲", L"サンプル アーティスト", L"サンプル アルバム", L"ポップ"};
const SampleSong kEnglishSong = {L"Sample Song", L"Sample Artist", L"Sample Album", L"Pop"};
const int kDurationSeconds = 3 * 60 + 45;
const int kPlayedSeconds = 60 + 12;
const int kVolume = 50;

// The kind of binding and its path as compared: lower case, without blanks or a closing
// semicolon, its quotes single.
BindingKind ReadBinding(const std::wstring& value, std::wstring* path)
{
    const size_t colon = value.find(L':');
    if (colon == std::wstring::npos) return BindingNone;
    std::wstring prefix = value.substr(0, colon);
    LowerAsciiInPlace(&prefix);
    const BindingKind kind = prefix == L"wmpprop"       ? BindingProperty
                             : prefix == L"wmpenabled"  ? BindingEnabled
                             : prefix == L"wmpdisabled" ? BindingDisabled
                                                        : BindingNone;
    path->clear();
    for (size_t at = colon + 1; at < value.size(); ++at) {
        const wchar_t c = value[at];
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') continue;
        *path += c == L'"' ? L'\'' : LowerAscii(c);
    }
    while (!path->empty() && path->back() == L';') path->pop_back();
    return kind;
}

std::wstring Clock(int seconds)
{
    wchar_t text[16];
    swprintf(text, 16, L"%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

// Whether the player can do what the path names now; false when it is not a control it knows.
bool AnswerEnabled(const std::wstring& path, SkinPlayerState state, bool* enabled)
{
    const bool playing = state == SkinPlayerPlaying, stopped = state == SkinPlayerStopped;
    const struct {
        const wchar_t* path;
        bool enabled;
    } controls[] = {
        {L"player.controls.play", !playing},
        {L"player.controls.pause", playing},
        {L"player.controls.stop", !stopped},
        {L"player.controls.currentposition", !stopped},
        {L"player.controls.seek", !stopped},
        {L"player.controls.next", true},
        {L"player.controls.previous", true},
        {L"player.controls.fastforward", playing},
        {L"player.controls.fastreverse", playing},
    };
    for (const auto& control : controls)
        if (path == control.path) return *enabled = control.enabled, true;
    return false;
}

bool AnswerProperty(const std::wstring& path, SkinPlayerState state, bool japanese, std::wstring* answer)
{
    const SampleSong& song = japanese ? kJapaneseSong : kEnglishSong;
    const int position = state == SkinPlayerStopped ? 0 : kPlayedSeconds;
    const wchar_t* status = state == SkinPlayerPlaying  ? (japanese ? L"再生中" : L"Playing")
                            : state == SkinPlayerPaused ? (japanese ? L"一時停止" : L"Paused")
                                                        : (japanese ? L"停止" : L"Stopped");
    const int playState = state == SkinPlayerPlaying ? 3 : state == SkinPlayerPaused ? 2 : 1;
    // The playlist's current item is the current media.
    std::wstring media = path;
    const std::wstring item = L"player.controls.currentitem.";
    if (media.compare(0, item.size(), item) == 0) media = L"player.currentmedia." + media.substr(item.size());
    const struct {
        const wchar_t* path;
        std::wstring answer;
    } properties[] = {
        {L"player.currentmedia.name", song.title},
        {L"player.currentmedia.getiteminfo('title')", song.title},
        {L"player.currentmedia.getiteminfo('artist')", song.artist},
        {L"player.currentmedia.getiteminfo('author')", song.artist},
        {L"player.currentmedia.getiteminfo('wm/albumtitle')", song.album},
        {L"player.currentmedia.getiteminfo('wm/genre')", song.genre},
        {L"player.currentmedia.durationstring", Clock(kDurationSeconds)},
        {L"player.currentmedia.duration", std::to_wstring(kDurationSeconds)},
        {L"player.controls.currentposition", std::to_wstring(position)},
        {L"player.controls.currentpositionstring", Clock(position)},
        {L"player.status", status},
        {L"player.playstate", std::to_wstring(playState)},
        {L"player.settings.volume", std::to_wstring(kVolume)},
        {L"player.settings.balance", L"0"},
        {L"player.settings.mute", L"false"},
        {L"player.settings.getmode('shuffle')", L"false"},
        {L"player.settings.getmode('loop')", L"false"},
    };
    for (const auto& property : properties)
        if (media == property.path) return *answer = property.answer, true;
    return false;
}

bool IsIdentifier(const std::wstring& name)
{
    if (name.empty() || (!IsMarkupNameStart(name[0]) && name[0] != L'$')) return false;
    for (wchar_t c : name)
        if (!IsMarkupNameStart(c) && c != L'$' && !(c >= L'0' && c <= L'9')) return false;
    return true;
}

}  // namespace

bool AnswerPlayerBinding(const std::wstring& value, SkinPlayerState state, bool japanese, std::wstring* answer)
{
    std::wstring path;
    const BindingKind kind = ReadBinding(value, &path);
    if (kind == BindingProperty) return AnswerProperty(path, state, japanese, answer);
    bool enabled = false;
    if (kind == BindingNone || !AnswerEnabled(path, state, &enabled)) return false;
    *answer = enabled == (kind == BindingEnabled) ? L"true" : L"false";
    return true;
}

bool SplitElementBinding(const std::wstring& value, std::wstring* id, std::wstring* property)
{
    std::wstring path;
    if (ReadBinding(value, &path) != BindingProperty) return false;
    // The path as written: an id's letter case counts.
    const size_t colon = value.find(L':');
    std::wstring written;
    for (size_t at = colon + 1; at < value.size(); ++at)
        if (value[at] != L' ' && value[at] != L'\t') written += value[at];
    while (!written.empty() && written.back() == L';') written.pop_back();
    const size_t dot = written.find(L'.');
    if (dot == std::wstring::npos || written.find(L'.', dot + 1) != std::wstring::npos) return false;
    *id = written.substr(0, dot);
    *property = written.substr(dot + 1);
    LowerAsciiInPlace(property);
    return IsIdentifier(*id) && IsIdentifier(*property) && path.compare(0, 7, L"player.") != 0;
}
