#include "Odtwarzanie.h"

#include "T_kolejka.h"
#include "T_stoper.h"

int Nowa_kropka(int nDot, int nCode, int nThumb)
{
    int krok = 0;
    switch (nCode) {
    case SB_LINEUP: krok = -20; break;
    case SB_LINEDOWN: krok = 20; break;
    case SB_PAGEUP: krok = -40; break;
    case SB_PAGEDOWN: krok = 40; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        const int d = nThumb + KROPKA_MIN;
        return d < KROPKA_MIN ? KROPKA_MIN : d > KROPKA_MAX ? KROPKA_MAX : d;
    }
    default: return nDot;
    }
    const int d = nDot + krok;
    return d < KROPKA_MIN || d > KROPKA_MAX ? nDot : d;
}

unsigned char Element_nacisku(DWORD t, int nDot)
{
    return t > DWORD(nDot) ? KRESKA : KROPKA;
}

Akcja_odtwarzania Krok_odtwarzania(Stan_odtwarzania s, int nDot, DWORD dwNow)
{
    if (s.bPlaying) {
        const DWORD t = s.zegar.Read(dwNow);
        if (t < DWORD(s.nElementTime))
            return ODTW_NIC;
        if (s.nElementTime > 0 && s.nElementGap > int(PRZERWA_ELEMENTU)) {
            // The letter space counts from the moment the lamp goes dark.
            s.zegar.Start(dwNow);
            s.nElementTime = 0;
            return ODTW_ODSTEP;
        }
        if (t >= DWORD(s.nElementTime) + DWORD(s.nElementGap)) {
            s.zegar.Stop(dwNow);
            s.bPlaying = FALSE;
        }
        return s.nElementTime > 0 ? ODTW_ZGAS : ODTW_NIC;
    }
    if (!s.elementy.Pusta()) {
        const unsigned char e = static_cast<unsigned char>(s.elementy.Pobierz());
        const bool kropka = (e & ~KONIEC_ZNAKU) == KROPKA;
        s.nElementTime = kropka ? nDot : KRESKA_KROPEK * nDot;
        s.nElementGap = (e & KONIEC_ZNAKU) != 0 ? ODSTEP_ZNAKOW_KROPEK * nDot : int(PRZERWA_ELEMENTU);
        s.bPlaying = TRUE;
        s.zegar.Start(dwNow);
        return kropka ? ODTW_KROPKA : ODTW_KRESKA;
    }
    if (!s.znaki.Pusta()) {
        // Kod_znaku gives characters outside the table an empty sign.
        const Kod_morsea& kod = Kod_znaku(s.znaki.Pobierz());
        for (int i = 0; i < kod.count; ++i)
            s.elementy.Dodaj(static_cast<char>(kod.elements[i] | (i == kod.count - 1 ? KONIEC_ZNAKU : 0)));
    }
    return ODTW_NIC;
}

bool Zamknij_znak(T_stoper& zegar, Kod_morsea& kod, DWORD dwNow, char* pZnak)
{
    if (!zegar.Dziala() || zegar.Read(dwNow) < PAUZA_ZNAKU)
        return false;
    zegar.Stop(dwNow);
    *pZnak = Rozpoznaj_znak(kod);
    kod.count = 0;  // the element bytes stay; they are never compared
    return true;
}
