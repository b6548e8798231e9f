// The page maker's arguments and sentences.
#include "pagemaker/command_line.h"

#include "pages/my_pages.h"

#include <cctype>
#include <cstring>

namespace {

std::string Lower(const std::string& str) {
    std::string strLower = str;
    for (char& ch : strLower)
        ch = (char)tolower((unsigned char)ch);
    return strLower;
}

int EndsWithPageExtension(const std::string& strName) {
    return strName.size() > 4 && Lower(strName.substr(strName.size() - 4)) == ".tw3";
}

// A whole number of at most three digits, nothing else.
int ParseSmallNumber(const std::string& str, int* lpn) {
    if (str.empty() || str.size() > 3)
        return false;
    int n = 0;
    for (char ch : str) {
        if (ch < '0' || ch > '9')
            return false;
        n = n * 10 + (ch - '0');
    }
    *lpn = n;
    return true;
}

int Fail(std::string* lpstrError, const std::string& strWhy) {
    *lpstrError = strWhy;
    return false;
}

} // namespace

int ParsePagemakerArgs(const std::vector<std::string>& args, const MakeSettings& defaults,
                       PagemakerArgs* lpArgs, std::string* lpstrError) {
    PagemakerArgs parsed;
    parsed.settings = defaults;
    parsed.bAdd = !args.empty() && Lower(args[0]) == "/add";
    std::vector<std::string> files;
    for (size_t i = parsed.bAdd ? 1 : 0; i < args.size(); i++) {
        std::string strSwitch = Lower(args[i]);
        if (strSwitch != "/gap" && strSwitch != "/lines" && strSwitch != "/title") {
            files.push_back(args[i]);
            continue;
        }
        if (i + 1 == args.size())
            return Fail(lpstrError, args[i] + " needs a value after it.");
        const std::string& strValue = args[++i];
        if (strSwitch == "/title") {
            if (!parsed.bAdd)
                return Fail(lpstrError, "/title goes with /add: a page file has no title.");
            parsed.strTitle = strValue;
            parsed.bTitle = true;
        } else if (strSwitch == "/gap") {
            int nGap = 0;
            if (!ParseSmallNumber(strValue, &nGap) || nGap > PAGEMAKER_MAX_GAP)
                return Fail(lpstrError, "/gap takes a number of pixels from 0 to " +
                                            std::to_string(PAGEMAKER_MAX_GAP) + ", not \"" +
                                            strValue + "\".");
            parsed.settings.nGap = nGap;
        } else if (Lower(strValue) == "lighter") {
            parsed.settings.nLines = MAKE_LINES_LIGHTER;
        } else if (Lower(strValue) == "darker") {
            parsed.settings.nLines = MAKE_LINES_DARKER;
        } else {
            return Fail(lpstrError,
                        "/lines takes \"lighter\" or \"darker\", not \"" + strValue + "\".");
        }
    }
    if (parsed.bAdd) {
        if (files.empty())
            return Fail(lpstrError, "Name the picture to add to the book after /add.");
        if (files.size() > 1)
            return Fail(lpstrError,
                        "Name one picture to add only; \"" + files[1] + "\" is one name too many.");
        parsed.strPicture = files[0];
        *lpArgs = parsed;
        return true;
    }
    if (files.size() < 2)
        return Fail(lpstrError, files.empty() ? "Name a picture and the page file to make."
                                              : "Name the page file to make after the picture.");
    if (files.size() > 2)
        return Fail(lpstrError, "Name one picture and one page file only; \"" + files[2] +
                                    "\" is one name too many.");
    if (!EndsWithPageExtension(files[1]))
        return Fail(lpstrError,
                    "The page file's name must end in .TW3, as \"" + files[1] + "\" does not.");
    parsed.strPicture = files[0];
    parsed.strPage = files[1];
    *lpArgs = parsed;
    return true;
}

std::string PagemakerUsage(int nDefaultGap) {
    return "Makes a colouring page from a picture (PNG, JPEG, BMP, GIF or TIFF).\n"
           "Usage: pagemaker PICTURE PAGEFILE.TW3 [/gap N] [/lines lighter|darker]\n"
           "   or: pagemaker /add PICTURE [/title TITLE] [/gap N] [/lines lighter|darker]\n"
           "  /add             adds the page to the book in this folder, after its own pages\n"
           "  /title TITLE     the page's title: capitals, digits and spaces (normally the\n"
           "                   picture's name)\n"
           "  /gap N           joins outlines that stop up to N pixels short of each other\n"
           "                   (0 to " +
           std::to_string(PAGEMAKER_MAX_GAP) + ", normally " + std::to_string(nDefaultGap) +
           ")\n"
           "  /lines lighter   fewer, thinner lines, for a dark or grainy picture\n"
           "  /lines darker    more, heavier lines, for a faint drawing";
}

int HasPictureSignature(const uint8_t* lpBytes, size_t cbBytes) {
    static const struct {
        const char* lpszStart;
        size_t cb;
    } signatures[] = {
        {"\x89PNG\r\n\x1a\n", 8},
        {"\xff\xd8\xff", 3},
        {"BM", 2},
        {"GIF87a", 6},
        {"GIF89a", 6},
        {"II*\0", 4},
        {"MM\0*", 4},
    };
    for (const auto& sig : signatures)
        if (cbBytes >= sig.cb && memcmp(lpBytes, sig.lpszStart, sig.cb) == 0)
            return true;
    return false;
}

