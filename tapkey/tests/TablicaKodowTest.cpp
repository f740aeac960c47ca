// Morse sign table, comparison and recognition.
#include "../Tablica_kodow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// A keyed sign built the way the widget builds one, element by element.
Kod_morsea Klucz(const char* tekst)
{
    Kod_morsea kod{};
    for (const char* p = tekst; *p; ++p)
        Dodaj_element(kod, *p == '.' ? KROPKA : KRESKA);
    return kod;
}

std::string Tekst(const Kod_morsea& kod)
{
    std::string s;
    for (int i = 0; i < kod.count; ++i)
        s += kod.elements[i] == KROPKA ? '.' : '-';
    return s;
}

bool NaTablicy(int c)
{
    return c != 0 && std::strchr(ALFABET_MORSEA, c) != nullptr;
}

}  // namespace

TEST(TablicaKodow, AlphabetEntriesHoldWellFormedSignsAndTheRestAreEmpty)
{
    ASSERT_EQ(55u, std::strlen(ALFABET_MORSEA));
    for (int i = 0; i < TABLICA_ROZMIAR; ++i) {
        const int c = i + TABLICA_PIERWSZY;
        const Kod_morsea& kod = Tablica_kodow[i];
        SCOPED_TRACE(c);
        if (NaTablicy(c)) {
            EXPECT_GT(kod.count, 0);
            EXPECT_LE(kod.count, 7);
        } else {
            EXPECT_EQ(0, kod.count);
        }
        for (int e = 0; e < KOD_MAX; ++e) {
            if (e < kod.count)
                EXPECT_TRUE(kod.elements[e] == KROPKA || kod.elements[e] == KRESKA) << e;
            else
                EXPECT_EQ(0, kod.elements[e]) << e;
        }
    }
}

TEST(TablicaKodow, EveryCodeIsRecognisedAsItsCharacterOnlyParenthesesShare)
{
    for (const char* p = ALFABET_MORSEA; *p; ++p) {
        SCOPED_TRACE(*p);
        const Kod_morsea klucz = Klucz(Tekst(Kod_znaku(*p)).c_str());
        EXPECT_EQ(*p == ')' ? '(' : *p, Rozpoznaj_znak(klucz));
    }
    for (const char* p = ALFABET_MORSEA; *p; ++p) {
        for (const char* q = p + 1; *q; ++q) {
            const bool nawiasy = (*p == '(' && *q == ')') || (*p == ')' && *q == '(');
            EXPECT_EQ(nawiasy ? 1 : 0, czy_identyczne(Kod_znaku(*p), Kod_znaku(*q))) << *p << " " << *q;
        }
    }
}

TEST(TablicaKodow, KnownSignsAreRecognised)
{
    EXPECT_EQ('S', Rozpoznaj_znak(Klucz("...")));
    EXPECT_EQ('L', Rozpoznaj_znak(Klucz(".-..")));
    EXPECT_EQ('B', Rozpoznaj_znak(Klucz("-...")));
    EXPECT_EQ('(', Rozpoznaj_znak(Klucz("-.--.-")));
    EXPECT_EQ('M', Rozpoznaj_znak(Klucz("--")));
    EXPECT_EQ('s', Rozpoznaj_znak(Klucz("...-...")));  // Ś, seven elements
    EXPECT_EQ('h', Rozpoznaj_znak(Klucz("----")));     // CH
    EXPECT_EQ('x', Rozpoznaj_znak(Klucz("--..-.")));   // Ź
    EXPECT_EQ('z', Rozpoznaj_znak(Klucz("--..-")));    // Ż
    EXPECT_EQ('?', Rozpoznaj_znak(Klucz("..--..")));
    EXPECT_EQ('0', Rozpoznaj_znak(Klucz("-----")));
}

TEST(TablicaKodow, UnknownSignsAreNotRecognised)
{
    EXPECT_EQ(0, Rozpoznaj_znak(Klucz("........")));
    EXPECT_EQ(0, Rozpoznaj_znak(Klucz("--.---")));
    // An empty sign is identical to the first entry without one, the asterisk.
    EXPECT_EQ('*', Rozpoznaj_znak(Kod_morsea{}));
}

TEST(TablicaKodow, OverlongSignIsCappedAndMatchesNothing)
{
    struct {
        Kod_morsea kod;
        unsigned char straz[64];
    } blok;
    std::memset(&blok, 0xA5, sizeof blok);
    blok.kod.count = 0;

    for (int i = 0; i < KOD_MAX; ++i)
        ASSERT_TRUE(Dodaj_element(blok.kod, KROPKA)) << i;
    for (int i = 0; i < 50; ++i)
        EXPECT_FALSE(Dodaj_element(blok.kod, KRESKA)) << i;

    EXPECT_EQ(KOD_MAX, blok.kod.count);
    for (int i = 0; i < KOD_MAX; ++i)
        EXPECT_EQ(KROPKA, blok.kod.elements[i]) << i;
    for (unsigned char b : blok.straz)
        ASSERT_EQ(0xA5, b);
    EXPECT_EQ(0, Rozpoznaj_znak(blok.kod));
}

