#include "ui/ControlAccess.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/LabeledEdit.h"
#include "ui/Ruler.h"
#include "ui/SpinEdit.h"

#include <cstdio>

namespace ix::ui {
namespace {

std::string Bool(bool v)
{
    return v ? "1" : "0";
}

std::string Num(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::optional<int> Int(const std::string& s)
{
    return SpinEdit::ParseInteger(s);
}

std::optional<bool> Flag(const std::string& s)
{
    if (s == "1" || s == "true") return true;
    if (s == "0" || s == "false") return false;
    return std::nullopt;
}

const char* AlignName(Align a)
{
    switch (a) {
    case Align::None: return "none";
    case Align::Top: return "top";
    case Align::Bottom: return "bottom";
    case Align::Left: return "left";
    case Align::Right: return "right";
    case Align::Client: return "client";
    case Align::Custom: return "custom";
    }
    return "none";
}

} // namespace

std::optional<std::string> ReadProperty(Control& c, std::string_view p)
{
    if (p == "type") return c.TypeName();
    if (p == "name") return c.Name();
    if (p == "text") return c.Text();
    if (p == "caption") return c.Caption();
    if (p == "visible") return Bool(c.Visible());
    if (p == "showing") return Bool(c.Showing());
    if (p == "enabled") return Bool(c.Enabled());
    if (p == "left") return std::to_string(c.Left());
    if (p == "top") return std::to_string(c.Top());
    if (p == "width") return std::to_string(c.Width());
    if (p == "height") return std::to_string(c.Height());
    if (p == "color") return std::to_string(c.Color().Value());
    if (p == "fontname") return c.Font().name;
    if (p == "fontheight") return std::to_string(c.Font().height);
    if (p == "fontcolor") return std::to_string(c.Font().color.Value());
    if (p == "fontstyle") return std::to_string(c.Font().style);
    if (p == "cursor") return std::to_string(c.Cursor());
    if (p == "tag") return std::to_string(c.Tag());
    if (p == "zindex") return std::to_string(c.ZIndex());
    if (p == "align") return AlignName(c.Alignment());
    if (auto* e = dynamic_cast<LabeledEdit*>(&c)) {
        if (p == "label") return e->LabelCaption();
        if (p == "maxlength") return std::to_string(e->MaxLength());
    }
    if (auto* b = dynamic_cast<ComboBox*>(&c)) {
        if (p == "itemindex") return std::to_string(b->ItemIndex());
        if (p == "count") return std::to_string(b->Items().size());
        if (p == "items") {
            std::string out;
            for (const auto& i : b->Items()) out += (out.empty() ? "" : "\n") + i;
            return out;
        }
    }
    if (auto* s = dynamic_cast<SpinEdit*>(&c)) {
        if (p == "value") return std::to_string(s->Value());
        if (p == "min") return std::to_string(s->MinValue());
        if (p == "max") return std::to_string(s->MaxValue());
        if (p == "maxlength") return std::to_string(s->MaxLength());
    }
    if (auto* b = dynamic_cast<Button*>(&c)) {
        if (p == "default") return Bool(b->IsDefault());
        if (p == "cancel") return Bool(b->IsCancel());
        if (p == "modalresult") return std::to_string(static_cast<int>(b->ModalResultValue()));
    }
    if (auto* r = dynamic_cast<Ruler*>(&c)) {
        if (p == "vertical") return Bool(r->Direction() == Orientation::Vertical);
        if (p == "dotsperunit") return Num(r->DotsPerUnit());
        if (p == "tickfrequency") return Num(r->TickFrequency());
        if (p == "labelfrequency") return Num(r->LabelFrequency());
        if (p == "viewposition") return Num(r->ViewPosition());
        if (p == "inverted") return Bool(r->Inverted());
        if (p == "gripbase") return std::to_string(r->GripBase());
        if (p == "maxgripheight") return std::to_string(r->MaxGripHeight());
    }
    if (auto* f = dynamic_cast<Form*>(&c)) {
        if (p == "class") return f->ClassName();
        if (p == "modalresult") return std::to_string(static_cast<int>(f->Result()));
    }
    return std::nullopt;
}

bool WriteProperty(Control& c, std::string_view p, const std::string& value)
{
    if (p == "text") {
        c.SetText(value);
        if (auto* s = dynamic_cast<SpinEdit*>(&c)) s->Commit();
        return true;
    }
    if (p == "caption") {
        c.SetCaption(value);
        return true;
    }
    if (p == "visible" || p == "enabled") {
        const auto f = Flag(value);
        if (!f) return false;
        if (p == "visible") c.SetVisible(*f);
        else c.SetEnabled(*f);
        return true;
    }
    if (p == "left" || p == "top" || p == "width" || p == "height") {
        const auto v = Int(value);
        if (!v) return false;
        if (p == "left") c.SetLeft(*v);
        else if (p == "top") c.SetTop(*v);
        else if (p == "width") c.SetWidth(*v);
        else c.SetHeight(*v);
        return true;
    }
    if (p == "itemindex") {
        auto* b = dynamic_cast<ComboBox*>(&c);
        const auto v = Int(value);
        if (!b || !v) return false;
        b->SetItemIndex(*v);
        return true;
    }
    if (p == "value") {
        auto* s = dynamic_cast<SpinEdit*>(&c);
        const auto v = Int(value);
        if (!s || !v) return false;
        s->SetValue(*v);
        return true;
    }
    return false;
}

bool Press(Control& c)
{
    if (!c.Showing() || !c.EffectivelyEnabled()) return false;
    c.HandleClick();
    return true;
}

} // namespace ix::ui
