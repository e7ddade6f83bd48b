// ImageView: the model of an image view — its layers, how the picture is placed in the
// client area (zoom, scroll, centring, fit), how it looks around the picture (background,
// wallpaper, grid), its selection, and what the mouse does on it by itself.
//
// The view knows no window system. A host control gives it its client size, forwards the
// mouse in client coordinates and paints it with Paint() into a Surface; the view asks for
// repaints through the repaint handler and reports zoom and scroll changes through the
// view-change handler. Whoever changes layer pixels directly tells the view which part
// changed (InvalidatePictureRect) or that everything did (InvalidateLayers); changes of a
// layer's position, size, visibility, transparency or blend are noticed by themselves.
//
// Coordinates: "picture" means pixels of layer 0. A picture point p is shown at client
// point Origin() + p · zoom / 100. The zoom is a percentage; 0 or less is ignored.
#pragma once

#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/LayerStack.h"
#include "gfx/Picture.h"
#include "gfx/Surface.h"
#include "gfx/view/BackgroundStyle.h"
#include "gfx/view/GripStyle.h"
#include "gfx/view/MagicWand.h"
#include "gfx/view/MouseInteract.h"
#include "gfx/view/Selection.h"

#include <functional>
#include <memory>
#include <vector>

namespace ix::gfx {

class ViewRenderer;

// Whether programmatic selection rectangles are given in client (screen) coordinates or
// in picture pixels.
enum class SelectionBase { ClientArea, Bitmap };

// What a mouse gesture of the view is doing right now.
enum class ViewGesture { None, SelectRect, SelectEllipse, SelectLasso, SelectPolygon, MoveLayer, ResizeLayer, RotateLayer };

// The shape being drawn, in picture pixels: rectangle and ellipse from points[0] to
// current; lasso through points; polygon through points and on to current.
struct RubberBand {
    ViewGesture kind = ViewGesture::None;
    std::vector<Point> points;
    Point current;
};

inline constexpr int kPixelCursor = 1785; // the view's own cross-hair cursor
inline constexpr double kGridMinZoom = 400.0; // the grid shows only above this zoom

class ImageView {
public:
    ImageView();
    ~ImageView();
    ImageView(const ImageView&) = delete;
    ImageView& operator=(const ImageView&) = delete;

    // ---- layers
    LayerStack& Layers() { return layers_; }
    const LayerStack& Layers() const { return layers_; }
    Layer& CurrentLayer() { return layers_.Current(); }
    // The picture of layer 0, whose pixels are the view's coordinates.
    const Picture& BackgroundPicture() const { return layers_.At(0).picture; }
    // Layer pixels changed (all of them, or the part `rect` of one layer's picture).
    void InvalidateLayers();
    void InvalidatePictureRect(int layer, const Rect& rect);
    // Layers whose picture is narrower and lower than this are not painted (default 2).
    int MinLayerSize() const { return minLayerSize_; }
    void SetMinLayerSize(int size);

    // ---- placement
    Size ClientSize() const { return client_; }
    void SetClientSize(Size size);
    double Zoom() const { return zoom_; }
    void SetZoom(double percent);              // ignored when not above 0
    void ZoomAt(double percent, Point client); // keeps the picture point under `client`
    int ViewX() const { return viewX_; }        // scroll offsets in screen pixels
    int ViewY() const { return viewY_; }
    void SetViewXY(int x, int y); // clamped to the scroll range
    Size ScrollRange() const;     // largest ViewX and ViewY
    bool Centered() const { return centered_; }
    void SetCentered(bool on);
    bool AutoFit() const { return autoFit_; }
    void SetAutoFit(bool on); // switching it on fits at once
    void Fit();               // whole picture in view, aspect kept; nothing for an empty picture
    // Client position of picture point (0, 0).
    Point Origin() const;
    // The picture's rectangle on the client (may reach beyond the client).
    Rect PictureScreenRect() const;

    // ---- conversions
    int ScreenToPictureX(int x) const;
    int ScreenToPictureY(int y) const;
    Point ScreenToPicture(Point client) const { return {ScreenToPictureX(client.x), ScreenToPictureY(client.y)}; }
    Point PictureToScreen(Point picture) const;
    // A layer's own conversion: the layer's on-screen offset (its position × zoom,
    // truncated) is taken off, the result goes through the view's conversion and is scaled
    // by picture size over display size (a display size of 0 counts as the picture's),
    // truncated; 0 when both sizes are 0. Throws GfxError for an index naming no layer.
    Point LayerScreenToPicture(int layer, Point client) const;

    // ---- look
    Color BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(Color c);
    BackgroundStyle Background() const { return backgroundStyle_; }
    void SetBackgroundStyle(BackgroundStyle style);
    const Picture& Wallpaper() const { return wallpaper_; }
    void SetWallpaper(Picture picture); // an empty picture removes it
    WallpaperStyle WallpaperMode() const { return wallpaperStyle_; }
    void SetWallpaperStyle(WallpaperStyle style);
    bool GridVisible() const { return grid_; }
    void SetGridVisible(bool on);
    Color GridColor() const { return gridColor_; }
    void SetGridColor(Color c);
    bool GridShown() const { return grid_ && zoom_ > kGridMinZoom; }
    int Cursor() const { return cursor_; }
    void SetCursor(int id);

