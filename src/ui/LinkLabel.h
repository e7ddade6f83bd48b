// LinkLabel: a label that opens a web address when clicked (blue, underlined, hand cursor
// by default). An onClick handler, when set, replaces the opening.
#pragma once

#include "ui/Label.h"

namespace ix::ui {

class LinkLabel : public Label {
public:
    explicit LinkLabel(std::string name = {});
    const char* TypeName() const override { return "LinkLabel"; }

    const std::string& Url() const { return url_; }
    void SetUrl(std::string url) { url_ = std::move(url); }

    void HandleClick() override;

private:
    std::string url_;
};

} // namespace ix::ui
