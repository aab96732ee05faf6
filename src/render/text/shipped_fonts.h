#pragma once

#include <QString>

namespace vantiq {

// The fonts that travel with the program in a "fonts" folder beside it, as
// the Windows build carries them: where the system lacks the faces the
// drawings ask for ("Arial", then "Liberation Sans"), as wine does, text
// would fall back on whatever face the system picks, often a serif one.
// Makes them known to Qt; without the folder it does nothing. Call it once,
// right after the application object is made and before any text is drawn.
void UseShippedFonts();

// Under wine, Qt's GDI font engine drops glyphs of the window's text (a
// capital I at the sizes of menus and labels); FreeType, which Qt carries,
// draws them as on Linux. Chooses it unless QT_QPA_PLATFORM names a platform
// already. Call it before the application object is made.
void UseFreeTypeUnderWine();

// The face the window's own text (menus, labels, lists) must be drawn in
// instead of the system's, or empty to keep the system's. Under wine, its
// faces come out of Qt's GDI font engine as wrong glyphs, so that every menu
// and button reads as symbols; the shipped face draws them right.
QString WindowFaceOverride();

}  // namespace vantiq