TEST(TablicaKodow, IdentityComparesCountAndLeadingElementsOnly)
{
    Kod_morsea a = Klucz(".-.");
    Kod_morsea b = Klucz(".-.");
    b.elements[3] = KRESKA;  // behind the count
    b.elements[50] = KROPKA;
    EXPECT_EQ(1, czy_identyczne(a, b));
    EXPECT_EQ(1, czy_identyczne(b, a));

    EXPECT_EQ(0, czy_identyczne(Klucz(".-."), Klucz(".-.-")));   // same prefix, longer
    EXPECT_EQ(0, czy_identyczne(Klucz(".-."), Klucz(".--")));    // last element differs
    EXPECT_EQ(0, czy_identyczne(Klucz("-.."), Klucz("...")));    // first element differs

    Kod_morsea p = Klucz("---");
    Kod_morsea q = Klucz("...");
    p.count = q.count = 0;
    EXPECT_EQ(1, czy_identyczne(p, q));
    p.count = q.count = -3;
    EXPECT_EQ(1, czy_identyczne(p, q));
}

TEST(TablicaKodow, LookupOutsideTheTableGivesNoSign)
{
    EXPECT_EQ("-...", Tekst(Kod_znaku('B')));
    EXPECT_EQ("--..-.", Tekst(Kod_znaku('x')));
    EXPECT_EQ(0, Kod_znaku('*').count);
    EXPECT_EQ(0, Kod_znaku('b').count);
    EXPECT_EQ(0, Kod_znaku(' ').count);
    EXPECT_EQ(0, Kod_znaku('\'').count);  // 39, just below the table
    EXPECT_EQ(0, Kod_znaku('{').count);   // 123, just above it
    EXPECT_EQ(0, Kod_znaku('\xB9').count);  // ą before folding
}

TEST(TablicaKodow, PolishLettersFoldToInternalLetters)
{
    // Code page 1250: small and capital of Ą Ć Ę Ł Ń Ó Ś Ź Ż.
    const struct { unsigned char mala, wielka; char wewn; } litery[] = {
        {0xB9, 0xA5, 'a'}, {0xE6, 0xC6, 'c'}, {0xEA, 0xCA, 'e'},
        {0xB3, 0xA3, 'l'}, {0xF1, 0xD1, 'n'}, {0xF3, 0xD3, 'o'},
        {0x9C, 0x8C, 's'}, {0x9F, 0x8F, 'x'}, {0xBF, 0xAF, 'z'},
    };
    for (const auto& l : litery) {
        EXPECT_EQ(l.wewn, Litera_wewnetrzna(static_cast<char>(l.mala))) << int(l.mala);
        EXPECT_EQ(l.wewn, Litera_wewnetrzna(static_cast<char>(l.wielka))) << int(l.wielka);
    }
    EXPECT_EQ("--..-.", Tekst(Kod_znaku(Litera_wewnetrzna('ź'))));
    for (char c : {'A', 'b', 'x', '1', '\xE9' /* é */, '\xA4' /* ¤ */, '\0'})
        EXPECT_EQ(c, Litera_wewnetrzna(c));
}

// The whole table against the international Morse code (ITU-R M.1677-1), written out here from
// the standard for the characters the table covers; the signs the project chose itself are
// listed apart. Every other entry has no sign.
TEST(TablicaKodow, AgreesWithTheInternationalCodeAndTheProjectsOwnSigns)
{
    const std::map<char, std::string> standard = {
        {'A', ".-"},     {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},    {'E', "."},      {'F', "..-."},
        {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},   {'K', "-.-"},    {'L', ".-.."},
        {'M', "--"},     {'N', "-."},     {'O', "---"},    {'P', ".--."},   {'Q', "--.-"},   {'R', ".-."},
        {'S', "..."},    {'T', "-"},      {'U', "..-"},    {'V', "...-"},   {'W', ".--"},    {'X', "-..-"},
        {'Y', "-.--"},   {'Z', "--.."},   {'1', ".----"},  {'2', "..---"},  {'3', "...--"},  {'4', "....-"},
        {'5', "....."},  {'6', "-...."},  {'7', "--..."},  {'8', "---.."},  {'9', "----."},  {'0', "-----"},
        {'.', ".-.-.-"}, {',', "--..--"}, {':', "---..."}, {'?', "..--.."}, {'-', "-....-"}, {'/', "-..-."},
        {')', "-.--.-"}, {'=', "-...-"},
    };
    // Not the standard's: '(' keys the sign of ')' (the standard has -.--. for it); CH and the
    // Polish letters take the Polish signs, Ź one of its own rather than M's.
    const std::map<char, std::string> own = {
        {'(', "-.--.-"}, {'h', "----"},  {'a', ".-.-"},  {'c', "-.-.."}, {'e', "..-.."},   {'l', ".-..-"},
        {'n', "--.--"},  {'o', "---."},  {'s', "...-..."}, {'x', "--..-."}, {'z', "--..-"},
    };
    ASSERT_EQ(std::strlen(ALFABET_MORSEA), standard.size() + own.size());
    for (int c = TABLICA_PIERWSZY; c <= TABLICA_OSTATNI; ++c) {
        const auto s = standard.find(char(c)), o = own.find(char(c));
        const std::string expected = s != standard.end() ? s->second : o != own.end() ? o->second : "";
        EXPECT_EQ(expected, Tekst(Tablica_kodow[c - TABLICA_PIERWSZY])) << char(c);
    }
}
