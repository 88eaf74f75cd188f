#include "app/KR_Bitmap.h"
#include "app/KR_MYSYS.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QRgb Colour(const QPixmap& bitmap)
{
    return bitmap.toImage().pixel(0, 0) & 0xFFFFFF;
}

TEST(KR_Bitmap, LoadsResourcesWithAndWithoutFileHeader)
{
    QPixmap bitmap;
    ASSERT_TRUE(LoadBitmapResource("", "KR_PROBE", bitmap));
    EXPECT_EQ(bitmap.size(), QSize(2, 2));
    EXPECT_EQ(Colour(bitmap), 0xFF0000u);

    ASSERT_TRUE(LoadBitmapResource(":/bitmaps", "KR_PROBE256", bitmap));
    EXPECT_EQ(bitmap.size(), QSize(2, 2));
    EXPECT_EQ(Colour(bitmap), 0x0000FFu);

    EXPECT_FALSE(LoadBitmapResource("", "NO_SUCH_BITMAP", bitmap));
    EXPECT_FALSE(LoadBitmapResource(":/elsewhere", "KR_PROBE", bitmap));
}

TEST(KR_Bitmap, Colour256TriesThe256VariantFirst)
{
    const bool saved = SetupBlock.Colour256;
    SetupBlock.Colour256 = true;
    QPixmap bitmap;
    ASSERT_TRUE(LoadBitmapResource("", "KR_PROBE", bitmap));
    EXPECT_EQ(Colour(bitmap), 0x0000FFu);
    ASSERT_TRUE(LoadBitmapResource("", "KR_PROBE256", bitmap)); // no "KR_PROBE256256": itself
    SetupBlock.Colour256 = saved;
}

} // namespace
