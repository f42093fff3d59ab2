// The layout table of MainWindow, one row per control in stored order, which
// is also the stacking order: the first row lies on top. This file is compiled
// with GBK as its execution character set, so its texts are GBK bytes.
#include "app/window_description.h"

#include <array>

#include "app/scheme_links.h"

namespace {

using toolkit::ControlTemplate;
using toolkit::EventBinding;
using toolkit::LinkLabelSettings;
using toolkit::Rgb;
using toolkit::ScrollBars;
using toolkit::TextBoxSettings;

constexpr TextBoxSettings kArticleBox{
    .background = Rgb(0, 224, 128),
    .multiLine = true,
    .scrollBars = ScrollBars::Both,
    .readOnly = true,
};

// The six links differ from the kind only in their caption and hover colour.
constexpr LinkLabelSettings kSchemeLink{.hoverColour = Rgb(51, 153, 255)};

template <SchemeNumber N>
constexpr EventBinding kSchemeLinkBindings[] = {{toolkit::kLeftButtonPressed, &OnSchemeLinkPressed<N>}};

// The row of scheme N's link: no tab stop, and a press shows article N.
template <SchemeNumber N>
constexpr ControlTemplate SchemeLink(const char* name, toolkit::Rect place, const char* caption) {
  return {.name = name,
          .id = SchemeLinkId(N),
          .place = place,
          .caption = caption,
          .bindings = kSchemeLinkBindings<N>,
          .settings = kSchemeLink};
}

constexpr std::array kControls{
    ControlTemplate{.name = "编辑框1", .id = kTextBoxId, .place = {128, 8, 760, 368}, .tabStop = true,
                    .settings = kArticleBox},
    SchemeLink<6>("超级链接框6", {16, 296, 104, 24}, "方案六"),
    SchemeLink<5>("超级链接框5", {8, 240, 120, 32}, "方案五"),
    SchemeLink<4>("超级链接框4", {16, 192, 104, 24}, "方案四"),
    SchemeLink<3>("超级链接框3", {8, 136, 120, 24}, "方案三"),
    SchemeLink<2>("超级链接框2", {16, 88, 104, 24}, "方案二"),
    SchemeLink<1>("超级链接框1", {16, 32, 104, 24}, "方案一"),
};

}  // namespace

constexpr toolkit::WindowTemplate MainWindow{
    .id = kMainWindowId,
    .title = "Qelmora  BY：Dorvik",
    .place = {50, 50, 899, 410},
    .controls = kControls,
};
