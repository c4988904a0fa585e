#pragma once
// Texts for the XML reader's tests: the GML point and polygon as the application puts them on the
// clipboard, cut into lines the way a paste cuts them, and a one-line picture of a loaded document.
#include <string>
#include <vector>

#include "application/stb_xml.h"

namespace stbxml_fixture {

// Cuts at every line feed, keeping carriage returns; a final line feed leaves an empty last line.
inline std::vector<std::wstring> lignes(const std::wstring& texte) {
  std::vector<std::wstring> sortie(1);
  for (const wchar_t c : texte) {
    if (c == L'\n') sortie.emplace_back();
    else sortie.back() += c;
  }
  return sortie;
}

inline std::wstring enTete() {
  return L"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         L"<gml:FeatureCollection xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
         L" xmlns:my=\"http://www.operateur.example/lumec/localisation\""
         L" xmlns:gml=\"http://www.opengis.net/gml/3.2\" gml:id=\"gml_id\""
         L" xsi:schemaLocation=\"http://www.operateur.example/lumec/localisation ../localisationGeographique.xsd\">\n"
         L"<gml:featureMember>\n";
}

inline std::wstring pied(const std::wstring& forme) {
  return L"</my:geometryProperty>\n<my:reference></my:reference>\n"
         L"<my:applicationSource>Tolvek</my:applicationSource>\n</my:" +
         forme + L">\n</gml:featureMember>\n</gml:FeatureCollection>\n";
}

// The point form: one pair.
inline std::wstring textePoint(const std::wstring& paire = L"2.350000000,48.856600000") {
  return enTete() +
         L"<my:point gml:id=\"gml_feature_id\">\n<my:geometryProperty>\n"
         L"<gml:Point gml:id=\"gml_point_id\" srsName=\"EPSG:4326\">\n"
         L"<gml:coordinates>" + paire + L"</gml:coordinates>\n</gml:Point>\n" + pied(L"point");
}

// The polygon form: the closed ring.
inline std::wstring textePolygone(
    const std::wstring& paires = L"2.350000000,48.856600000 2.360000000,48.856600000 "
                                 L"2.360000000,48.866600000 2.350000000,48.856600000") {
  return enTete() +
         L"<my:polygon gml:id=\"gml_feature_id\">\n<my:geometryProperty>\n"
         L"<gml:Polygon gml:id=\"gml_polygon_id\" srsName=\"EPSG:4326\">\n<gml:exterior>\n<gml:LinearRing>\n"
         L"<gml:coordinates>" + paires + L"</gml:coordinates>\n"
         L"</gml:LinearRing>\n</gml:exterior>\n</gml:Polygon>\n" + pied(L"polygon");
}

// Each node as name@depth, "<parent" below a root, [attribute=value]... and "text" when present,
// separated by blanks.
inline std::wstring decrire(const StbXml& document) {
  std::wstring sortie;
  for (const StbXmlNoeud& n : document.noeuds) {
    if (!sortie.empty()) sortie += L' ';
    sortie += n.nom + L"@" + std::to_wstring(n.niveau);
    if (n.parent >= 0) sortie += L"<" + std::to_wstring(n.parent);
    for (const StbXmlAttribut& a : n.attributs) sortie += L"[" + a.nom + L"=" + a.valeur + L"]";
    if (!n.texte.empty()) sortie += L"\"" + n.texte + L"\"";
  }
  return sortie;
}

}  // namespace stbxml_fixture
