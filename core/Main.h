#pragma once

class MkMain;

// The program's start: folders, catalogue and key tables, the lesson pack,
// then the start-up window. Any step may end the program.
void Main(MkMain& mk);
