// The view renderer, pixel by pixel on small views.
#include "gfx/Blend.h"
#include "gfx/Compose.h"
#include "gfx/view/Backdrop.h"
#include "gfx/view/ImageView.h"

#include <gtest/gtest.h>

using namespace ix::gfx;

namespace {

constexpr Color kBack = Color::FromRgb(0, 0, 128);

struct RenderFixture : ::testing::Test {
    ImageView view;
    void Make(Picture picture, Size client, bool centred = false)
    {
        view.Layers().Reset(std::move(picture));
        view.SetCentered(centred);
        view.SetClientSize(client);
        view.SetBackgroundColor(kBack);
        view.InvalidateLayers();
    }
    Surface Render()
    {
        Surface s(view.ClientSize(), 0xFF123456u);
        view.Paint(s, Rect::FromSize(view.ClientSize()));
        return s;
    }
    // What a new view with the same layers and placement paints: nothing cached.
    Surface FreshRender() const
    {
        ImageView fresh;
        fresh.Layers() = view.Layers();
        fresh.SetCentered(false);
        fresh.SetClientSize(view.ClientSize());
        fresh.SetBackgroundColor(kBack);
        fresh.SetZoom(view.Zoom());
        fresh.SetViewXY(view.ViewX(), view.ViewY());
        Surface s(fresh.ClientSize());
        fresh.Paint(s, Rect::FromSize(fresh.ClientSize()));
        return s;
    }
    static Color At(const Surface& s, int x, int y) { return FromArgb(s.At({x, y})); }
};

} // namespace

TEST_F(RenderFixture, PictureOnSolidBackground)
{
    Picture p({4, 2}, colors::Red);
    p.SetPixel({3, 1}, colors::Yellow);
    Make(std::move(p), {10, 6}, true); // centred: origin (3, 2)
    view.SetBackgroundStyle(BackgroundStyle::Solid);
    const Surface s = Render();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 4;
            const Color want = !inside ? kBack : (x == 6 && y == 3 ? colors::Yellow : colors::Red);
            EXPECT_EQ(At(s, x, y), want) << x << "," << y;
        }
}

TEST_F(RenderFixture, PaintsOnlyInsideDestinationAndClip)
{
    Make(Picture({4, 4}, colors::Red), {4, 4});
    Surface s({10, 10}, 0xFF000000u);
    view.Paint(s, {5, 5, 9, 9}, {0, 0, 7, 9}); // the clip is in surface coordinates
    EXPECT_EQ(FromArgb(s.At({5, 5})), colors::Red);
    EXPECT_EQ(FromArgb(s.At({6, 8})), colors::Red);
    EXPECT_EQ(s.At({7, 5}), 0xFF000000u); // outside the clip
    EXPECT_EQ(s.At({4, 5}), 0xFF000000u); // outside the destination
    Surface tiny({3, 3}, 0xFF000000u);   // the destination reaches off the surface
    view.Paint(tiny, {1, 1, 5, 5});
    EXPECT_EQ(FromArgb(tiny.At({2, 2})), colors::Red);
}

