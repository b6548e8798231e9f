// The parent's pages' index: its text form, the page file names and the title rules.
#include "pages/my_pages.h"

#include <cstdio>

const char szMoreTitleCapitals[] = "ÄÖÜÀÂÆÇÉÈÊËÎÏÔŒÙÛŸÁÍÑÓÚÃÕÅĄĆĘŁŃŚŹŻÌÒ"
                                   "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";

namespace {

const char szIndexHeader[] = "Tintwell 3 pages 1";

// One capital of szMoreTitleCapitals (a whole UTF-8 sequence), or A-Z, a digit or the space.
int IsTitleLetter(const std::string& strLetter) {
    if (strLetter.size() == 1) {
        const char ch = strLetter[0];
        return (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == ' ';
    }
    for (const char* lpsz = szMoreTitleCapitals; *lpsz;) {
        size_t cb = 1;
        while ((lpsz[cb] & 0xC0) == 0x80)
            cb++;
        if (strLetter.compare(0, std::string::npos, lpsz, cb) == 0)
            return true;
        lpsz += cb;
    }
    return false;
}

// The capital of a small letter among the title letters' alphabets; any other code point as is.
unsigned CapitalOf(unsigned c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
        (c >= 0x430 && c <= 0x44F))
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)
        return c - 0x50; // ё and the other Cyrillic letters above я
    if (c == 0xFF)
        return 0x178;
    // Latin Extended-A keeps each capital just before its small letter, in runs that start on an
    // even code point (Ą ą ... ) or, from Ĺ to Ň and from Ź to Ž, on an odd one.
    if (c >= 0x100 && c <= 0x17E && c != 0x138 && c != 0x149 && c != 0x178) {
        int bOddCapital = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        if ((c & 1) != (unsigned)bOddCapital)
            return c - 1;
    }
    return c;
}

// Splits the text into lines, dropping a carriage return before each line feed.
std::vector<std::string> Lines(const std::string& strText) {
    std::vector<std::string> lines;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        lines.push_back(strLine);
        nStart = nEnd + 1;
    }
    return lines;
}

// "next N" with N a plain decimal number; TRUE with N.
int ParseNextLine(const std::string& strLine, unsigned* lpnNext) {
    if (strLine.compare(0, 5, "next ") != 0 || strLine.size() == 5 || strLine.size() > 10)
        return false;
    unsigned n = 0;
    for (size_t i = 5; i < strLine.size(); i++) {
        if (strLine[i] < '0' || strLine[i] > '9')
            return false;
        n = n * 10 + (strLine[i] - '0');
    }
    *lpnNext = n;
    return true;
}

} // namespace

std::string MyPageFileName(unsigned nNumber) {
    char szName[16];
    snprintf(szName, sizeof(szName), "P%04u.TW3", nNumber % 10000);
    return szName;
}

