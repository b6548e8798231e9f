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

    // Choose colours and colour a few areas of the page.
    static const struct {
        int xSwatch, ySwatch, xPage, yPage;
    } steps[] = {{12 + 22, 186 + 22, 400, 300}, {743 + 22, 288 + 22, 200, 150},
                 {62 + 22, 543 + 22, 600, 450}, {743 + 22, 492 + 22, 150, 460}};
    for (const auto& s : steps) {
        Click(s.xSwatch, s.ySwatch);
        Settle(300);
        Click(s.xPage, s.yPage);
        Settle(2500);
    }
    Shot(strOut, "03-coloured.bmp");
    PressKey(VK_NEXT);
    Settle(2000);
    Shot(strOut, "04-next-page.bmp");
    PressKey('Q');
    DWORD dwCode = 0;
    if (!program.WaitExit(10000, &dwCode)) {
        fprintf(stderr, "the program did not end on Q\n");
        return 1;
    }
    printf("the program ended with code %lu\n", dwCode);
    return 0;
}
