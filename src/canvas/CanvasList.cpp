#include "canvas/CanvasList.h"

#include "actions/readings.h"
#include "boundary/HostSlots.h"
#include "canvas/CanvasName.h"

#include <memory>
#include <vector>

namespace ix::canvas {

namespace {

using Registry = std::vector<std::unique_ptr<TPicture>>;

// The registry slot: empty until the first creation and after CloseAllCanvases.
std::unique_ptr<Registry>& CanvasListSlot()
{
    static std::unique_ptr<Registry> list;
    return list;
}

constexpr std::int32_t kObjectWindow = 7;

int& EventDepth()
{
    static int depth = 0;
    return depth;
}

// Canvases removed while an event was being handled, waiting to be destroyed.
Registry& Retired()
{
    static Registry retired;
    return retired;
}

// Destroys a canvas taken out of the registry, or keeps it aside during an event.
void Dispose(std::unique_ptr<TPicture> canvas)
{
    if (!canvas) return;
    if (EventScope::Open()) {
        canvas->Hide();
        Retired().push_back(std::move(canvas));
        return;
    }
    canvas.reset();
}

} // namespace

EventScope::EventScope() { ++EventDepth(); }
EventScope::~EventScope() { --EventDepth(); }
bool EventScope::Open() { return EventDepth() > 0; }

void DestroyRetiredCanvases()
{
    if (EventScope::Open()) return;
    try {
        Registry dying = std::move(Retired());
        Retired().clear();
        dying.clear();
    } catch (...) {
    }
}

std::int32_t FindCanvas(std::string_view name)
{
    const auto& list = CanvasListSlot();
    if (!list) return -1;
    for (std::size_t i = 0; i < list->size(); ++i)
        if ((*list)[i] && SameCanvasName((*list)[i]->CanvasName(), name)) return static_cast<std::int32_t>(i);
    return -1;
}

TPicture* CanvasAt(std::int32_t index)
{
    const auto& list = CanvasListSlot();
    if (!list || index < 0 || static_cast<std::size_t>(index) >= list->size()) return nullptr;
    return (*list)[static_cast<std::size_t>(index)].get();
}

TPicture* CanvasForAction(std::string_view name)
{
    TPicture* canvas = CanvasAt(FindCanvas(name));
    return canvas != nullptr && !canvas->CanvasName().empty() ? canvas : nullptr;
}

std::int32_t CanvasCount()
{
    const auto& list = CanvasListSlot();
    return list ? static_cast<std::int32_t>(list->size()) : 0;
}

bool CanvasListExists() { return CanvasListSlot() != nullptr; }

bool DeleteCanvas(std::string_view name)
{
    try {
        DestroyRetiredCanvases();
        const std::int32_t index = FindCanvas(name);
        if (index < 0) return false;
        auto& list = *CanvasListSlot();
        TPicture& canvas = *list[static_cast<std::size_t>(index)];
        if (!canvas.CanvasName().empty()) canvas.Close();
        // Taken out of the list before it is destroyed, so that nothing its destruction
        // sets off finds it there.
        std::unique_ptr<TPicture> removed = std::move(list[static_cast<std::size_t>(index)]);
        list.erase(list.begin() + index);
        Dispose(std::move(removed));
        return true;
    } catch (...) {
        return false;
    }
}

bool CreateCanvas(std::string_view name)
{
    try {
        DeleteCanvas(name);

        if (boundary::Host().interfaceAccess == nullptr) return false;
        const boundary::InterfaceAnswer answer = boundary::AskInterface(kObjectWindow, name);
        const auto handle = actions::TryReadInteger(answer.text);
        if (!handle) return false;
        if (*handle == 0) return true;

        auto canvas = std::make_unique<TPicture>();
        if (!canvas->SetParentWindow(static_cast<ui::WindowHandle>(*handle))) return false;
        canvas->SetCanvasName(std::string(name));

        const auto client = canvas->ParentClientRect();
        if (!client) return false;
        canvas->SetBounds(0, 0, client->Width(), client->Height());
        canvas->BringWindowToTop();
        canvas->Show();

        canvas->Panel1().SetAlign(ui::Align::Client);
        canvas->ImageEnView1().SetAlign(ui::Align::Client);
        canvas->MainView().SetMinLayerSize(1);
        canvas->Show();

        auto& list = CanvasListSlot();
        if (!list) list = std::make_unique<Registry>();
        list->push_back(std::move(canvas));

        if (TPicture* found = CanvasAt(FindCanvas(name)); found != nullptr && !found->CanvasName().empty()) {
            ui::ImageViewHost& view = found->ImageEnView1();
            view.SetAlign(ui::Align::Client);
            found->SetSetting(State::SizeWidth, std::to_string(view.Width()));
            found->SetSetting(State::SizeHeight, std::to_string(view.Height()));
            // From now on the actions size and place the drawing area freely in Panel1.
            view.SetAlign(ui::Align::Custom);
        }
        return true;
    } catch (...) {
        return false;
    }
}

void CloseAllCanvases()
{
    DestroyRetiredCanvases();
    auto& list = CanvasListSlot();
    if (!list) return;
    try {
        for (auto& canvas : *list)
            if (canvas) canvas->Close();
    } catch (...) {
    }
    // Emptied out of the slot before the canvases die.
    std::unique_ptr<Registry> closing = std::move(list);
    for (auto& canvas : *closing) Dispose(std::move(canvas));
    closing.reset();
}

} // namespace ix::canvas
