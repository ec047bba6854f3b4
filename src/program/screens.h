// Every screen and overlay of the game, made in the order start-up makes them and released again.
#pragma once

// The screens of the front end, the game screen as the board's host, the screens that end a level
// or a run, the in-game menu, the intro (running the second loading stage when it closes) and the
// hint scroll.
void MakeScreens();
// Every screen made by MakeScreens released, the board without a host.
void ReleaseScreens();