int ParseMyPageFileName(const std::string& strName, unsigned* lpnNumber) {
    if (strName.size() != 9 || (strName[0] != 'P' && strName[0] != 'p'))
        return false;
    unsigned n = 0;
    for (size_t i = 1; i < 5; i++) {
        if (strName[i] < '0' || strName[i] > '9')
            return false;
        n = n * 10 + (strName[i] - '0');
    }
    std::string strExt = strName.substr(5);
    for (char& ch : strExt)
        ch = (char)(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
    if (strExt != ".TW3" || n == 0)
        return false;
    *lpnNumber = n;
    return true;
}

std::string MyPagePath(const std::string& strFile) {
    return std::string(MY_PAGES_FOLDER) + "\\" + strFile;
}

std::string TidyTitle(const std::string& strTitle) {
    std::string strTidy;
    for (char ch : strTitle) {
        if (ch == ' ' && (strTidy.empty() || strTidy.back() == ' '))
            continue;
        strTidy += ch;
    }
    if (!strTidy.empty() && strTidy.back() == ' ')
        strTidy.pop_back();
    return strTidy;
}

TitleResult CheckTitleLetters(const std::string& strTitle) {
    std::string strTidy = TidyTitle(strTitle);
    if (strTidy.empty())
        return TITLE_EMPTY;
    if (strTidy.size() > MY_TITLE_MAX_BYTES)
        return TITLE_TOO_WIDE;
    // Letter by letter: a lead byte with the bytes that continue it.
    for (size_t i = 0; i < strTidy.size();) {
        size_t cb = 1;
        while (i + cb < strTidy.size() && (strTidy[i + cb] & 0xC0) == 0x80)
            cb++;
        if (!IsTitleLetter(strTidy.substr(i, cb)))
            return TITLE_BAD_LETTER;
        i += cb;
    }
    return TITLE_OK;
}

std::string TitleCapitals(const std::string& strText) {
    std::string strOut;
    for (size_t i = 0; i < strText.size();) {
        const unsigned char b = (unsigned char)strText[i];
        size_t cb = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (b < 0x80 || b >= 0xF8 || (b & 0xC0) == 0x80 || i + cb > strText.size()) {
            strOut +=
                strText[i] >= 'a' && strText[i] <= 'z' ? (char)(strText[i] - 0x20) : strText[i];
            i++;
            continue;
        }
        unsigned c = b & (0x7F >> cb);
        size_t k = 1;
        for (; k < cb && ((unsigned char)strText[i + k] & 0xC0) == 0x80; k++)
            c = (c << 6) | ((unsigned char)strText[i + k] & 0x3F);
        if (k < cb || cb != 2) {
            // Not a letter of the title alphabets (or not whole): copied as it came.
            strOut.append(strText, i, k);
            i += k;
            continue;
        }
        c = CapitalOf(c);
        strOut += (char)(0xC0 | (c >> 6));
        strOut += (char)(0x80 | (c & 0x3F));
        i += 2;
    }
    return strOut;
}

std::string TitleFromFileName(const std::string& strPath, size_t nMaxChars) {
    size_t nSlash = strPath.find_last_of("\\/:");
    std::string strName = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
    size_t nDot = strName.find_last_of('.');
    if (nDot != std::string::npos && nDot > 0)
        strName.resize(nDot);
    // Letter by letter, a lead byte with the bytes that continue it; a letter that cannot be
    // shown becomes a space.
    strName = TitleCapitals(strName);
    std::string strTitle;
    for (size_t i = 0; i < strName.size();) {
        size_t cb = 1;
        while (i + cb < strName.size() && (strName[i + cb] & 0xC0) == 0x80)
            cb++;
        std::string strLetter = strName.substr(i, cb);
        strTitle += IsTitleLetter(strLetter) ? strLetter : " ";
        i += cb;
    }
    strTitle = TidyTitle(strTitle);
    if (strTitle.size() > nMaxChars)
        strTitle = TidyTitle(strTitle.substr(0, nMaxChars));
    return strTitle;
}

int ParseMyPagesIndex(const std::string& strText, MyPagesIndex* lpIndex) {
    MyPagesIndex index;
    std::vector<std::string> lines = Lines(strText);
    int bWhole = !lines.empty() && lines[0] == szIndexHeader;
    unsigned nNext = 1;
    int bNextSeen = false;
    for (size_t i = bWhole ? 1 : 0; i < lines.size(); i++) {
        const std::string& strLine = lines[i];
        unsigned nNumber = 0;
        if (strLine.empty())
            continue;
        if (!bNextSeen && ParseNextLine(strLine, &nNext)) {
            bNextSeen = true;
            continue;
        }
        // "P0007.TW3 MY CAT": a page file name, one space, the title.
        MyPage page = {strLine.substr(0, 9), strLine.size() > 10 ? strLine.substr(10) : ""};
        int bNamed = ParseMyPageFileName(page.strFile, &nNumber);
        if (bNamed && nNumber >= index.nNext)
            index.nNext = nNumber + 1; // even a line dropped below keeps its number used
        int bTaken = bNamed && strLine.size() > 10 && strLine[9] == ' ' &&
                     CheckTitleLetters(page.strTitle) == TITLE_OK &&
                     TidyTitle(page.strTitle) == page.strTitle;
        for (const MyPage& other : index.pages) {
            unsigned nOther = 0;
            if (bTaken && ParseMyPageFileName(other.strFile, &nOther) && nOther == nNumber)
                bTaken = false;
        }
        if (bTaken && index.pages.size() < MY_PAGES_MAX) {
            index.pages.push_back(page);
        } else {
            bWhole = false;
        }
    }
    if (!bNextSeen)
        bWhole = false;
    // Damage never brings a used number back: past every name, and past what the file said.
    if (bNextSeen && nNext > index.nNext)
        index.nNext = nNext;
    *lpIndex = index;
    return bWhole;
}

std::string SerializeMyPagesIndex(const MyPagesIndex& index) {
    std::string strText = std::string(szIndexHeader) + "\r\n";
    strText += "next " + std::to_string(index.nNext) + "\r\n";
    for (const MyPage& page : index.pages)
        strText += page.strFile + " " + page.strTitle + "\r\n";
    return strText;
}
