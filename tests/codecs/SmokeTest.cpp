#include "gfx/codecs/Codecs.h"
#include <gtest/gtest.h>
TEST(Smoke, Registry) { EXPECT_FALSE(ix::gfx::codecs::AllCodecs().empty()); }
