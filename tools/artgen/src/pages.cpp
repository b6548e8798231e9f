// The five colouring page files.
#include "art.h"
#include "scenes.h"

void AddPages(FileSet& files) {
    for (const PageDef& d : PageDefs)
        files[d.lpszFile] = EncodePage(RasterisePage(d.lpScene), 660, 460);
}

FileSet MakeAllArt() {
    FileSet files;
    AddFrameArt(files);
    AddButtonArt(files, DrawFrameScreen(), DrawIntroPanel());
    AddDialogArt(files);
    AddIconArt(files);
    AddPages(files);
    FileSet worded = MakeWordedArt(EnglishArtWords());
    files.insert(worded.begin(), worded.end());
    AddMakerArt(files);
    return files;
}
