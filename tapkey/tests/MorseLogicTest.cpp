// The widget's logic apart from its windows: queues, stopwatch, speed, the playback timer run
// on a simulated clock, the closing of a sign, the board's grid and keyboard.
#include "tapkey/Odtwarzanie.h"
#include "tapkey/Plansza_uklad.h"
#include "tapkey/T_kolejka.h"
#include "tapkey/T_stoper.h"
#include "tapkey/Tablica_kodow.h"

#include "MorseTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TapkeyLogic, QueueKeepsOrderDropsWhenFullAndGivesZeroWhenEmpty) {
    T_kolejka q(3);
    EXPECT_TRUE(q.Pusta());
    EXPECT_EQ(0, q.Pobierz());
    EXPECT_TRUE(q.Dodaj('a'));
    EXPECT_TRUE(q.Dodaj(static_cast<char>(0xF3)));
    EXPECT_TRUE(q.Dodaj('c'));
    EXPECT_FALSE(q.Dodaj('d'));
    EXPECT_EQ(3, q.Dlugosc());
    EXPECT_EQ('a', q.Pobierz());
    EXPECT_TRUE(q.Dodaj('e'));  // room again at the end
    EXPECT_EQ(static_cast<char>(0xF3), q.Pobierz());
    EXPECT_EQ('c', q.Pobierz());
    EXPECT_EQ('e', q.Pobierz());
    EXPECT_EQ(0, q.Pobierz());
    EXPECT_EQ(0, q.Dlugosc());

    T_kolejka big(1000);
    for (int i = 0; i < 1005; ++i) big.Dodaj(static_cast<char>(i % 7 + 1));
    EXPECT_EQ(1000, big.Dlugosc());
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(i % 7 + 1, big.Pobierz()) << i;
    EXPECT_TRUE(big.Pusta());
}

TEST(TapkeyLogic, StopwatchMeasuresAcrossTheTickWrapAndComplainsWhenStopped) {
    mt::MessageBoxGuard boxes;
    T_stoper s;
    EXPECT_FALSE(s.Dziala());
    EXPECT_EQ(0u, s.Read(100));
    EXPECT_EQ(0u, s.Stop(100));
    EXPECT_EQ(2, boxes.Count());

    EXPECT_EQ(0xFFFFFFF0u, s.Start(0xFFFFFFF0u));
    EXPECT_TRUE(s.Dziala());
    EXPECT_EQ(0x20u, s.Read(0x10));
    EXPECT_EQ(0x30u, s.Stop(0x20));
    EXPECT_FALSE(s.Dziala());
    EXPECT_EQ(0x30u, s.Zmierzony());
    EXPECT_EQ(2, boxes.Count());

    s.Start();
    ::Sleep(60);
    const DWORD t = s.Read();
    EXPECT_GE(t, 30u);  // the tick count moves in coarse steps
    EXPECT_LT(t, 1000u);
    EXPECT_TRUE(s.Dziala());
    EXPECT_GE(s.Stop(), t);
    EXPECT_EQ(2, boxes.Count());
}