TEST_F(RenderFixture, BackgroundStyles)
{
    using S = BackgroundStyle;
    const Color alt = ContrastShade(kBack);
    struct Probe {
        Point p;
        Color want;
    };
    struct Case {
        S style;
        std::vector<Probe> probes;
    };
    // A 64 × 64 client; the empty picture leaves the whole client to the background.
    const Case cases[] = {
        {S::Solid, {{{0, 0}, kBack}, {{9, 17}, kBack}}},
        {S::Horizontal, {{{3, 0}, alt}, {{3, 8}, alt}, {{3, 1}, kBack}}},
        {S::Vertical, {{{0, 3}, alt}, {{16, 5}, alt}, {{1, 3}, kBack}}},
        {S::FDiagonal, {{{5, 5}, alt}, {{13, 5}, alt}, {{6, 5}, kBack}}},
        {S::BDiagonal, {{{3, 5}, alt}, {{4, 4}, alt}, {{5, 5}, kBack}}},
        {S::Cross, {{{8, 3}, alt}, {{3, 8}, alt}, {{3, 3}, kBack}}},
        {S::DiagCross, {{{5, 5}, alt}, {{3, 5}, alt}, {{4, 5}, kBack}}},
        {S::Chessboard, {{{0, 0}, kBack}, {{16, 0}, alt}, {{16, 16}, kBack}, {{15, 16}, alt}}},
        {S::Diagonals, {{{0, 0}, kBack}, {{16, 0}, alt}, {{20, 20}, kBack}}},
        {S::Gradient, {{{5, 0}, kBack}, {{5, 63}, alt}}},
    };
    Make(Picture(), {64, 64});
    for (const Case& c : cases) {
        view.SetBackgroundStyle(c.style);
        const Surface s = Render();
        for (const Probe& p : c.probes)
            EXPECT_EQ(At(s, p.p.x, p.p.y), p.want) << kBackgroundStyleNames[static_cast<int>(c.style)] << " at " << p.p.x
                                                    << "," << p.p.y;
    }
}

TEST_F(RenderFixture, FramingBackgroundStyles)
{
    Make(Picture({20, 20}, colors::White), {60, 60}, true); // picture at 20..40
    const Color alt = ContrastShade(kBack);
    view.SetBackgroundStyle(BackgroundStyle::Cropped);
    Surface s = Render();
    EXPECT_EQ(At(s, 19, 30), alt); // a frame just outside the picture
    EXPECT_EQ(At(s, 10, 30), kBack);
    EXPECT_EQ(At(s, 20, 30), colors::White);

    view.SetBackgroundStyle(BackgroundStyle::CropShadow);
    s = Render();
    EXPECT_EQ(At(s, 19, 30), alt);
    EXPECT_LT(At(s, 41, 41).B(), kBack.B()); // shadow below right
    EXPECT_EQ(At(s, 10, 10), kBack);

    view.SetBackgroundStyle(BackgroundStyle::SoftShadow);
    s = Render();
    EXPECT_LT(At(s, 41, 41).B(), kBack.B());
    EXPECT_LT(At(s, 42, 42).B() - At(s, 41, 41).B(), 1 + kBack.B()); // fades out
    EXPECT_LE(At(s, 41, 41).B(), At(s, 43, 43).B());
    EXPECT_EQ(At(s, 5, 5), kBack);

    view.SetBackgroundStyle(BackgroundStyle::PhotoLike);
    s = Render();
    EXPECT_EQ(At(s, 17, 30), colors::White); // the white border of a photo
    EXPECT_EQ(At(s, 5, 5), kBack);
}

TEST_F(RenderFixture, TwoLayersWithTransparencyAndBlend)
{
    Make(Picture({4, 4}, colors::Red), {4, 4});
    Layer top;
    top.picture = Picture({2, 2}, Color::FromRgb(0, 0, 255));
    top.posX = 1;
    top.posY = 1;
    top.transparency = 128;
    view.Layers().Add(std::move(top));
    Surface s = Render();
    const Bgr expected = BlendPixel(BlendOp::Normal, Bgr{255, 0, 0}, 255, Bgr{0, 0, 255}, 128);
    EXPECT_EQ(At(s, 1, 1), Color::FromBgr(expected));
    EXPECT_EQ(At(s, 2, 2), Color::FromBgr(expected));
    EXPECT_EQ(At(s, 0, 0), colors::Red);
    EXPECT_EQ(At(s, 3, 3), colors::Red);

    // A property change is noticed without telling the view.
    view.Layers().At(1).blend = BlendOp::Add;
    view.Layers().At(1).transparency = 255;
    s = Render();
    EXPECT_EQ(At(s, 1, 1), Color::FromBgr(BlendColor(BlendOp::Add, Bgr{255, 0, 0}, Bgr{0, 0, 255})));
    view.Layers().At(1).visible = false;
    s = Render();
    EXPECT_EQ(At(s, 1, 1), colors::Red);
}

