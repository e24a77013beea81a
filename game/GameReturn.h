#pragma once

class MkMain;

// Where a pupil goes when a game window closes: back to the lesson when the
// game interrupted a repeat run (once only), else to the menu.
void returnFromGame(MkMain& mk);
