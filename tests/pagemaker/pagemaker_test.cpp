// The page maker as a parent's script runs it: pictures of the book's own bat page, written here
// in each kind of file, come back as pages the book reads; everything else is refused with a
// sentence and a non-zero exit code, no page written and no file of the parent's touched.
#include <windows.h>
#include <wincodec.h>
#include <gtest/gtest.h>

#include "e2e/driver.h"
#include "pagemaker/command_line.h"
#include "pages/pixels.h"
#include "support/temp_dir.h"

namespace {

// Writes top-down blue, green, red rows in the container's format with the system's encoders.
int SavePicture(const std::string& strFile, REFGUID container, const std::vector<uint8_t>& bgr,
                int cx, int cy) {
    IWICImagingFactory* lpFactory = NULL;
    IWICStream* lpStream = NULL;
    IWICBitmapEncoder* lpEncoder = NULL;
    IWICBitmapFrameEncode* lpFrame = NULL;
    std::wstring strWide(strFile.begin(), strFile.end());
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    int bDone = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                           IID_IWICImagingFactory, (void**)&lpFactory)) &&
                SUCCEEDED(lpFactory->CreateStream(&lpStream)) &&
                SUCCEEDED(lpStream->InitializeFromFilename(strWide.c_str(), GENERIC_WRITE)) &&
                SUCCEEDED(lpFactory->CreateEncoder(container, NULL, &lpEncoder)) &&
                SUCCEEDED(lpEncoder->Initialize(lpStream, WICBitmapEncoderNoCache)) &&
                SUCCEEDED(lpEncoder->CreateNewFrame(&lpFrame, NULL)) &&
                SUCCEEDED(lpFrame->Initialize(NULL)) && SUCCEEDED(lpFrame->SetSize(cx, cy)) &&
                SUCCEEDED(lpFrame->SetPixelFormat(&format)) &&
                IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
                SUCCEEDED(lpFrame->WritePixels(cy, cx * 3, (UINT)bgr.size(), (BYTE*)bgr.data())) &&
                SUCCEEDED(lpFrame->Commit()) && SUCCEEDED(lpEncoder->Commit());
    for (IUnknown* lp :
         {(IUnknown*)lpFrame, (IUnknown*)lpEncoder, (IUnknown*)lpStream, (IUnknown*)lpFactory})
        if (lp)
            lp->Release();
    return bDone;
}

// The bat page drawn black on white, each page pixel nScale x nScale picture pixels.
std::vector<uint8_t> BatPicture(const std::vector<uint8_t>& bat, int nScale) {
    const int cx = PAGE_WIDTH * nScale;
    std::vector<uint8_t> bgr((size_t)cx * PAGE_HEIGHT * nScale * 3);
    for (size_t i = 0; i < bgr.size(); i += 3) {
        size_t x = i / 3 % cx / nScale, y = i / 3 / cx / nScale;
        bgr[i] = bgr[i + 1] = bgr[i + 2] = bat[y * PAGE_WIDTH + x] == PIXEL_OUTLINE ? 0 : 255;
    }
    return bgr;
}

// A made page holds the book's outline where it was (nMinKept percent of it at least) in clean
// lines: outline and blank only, and no more than twice the book's outline.
void ExpectBatPage(const std::string& strPage, const std::vector<uint8_t>& bat, int nMinKept) {
    std::vector<uint8_t> file = ReadFileBytes(strPage), page = PageIndexes(strPage);
    ASSERT_TRUE(file.size() == PAGE_HEADERS_BYTES + PAGE_BYTES && file[28] == 8 &&
                page.size() == PAGE_BYTES)
        << strPage << " is not an 8-bit page";
    size_t nBook = 0, nKept = 0, nMade = 0;
    for (size_t i = 0; i < page.size(); i++) {
        ASSERT_TRUE(page[i] == PIXEL_OUTLINE || page[i] == PIXEL_BLANK) << i;
        nBook += bat[i] == PIXEL_OUTLINE;
        nKept += bat[i] == PIXEL_OUTLINE && page[i] == PIXEL_OUTLINE;
        nMade += page[i] == PIXEL_OUTLINE;
    }
    EXPECT_GE(nKept * 100, nBook * nMinKept) << strPage;
    EXPECT_LE(nMade, nBook * 2) << strPage << ": the lines are not blobs";
}

