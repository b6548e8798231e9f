// A short scripted session for newcomers: works the program like a child and saves screenshots.
// Usage: twdemo <program.exe> <working dir> <screenshot dir>
#include "e2e/driver.h"
#include <stdio.h>

static void Shot(const std::string& strDir, const char* lpszName) {
    CScreen screen;
    screen.Grab();
    screen.SaveBmp(PathIn(strDir, lpszName));
    printf("saved %s\n", lpszName);
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: twdemo <program.exe> <working dir> <screenshot dir>\n");
        return 2;
    }
    std::string strExe = argv[1], strWork = argv[2], strOut = argv[3];
    CProgram program;
    if (!program.Start(strWork, strExe) || program.WaitForWindow() == NULL) {
        fprintf(stderr, "the program did not start\n");
        return 1;
    }
    Settle(1500);
    Shot(strOut, "01-intro.bmp");
    PressKey(VK_RETURN);
    Settle(2000);
    Shot(strOut, "02-colouring.bmp");

    // Bright colours from the second palette page, then a few areas of each page coloured.
    static const int idSwatches[] = {2010, 2030, 2019, 2026, 2013, 2033, 2016, 2023};
    static const POINT ptAreas[] = {{400, 300}, {200, 150}, {600, 450}, {150, 460},
                                    {500, 120}, {300, 480}, {650, 300}, {120, 250}};
    static const char* const szShots[] = {"03-bat.bmp", "04-bushbaby.bmp", "05-kiwi.bmp",
                                          "06-snail.bmp", "07-walrus.bmp"};
    for (int nPage = 0; nPage < 5; nPage++) {
        for (int i = 0; i < 8; i++) {
            int id = idSwatches[(i + nPage * 3) % 8];
            int n = id - 2008;
            static const int xBottom[9] = {62, 114, 165, 216, 539, 590, 641, 692, 743};
            POINT ptSwatch = n < 10   ? POINT{12 + 22, 84 + 51 * n + 22}
                             : n < 19 ? POINT{xBottom[n - 10] + 22, 543 + 22}
                                      : POINT{743 + 22, 492 - 51 * (n - 19) + 22};
            Click(ptSwatch.x, ptSwatch.y);
            Settle(200);
            Click(ptAreas[i].x, ptAreas[i].y);
            Settle(1800);
        }
        Shot(strOut, szShots[nPage]);
        PressKey(VK_NEXT);
        Settle(1500);
    }
    // The Info screen and the two screens it leads to.
    Click(692 + 48, 12 + 22);
    Settle(1200);
    Shot(strOut, "08-info.bmp");
    Click(220 + 78 + 104, 120 + 70 + 23);
    Settle(1200);
    Shot(strOut, "09-about.bmp");
    PressKey(VK_ESCAPE);
    Settle(800);
    Click(220 + 78 + 104, 120 + 136 + 23);
    Settle(1200);
    Shot(strOut, "10-printing-options.bmp");
    PressKey(VK_ESCAPE);
    Settle(800);
    PressKey(VK_ESCAPE);
    Settle(800);
    PressKey('Q');
    DWORD dwCode = 0;
    if (!program.WaitExit(10000, &dwCode)) {
        fprintf(stderr, "the program did not end on Q\n");
        return 1;
    }
    printf("the program ended with code %lu\n", dwCode);
    return 0;
}
