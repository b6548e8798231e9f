// pagemaker PICTURE PAGEFILE.TW3 [/gap N] [/lines lighter|darker]: makes a colouring page from a
// picture; pagemaker /add PICTURE [/title TITLE] [...]: adds it to the book in the current folder
// as one of the parent's pages. These command lines are for parents' scripts: they answer on
// standard output with one line and an exit code, and never show a window or a message box.
// Without arguments, or with pictures only, the program opens the Page Maker's window.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <stdio.h>

#include "pagemaker/command_line.h"
#include "pagemaker/maker_win.h"
#include "pagemaker/picture_file.h"
#include "pages/my_pages.h"

namespace {

std::string Utf8(const wchar_t* lpsz) {
    int cb = WideCharToMultiByte(CP_UTF8, 0, lpsz, -1, NULL, 0, NULL, NULL);
    std::string str(cb > 0 ? cb - 1 : 0, '\0');
    if (cb > 1)
        WideCharToMultiByte(CP_UTF8, 0, lpsz, -1, &str[0], cb, NULL, NULL);
    return str;
}

// The file name to open. Under Wine a name such as /home/me/cat.png is a path of the Unix side,
// as the parent typing it means; elsewhere it stays as given.
std::wstring FilePath(const std::string& strName) {
    int cch = MultiByteToWideChar(CP_UTF8, 0, strName.c_str(), -1, NULL, 0);
    std::wstring str(cch > 0 ? cch - 1 : 0, L'\0');
    if (cch > 1)
        MultiByteToWideChar(CP_UTF8, 0, strName.c_str(), -1, &str[0], cch);
    if (strName.size() < 2 || strName[0] != '/' || strName[1] == '/')
        return str;
    typedef WCHAR*(CDECL * WineDosName)(const char*);
    WineDosName lpfnDosName = (WineDosName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                                 "wine_get_dos_file_name");
    if (!lpfnDosName)
        return str;
    if (WCHAR* lpszDos = lpfnDosName(strName.c_str())) {
        str = lpszDos;
        HeapFree(GetProcessHeap(), 0, lpszDos);
    }
    return str;
}

int Say(int nExit, const std::string& strLine) {
    fputs(strLine.c_str(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
    return nExit;
}

// Reads the picture and makes its page; a non-zero exit code when it failed and was said.
int MakePageOf(const PagemakerArgs& args, MadePage* lpPage) {
    DecodedPicture decoded;
    DecodeResult nDecode = DecodePictureFile(FilePath(args.strPicture), &decoded);
    if (nDecode != DECODE_OK)
        return Say(PAGEMAKER_EXIT_PICTURE, DecodeResultText(nDecode, args.strPicture));
    Picture picture = {decoded.lpPixels.data(), decoded.nWidth, decoded.nHeight,
                       (size_t)decoded.nWidth * 4, PICTURE_BGRA};
    MakeResult nMake = MakePage(picture, args.settings, lpPage);
    if (nMake != MAKE_OK)
        return Say(PAGEMAKER_EXIT_NO_PAGE,
                   "No page was made from \"" + args.strPicture + "\": " + MakeResultText(nMake));
    return PAGEMAKER_EXIT_OK;
}

int TitleFits(const std::string& strTitle) {
    return CheckMyPageTitle(strTitle) == TITLE_OK;
}

// The page added to the parent's pages of the book in the current folder, as the window's Add
// does it: the title and the room checked first, so that a refusal costs no decoding.
int AddPageToBook(const PagemakerArgs& args) {
    std::string strTitle = args.bTitle ? TidyTitle(TitleCapitals(args.strTitle))
                                       : TitleForPicture(args.strPicture, TitleFits);
    TitleResult nTitle = CheckMyPageTitle(strTitle);
    if (nTitle != TITLE_OK)
        return Say(PAGEMAKER_EXIT_USAGE, "\"" + strTitle + "\": " + Utf8Of(TitleWords(nTitle)));
    if (ListMyPages().size() >= MY_PAGES_MAX)
        return Say(PAGEMAKER_EXIT_FULL, Utf8Of(MyPagesWords(MYPAGES_FULL)));
    MadePage page;
    if (int nExit = MakePageOf(args, &page))
        return nExit;
    std::string strFile;
    MyPagesResult nResult = AddMyPage(EncodeMadePage(page), strTitle, &strFile);
    if (nResult != MYPAGES_OK)
        return Say(nResult == MYPAGES_FULL ? PAGEMAKER_EXIT_FULL : PAGEMAKER_EXIT_WRITE,
                   Utf8Of(MyPagesWords(nResult)));
    std::vector<MyPage> pages = ListMyPages();
    int nPage = 0;
    for (size_t i = 0; i < pages.size(); i++)
        if (pages[i].strFile == strFile)
            nPage = BOOK_OWN_PAGES + (int)i + 1;
    return Say(PAGEMAKER_EXIT_OK, AddedPageText(page, strTitle, nPage, MyPagePath(strFile)));
}

int MakePageFile(const PagemakerArgs& args) {
    LARGE_INTEGER nFreq, nStart, nEnd;
    QueryPerformanceFrequency(&nFreq);
    QueryPerformanceCounter(&nStart);

    MadePage page;
    if (int nExit = MakePageOf(args, &page))
        return nExit;
    WriteResult nWrite = WritePageFile(FilePath(args.strPage), EncodeMadePage(page));
    if (nWrite != WRITE_OK)
        return Say(PAGEMAKER_EXIT_WRITE, WriteResultText(nWrite, args.strPage));

    QueryPerformanceCounter(&nEnd);
    long nMs = (long)((nEnd.QuadPart - nStart.QuadPart) * 1000 / nFreq.QuadPart);
    return Say(PAGEMAKER_EXIT_OK, MadePageText(page, args.strPage, nMs));
}

} // namespace

int main() {
    // Failures are told on standard output, never in a box of the system's.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);

    // The arguments in UTF-16 from the system, so that any file name gets through.
    int nArgs = 0;
    LPWSTR* lplpszArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
    std::vector<std::string> args;
    for (int i = 1; lplpszArgs && i < nArgs; i++)
        args.push_back(Utf8(lplpszArgs[i]));
    LocalFree(lplpszArgs);

    // No arguments, or pictures only (dropped on the icon): the window, in the book's folder.
    if (OpensMakerWindow(args)) {
        std::vector<std::wstring> pictures;
        for (const std::string& strArg : args)
            pictures.push_back(FilePath(strArg));
        GoToBookFolder();
        return RunMakerWindow(pictures);
    }
    // A program without a console of its own: the lines go to the console it was started from.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN &&
        AttachConsole(ATTACH_PARENT_PROCESS))
        freopen("CONOUT$", "w", stdout);
    SetConsoleOutputCP(CP_UTF8);
    const MakeSettings defaults = DefaultMakeSettings();
    PagemakerArgs parsed;
    std::string strError;
    if (!ParsePagemakerArgs(args, defaults, &parsed, &strError))
        return Say(PAGEMAKER_EXIT_USAGE, strError + "\n" + PagemakerUsage(defaults.nGap));

    if (FAILED(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
        return Say(PAGEMAKER_EXIT_PICTURE, DecodeResultText(DECODE_NO_DECODERS, parsed.strPicture));
    int nExit = parsed.bAdd ? AddPageToBook(parsed) : MakePageFile(parsed);
    CoUninitialize();
    return nExit;
}