    // ---- selection
    const Selection& SelectionMask() const { return selection_; }
    // The rubber band's bounds while a selection is drawn, else the selection's.
    SelectionBounds SelectedBounds() const;
    bool HasSelection() const { return !selection_.IsEmpty(); }
    int SelectionMaskDepth() const { return maskDepth_; }
    void SetSelectionMaskDepth(int bits); // 1 or 8; anything else is ignored
    SelectionBase SelectionBaseMode() const { return selectionBase_; }
    void SetSelectionBase(SelectionBase base) { selectionBase_ = base; }
    std::uint8_t SelectionIntensity() const { return intensity_; }
    // Stores the intensity of new selections and gives it to every selected pixel.
    void SetSelectionIntensity(int value);
    // Replaces the selection by the rectangle (half-open) in SelectionBase coordinates.
    void Select(const Rect& rect);
    void Deselect(); // clears the mask and drops a selection being drawn
    void FeatherSelection(double radius);
    MagicWandMode MagicWand() const { return wandMode_; }
    void SetMagicWandMode(MagicWandMode mode) { wandMode_ = mode; }
    int MagicWandTolerance() const { return wandTolerance_; }
    void SetMagicWandTolerance(int tolerance) { wandTolerance_ = tolerance; }
    // Selects from the picture point as a click of the magic wand does.
    void MagicWandSelect(Point picture);
    const GripStyle& Grips() const { return grips_; }
    void SetGripStyle(const GripStyle& style);
    Color OutlineColor1() const { return outline1_; }
    Color OutlineColor2() const { return outline2_; }
    void SetOutlineColors(Color first, Color second);

    // ---- mouse
    MouseInteract Interaction() const { return interact_; }
    void SetMouseInteract(MouseInteract set); // drops any gesture in progress
    // Each returns whether the view did something with the event.
    bool MouseDown(MouseButton button, Point client);
    bool MouseMove(Point client);
    bool MouseUp(MouseButton button, Point client);
    bool DoubleClick(MouseButton button, Point client);
    ViewGesture Gesture() const { return band_.kind; }
    const RubberBand& Band() const { return band_; }
    // Grip rectangles of a layer on the client, in the order top-left, top, top-right,
    // right, bottom-right, bottom, bottom-left, left.
    std::vector<Rect> LayerGripRects(int layer) const;
    // Client rectangle of the layer as shown (its position and display size).
    Rect LayerScreenRect(int layer) const;

    // ---- repainting
    // `rect` (client coordinates) needs painting; `now` asks for it before returning.
    using RepaintHandler = std::function<void(const Rect& rect, bool now)>;
    void SetRepaintHandler(RepaintHandler handler) { onRepaint_ = std::move(handler); }
    using ViewChangeHandler = std::function<void()>;
    void SetViewChangeHandler(ViewChangeHandler handler) { onViewChange_ = std::move(handler); }
    void Invalidate();                  // the whole client, nothing recomposed
    void InvalidateRect(const Rect& client);
    void Refresh();                     // invalidate everything and repaint now
    // The client area waiting to be painted since the last TakeDirtyRect.
    Rect DirtyRect() const { return dirty_; }
    Rect TakeDirtyRect();
    // Paints the client area into `target` with client (0, 0) at `dest`'s top-left
    // corner, touching only pixels inside both `dest` and `clip` (surface coordinates,
    // as a host control's paint pass gives them). To repaint just the dirty part:
    // Paint(target, dest, TakeDirtyRect().Translated(dest.TopLeft())).
    void Paint(Surface& target, const Rect& dest, const Rect& clip);
    void Paint(Surface& target, const Rect& dest) { Paint(target, dest, dest); }

    // Re-reads the picture size: fits again under auto-fit, clamps the scroll position,
    // and drops a selection made for another size.
    void Update();

private:
    friend class ViewRenderer;
    double Factor() const { return zoom_ / 100.0; }
    Size PictureExtent() const; // the picture's size on screen
    void SetPlacement(double zoom, double viewX, double viewY);
    void PictureChanged();
    void ViewChanged();
    void OverlayChanged();
    Point BandPoint(Point client) const;
    int HitLayer(Point client) const;
    int HitGrip(int layer, Point client) const;
    void FinishBand(bool close);
    void MoveLayerGesture(Point client);
    void ResizeLayerGesture(Point client);
    void RotateLayerGesture(Point client);

    LayerStack layers_;
    Size client_;
    Size knownPicture_;
    double zoom_ = 100.0;
    int viewX_ = 0;
    int viewY_ = 0;
    bool centered_ = true;
    bool autoFit_ = false;
    int minLayerSize_ = 2;

    Color backgroundColor_ = Color::FromRgb(240, 240, 240);
    BackgroundStyle backgroundStyle_ = BackgroundStyle::Solid;
    Picture wallpaper_;
    WallpaperStyle wallpaperStyle_ = WallpaperStyle::Normal;
    bool grid_ = false;
    Color gridColor_ = colors::Black;
    int cursor_ = kPixelCursor;

    Selection selection_;
    int maskDepth_ = 1;
    SelectionBase selectionBase_ = SelectionBase::ClientArea;
    std::uint8_t intensity_ = 255;
    MagicWandMode wandMode_ = MagicWandMode::Inclusive;
    int wandTolerance_ = kDefaultMagicWandTolerance;
    GripStyle grips_;
    Color outline1_ = colors::Black;
    Color outline2_ = colors::White;

    MouseInteract interact_ = miNone;
    RubberBand band_;
    // Layer gestures: the layer, the grip being dragged, the press point and the layer's
    // placement at the press.
    int gestureLayer_ = -1;
    int gestureGrip_ = -1;
    Point pressClient_;
    Rect pressRect_;
    double pressRotation_ = 0.0;

    RepaintHandler onRepaint_;
    ViewChangeHandler onViewChange_;
    Rect dirty_;
    std::unique_ptr<ViewRenderer> renderer_;
};

} // namespace ix::gfx
