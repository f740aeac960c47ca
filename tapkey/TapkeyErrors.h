// The texts Tapkey throws (as char*) when its widget cannot be built.
#pragma once

namespace tapkey {
extern const char* const szBrakDC;       // "Nie można utworzyć DC - brak zasobów?"
extern const char* const szBrakBitmapy;  // "Nie można utworzyć bitmapy - brak zasobów?"
extern const char* const szBrakModulu;   // "Błędna nazwa modułu !"
extern const char* const szDlugaSciezka; // "Zbyt długa ścieżka do plików dźwiękowych !"
}  // namespace tapkey