DecodeResult CheckPictureSize(uint32_t nWidth, uint32_t nHeight) {
    if (nWidth == 0 || nHeight == 0)
        return DECODE_EMPTY;
    if (nWidth > PICTURE_MAX_SIDE || nHeight > PICTURE_MAX_SIDE ||
        (uint64_t)nWidth * nHeight > (uint64_t)PICTURE_MAX_MEGAPIXELS * 1000000)
        return DECODE_TOO_LARGE;
    return DECODE_OK;
}

void GetDecodedSize(uint32_t nWidth, uint32_t nHeight, uint32_t* lpnWidth, uint32_t* lpnHeight) {
    const uint64_t nMax = (uint64_t)PICTURE_DECODED_MEGAPIXELS * 1000000;
    uint64_t cx = nWidth, cy = nHeight;
    if (cx * cy > nMax) {
        // Integer steps only, so that both images scale a picture to the same size.
        cx = 1;
        for (uint64_t nStep = 1u << 15; nStep; nStep >>= 1) // the widest cx that fits
            if (cx + nStep <= nWidth && (cx + nStep) * ((cx + nStep) * nHeight / nWidth) <= nMax)
                cx += nStep;
        cy = cx * nHeight / nWidth;
        if (cy == 0)
            cy = 1;
    }
    *lpnWidth = (uint32_t)cx;
    *lpnHeight = (uint32_t)cy;
}

std::string DecodeResultText(DecodeResult nResult, const std::string& strFile) {
    const std::string strName = "\"" + strFile + "\"";
    switch (nResult) {
    case DECODE_OK:
        return "";
    case DECODE_NO_FILE:
        return "There is no picture file called " + strName + ".";
    case DECODE_CANNOT_OPEN:
        return "The picture " + strName + " cannot be opened: another program may be using it.";
    case DECODE_NOT_PICTURE:
        return strName + " is not a picture the page maker can read: it takes PNG, JPEG, BMP, "
                         "GIF and TIFF pictures.";
    case DECODE_DAMAGED:
        return "The picture " + strName + " is damaged or cut short; try saving it again.";
    case DECODE_UNSUPPORTED:
        return "The picture " + strName +
               " is of a kind this computer cannot read; save it "
               "again as an ordinary PNG or JPEG picture.";
    case DECODE_EMPTY:
        return "The picture " + strName + " has no pixels in it.";
    case DECODE_TOO_LARGE:
        return "The picture " + strName + " is too large: the page maker takes pictures of up to " +
               std::to_string(PICTURE_MAX_MEGAPIXELS) + " megapixels, no side longer than " +
               std::to_string(PICTURE_MAX_SIDE) + " pixels.";
    case DECODE_NO_MEMORY:
        return "There is not enough memory to read the picture " + strName + ".";
    case DECODE_NO_DECODERS:
        break;
    }
    return "This computer's picture decoders did not start, so " + strName + " cannot be read.";
}

std::string WriteResultText(WriteResult nResult, const std::string& strFile) {
    const std::string strName = "\"" + strFile + "\"";
    switch (nResult) {
    case WRITE_OK:
        return "";
    case WRITE_NOT_A_PAGE:
        return strName + " is already there and is not a colouring page, so it was left as it "
                         "is; choose another name for the page.";
    case WRITE_NO_FOLDER:
        return "The page " + strName +
               " cannot be written: its folder is not there or takes "
               "no new files.";
    case WRITE_FAILED:
        break;
    }
    return "The page " + strName +
           " could not be written (the disk may be full); any earlier "
           "page of that name is as it was.";
}

std::string MadePageText(const MadePage& page, const std::string& strFile, long nMs) {
    auto Count = [](int n, const char* lpszOne) {
        return std::to_string(n) + " " + lpszOne + (n == 1 ? "" : "s");
    };
    return "Made " + strFile + ": " + Count(page.nAreas, "area") + " to colour, " +
           Count(page.nGapsClosed, "gap") + " closed, in " + std::to_string(nMs) + " ms.";
}

std::string AddedPageText(const MadePage& page, const std::string& strTitle, int nPage,
                          const std::string& strPath) {
    return "Added page " + std::to_string(nPage) + ", \"" + strTitle + "\", to the book in " +
           strPath + ": " + std::to_string(page.nAreas) + " area" + (page.nAreas == 1 ? "" : "s") +
           " to colour, " + std::to_string(page.nGapsClosed) + " gap" +
           (page.nGapsClosed == 1 ? "" : "s") + " closed.";
}

std::string TitleForPicture(const std::string& strPicture, int (*lpfnFits)(const std::string&)) {
    std::string strTitle = TitleFromFileName(strPicture, MY_TITLE_MAX_BYTES);
    while (!strTitle.empty() && !lpfnFits(strTitle)) {
        // A word too many goes whole; a single long word loses letters.
        size_t nSpace = strTitle.find_last_of(' ');
        strTitle = TidyTitle(nSpace != std::string::npos ? strTitle.substr(0, nSpace)
                                                         : strTitle.substr(0, strTitle.size() - 1));
    }
    return strTitle.empty() ? "MY PAGE" : strTitle;
}
