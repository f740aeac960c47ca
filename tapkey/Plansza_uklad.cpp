#include "Plansza_uklad.h"

#include "Tablica_kodow.h"

#include <cstring>

const char PLANSZA_SIATKA[PLANSZA_KOLUMNY * PLANSZA_WIERSZE] = {
    'A', 'a', 'B', 'C', 'h', 'c', 'D', 'E', 'e', 'F',
    'G', 'H', 'I', 'J', 'K', 'L', 'l', 'M', 'N', 'n',
    'O', 'o', 'P', 'Q', 'R', 'S', 's', 'T', 'U', 'V',
    'W', 'X', 'Y', 'Z', 'x', 'z', 0,   0,   0,   0,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
    '1', '2', '3', '4', '5', '6', '7', '8', '9', '0',
    '.', ',', ':', '?', '-', '/', '(', ')', '=', 0,
};

namespace {

// Top of every row and the bottom of the last; the fifth row is a narrow empty strip.
const int kGranice[PLANSZA_WIERSZE + 1] = {0, 30, 60, 90, 120, 129, 159, 189};

}  // namespace

char Znak_w_punkcie(int x, int y)
{
    if (x < 0 || x >= PLANSZA_KOLUMNY * PLANSZA_SZEROKOSC_KOMORKI || y < 0)
        return 0;
    for (int w = 0; w < PLANSZA_WIERSZE; ++w)
        if (y < kGranice[w + 1])
            return PLANSZA_SIATKA[w * PLANSZA_KOLUMNY + x / PLANSZA_SZEROKOSC_KOMORKI];
    return 0;
}

bool Komorka_znaku(char c, RECT* pKomorka)
{
    if (c == 0)
        return false;
    for (int i = 0; i < PLANSZA_KOLUMNY * PLANSZA_WIERSZE; ++i) {
        if (PLANSZA_SIATKA[i] != c)
            continue;
        const int w = i / PLANSZA_KOLUMNY, k = i % PLANSZA_KOLUMNY;
        pKomorka->left = k * PLANSZA_SZEROKOSC_KOMORKI;
        pKomorka->right = pKomorka->left + PLANSZA_SZEROKOSC_KOMORKI;
        pKomorka->top = kGranice[w];
        pKomorka->bottom = kGranice[w + 1];
        return true;
    }
    return false;
}

char Znak_klawisza(unsigned int nZnak)
{
    const unsigned char z = static_cast<unsigned char>(nZnak);
    if (nZnak > 0xFF)
        return 0;
    // The whole Latin alphabet is on the board, so every letter reaches it.
    if (z >= 'a' && z <= 'z')
        return static_cast<char>(z - 'a' + 'A');
    if ((z >= 'A' && z <= 'Z') || (z >= '0' && z <= '9') || (z != 0 && std::strchr(".,:?-/()=", z)))
        return static_cast<char>(z);
    const char wewnetrzna = Litera_wewnetrzna(static_cast<char>(z));
    return wewnetrzna != static_cast<char>(z) ? wewnetrzna : 0;
}
