// The window size from the settings file, as the host leaves it.

#include <gtest/gtest.h>

#include <fstream>

#include "renderer/WindowSize.h"
#include "tests/native/renderer/GlTestSupport.h"

namespace wavorin::renderer {
namespace {

WindowSize SizeFrom(const std::string& contents)
{
    testing::TempFile file("Wavorin.ini");
    std::ofstream(file.path(), std::ios::binary) << contents;
    return ReadWindowSize(file.path());
}

TEST(WindowSize, TakesTheScreenSizeTheHostRecorded)
{
    const WindowSize size = SizeFrom("[Section]\r\nWidth=1920\r\nHeight=1080\r\n");
    EXPECT_EQ(size.width, 1920);
    EXPECT_EQ(size.height, 1080);
}

TEST(WindowSize, FallsBackTo1024By768SideBySide)
{
    const WindowSize none = ReadWindowSize("/nonexistent/Wavorin.ini");
    EXPECT_EQ(none.width, 1024);
    EXPECT_EQ(none.height, 768);

    WindowSize size = SizeFrom("[Section]\r\nWidth=0\r\nHeight=600\r\n");
    EXPECT_EQ(size.width, 1024);
    EXPECT_EQ(size.height, 600);

    size = SizeFrom("[Section]\r\nWidth=wide\r\n");
    EXPECT_EQ(size.width, 1024);
    EXPECT_EQ(size.height, 768);

    size = SizeFrom("[Other]\r\nWidth=800\r\nHeight=600\r\n");  // not the settings section
    EXPECT_EQ(size.width, 1024);
    EXPECT_EQ(size.height, 768);
}

TEST(WindowSize, ReadsLeadingDigitsAndKeepsOtherValuesAsTheyAre)
{
    WindowSize size = SizeFrom("[Section]\r\nWidth= 800px\r\nHeight=-5\r\n");
    EXPECT_EQ(size.width, 800);
    EXPECT_EQ(size.height, -5);  // window creation decides what a negative size means
}

}  // namespace
}  // namespace wavorin::renderer