TEST_F(RenderFixture, TransparentPixelsShowTheBackground)
{
    Picture p({2, 1}, colors::Red);
    p.SetAlpha({1, 0}, 0);
    Make(std::move(p), {2, 1});
    const Surface s = Render();
    EXPECT_EQ(At(s, 0, 0), colors::Red);
    EXPECT_EQ(At(s, 1, 0), kBack);
}

TEST_F(RenderFixture, MinimumLayerSize)
{
    Make(Picture({3, 3}, colors::Red), {3, 3});
    Layer dot;
    dot.picture = Picture({1, 1}, colors::Yellow);
    dot.posX = 1;
    view.Layers().Add(std::move(dot));
    EXPECT_EQ(At(Render(), 1, 0), colors::Red); // default 2: a 1 × 1 layer is not painted
    view.SetMinLayerSize(1);
    EXPECT_EQ(At(Render(), 1, 0), colors::Yellow);
}

TEST_F(RenderFixture, MagnifyingRepeatsPixels)
{
    Picture p({2, 2}, colors::Red);
    p.SetPixel({1, 1}, colors::Yellow);
    Make(std::move(p), {6, 6});
    view.SetZoom(300);
    view.SetViewXY(0, 0);
    const Surface s = Render();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(At(s, x, y), x >= 3 && y >= 3 ? colors::Yellow : colors::Red) << x << "," << y;
}

TEST_F(RenderFixture, ReducingAveragesAreas)
{
    Picture p({8, 8}, colors::Black);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2) p.SetPixel({x, y}, colors::White);
    for (int x = 0; x < 4; ++x) p.SetPixel({x + 4, 0}, colors::Red); // one red row of four in the top right
    Make(std::move(p), {2, 2});
    view.SetZoom(25);
    const Surface s = Render();
    // Each screen pixel averages 4 × 4 picture pixels: half black, half white.
    EXPECT_EQ(At(s, 0, 0), Color::FromRgb(128, 128, 128));
    EXPECT_EQ(At(s, 0, 1), Color::FromRgb(128, 128, 128));
    // Top right: 4 red, 6 white, 6 black → (4·255 + 6·255) / 16 red, 6·255 / 16 others.
    EXPECT_EQ(At(s, 1, 0), Color::FromRgb(159, 96, 96));
}

TEST_F(RenderFixture, GridOnlyAbove400Percent)
{
    Make(Picture({4, 4}, colors::White), {32, 32});
    view.SetGridVisible(true);
    view.SetGridColor(colors::Black);
    view.SetZoom(400);
    view.SetViewXY(0, 0);
    Surface s = Render();
    EXPECT_FALSE(view.GridShown());
    EXPECT_EQ(At(s, 4, 1), colors::White);
    view.SetZoom(800);
    view.SetViewXY(0, 0);
    s = Render();
    EXPECT_TRUE(view.GridShown());
    EXPECT_EQ(At(s, 8, 3), colors::Black);  // line between pixels 0 and 1
    EXPECT_EQ(At(s, 3, 16), colors::Black);
    EXPECT_EQ(At(s, 0, 3), colors::Black);
    EXPECT_EQ(At(s, 3, 3), colors::White);  // inside a cell
}

TEST_F(RenderFixture, SelectionOutlineAlternatesItsColours)
{
    Make(Picture({40, 40}, Color::FromRgb(0, 128, 0)), {40, 40});
    view.SetSelectionBase(SelectionBase::Bitmap);
    view.SetOutlineColors(colors::Red, colors::Yellow);
    GripStyle grips;
    grips.size = 3;
    grips.fill = colors::Fuchsia;
    view.SetGripStyle(grips);
    view.Select({10, 10, 30, 30});
    const Surface s = Render();
    int red = 0, yellow = 0;
    for (int x = 14; x < 27; ++x) {
        const Color c = At(s, x, 10);
        red += c == colors::Red;
        yellow += c == colors::Yellow;
    }
    EXPECT_GT(red, 3);
    EXPECT_GT(yellow, 3);
    EXPECT_EQ(red + yellow, 13);
    EXPECT_EQ(At(s, 20, 20), Color::FromRgb(0, 128, 0)); // the inside is untouched
    EXPECT_EQ(At(s, 9, 9), colors::Black);               // a grip's outline around the corner
    EXPECT_EQ(At(s, 10, 10), colors::Fuchsia);           // its fill on the corner
    EXPECT_EQ(At(s, 29, 29), colors::Fuchsia);           // the far corner's grip
    view.Deselect();
    EXPECT_EQ(At(Render(), 20, 10), Color::FromRgb(0, 128, 0));
}

