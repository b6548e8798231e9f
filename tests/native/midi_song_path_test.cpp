// The music file's path: built from the current directory, never cut short or overrun.
#include "music/song_entry.h"

#include <gtest/gtest.h>

#include <string>

TEST(SongPath, JoinsDirectoryAndNameAndRefusesWhatDoesNotFit) {
    SongEntry entry;
    EXPECT_TRUE(entry.SetFile("twell3.mid", "C:\\Games\\Tintwell"));
    EXPECT_STREQ(entry.szPath, "C:\\Games\\Tintwell\\twell3.mid");

    // 248 + 1 + 10 = 259 characters and the NUL: the longest path that fits.
    std::string dir(248, 'd');
    EXPECT_TRUE(entry.SetFile("twell3.mid", dir.c_str()));
    EXPECT_EQ(std::string(entry.szPath), dir + "\\twell3.mid");

    dir += 'd';
    EXPECT_FALSE(entry.SetFile("twell3.mid", dir.c_str()));
    EXPECT_STREQ(entry.szPath, "") << "a path one character too long leaves the music off";

    EXPECT_FALSE(entry.SetFile("twell3.mid", nullptr));
    EXPECT_STREQ(entry.szPath, "");
}
