// CanvasList: the registry of canvases, and the canvas creation flow.
//
// The registry is one process-wide ordered list that owns its canvases: removing an
// entry destroys the canvas. It does not exist until the first canvas is created, and
// CloseAllCanvases destroys it with all its canvases; the next creation builds a new
// one. Order is creation order. The list itself allows two entries of the same name, but
// creation removes an existing canvas of that name first.
#pragma once

#include "canvas/UnitFORM.h"

#include <cstdint>
#include <string_view>

namespace ix::canvas {

// Index of the first canvas whose name equals `name` (SameCanvasName), or −1 when there
// is none or no registry exists.
std::int32_t FindCanvas(std::string_view name);
// The canvas at `index`, or null.
TPicture* CanvasAt(std::int32_t index);
// The canvas an action works on: found by name and with a name that is not empty.
TPicture* CanvasForAction(std::string_view name);
// The number of canvases; 0 also when no registry exists.
std::int32_t CanvasCount();
bool CanvasListExists();

// Removes the canvas of that name (hiding its window first unless its name is empty);
// false when there is none. Never throws.
bool DeleteCanvas(std::string_view name);

// Creates a canvas in the host rectangle of that name: removes any canvas of the name,
// asks the host for the rectangle's window handle, and embeds a new canvas filling its
// client area. True also when the host answers 0 (no canvas is made then); false when the
// answer is not an integer, the host gave no way to ask, or the window cannot take the
// canvas. Never throws.
bool CreateCanvas(std::string_view name);

// Closes every canvas in list order and destroys the registry; the next canvas creation
// builds a new one. Nothing happens while no registry exists.
void CloseAllCanvases();

// A canvas's event handlers run inside an EventScope. A script that deletes or re-creates
// a canvas from inside one of its handlers (a subroutine run by a click) must not destroy
// the window whose event is still being delivered: while any scope is open, removed
// canvases are hidden and kept aside, and they are destroyed at the next registry call
// made outside every event.
class EventScope {
public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    static bool Open();
};

// Destroys the canvases kept aside, unless an event is being handled. Never throws.
void DestroyRetiredCanvases();

} // namespace ix::canvas