TEST_F(RenderFixture, RubberBandWhileDrawing)
{
    Make(Picture({40, 40}, colors::White), {40, 40});
    view.SetOutlineColors(colors::Red, colors::Yellow);
    view.SetMouseInteract(miSelect);
    view.MouseDown(MouseButton::Left, {5, 5});
    view.MouseMove({20, 15});
    const Surface s = Render();
    EXPECT_NE(At(s, 12, 5), colors::White);
    EXPECT_NE(At(s, 5, 10), colors::White);
    EXPECT_EQ(At(s, 12, 10), colors::White);
}

TEST_F(RenderFixture, ChangedRectangleRendersLikeAFreshView)
{
    Picture p({64, 48}, colors::White);
    Make(p, {50, 40});
    Layer over;
    over.picture = Picture({20, 20}, Color::FromRgb(0, 0, 255));
    over.posX = 10;
    over.posY = 5;
    over.transparency = 100;
    view.Layers().Add(over);
    for (double zoom : {25.0, 100.0, 300.0}) {
        view.SetZoom(zoom);
        view.SetViewXY(3, 2);
        Render();
        view.TakeDirtyRect();
        // Paint a few pixels of layer 0 and report just them.
        for (int y = 10; y < 14; ++y)
            for (int x = 12; x < 20; ++x) view.Layers().At(0).picture.SetPixel({x, y}, Color::FromRgb(x * 10, y * 10, 50));
        view.InvalidatePictureRect(0, {12, 10, 20, 14});
        const Rect dirty = view.TakeDirtyRect();
        Surface updated = Render();

        EXPECT_EQ(updated.Pixels(), FreshRender().Pixels()) << "zoom " << zoom;
        // The view asked only for the changed part to be repainted.
        EXPECT_LT(dirty.Width(), view.ClientSize().width) << "zoom " << zoom;
        EXPECT_FALSE(dirty.IsEmpty());
    }
}

TEST_F(RenderFixture, WallpaperStyles)
{
    Picture wp({2, 2}, colors::Yellow);
    wp.SetPixel({1, 1}, colors::Red);
    Make(Picture(), {5, 5});
    view.SetWallpaper(wp);
    view.SetWallpaperStyle(WallpaperStyle::Tile);
    Surface s = Render();
    EXPECT_EQ(At(s, 3, 3), colors::Red);
    EXPECT_EQ(At(s, 4, 4), colors::Yellow);
    view.SetWallpaperStyle(WallpaperStyle::Normal);
    s = Render();
    EXPECT_EQ(At(s, 1, 1), colors::Red);
    EXPECT_EQ(At(s, 3, 3), kBack);
    view.SetWallpaperStyle(WallpaperStyle::Stretch);
    s = Render();
    EXPECT_EQ(At(s, 4, 4), colors::Red);
    EXPECT_EQ(At(s, 1, 1), colors::Yellow);
}

TEST_F(RenderFixture, RotatedLayer)
{
    Make(Picture({10, 10}, colors::White), {10, 10});
    Layer bar;
    bar.picture = Picture({6, 2}, colors::Red); // horizontal bar 2..8 × 4..6
    bar.posX = 2;
    bar.posY = 4;
    view.Layers().Add(std::move(bar));
    EXPECT_EQ(At(Render(), 2, 4), colors::Red);
    view.Layers().At(1).rotation = 90; // now upright around the centre (5, 5)
    const Surface s = Render();
    EXPECT_EQ(At(s, 2, 4), colors::White);
    EXPECT_EQ(At(s, 4, 2), colors::Red);
    EXPECT_EQ(At(s, 5, 7), colors::Red);
    EXPECT_EQ(At(s, 7, 5), colors::White);
}

