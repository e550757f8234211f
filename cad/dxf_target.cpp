#include "cad/dxf_target.h"

namespace vx11 {

void DxfTarget::close() {
  if (entities_open_) dxf_.sectionEnd();
  dxf_.endOfFile();
}

void DxfTarget::header(Real x1, Real y1, Real x2, Real y2) {
  dxf_.header(x1, y1, x2, y2);
  dxf_.tables(2);
}

bool DxfTarget::blockStart(std::string_view name) {
  dxf_.blockStart(name);
  return true;
}

void DxfTarget::entitiesStart() {
  dxf_.entitiesStart();
  entities_open_ = true;
}

}  // namespace vx11
