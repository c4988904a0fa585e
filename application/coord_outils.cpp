// The copy-point and copy-polygon tools: the picked points (UORs of the active model) go to the
// clipboard as a GML text in WGS84, and the tool ends.
#include <string>

#include "application/coordonnees.h"
#include "application/proj_application.h"
#include "application/verapplication.h"
#include "host/clipboard.h"
#include "host/model_ref.h"
#include "host/text.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_msg.h"

namespace {

constexpr const wchar_t* kCleWgs84 = L"EPSG:4326";
constexpr const wchar_t* kPointSuivant = L"Donner le point suivant";

// The host's count of tool starts when the copy tool last started; -1 before any.
int generationOutil = -1;

// The text on the clipboard in format 13 (UTF-16 units and their terminating zero); false, the
// clipboard as it was when it does not open.
bool ecrirePressePapier(const std::wstring& texte) {
  if (!host::clipboard::open()) return false;
  host::clipboard::empty();
  const std::u16string unites = host::text::toUtf16(texte);
  const bool ecrit =
      host::clipboard::setData(host::clipboard::formatUnicodeText, unites.c_str(), (unites.size() + 1) * sizeof(char16_t));
  host::clipboard::close();
  return ecrit;
}

// The common end of both tools, on pointsCoordonnees: the GML text of the points in WGS84 goes
// to the clipboard and `confirmation` is shown; the tool's caller ends it.
void copier(const wchar_t* confirmation) {
  const auto& table = appTolvek.projections;
  const std::int32_t wgs84 = proj_indiceParCle(table, kCleWgs84);
  const std::int32_t modele = coord_ligneModele();
  if (modele < 0) {
    stbMsg_afficher(7, L"",
                    L"Op\u00e9ration impossible car la projection du mod\u00e8le actif n'est pas d\u00e9finie.");
    return;
  }
  if (wgs84 < 0) return;
  const std::wstring texte = coord_exporterPoints(pointsCoordonnees, modeCopie, L"Tolvek",
                                                  table[static_cast<std::size_t>(modele)],
                                                  table[static_cast<std::size_t>(wgs84)]);
  // A point that could not be reprojected gives no text: nothing is copied.
  if (texte.empty()) {
    coord_signalerConversionImpossible();
    return;
  }
  if (!ecrirePressePapier(texte)) {
    stbMsg_afficher(7, L"", L"Impossible d'\u00e9crire dans le presse-papier.");
    return;
  }
  stbMsg_afficher(1, L"", confirmation);
}

}  // namespace

void coord_demarrerOutil(host::tools::DataPointFunction point, host::tools::ResetFunction reset, int nom,
                         int invite) {
  host::tools::startPrimitive(point, reset, nom, invite);
  generationOutil = host::tools::status().generation;
}

bool coord_outilEnCours() {
  const host::tools::Status etat = host::tools::status();
  return etat.kind == host::tools::Kind::Primitive && etat.generation == generationOutil;
}

void coord_outilPoint() {
  try {
    coord_demarrerOutil(coord_copierPoint, coord_outilPoint, 10, 11);
  } catch (...) {
  }
}

void coord_copierPoint(const host::Point3d* point, int /*vue*/) {
  try {
    pointsCoordonnees.assign(1, *point);
    copier(L"Point copi\u00e9 dans le presse-papier");
  } catch (...) {
  }
  host::tools::startDefaultCommand();
}

void coord_outilPolygone() {
  try {
    pointsCoordonnees.clear();
    coord_demarrerOutil(coord_premierPointPolygone, coord_outilPolygone, 12, 13);
  } catch (...) {
  }
}

void coord_premierPointPolygone(const host::Point3d* point, int /*vue*/) {
  try {
    pointsCoordonnees.push_back(*point);
    host::tools::setDataPointFunction(coord_pointSuivantPolygone);
    host::tools::setResetFunction(coord_copierPolygone);
    host::tools::setDynamicsFunction(coord_dynamiquePolygone);
    stbMsg_afficher(3, L"", kPointSuivant);
  } catch (...) {
  }
}

void coord_pointSuivantPolygone(const host::Point3d* point, int /*vue*/) {
  try {
    pointsCoordonnees.push_back(*point);
    stbMsg_afficher(3, L"",
                    pointsCoordonnees.size() >= 3 ? L"Donner le point suivant / Reset pour fermer" : kPointSuivant);
  } catch (...) {
  }
}

void coord_dynamiquePolygone(const host::Point3d* point, int vue) {
  try {
    if (pointsCoordonnees.empty()) return;
    std::vector<host::Point3d> points = pointsCoordonnees;
    points.push_back(*point);
    // One picked point: a line to the cursor; more: the closed outline through the cursor.
    const bool ferme = pointsCoordonnees.size() >= 2;
    if (ferme) points.push_back(points.front());
    host::ElementHandle element;
    if (stbElem_creerLigneBrisee(element, nullptr, host::activeModel(), points, ferme) != 0) return;
    if (const host::Element* e = element.element()) host::views::drawDynamics(vue, *e);
  } catch (...) {
  }
}

void coord_copierPolygone() {
  try {
    if (pointsCoordonnees.size() >= 3) {
      pointsCoordonnees.push_back(pointsCoordonnees.front());
      copier(L"Polygone copi\u00e9 dans le presse-papier");
    }
  } catch (...) {
  }
  host::tools::startDefaultCommand();
}
