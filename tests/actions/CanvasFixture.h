// CanvasFixture: one canvas named "Pic" in a headless host window, for the white-box
// action tests. The host's object-window query answers the window's handle; variables
// set and script lines run are recorded (HostRecorder). Everything is undone afterwards:
// canvases closed, headless platform reset (drivers, clipboard, windows).
#pragma once

#include "canvas/HostRecorder.h"

#include "actions/ActionRegistry.h"
#include "boundary/HostSlots.h"
#include "boundary/HostString.h"
#include "canvas/CanvasList.h"
#include "ui/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace ix::actions::test {

class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::headless::TheHeadlessPlatform().Reset();
        hostWindow = ui::headless::TheHeadlessPlatform().Windows().Create(0, {0, 0, 400, 300});
        HandleText() = std::to_string(hostWindow);
        boundary::Host().interfaceAccess = &ObjectWindow;
        ASSERT_TRUE(canvas::CreateCanvas("Pic"));
        canvas = canvas::CanvasForAction("Pic");
        ASSERT_NE(canvas, nullptr);
    }
    void TearDown() override
    {
        canvas::CloseAllCanvases();
        boundary::Host().interfaceAccess = nullptr;
        ui::headless::TheHeadlessPlatform().Reset();
    }

    ui::headless::HeadlessClipboard& Clip() { return ui::headless::TheHeadlessPlatform().HeadlessClip(); }
    gfx::ImageView& Main() { return canvas->MainView(); }
    gfx::Picture& Current() { return Main().CurrentLayer().picture; }
    // Replaces the main picture by one of `size` filled with `fill`.
    void SetPicture(gfx::Size size, gfx::Color fill)
    {
        Current() = gfx::Picture(size, fill);
        Main().Update();
    }

    canvas::test::HostRecorder host;
    ui::WindowHandle hostWindow = 0;
    canvas::TPicture* canvas = nullptr;

private:
    static std::string& HandleText()
    {
        static std::string text;
        return text;
    }
    static IxBool IX_HOSTCALL ObjectWindow(std::int32_t code, char** text)
    {
        if (code != 7 || text == nullptr) return 0;
        boundary::SetHostString(*text, HandleText());
        return 1;
    }
};

// Runs the execute function of row `id` with these parameters; false when there is none.
inline bool Exec(std::int32_t id, const ActionParams& params)
{
    for (const ExecuteRow& row : ExecuteRows())
        if (row.id == id) return row.execute(params);
    ADD_FAILURE() << "no execute row for id " << id;
    return false;
}

} // namespace ix::actions::test
