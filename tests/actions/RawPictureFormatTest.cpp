// The raw clipboard format keeps pixels and the alpha plane exactly.
#include "actions/ClipboardPictures.h"

#include <gtest/gtest.h>

using namespace ix;

TEST(RawPictureFormat, KeepsPixelsAndAlpha)
{
    gfx::Picture p({3, 2}, gfx::Color::FromRgb(1, 2, 3));
    p.SetPixel({2, 1}, gfx::colors::Red);
    const gfx::Picture opaque = actions::DecodeRawPicture(actions::EncodeRawPicture(p));
    EXPECT_EQ(opaque.GetPixel({2, 1}), gfx::colors::Red);
    EXPECT_FALSE(opaque.HasAlpha());
    p.SetAlpha({0, 1}, 17);
    const gfx::Picture withAlpha = actions::DecodeRawPicture(actions::EncodeRawPicture(p));
    EXPECT_EQ(withAlpha.GetAlpha({0, 1}), 17);
    EXPECT_EQ(withAlpha.GetPixel({0, 0}), gfx::Color::FromRgb(1, 2, 3));
}