class PagemakerTest : public testing::Test {
  protected:
    void SetUp() override {
        CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        bat = PageIndexes(PathIn(TW_ASSETS_DIR, "BAT.TW3"));
        ASSERT_EQ(bat.size(), (size_t)PAGE_BYTES);
        ASSERT_TRUE(dir.Made());
        ASSERT_TRUE(SavePicture("bat.png", GUID_ContainerFormatPng, BatPicture(bat, 1), PAGE_WIDTH,
                                PAGE_HEIGHT));
    }
    void TearDown() override { CoUninitialize(); }
    std::vector<uint8_t> bat;
    CTempCurrentDir dir{"pm"};
};

TEST_F(PagemakerTest, MakesPagesTheBookReadsFromEveryKindOfPicture) {
    const std::vector<uint8_t> bgr = BatPicture(bat, 1);
    ASSERT_TRUE(SavePicture("bat.jpg", GUID_ContainerFormatJpeg, bgr, PAGE_WIDTH, PAGE_HEIGHT));
    ASSERT_TRUE(SavePicture("bat.bmp", GUID_ContainerFormatBmp, bgr, PAGE_WIDTH, PAGE_HEIGHT));
    // Eight times the page each way, 19 megapixels: decoded scaled down.
    ASSERT_TRUE(SavePicture("big.bmp", GUID_ContainerFormatBmp, BatPicture(bat, 8), PAGE_WIDTH * 8,
                            PAGE_HEIGHT * 8));
    // Names as a parent types them at a Unix shell, from a directory on another drive.
    const std::string strUnixDir = TW_PAGEMAKER_WORK_UNIX;
    CreateDirectoryA(WinePath(strUnixDir).c_str(), NULL);
    ASSERT_TRUE(CopyFileA("bat.png", WinePath(strUnixDir + "/cat.png").c_str(), FALSE));
    DeleteFileA(WinePath(strUnixDir + "/cat.TW3").c_str());

    const struct {
        std::string strArgs, strPage;
        int nMinKept;
    } runs[] = {
        {"bat.png bat-png.TW3", "bat-png.TW3", 95},
        {"/gap 4 /lines darker bat.jpg bat-jpg.tw3", "bat-jpg.tw3", 90},
        {"bat.bmp bat-bmp.TW3", "bat-bmp.TW3", 95},
        {"big.bmp big.TW3", "big.TW3", 90},
        {strUnixDir + "/cat.png " + strUnixDir + "/cat.TW3", WinePath(strUnixDir + "/cat.TW3"), 95},
        {"/add bat.png /title \"My bat\"", "MyPages\\P0001.TW3", 95}, // into the book here
    };
    for (const auto& r : runs) {
        Ran run = RunPagemaker(r.strArgs);
        EXPECT_EQ(run.dwExit, (DWORD)PAGEMAKER_EXIT_OK) << r.strArgs << ": " << run.strOut;
        EXPECT_NE(run.strOut.find(" areas to colour, "), std::string::npos) << run.strOut;
        ExpectBatPage(r.strPage, bat, r.nMinKept);
        if (r.strArgs.rfind("/add", 0) == 0)
            EXPECT_NE(run.strOut.find("\"MY BAT\""), std::string::npos) << run.strOut; // capitals
    }
    // A page made again over its own earlier page replaces it.
    Ran again = RunPagemaker("bat.bmp bat-png.TW3");
    EXPECT_EQ(again.dwExit, (DWORD)PAGEMAKER_EXIT_OK) << again.strOut;
    EXPECT_EQ(ReadFileBytes("bat-png.TW3"), ReadFileBytes("bat-bmp.TW3"));
}

