// The texts Tapkey throws (as char*) when its widget cannot be built.
#pragma once

namespace tapkey {
extern const char* const szBrakDC;       // "Nie można utworzyć DC - brak zasobów?"
extern const char* const szBrakBitmapy;  // "Nie można utworzyć bitmapy - brak zasobów?"
extern const char* const szBrakModulu;   // "Błędna nazwa modułu !"
extern const char* const szDlugaSciezka; // "Zbyt długa ścieżka do plików dźwiękowych !"
extern const char* const szBrakOkna;     // "Nie można utworzyć okna - błędne okno nadrzędne?"
extern const char* const szObcaKlasa;    // "Klasa okna o tej nazwie należy do innego modułu !"
}  // namespace tapkey
