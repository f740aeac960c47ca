/// @file
/// The texts Kelm throws (as char*) when GDI resources run out or its module cannot be found.
#pragma once

namespace kelm {
extern const char* const szNoDC;      ///< "Nie można utworzyć DC - brak zasobów?"
extern const char* const szNoBitmap;  ///< "Nie można utworzyć bitmapy - brak zasobów?"
extern const char* const szNoModule;  ///< "Błędna nazwa modułu !"
}  // namespace kelm
