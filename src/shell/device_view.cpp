#include "shell/device_view.h"

void setDeviceView(View& device, const View& view, double ratio) {
  const ViewState& logical = view.viewState;
  initViewState(device, roundToInt(logical.pixelsPerInch * ratio));
  device.viewState.zoom = logical.zoom;
  device.viewState.viewOffsetX = roundToInt(logical.viewOffsetX * ratio);
  device.viewState.viewOffsetY = roundToInt(logical.viewOffsetY * ratio);
  device.drawingMode = view.drawingMode;
}
