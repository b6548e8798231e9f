// How many GDI objects this process holds, for tests that look for leaks (see the .cpp for
// what Wine lets it count).
#pragma once

// The count, or -1 when the system cannot tell.
int CountGdiObjects();
