// What the preview's player answers to bindings in each state, and which paths name elements.
#include "skin_player.h"

#include <gtest/gtest.h>

#include <string>

TEST(SkinPlayer, AnswersBindingsAsThePlayerDoesInEachState)
{
    // Stopped, playing, paused; "-" where the preview does not answer.
    const struct {
        const wchar_t* binding;
        const wchar_t* answers[3];
    } cases[] = {
        {L"wmpenabled:player.controls.play", {L"true", L"false", L"true"}},
        {L"wmpEnabled: Player.Controls.Pause ;", {L"false", L"true", L"false"}},
        {L"wmpdisabled:player.controls.pause", {L"true", L"false", L"true"}},
        {L"wmpenabled:player.controls.stop", {L"false", L"true", L"true"}},
        {L"wmpenabled:player.controls.currentPosition", {L"false", L"true", L"true"}},
        {L"wmpenabled:player.controls.next", {L"true", L"true", L"true"}},
        {L"wmpenabled:player.controls.fastForward", {L"false", L"true", L"false"}},
        {L"wmpenabled:player.controls.isAvailable('next')", {L"-", L"-", L"-"}},
        {L"wmpprop:player.currentMedia.name", {L"Sample Song", L"Sample Song", L"Sample Song"}},
        {L"wmpprop:player.currentMedia.getItemInfo(\"WM/AlbumTitle\")", {L"Sample Album", L"Sample Album", L"Sample Album"}},
        {L"wmpprop:player.controls.currentItem.getItemInfo('Author')", {L"Sample Artist", L"Sample Artist", L"Sample Artist"}},
        {L"wmpprop:player.currentMedia.getItemInfo('WM/Genre')", {L"Pop", L"Pop", L"Pop"}},
        {L"wmpprop:player.currentMedia.getItemInfo('Copyright')", {L"-", L"-", L"-"}},
        {L"wmpprop:player.currentMedia.durationString", {L"03:45", L"03:45", L"03:45"}},
        {L"wmpprop:player.currentMedia.duration", {L"225", L"225", L"225"}},
        {L"wmpprop:player.controls.currentPositionString", {L"00:00", L"01:12", L"01:12"}},
        {L"wmpprop:player.controls.currentPosition", {L"0", L"72", L"72"}},
        {L"wmpprop:player.status", {L"Stopped", L"Playing", L"Paused"}},
        {L"wmpprop:player.playState", {L"1", L"3", L"2"}},
        {L"wmpprop:player.settings.volume", {L"50", L"50", L"50"}},
        {L"wmpprop:player.settings.mute", {L"false", L"false", L"false"}},
        {L"wmpprop:player.settings.getMode('shuffle')", {L"false", L"false", L"false"}},
        {L"wmpprop:player.settings.getMode('loop')", {L"false", L"false", L"false"}},
        {L"jscript:player.status", {L"-", L"-", L"-"}},
        {L"wmpprop:eq.enabled", {L"-", L"-", L"-"}},
    };
    for (const auto& c : cases)
        for (SkinPlayerState state : {SkinPlayerStopped, SkinPlayerPlaying, SkinPlayerPaused}) {
            std::wstring answer = L"-";
            AnswerPlayerBinding(c.binding, state, false, &answer);
            EXPECT_EQ(c.answers[state], answer) << c.binding << L" in state " << state;
        }
    std::wstring status;
    ASSERT_TRUE(AnswerPlayerBinding(L"wmpprop:player.status", SkinPlayerPaused, true, &status));
    EXPECT_EQ(L"一時停止", status);
    ASSERT_TRUE(AnswerPlayerBinding(L"wmpprop:player.currentMedia.name", SkinPlayerPlaying, true, &status));
    EXPECT_EQ(L"サンプルの曲", status);
}

TEST(SkinPlayer, ElementBindingsNameAnIdAndOneProperty)
{
    const struct {
        const wchar_t* binding;
        const wchar_t* id;   // nullptr: no element's
        const wchar_t* property;
    } cases[] = {
        {L"wmpprop:eqOn.down", L"eqOn", L"down"},
        {L"wmpprop: btnPause.Enabled;", L"btnPause", L"enabled"},
        {L"wmpprop:player.status", nullptr, nullptr},
        {L"wmpprop:Player.volume", nullptr, nullptr},
        {L"wmpprop:a.b.c", nullptr, nullptr},
        {L"wmpprop:eq.gain(1)", nullptr, nullptr},
        {L"wmpenabled:btn.enabled", nullptr, nullptr},
        {L"wmpprop:1x.enabled", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        std::wstring id, property;
        ASSERT_EQ(c.id != nullptr, SplitElementBinding(c.binding, &id, &property)) << c.binding;
        if (!c.id) continue;
        EXPECT_EQ(c.id, id);
        EXPECT_EQ(c.property, property);
    }
}
