#pragma once

namespace vantiq {

// The fonts that travel with the program in a "fonts" folder beside it, as
// the Windows build carries them: where the system lacks the faces the
// drawings ask for ("Arial", then "Liberation Sans"), as wine does, text
// would fall back on whatever face the system picks, often a serif one.
// Makes them known to Qt, and under wine makes the shipped face the window's
// own font too; without the folder it does nothing. Call it once,
// right after the application object is made and before any text is drawn.
void UseShippedFonts();

}  // namespace vantiq
