// The layout table of MainWindow, one row per control in stored order, which
// is also the stacking order: the first row lies on top. This file is compiled
// with GBK as its execution character set, so its texts are GBK bytes.
#include "app/window_description.h"

#include <array>

namespace {

using toolkit::ControlTemplate;
using toolkit::Rgb;
using toolkit::ScrollBars;
using toolkit::TextBoxSettings;

constexpr TextBoxSettings kArticleBox{
    .background = Rgb(0, 224, 128),
    .multiLine = true,
    .scrollBars = ScrollBars::Both,
    .readOnly = true,
};

constexpr std::array kControls{
    ControlTemplate{.name = "编辑框1", .id = kTextBoxId, .place = {128, 8, 760, 368}, .tabStop = true,
                    .settings = kArticleBox},
};

}  // namespace

constexpr toolkit::WindowTemplate MainWindow{
    .id = kMainWindowId,
    .title = "Qelmora  BY：Dorvik",
    .place = {50, 50, 899, 410},
    .controls = kControls,
};
