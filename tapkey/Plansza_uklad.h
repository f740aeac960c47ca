// The character board apart from its window: the grid of cells, the hit test and the keyboard.
#pragma once
#include <windows.h>

constexpr int PLANSZA_KOLUMNY = 10;
constexpr int PLANSZA_WIERSZE = 7;
constexpr int PLANSZA_SZEROKOSC_KOMORKI = 32;

// The grid, row after row, internal character codes, 0 in the empty cells.
extern const char PLANSZA_SIATKA[PLANSZA_KOLUMNY * PLANSZA_WIERSZE];

// The character of the cell at (x, y) of the board, 0 for an empty cell or a point outside the
// grid (x from 320, y from 189).
char Znak_w_punkcie(int x, int y);

// The cell of a character (bottom and right edges excluded); false when it is not on the board.
bool Komorka_znaku(char c, RECT* pKomorka);

// The character a key typed on the board stands for (WM_CHAR, code page 1250), or 0 when the
// board ignores it. Every Latin letter, small or capital, types its capital; the Polish letters
// fold to their internal letters (a c e l n o s x z); digits and . , : ? - / ( ) = are kept.
char Znak_klawisza(unsigned int nZnak);
