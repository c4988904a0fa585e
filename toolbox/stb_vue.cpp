#include "toolbox/stb_vue.h"

#include "host/locate.h"
#include "host/view_display.h"
#include "host/views.h"

namespace {

// Smallest side of the area shown, in UORs of the active model: a point or a flat element still
// gets a readable view around it.
constexpr double kCoteMinimal = 10.0;

}  // namespace

void stbElem_surligner(std::uint64_t idElement, host::ModelRef modele, int vue, double facteurZoom, bool surligner) {
  try {
    const host::Element* element = host::readElement(modele, idElement);
    if (!element) return;
    const std::uint32_t position = element->filePosition;
    const host::Transform transformation =
        host::isReference(modele) ? host::referenceToMaster(modele) : host::Transform::identity();

    const host::Range3d etendue = host::elementRangeOf(modele, idElement);
    if (etendue.isNull()) return;
    const host::Point3d contour[] = {etendue.low, {etendue.high.x, etendue.low.y, 0.0}, etendue.high,
                                     {etendue.low.x, etendue.high.y, 0.0}, etendue.low};
    host::Range3d zone;
    for (const host::Point3d& p : contour) zone.extend(transformation.apply(p));
    const host::Point3d centre{(zone.low.x + zone.high.x) / 2.0, (zone.low.y + zone.high.y) / 2.0, 0.0};

    if (vue == -1) vue = host::views::firstOpen();
    if (vue < 0 || vue >= host::views::kCount || !host::views::isOpen(vue)) return;

    if (zone.high.y - zone.low.y < kCoteMinimal) {
      zone.low.y -= kCoteMinimal / 2.0;
      zone.high.y += kCoteMinimal / 2.0;
    }
    if (zone.high.x - zone.low.x < kCoteMinimal) {
      zone.low.x -= kCoteMinimal / 2.0;
      zone.high.x += kCoteMinimal / 2.0;
    }
    host::views::setArea(vue, zone);
    host::views::zoom(vue, vue, centre, facteurZoom);
    host::views::update(vue);
    if (surligner) host::locate::hilite(modele, position);
  } catch (...) {
  }
}