TEST_F(RenderFixture, PartlyTransparentPixelsMixWithTheBackground)
{
    Picture p({2, 1}, colors::Red); // 2 wide: the default minimum layer size
    p.SetAlpha({0, 0}, 128);
    Make(std::move(p), {2, 1});
    // Red at 128/255 over (0, 0, 128): red 128, blue 128 · 127 / 255.
    EXPECT_EQ(At(Render(), 0, 0), Color::FromRgb(128, 0, 64));
}

TEST_F(RenderFixture, ExtremeZoomsAndPointersStayInBounds)
{
    Make(Picture({300, 200}, colors::Red), {64, 48});
    Layer layer;
    layer.picture = Picture({50, 50}, colors::Yellow);
    view.Layers().Add(std::move(layer));
    view.SetGridVisible(true);
    view.SetSelectionBase(SelectionBase::Bitmap);
    view.Select({10, 10, 200, 150});
    for (double zoom : {1e-9, 0.01, 3.0, 401.0, 1e6, 1e12}) {
        view.SetZoom(zoom);
        view.SetViewXY(1 << 30, 1 << 30);
        for (MouseInteract mi : {miSelect, miSelectCircle, miSelectLasso, miSelectPolygon, miSelectMagicWand,
                                 miMoveLayers | miResizeLayers, miMoveLayers | miRotateLayers}) {
            view.SetMouseInteract(mi);
            view.MouseDown(MouseButton::Left, {INT_MIN, INT_MAX});
            view.MouseMove({INT_MAX, INT_MIN});
            view.MouseMove({0, 0});
            view.MouseUp(MouseButton::Left, {INT_MAX, INT_MAX});
            view.DoubleClick(MouseButton::Left, {INT_MIN, INT_MIN});
            Render();
            view.MouseDown(MouseButton::Left, {INT_MIN, INT_MIN}); // the widest shapes
            view.MouseMove({INT_MAX, INT_MAX});
            Render();
            view.MouseUp(MouseButton::Left, {INT_MAX, INT_MAX});
            view.DoubleClick(MouseButton::Left, {INT_MAX, INT_MIN});
            Render();
            const Rect onLayer = view.LayerScreenRect(1); // drag the layer or its grips far off
            for (Point from : {onLayer.TopLeft(), Point{onLayer.right, onLayer.bottom}}) {
                view.MouseDown(MouseButton::Left, from);
                view.MouseMove({INT_MIN, INT_MAX});
                Render();
                view.MouseUp(MouseButton::Left, {INT_MAX, INT_MIN});
            }
            Render();
        }
        const Surface s = Render();
        EXPECT_EQ(s.GetSize(), view.ClientSize()) << zoom;
    }
    // Tiny zooms show the whole picture as (at most) a dot; huge ones one pixel's colour.
    view.SetMouseInteract(miNone);
    view.Deselect();
    view.SetZoom(1e6);
    EXPECT_EQ(At(Render(), 30, 30), colors::Red);
}

TEST_F(RenderFixture, SelectionOutlineFollowsTheZoom)
{
    Make(Picture({8, 8}, colors::White), {32, 32});
    view.SetZoom(400);
    view.SetViewXY(0, 0);
    view.SetOutlineColors(colors::Red, colors::Red);
    GripStyle grips;
    grips.size = 1;
    grips.outline = colors::Red;
    grips.fill = colors::Red;
    view.SetGripStyle(grips);
    view.SetSelectionBase(SelectionBase::Bitmap);
    view.Select({2, 2, 4, 4}); // screen 8..15 × 8..15
    const Surface s = Render();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool inBlock = x >= 8 && x < 16 && y >= 8 && y < 16;
            const bool edge = inBlock && (x == 8 || x == 15 || y == 8 || y == 15);
            EXPECT_EQ(At(s, x, y), edge ? colors::Red : colors::White) << x << "," << y;
        }
}

