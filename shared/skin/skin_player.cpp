// What the player answers to a skin's bindings while a sample song is loaded.
#include "skin_player.h"

#include "skin_markup.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

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

enum Property {
    Title, Artist, Album, Genre, DurationString, Duration, Position, PositionString, Status, PlayState, Volume,
    Balance, Mute, Shuffle, Loop,
};

bool AnswerProperty(const std::wstring& path, SkinPlayerState state, bool japanese, std::wstring* answer)
{
    const struct {
        const wchar_t* path;
        Property property;
    } properties[] = {
        {L"player.currentmedia.name", Title},
        {L"player.currentmedia.getiteminfo('title')", Title},
        {L"player.currentmedia.getiteminfo('artist')", Artist},
        {L"player.currentmedia.getiteminfo('author')", Artist},
        {L"player.currentmedia.getiteminfo('wm/albumtitle')", Album},
        {L"player.currentmedia.getiteminfo('wm/genre')", Genre},
        {L"player.currentmedia.durationstring", DurationString},
        {L"player.currentmedia.duration", Duration},
        {L"player.controls.currentposition", Position},
        {L"player.controls.currentpositionstring", PositionString},
        {L"player.status", Status},
        {L"player.playstate", PlayState},
        {L"player.settings.volume", Volume},
        {L"player.settings.balance", Balance},
        {L"player.settings.mute", Mute},
        {L"player.settings.getmode('shuffle')", Shuffle},
        {L"player.settings.getmode('loop')", Loop},
    };
    // The playlist's current item is the current media.
    const std::wstring item = L"player.controls.currentitem.";
    const std::wstring media =
        path.compare(0, item.size(), item) == 0 ? L"player.currentmedia." + path.substr(item.size()) : path;
    const auto* found = std::find_if(std::begin(properties), std::end(properties),
                                     [&media](const auto& known) { return media == known.path; });
    if (found == std::end(properties)) return false;
    const SampleSong& song = japanese ? kJapaneseSong : kEnglishSong;
    const int position = state == SkinPlayerStopped ? 0 : kPlayedSeconds;
    switch (found->property) {
    case Title:          *answer = song.title; break;
    case Artist:         *answer = song.artist; break;
    case Album:          *answer = song.album; break;
    case Genre:          *answer = song.genre; break;
    case DurationString: *answer = Clock(kDurationSeconds); break;
    case Duration:       *answer = std::to_wstring(kDurationSeconds); break;
    case Position:       *answer = std::to_wstring(position); break;
    case PositionString: *answer = Clock(position); break;
    case Status:
        *answer = state == SkinPlayerPlaying  ? (japanese ? L"再生中" : L"Playing")
                  : state == SkinPlayerPaused ? (japanese ? L"一時停止" : L"Paused")
                                              : (japanese ? L"停止" : L"Stopped");
        break;
    case PlayState:      *answer = state == SkinPlayerPlaying ? L"3" : state == SkinPlayerPaused ? L"2" : L"1"; break;
    case Volume:         *answer = std::to_wstring(kVolume); break;
    case Balance:        *answer = L"0"; break;
    case Mute:
    case Shuffle:
    case Loop:           *answer = L"false"; break;
    }
    return true;
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

int PlayerImageSide(const std::wstring& name)
{
    if (_wcsicmp(name.c_str(), L"WMPImage_AlbumArtLarge") == 0) return 200;
    if (_wcsicmp(name.c_str(), L"WMPImage_AlbumArtSmall") == 0) return 75;
    return 0;
}
