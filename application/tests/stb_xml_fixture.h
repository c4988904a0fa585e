#pragma once
// Texts for the XML reader's tests: the GML point and polygon as the application puts them on the
// clipboard, cut into lines the way a paste cuts them, a one-line picture of a loaded document,
// and the fuzz tests' mutations.
#include <random>
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

// The texts that the fuzz tests mutate: the point and the polygon in WGS84, and a Lambert 93
// point, whose row is a projected one.
inline std::vector<std::wstring> textesGml() {
  std::wstring l93 = textePoint(L"700000.000000000,6600000.000000000");
  l93.replace(l93.find(L"EPSG:4326"), 9, L"IGN-RGF93");
  return {textePoint(), textePolygone(), l93};
}

inline std::wstring repeter(const std::wstring& motif, std::size_t fois) {
  std::wstring sortie;
  sortie.reserve(motif.size() * fois);
  for (std::size_t i = 0; i < fois; ++i) sortie += motif;
  return sortie;
}

constexpr std::size_t kTailleMax = 64 * 1024;

// Characters flipped, deleted or inserted from the reader's own syntax, line ends, NUL and
// unpaired surrogates; now and then a slice doubled, within kTailleMax.
inline std::wstring muter(std::wstring texte, std::mt19937& gen) {
  static const std::wstring alphabet = std::wstring(L"<>/&;#\"=, \r\n") + std::wstring(1, L'\0') +
                                       std::wstring(1, static_cast<wchar_t>(0xD800)) +
                                       std::wstring(1, static_cast<wchar_t>(0xDFFF));
  std::uniform_int_distribution<std::size_t> lettre(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> operation(0, 9), nombre(1, 8);
  for (int k = nombre(gen); k > 0 && !texte.empty(); --k) {
    const std::size_t ou = std::uniform_int_distribution<std::size_t>(0, texte.size() - 1)(gen);
    switch (operation(gen)) {
      case 0: case 1: case 2: texte[ou] = alphabet[lettre(gen)]; break;
      case 3: case 4: case 5: texte.erase(ou, 1); break;
      case 6: case 7: case 8: texte.insert(ou, 1, alphabet[lettre(gen)]); break;
      default: {
        const std::size_t longueur = std::uniform_int_distribution<std::size_t>(1, texte.size() - ou)(gen);
        const std::wstring tranche = texte.substr(ou, longueur);
        while (texte.size() + tranche.size() <= kTailleMax && operation(gen) != 0) texte.insert(ou, tranche);
      }
    }
  }
  return texte;
}

}  // namespace stbxml_fixture
