// A short scripted session for newcomers: works the program like a child and saves screenshots.
// Usage: twdemo <program.exe> <working dir> <screenshot dir>
#include "e2e/driver.h"
#include <stdio.h>

static std::string strShots;

static void Shot(const char* lpszName) {
    std::string strUnix = strShots.substr(2) + "/" + lpszName; // Z:\x\y -> /x/y
    for (char& ch : strUnix)
        ch = ch == '\\' ? '/' : ch;
    printf("%s %s\n", RunUnix("import -window root '" + strUnix + "'", 20000) ? "failed" : "saved",
           lpszName);
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: twdemo <program.exe> <working dir> <screenshot dir>\n");
        return 2;
    }
    strShots = argv[3];
    CProgram program;
    if (!program.Start(argv[2], argv[1]) || program.WaitForWindow() == NULL) {
        fprintf(stderr, "the program did not start\n");
        return 1;
    }
    Shot("01-intro.bmp");
    PressKey(VK_RETURN);
    program.WaitForColouring();
    Shot("02-colouring.bmp");

    // Bright colours from the second palette page, then a few areas of each page coloured.
    static const POINT ptSwatches[] = {{34, 208}, {765, 361}, {136, 565}, {765, 565},
                                       {34, 361}, {765, 208}, {34, 514},  {612, 565}};
    static const POINT ptAreas[] = {{400, 300}, {200, 150}, {600, 450}, {150, 460},
                                    {500, 120}, {300, 480}, {650, 300}, {120, 250}};
    static const char* const szShots[] = {"03-bat.bmp", "04-bushbaby.bmp", "05-kiwi.bmp",
                                          "06-snail.bmp", "07-walrus.bmp"};
    for (int nPage = 0; nPage < 5; nPage++) {
        for (int i = 0; i < 8; i++) {
            POINT pt = ptSwatches[(i + nPage * 3) % 8];
            Click(pt.x, pt.y);
            Settle(200);
            Click(ptAreas[i].x, ptAreas[i].y);
            WaitForFillToEnd(program.Window(), 10000);
        }
        Shot(szShots[nPage]);
        PressKey(VK_NEXT);
        Settle(1000);
    }
    // The Info screen and the two screens it leads to.
    Click(692 + 48, 12 + 22);
    Settle(1000);
    Shot("08-info.bmp");
    Click(220 + 78 + 104, 120 + 70 + 23);
    Settle(1000);
    Shot("09-about.bmp");
    PressKey(VK_ESCAPE);
    Settle(500);
    Click(220 + 78 + 104, 120 + 136 + 23);
    Settle(1000);
    Shot("10-printing-options.bmp");
    PressKey(VK_ESCAPE);
    Settle(500);
    PressKey(VK_ESCAPE);
    Settle(500);
    PressKey('Q');
    DWORD dwCode = 0;
    if (!program.WaitExit(10000, &dwCode)) {
        fprintf(stderr, "the program did not end on Q\n");
        return 1;
    }
    printf("the program ended with code %lu\n", dwCode);
    return 0;
}
