// Set first thing at start-up. Controls built outside the running program
// (a design preview, a test of the designer look) see it false.
#pragma once

namespace controls {

// Names fixed by the program's design: keep them as they are.
inline bool AppStarted = false;

} // namespace controls