TEST_F(RenderFixture, RepaintRequestsNameWhatChanged)
{
    Make(Picture({100, 100}, colors::White), {50, 50});
    std::vector<std::pair<Rect, bool>> requests;
    view.SetRepaintHandler([&](const Rect& r, bool now) { requests.emplace_back(r, now); });
    view.TakeDirtyRect();
    view.InvalidatePictureRect(0, {10, 10, 12, 12});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_FALSE(requests[0].second);
    EXPECT_TRUE(requests[0].first.Contains({10, 10}));
    EXPECT_LE(requests[0].first.Width(), 6);
    EXPECT_EQ(view.TakeDirtyRect(), requests[0].first);
    view.Refresh();
    EXPECT_TRUE(requests.back().second);
    EXPECT_EQ(requests.back().first, Rect::FromSize(view.ClientSize()));
    view.InvalidatePictureRect(0, {500, 500, 600, 600}); // off screen: nothing to repaint
    view.InvalidatePictureRect(7, {0, 0, 5, 5});         // no such layer
    EXPECT_EQ(requests.size(), 3u);
}

TEST_F(RenderFixture, CompositionMatchesComposeLayers)
{
    // An opaque background layer and layers of several operations, alpha and sizes: the
    // view at 100 % shows exactly what the merge composition gives.
    Picture base({40, 30}, colors::White);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) base.SetPixel({x, y}, Color::FromRgb(x * 6, y * 8, (x + y) * 3));
    Make(base, {40, 30});
    const BlendOp ops[] = {BlendOp::Add, BlendOp::Mul, BlendOp::Screen, BlendOp::Hue, BlendOp::Normal};
    int i = 0;
    for (BlendOp op : ops) {
        Layer l;
        l.picture = Picture({12, 9}, Color::FromRgb(40 * i, 200 - 30 * i, 90));
        if (i % 2) {
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < 12; ++x) l.picture.SetAlpha({x, y}, static_cast<std::uint8_t>(x * 20));
        }
        l.posX = 3 + 6 * i;
        l.posY = 2 + 4 * i;
        l.displayWidth = i == 2 ? 20 : 0;
        l.transparency = 255 - 40 * i;
        l.blend = op;
        view.Layers().Add(std::move(l));
        ++i;
    }
    const Surface s = Render();
    const Picture expected = ComposeLayers(view.Layers(), view.BackgroundPicture().Bounds(), kBack, ResampleFilter::rfNone);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(At(s, x, y), expected.GetPixel({x, y})) << x << "," << y;
}

TEST_F(RenderFixture, MovedLayerRecomposesLikeAFreshView)
{
    Make(Picture({60, 40}, colors::White), {60, 40});
    Layer brush;
    brush.picture = Picture({6, 6}, colors::Red);
    brush.transparency = 150;
    view.Layers().Add(std::move(brush));
    // The transparent brush moves its layer on every pointer move; beyond the picture too.
    for (Point at : {Point{5, 5}, Point{20, 12}, Point{57, 37}, Point{70, -8}, Point{-3, 30}, Point{30, 20}}) {
        view.Layers().At(1).posX = at.x;
        view.Layers().At(1).posY = at.y;
        const Surface s = Render();
        ASSERT_EQ(s.Pixels(), FreshRender().Pixels()) << at.x << "," << at.y;
    }
}

TEST_F(RenderFixture, EmptyAndRefusedClientSizes)
{
    Make(Picture({10, 10}, colors::Red), {0, 0});
    Surface s({4, 4}, 0xFF000000u);
    view.Paint(s, {0, 0, 4, 4});
    EXPECT_EQ(s.At({0, 0}), 0xFF000000u); // nothing to paint
    view.SetClientSize({-5, 3});
    EXPECT_EQ(view.ClientSize(), (Size{0, 3}));
    view.SetClientSize({2, 2});
    view.Paint(s, {0, 0, 4, 4});
    EXPECT_EQ(FromArgb(s.At({1, 1})), colors::Red);
    EXPECT_EQ(s.At({3, 3}), 0xFF000000u); // beyond the client
}