TEST_F(PagemakerTest, RefusesWhatGivesNoPageAndKeepsEveryFile) {
    const int cx = PAGE_WIDTH, cy = PAGE_HEIGHT;
    std::vector<uint8_t> png = ReadFileBytes("bat.png");
    ASSERT_TRUE(WriteBytes("cut.png", {png.begin(), png.begin() + png.size() / 2}));
    ASSERT_TRUE(SavePicture("blank.png", GUID_ContainerFormatPng,
                            std::vector<uint8_t>(cx * cy * 3, 255), cx, cy));
    ASSERT_TRUE(SavePicture("huge.bmp", GUID_ContainerFormatBmp, {0, 0, 0}, 1, 1));
    std::vector<uint8_t> huge = ReadFileBytes("huge.bmp");
    huge[19] = huge[23] = 0x9c; // 1 x 1 becomes 39937 x 39937, the pixels left out
    ASSERT_TRUE(WriteBytes("huge.bmp", huge));
    const std::string strLetter = "Dear Grandma, thank you for the crayons.";
    ASSERT_TRUE(WriteBytes("letter.png", {strLetter.begin(), strLetter.end()}));
    ASSERT_TRUE(WriteBytes("LETTER.TW3", {strLetter.begin(), strLetter.end()}));
    ASSERT_EQ(RunPagemaker("bat.png earlier.TW3").dwExit, (DWORD)PAGEMAKER_EXIT_OK);
    const std::vector<uint8_t> earlier = ReadFileBytes("earlier.TW3");
    const std::vector<std::string> files = dir.Files();

    const struct {
        const char* lpszArgs;
        int nExit;
        const char* lpszSays; // a word of the sentence
    } runs[] = {
        {"letter.png earlier.TW3", PAGEMAKER_EXIT_PICTURE, "not a picture"},
        {"cut.png earlier.TW3", PAGEMAKER_EXIT_PICTURE, "damaged or cut short"},
        {"huge.bmp earlier.TW3", PAGEMAKER_EXIT_PICTURE, "too large"},
        {"missing.png earlier.TW3", PAGEMAKER_EXIT_PICTURE, "no picture file"},
        {"blank.png earlier.TW3", PAGEMAKER_EXIT_NO_PAGE, "No page was made"},
        {"bat.png LETTER.TW3", PAGEMAKER_EXIT_WRITE, "not a colouring page"},
        {"bat.png bat.bmp /gap 4", PAGEMAKER_EXIT_USAGE, "must end in .TW3"},
        {"bat.png /lines", PAGEMAKER_EXIT_USAGE, "Usage"}, // pictures alone open the window
        {"/add bat.png /title B@T", PAGEMAKER_EXIT_USAGE, "capital letters, digits"},
        {"/add bat.png /title \"THE BAT THAT FLEW AROUND\"", PAGEMAKER_EXIT_USAGE, "too long"},
        {"/add letter.png", PAGEMAKER_EXIT_PICTURE, "not a picture"},
    };
    for (const auto& r : runs) {
        Ran run = RunPagemaker(r.lpszArgs);
        EXPECT_EQ(run.dwExit, (DWORD)r.nExit) << r.lpszArgs << ": " << run.strOut;
        EXPECT_NE(run.strOut.find(r.lpszSays), std::string::npos)
            << r.lpszArgs << ": " << run.strOut;
    }
    EXPECT_EQ(ReadFileBytes("earlier.TW3"), earlier);
    EXPECT_EQ(ReadFileBytes("LETTER.TW3"),
              std::vector<uint8_t>(strLetter.begin(), strLetter.end()));
    EXPECT_EQ(dir.Files(), files) << "no page and no half-written file left behind";
}

} // namespace
