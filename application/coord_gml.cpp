// The GML 3.2 text of a point or a polygon, as the copy tools put it on the clipboard, and its
// reading back when it is pasted into the coordinates dialog.
#include <cmath>
#include <cwchar>
#include <string>

#include "application/a_propos.h"
#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/stb_xml.h"
#include "host/model_ref.h"
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
    if (coord_reprojeter(convertis, source, cible) != 0) return {};
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

std::int32_t coord_importerGml(std::int32_t& ligne, const std::vector<std::wstring>& lignes,
                               const std::vector<verprojection>& projections) {
  constexpr std::int32_t kEchec = 0x8000;
  try {
    pointsCoordonnees.clear();
    StbXml document;
    if (StbXml::charger(document, lignes) != 0) return kEchec;
    std::int32_t geometrie = StbXml::chercherNoeud(L"gml:Point", document);
    if (geometrie < 0) geometrie = StbXml::chercherNoeud(L"gml:Polygon", document);
    if (geometrie < 0) return kEchec;
    const StbXmlNoeud& noeud = document.noeuds[static_cast<std::size_t>(geometrie)];
    const std::int32_t attribut = StbXml::chercherAttribut(L"srsName", noeud);
    if (attribut < 0) return kEchec;
    ligne = proj_indiceParCle(projections, noeud.attributs[static_cast<std::size_t>(attribut)].valeur);
    if (ligne < 0) return kEchec;
    // The coordinates anywhere in the document, not only under the geometry.
    const std::int32_t coordonnees = StbXml::chercherNoeud(L"gml:coordinates", document);
    if (coordonnees < 0) return kEchec;
    std::vector<std::wstring> paires;
    stbStr_decouper(paires, document.noeuds[static_cast<std::size_t>(coordonnees)].texte, L" ");
    for (const std::wstring& paire : paires) {
      std::wstring x, y;
      if (stbStr_separer(x, y, paire, L",") != 0) return kEchec;
      // The runtime's reading: the longest number at the start, 0 when none; "nan", "inf" and
      // out-of-range values, which it also reads, are refused.
      const double px = std::wcstod(x.c_str(), nullptr), py = std::wcstod(y.c_str(), nullptr);
      if (!std::isfinite(px) || !std::isfinite(py)) return kEchec;
      pointsCoordonnees.push_back(host::Point3d{px, py, 0.0});
    }
    return 0;
  } catch (...) {
    return kEchec;
  }
}
