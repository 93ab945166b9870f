// eq: a warning when a band is pulled too far down
function warn()
{
    status.value = "EQ " + band1.value + " dB";
    eqLabel.foregroundColor = band1.value < -12 ? "#FF8080" : "#FFFFFF";
}
