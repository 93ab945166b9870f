// classic