TEST(TapkeyLogic, SpeedStepsStayWithinTheLimitsAndTheThumbIsClamped) {
    struct { int dot, code, thumb, expected; } cases[] = {
        {130, SB_LINEUP, 0, 130},    {140, SB_LINEUP, 0, 120},     {490, SB_LINEDOWN, 0, 490},
        {480, SB_LINEDOWN, 0, 500},  {150, SB_PAGEUP, 0, 150},     {160, SB_PAGEUP, 0, 120},
        {470, SB_PAGEDOWN, 0, 470},  {460, SB_PAGEDOWN, 0, 500},   {200, SB_THUMBTRACK, 380, 500},
        {200, SB_THUMBPOSITION, 381, 500}, {200, SB_THUMBTRACK, -1, 120}, {200, SB_THUMBTRACK, 0, 120},
        {200, SB_THUMBPOSITION, 77, 197},  {200, SB_ENDSCROLL, 5, 200}, {200, SB_TOP, 0, 200},
        {200, SB_BOTTOM, 0, 200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Nowa_kropka(c.dot, c.code, c.thumb)) << c.dot << " code " << c.code << " " << c.thumb;
    EXPECT_EQ(80, Pozycja_paska(200));

    EXPECT_EQ(KROPKA, Element_nacisku(150, 200));
    EXPECT_EQ(KROPKA, Element_nacisku(200, 200));
    EXPECT_EQ(KRESKA, Element_nacisku(201, 200));
    EXPECT_EQ(KRESKA, Element_nacisku(250, 200));
}

// The playback timer on a simulated clock: ticks every 50 ms (plus a little jitter), the lamp
// and the sounds as the window would show them.
struct Odtwarzacz {
    BOOL playing = FALSE;
    int elementTime = 0;
    int gap = 80;
    T_stoper zegar;
    T_kolejka znaki{100}, elementy{1000};
    int dot = 200;
    DWORD now = 1000;

    struct Swiecenie {
        DWORD on, off;
        char dzwiek;
    };
    std::vector<Swiecenie> lampa;
    bool swieci = false;

    void Takt() {
        Stan_odtwarzania s = {playing, elementTime, gap, zegar, znaki, elementy};
        switch (Krok_odtwarzania(s, dot, now)) {
        case ODTW_ZGAS:
        case ODTW_ODSTEP:
            if (swieci) lampa.back().off = now;
            swieci = false;
            break;
        case ODTW_KROPKA:
        case ODTW_KRESKA:
            EXPECT_FALSE(swieci) << "an element started while the lamp was lit";
            lampa.push_back({now, 0, elementTime == dot ? '.' : '-'});
            swieci = true;
            break;
        case ODTW_NIC:
            break;
        }
    }
    void Przez(DWORD ms) {
        static const DWORD jitter[] = {0, 3, 1, 7, 2, 0, 5};
        for (DWORD end = now + ms, i = 0; now < end; ++i) {
            now += 50 + jitter[i % 7];
            Takt();
        }
    }
    std::string Dzwieki() const {
        std::string s;
        for (const auto& l : lampa) s += l.dzwiek;
        return s;
    }
};

TEST(TapkeyLogic, PlaybackPlaysEachElementForItsLengthWithGapsBetween) {
    for (int dot : {120, 200, 500}) {
        SCOPED_TRACE(dot);
        Odtwarzacz o;
        o.dot = dot;
        o.znaki.Dodaj('S');
        o.znaki.Dodaj('T');
        o.Przez(12 * dot + 1000);
        ASSERT_EQ("...-", o.Dzwieki());
        EXPECT_FALSE(o.swieci);
        EXPECT_FALSE(o.playing);
        for (size_t i = 0; i < o.lampa.size(); ++i) {
            SCOPED_TRACE(i);
            const DWORD length = o.lampa[i].dzwiek == '.' ? dot : 3 * dot;
            EXPECT_GE(o.lampa[i].off - o.lampa[i].on, length);
            EXPECT_LT(o.lampa[i].off - o.lampa[i].on, length + 60);
            if (i == 0) continue;
            const DWORD gap = o.lampa[i].on - o.lampa[i - 1].off;
            // Within a character the next element starts at the tick after the gap. Between
            // characters the lamp stays dark for a letter space of three dots, and the next
            // character needs one tick more to be expanded.
            EXPECT_GT(gap, i == 3 ? DWORD(3 * dot) : 80u);
            EXPECT_LT(gap, i == 3 ? 3 * dot + 3 * 60 : 80u + 2 * 60);
        }
    }
}

TEST(TapkeyLogic, PlaybackSkipsCharactersWithoutSignAndKeepsKeyedElementsFirst) {
    Odtwarzacz o;
    for (char c : {'\x7F', '\'', '*', 'b', '{', 'E'}) o.znaki.Dodaj(c);
    o.elementy.Dodaj(KRESKA);  // keyed while the characters wait
    o.Przez(3000);
    EXPECT_EQ("-.", o.Dzwieki());
    EXPECT_TRUE(o.znaki.Pusta());
    EXPECT_TRUE(o.elementy.Pusta());
}

TEST(TapkeyLogic, SignClosesAfterThePauseAndRecognises) {
    mt::MessageBoxGuard boxes;
    T_stoper zegar;
    Kod_morsea kod{};
    char znak = 'x';
    EXPECT_FALSE(Zamknij_znak(zegar, kod, 5000, &znak)) << "no press yet";

    for (unsigned char e : {KROPKA, KRESKA, KROPKA, KROPKA}) {
        zegar.Start(1000);
        Dodaj_element(kod, e);
    }
    EXPECT_FALSE(Zamknij_znak(zegar, kod, 1849, &znak));
    EXPECT_EQ(4, kod.count);
    EXPECT_TRUE(Zamknij_znak(zegar, kod, 1850, &znak));
    EXPECT_EQ('L', znak);
    EXPECT_EQ(0, kod.count);
    EXPECT_FALSE(zegar.Dziala());
    EXPECT_FALSE(Zamknij_znak(zegar, kod, 3000, &znak));

    for (int i = 0; i < 8; ++i) Dodaj_element(kod, KROPKA);
    zegar.Start(4000);
    EXPECT_TRUE(Zamknij_znak(zegar, kod, 5249, &znak));
    EXPECT_EQ(0, znak);
    EXPECT_EQ(0, kod.count);

    for (int i = 0; i < KOD_MAX + 5; ++i) Dodaj_element(kod, KRESKA);  // beyond the record: dropped
    EXPECT_EQ(KOD_MAX, kod.count);
    zegar.Start(6000);
    EXPECT_TRUE(Zamknij_znak(zegar, kod, 7000, &znak));
    EXPECT_EQ(0, znak);
    EXPECT_EQ(0, boxes.Count());
}

TEST(TapkeyLogic, BoardHitTestFindsEveryCellAndNothingElse) {
    const char* rows[7] = {"AaBChcDEeF", "GHIJKLlMNn", "OoPQRSsTUV", "WXYZxz", "", "1234567890", ".,:?-/()="};
    const int tops[8] = {0, 30, 60, 90, 120, 129, 159, 189};
    int cells = 0;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 10; ++c) {
            const char expected = c < int(std::string(rows[r]).size()) ? rows[r][c] : 0;
            const int x0 = 32 * c, y0 = tops[r], x1 = 32 * (c + 1) - 1, y1 = tops[r + 1] - 1;
            for (POINT p : {POINT{x0, y0}, POINT{x1, y0}, POINT{x0, y1}, POINT{x1, y1}, POINT{x0 + 16, (y0 + y1) / 2}})
                ASSERT_EQ(expected, Znak_w_punkcie(p.x, p.y)) << p.x << "," << p.y;
            if (expected == 0) continue;
            ++cells;
            RECT rc = {};
            ASSERT_TRUE(Komorka_znaku(expected, &rc)) << expected;
            EXPECT_EQ(x0, rc.left);
            EXPECT_EQ(y0, rc.top);
            EXPECT_EQ(x1 + 1, rc.right);
            EXPECT_EQ(y1 + 1, rc.bottom);
        }
    }
    EXPECT_EQ(55, cells);
    EXPECT_EQ(0, Znak_w_punkcie(320, 10));
    EXPECT_EQ(0, Znak_w_punkcie(10, 189));
    EXPECT_EQ(0, Znak_w_punkcie(-1, 10));
    EXPECT_EQ(0, Znak_w_punkcie(10, -1));
    RECT rc;
    for (char c : {'*', 'b', ';', '\0', 'i'}) EXPECT_FALSE(Komorka_znaku(c, &rc)) << int(c);
}

