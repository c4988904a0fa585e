#include "titleblock/cart_zone_utile.h"

#include <cmath>
#include <numbers>

#include "host/element_handle.h"
#include "titleblock/cart_cadre.h"
#include "titleblock/cart_cadre_table.h"
#include "titleblock/cart_modele.h"
#include "toolbox/stb_elem.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

const cart_ligneZoneUtile* ligneZone(std::uint32_t type, const std::wstring& cadre, bool marge) {
  for (const auto& l : cart_zonesUtiles)
    if (l.type == type && l.marge == marge && (cadre == l.cadre1 || cadre == l.cadre2)) return &l;
  return nullptr;
}

}  // namespace

std::uint32_t cart_zoneUtileFichier(std::vector<host::Point3d>& zone, const std::wstring& chemin, std::uint32_t type,
                                    std::uint32_t version, bool marge) {
  zone.clear();
  if (type != 1 && type != 2) return kEchec;
  const cart_modele lecture({}, chemin);
  if (!lecture) return kEchec;
  const host::ModelRef modele = lecture.get();
  std::uint64_t idCadre = 0;
  host::RotMatrix rotation;
  if (cart_lireCadre(nullptr, nullptr, nullptr, nullptr, &idCadre, &rotation, modele) != 0) return kEchec;
  const double a = rotation.angleZ();
  host::Point3d o;
  std::wstring nom;
  if (stbElem_lireCellule(&o, nullptr, nullptr, &nom, host::ElementHandle(idCadre, modele)) != 0) return kEchec;
  const cart_ligneZoneUtile* ligne = ligneZone(type, nom, marge);
  if (!ligne) return kEchec;

  const double facteur = version == 2 ? 2.5 : 1.0;
  const double w = host::masterToUor(modele, ligne->largeur * facteur);
  const double h = host::masterToUor(modele, ligne->hauteur * facteur);
  const double dx = host::masterToUor(modele, (-ligne->recul * std::cos(a) + ligne->montee * std::cos(a + std::numbers::pi / 2)) * facteur);
  const double dy = host::masterToUor(modele, (-ligne->recul * std::sin(a) + ligne->montee * std::sin(a + std::numbers::pi / 2)) * facteur);
  const host::Point3d le{std::cos(a), std::sin(a), 0.0};
  const host::Point3d travers{std::cos(a - std::numbers::pi / 2), std::sin(a - std::numbers::pi / 2), 0.0};
  const host::Point3d p0{o.x + dx, o.y + dy, 0.0};
  const host::Point3d p1 = p0 + le * w;
  const host::Point3d p2 = p1 + travers * h;
  const host::Point3d p3 = p0 + travers * h;
  zone = {p0, p1, p2, p3, p0};
  return 0;
}

std::uint32_t cart_zoneUtile(std::vector<host::Point3d>& zone, const verplaninfo& plan, bool marge) {
  return cart_zoneUtileFichier(zone, plan.chemin, plan.type, plan.version, marge);
}
