// Entry point of the Windows unit tests: the program's own resources are linked in, so the
// string table and bitmaps load from this module.
#include "shell/app.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    hInst = GetModuleHandleA(NULL);
    RegisterMainClass(hInst);
    return RUN_ALL_TESTS();
}