TEST(TapkeyLogic, BoardKeyboardReachesTheWholeAlphabet) {
    for (int c = 'a'; c <= 'z'; ++c) EXPECT_EQ(c - 'a' + 'A', Znak_klawisza(c)) << char(c);
    for (int c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(c, Znak_klawisza(c));
    for (char c : std::string("0123456789.,:?-/()=")) EXPECT_EQ(c, Znak_klawisza(static_cast<unsigned char>(c)));
    const struct { unsigned small, capital; char internal; } polish[] = {
        {0xB9, 0xA5, 'a'}, {0xE6, 0xC6, 'c'}, {0xEA, 0xCA, 'e'}, {0xB3, 0xA3, 'l'}, {0xF1, 0xD1, 'n'},
        {0xF3, 0xD3, 'o'}, {0x9C, 0x8C, 's'}, {0x9F, 0x8F, 'x'}, {0xBF, 0xAF, 'z'},
    };
    for (const auto& p : polish) {
        EXPECT_EQ(p.internal, Znak_klawisza(p.small)) << p.small;
        EXPECT_EQ(p.internal, Znak_klawisza(p.capital)) << p.capital;
    }
    // Every typed character lands on a cell of the board.
    for (unsigned c = 1; c < 256; ++c) {
        RECT rc;
        const char z = Znak_klawisza(c);
        if (z != 0) {
            EXPECT_TRUE(Komorka_znaku(z, &rc)) << c;
        }
    }
    for (unsigned c : {0u, unsigned(' '), unsigned('!'), unsigned('*'), unsigned(';'), unsigned('['), unsigned('`'),
                       0x7Fu, 0xB5u, 0xE4u, 0xFCu, 0x141u, 0x161u})
        EXPECT_EQ(0, Znak_klawisza(c)) << c;
}

}  // namespace
