// The GML 3.2 text of a point or a polygon, as the copy tools put it on the clipboard.
#include <string>

#include "application/a_propos.h"
#include "application/coordonnees.h"
#include "host/model_ref.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"

namespace {

// The operator's localisation namespace, and its schema beside it.
std::wstring espaceLocalisation() { return std::wstring(L"http://www.") + kDomaineOperateur + L"/lumec/localisation"; }

std::wstring ligneCollection() {
  const std::wstring espace = espaceLocalisation();
  return L"<gml:FeatureCollection xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:my=\"" + espace +
         L"\" xmlns:gml=\"http://www.opengis.net/gml/3.2\" gml:id=\"gml_id\" xsi:schemaLocation=\"" + espace +
         L" ../localisationGeographique.xsd\">";
}

}  // namespace

std::wstring coord_exporterPoints(const std::vector<host::Point3d>& points, std::int32_t /*mode*/,
                                  const std::wstring& application, const verprojection& source,
                                  const verprojection& cible) {
  try {
    const host::ModelRef actif = host::activeModel();
    // All the points in one reprojection, which fails as a whole when one point fails.
    std::vector<host::Point3d> convertis = points;
    if (stbProj_reprojeter(convertis, source, cible, actif) != 0) return {};
    // Each pair is appended to the list so far: one space between pairs, none at either end.
    std::wstring coordonnees;
    for (const host::Point3d& p : convertis) {
      if (!coordonnees.empty()) coordonnees += L' ';
      coordonnees += stbStr_toString(L"%.09f,%.09f", host::uorToMaster(actif, p.x), host::uorToMaster(actif, p.y));
    }
    const bool polygone = points.size() > 1;
    std::wstring texte = L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const auto ligne = [&texte](const std::wstring& l) { texte += l + L'\n'; };
    ligne(ligneCollection());
    ligne(L"<gml:featureMember>");
    ligne(polygone ? L"<my:polygon gml:id=\"gml_feature_id\">" : L"<my:point gml:id=\"gml_feature_id\">");
    ligne(L"<my:geometryProperty>");
    if (polygone) {
      ligne(stbStr_toString(L"<gml:Polygon gml:id=\"gml_polygon_id\" srsName=\"%s\">", cible.cleSysteme));
      ligne(L"<gml:exterior>");
      ligne(L"<gml:LinearRing>");
    } else {
      ligne(stbStr_toString(L"<gml:Point gml:id=\"gml_point_id\" srsName=\"%s\">", cible.cleSysteme));
    }
    ligne(L"<gml:coordinates>" + coordonnees + L"</gml:coordinates>");
    if (polygone) {
      ligne(L"</gml:LinearRing>");
      ligne(L"</gml:exterior>");
      ligne(L"</gml:Polygon>");
    } else {
      ligne(L"</gml:Point>");
    }
    ligne(L"</my:geometryProperty>");
    ligne(L"<my:reference></my:reference>");
    ligne(stbStr_toString(L"<my:applicationSource>%s</my:applicationSource>", application));
    ligne(polygone ? L"</my:polygon>" : L"</my:point>");
    ligne(L"</gml:featureMember>");
    ligne(L"</gml:FeatureCollection>");
    return texte;
  } catch (...) {
    return {};
  }
}
