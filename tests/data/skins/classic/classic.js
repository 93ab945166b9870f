// classic: the view's start, its clock and the saved volume
var ticks = 0;

function initView()
{
    player.settings.volume = parseInt(theme.loadPreference("volume"), 10) || 50;
    layout();
    updateTitle();
    updateButtons();
}

function saveSettings()
{
    theme.savePreference("volume", String(player.settings.volume));
}

function tick()
{
    ticks = (ticks + 1) % 60;
    position.visible = player.playState == 3 || ticks % 2 == 0;
}

function showVolume()
{
    status.value = "Volume " + volume.value + "%";
}

function layout()
{
    status.left = status.visible ? 120 : 296;
    track.width = status.left - 8;
}

function updateTitle()
{
    view.title = player.currentMedia ? player.currentMedia.name : "Classic";
}

function updateButtons()
{
    btnEq.down = eq.enabled;
    mute.down = player.settings.mute;
}
