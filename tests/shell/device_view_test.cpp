#include "shell/device_view.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(DeviceView, MapsThePageAsTheLogicalViewTimesTheRatio) {
  View logical;
  initViewState(logical, 96);
  logical.viewState.zoom = 1.75;
  logical.viewState.viewOffsetX = -37;
  logical.viewState.viewOffsetY = 211;
  logical.drawingMode = DrawingMode::kBasic;
  for (double ratio : {1.0, 1.25, 2.0, 3.0}) {
    View device;
    setDeviceView(device, logical, ratio);
    EXPECT_EQ(device.viewState.pixelsPerInch, static_cast<int>(96 * ratio));
    EXPECT_DOUBLE_EQ(device.viewState.zoom, 1.75);
    EXPECT_EQ(device.drawingMode, DrawingMode::kBasic);
    // Page positions in inches land where the logical view puts them, in
    // device pixels, within the rounding of either.
    for (double inches : {0.0, 1.0, 3.3, 7.9}) {
      double x = inches * logical.viewState.pixelsPerInch,
             xd = inches * device.viewState.pixelsPerInch;
      EXPECT_NEAR(toWindowX(device, xd), ratio * toWindowX(logical, x), ratio / 2 + 1)
          << ratio << " at " << inches << " in";
      EXPECT_NEAR(toWindowY(device, xd), ratio * toWindowY(logical, x), ratio / 2 + 1)
          << ratio << " at " << inches << " in";
    }
  }
}
