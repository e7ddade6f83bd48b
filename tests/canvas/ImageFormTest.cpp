// The canvas window's components: names, order, parents and settings.
#include "canvas/StateLabels.h"
#include "canvas/UnitFORM.h"
#include "ui/Cursors.h"

#include <gtest/gtest.h>

using namespace ix::canvas;

namespace {

TEST(ImageForm, ComponentsInCreationOrder)
{
    TPicture form;
    std::vector<std::string> names;
    for (const auto& child : form.Children()) names.push_back(child->Name());
    std::vector<std::string> expected(kStateLabelNames.begin(), kStateLabelNames.end());
    for (const char* n : {"Gradient1", "TMPImageEn5", "TMPImageEn4", "TMPImageEn3", "TMPImageEn2", "TMPImageEn1",
                          "pnl1", "VertRuler", "Panel1"})
        expected.emplace_back(n);
    EXPECT_EQ(names, expected);
    EXPECT_EQ(form.ClassName(), "TPicture");

    std::vector<std::string> inPnl1;
    for (const auto& child : form.pnl1().Children()) inPnl1.push_back(child->Name());
    EXPECT_EQ(inPnl1, (std::vector<std::string>{"HorizRuler", "pnl2"}));
    ASSERT_EQ(form.Panel1().Children().size(), 1u);
    EXPECT_EQ(form.Panel1().Children()[0]->Name(), "ImageEnView1");
}

TEST(ImageForm, StateLabelsAreHiddenAndEmpty)
{
    TPicture form;
    for (std::size_t i = 0; i < kStateLabelNames.size(); ++i) {
        const auto s = static_cast<State>(i);
        EXPECT_EQ(form.StateLabel(s).Name(), kStateLabelNames[i]);
        EXPECT_FALSE(form.StateLabel(s).Visible());
        EXPECT_TRUE(form.Setting(s).empty());
    }
    form.SetSetting(State::Tools, "PEN");
    EXPECT_EQ(form.StateLabel(State::Tools).Caption(), "PEN");
}

TEST(ImageForm, MiniaturesAndTheirLabels)
{
    TPicture form;
    for (int n = 1; n <= kMiniatureCount; ++n) {
        ix::ui::ImageViewHost& mini = form.TMPImageEn(n);
        EXPECT_EQ(mini.Name(), "TMPImageEn" + std::to_string(n));
        EXPECT_FALSE(mini.Visible());
        EXPECT_EQ(mini.Bounds(), (ix::gfx::Rect{49, 43, 277, 228}));
        EXPECT_EQ(mini.Cursor(), ix::ui::cursors::HandPoint);
        EXPECT_TRUE(form.MiniatureView(n).AutoFit());
        EXPECT_EQ(form.MiniatureView(n).MinLayerSize(), 1);
        EXPECT_EQ(form.MiniatureView(n).SelectionMaskDepth(), 8);
        ix::ui::Label& label = form.LabelMiniature(n);
        EXPECT_EQ(label.Parent(), &mini);
        EXPECT_EQ(label.Caption(), "Miniature" + std::to_string(n));
        EXPECT_EQ(label.Bounds().TopLeft(), (ix::gfx::Point{1, 1}));
        EXPECT_TRUE(label.Transparent());
    }
}

TEST(ImageForm, RulersPanelsAndMainView)
{
    TPicture form;
    EXPECT_FALSE(form.pnl1().Visible());
    EXPECT_EQ(form.pnl1().Height(), 43);
    EXPECT_EQ(form.pnl1().Alignment(), ix::ui::Align::Top);
    EXPECT_EQ(form.pnl2().Width(), 49);
    EXPECT_EQ(form.pnl2().Color(), ix::gfx::colors::Gray);
    EXPECT_EQ(form.HorizRuler().Alignment(), ix::ui::Align::Client);
    EXPECT_EQ(form.HorizRuler().Font().height, 15);
    EXPECT_EQ(form.VertRuler().Font().height, 17);
    EXPECT_EQ(form.VertRuler().Direction(), ix::ui::Orientation::Vertical);
    EXPECT_FALSE(form.VertRuler().Visible());
    EXPECT_EQ(form.VertRuler().Width(), 49);
    for (ix::ui::Ruler* r : {&form.HorizRuler(), &form.VertRuler()}) {
        EXPECT_EQ(r->Color(), ix::gfx::colors::Gray);
        EXPECT_EQ(r->Font().color, ix::gfx::colors::White);
        EXPECT_EQ(r->TickFrequency(), 10.0);
        EXPECT_EQ(r->LabelFrequency(), 100.0);
        EXPECT_EQ(r->DotsPerUnit(), 1.0);
        EXPECT_EQ(r->GripBase(), 1);
        EXPECT_EQ(r->MaxGripHeight(), 15);
    }
    EXPECT_EQ(form.Color(), ix::gfx::colors::White);
    EXPECT_EQ(form.Panel1().Alignment(), ix::ui::Align::Custom);
    EXPECT_EQ(form.ImageEnView1().Alignment(), ix::ui::Align::Custom);
    EXPECT_FALSE(form.MainView().Centered());
    EXPECT_EQ(form.MainView().MinLayerSize(), 1);
    EXPECT_EQ(form.MainView().SelectionMaskDepth(), 8);
    EXPECT_FALSE(form.Gradient1().Visible());
    EXPECT_EQ(form.Gradient1().ClientSize(), (ix::gfx::Size{123, 123}));
    EXPECT_EQ(form.Gradient1().BeginColor(), ix::gfx::colors::Yellow);
    EXPECT_EQ(form.Gradient1().EndColor(), ix::gfx::colors::Fuchsia);
}

} // namespace
