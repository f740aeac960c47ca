/// @file
/// Morse signs of Tapkey: the sign record, the code table of all keyable characters,
/// comparison of two signs and recognition of a keyed sign. Exported by Tapkey.dll.
///
/// Internal character codes: digits, the marks ( ) , - . / : = ? and the capitals A to Z stand
/// for themselves; the lower-case letters a c e h l n o s x z stand for
/// Ą Ć Ę CH Ł Ń Ó Ś Ź Ż. No other lower-case letter is a character of the widget.
#pragma once
#include <tapkey/TapkeyDefs.h>

/// One Morse sign, a plain record copied by value.
struct Kod_morsea {
    signed char count;           ///< number of elements, 0 to KOD_MAX; 0: no sign
    unsigned char elements[100]; ///< KROPKA or KRESKA in keying order; bytes behind count are 0
};

constexpr int KOD_MAX = 100;            ///< elements a sign holds
constexpr unsigned char KROPKA = 1;     ///< dot
constexpr unsigned char KRESKA = 2;     ///< dash

constexpr int TABLICA_PIERWSZY = 40;    ///< character of entry 0: '('
constexpr int TABLICA_OSTATNI = 122;    ///< character of the last entry: 'z'
constexpr int TABLICA_ROZMIAR = TABLICA_OSTATNI - TABLICA_PIERWSZY + 1;  ///< 83

/// The 55 characters of the alphabet, in the order of the character board.
constexpr char ALFABET_MORSEA[] = "AaBChcDEeFGHIJKLlMNnOoPQRSsTUVWXYZxz1234567890.,:?-/()=";

/// The sign of every character from '(' to 'z'; the sign of character c is entry c - 40.
extern TAPKEY_API const Kod_morsea Tablica_kodow[TABLICA_ROZMIAR];

/// 1 when both signs have the same count and the same first count elements, else 0.
/// Elements behind count are never compared; equal counts that are not positive are identical.
TAPKEY_API int czy_identyczne(Kod_morsea pierwszy, Kod_morsea drugi);

/// The sign of character c; a character outside '(' to 'z' gets an empty sign (count 0).
TAPKEY_API const Kod_morsea& Kod_znaku(char c);

/// The character of the first table entry (in ascending character code) identical to the
/// keyed sign, or 0 when no entry is. Of two characters sharing a code the lower one wins.
TAPKEY_API char Rozpoznaj_znak(const Kod_morsea& kod);

/// Appends one element to a keyed sign. A sign that already holds KOD_MAX elements is left
/// unchanged and false is returned: it then matches no entry of the table.
TAPKEY_API bool Dodaj_element(Kod_morsea& kod, unsigned char element);

/// Folds a code page 1250 Polish letter, small or capital, to its internal letter
/// (ą/Ą -> 'a', ..., ź/Ź -> 'x', ż/Ż -> 'z'); any other character is returned unchanged.
TAPKEY_API char Litera_wewnetrzna(char c);
