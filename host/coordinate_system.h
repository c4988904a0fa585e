#pragma once
// Geographic coordinate systems of the host, through PROJ. A system is known by its key (see
// coordinate_system_keys.h); its display name is the key itself.
// Points are in UORs of a model: they are divided by the model's UORs per master unit before
// PROJ and multiplied after, geographic systems included (degrees then count as master units).
// Axis order is always x = easting or longitude, y = northing or latitude; z passes unchanged.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/geom_types.h"
#include "host/model_ref.h"

namespace host {

class CoordinateSystem {
 public:
  // The system of a key; null when the key is unknown or PROJ does not know its EPSG code.
  static std::shared_ptr<const CoordinateSystem> create(const std::wstring& key);

  const std::wstring& key() const { return key_; }
  const std::wstring& displayName() const { return key_; }
  int epsg() const { return epsg_; }
  bool isGeographic() const { return geographic_; }

  CoordinateSystem(std::wstring key, int epsg, bool geographic) : key_(std::move(key)), epsg_(epsg), geographic_(geographic) {}

 private:
  std::wstring key_;
  int epsg_;
  bool geographic_;
};

// The system of a model: the one named by its design file's coordinate-system key; null when the
// model is not valid, has no key, or the key is unknown.
std::shared_ptr<const CoordinateSystem> coordinateSystemOfModel(ModelRef model);

// Reprojects the points (UORs in, UORs out) from one system to the other in one call. False,
// with the points left as they were, when PROJ has no transformation between the two or a
// point cannot be transformed. Transformations are created once per pair of keys and kept.
bool reprojectUors(std::vector<Point3d>& points, const CoordinateSystem& from, const CoordinateSystem& to,
                   double uorsPerMaster);

// The affine transform that best matches the reprojection near `at` (UORs): derivatives taken
// by central differences over one master unit (1e-5 degree for a geographic source), z kept.
// None when the reprojection fails there.
std::optional<Transform> localTransform(const CoordinateSystem& from, const CoordinateSystem& to, const Point3d& at,
                                        double uorsPerMaster);

}  // namespace host
