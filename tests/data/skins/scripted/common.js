// Shared by both views: playing, the saved state and a percentage.
var playing = false;
var lastVolume = 50;

function togglePlay(button)
{
    if (player.playState == 3) {
        player.controls.pause();
        button.image = 'play.bmp';
    } else {
        player.controls.play();
        button.image = 'pause.bmp';
    }
    playing = !playing;
}

function saveState()
{
    theme.savePreference('volume', String(lastVolume));
    theme.savePreference('eq', eq.enabled ? 'on' : 'off');
}

function percent(value, max)
{
    return max > 0 ? Math.round(value * 100 / max) : 0;   // a division, not a pattern
}
