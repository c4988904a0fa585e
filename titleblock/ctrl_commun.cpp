#include "titleblock/ctrl_commun.h"

#include <cmath>

#include "host/element_handle.h"
#include "titleblock/cart_date.h"
#include "toolbox/stb_elem.h"

bool ctrl_origineCellule(host::Point3d& origine, std::uint64_t idCellule, host::ModelRef modele) {
  if (idCellule == 0 || !modele) return false;
  return stbElem_lireCellule(&origine, nullptr, nullptr, nullptr, host::ElementHandle(idCellule, modele)) == 0;
}

bool ctrl_origineMaitre(host::Point3d& origine, std::uint64_t idCellule, host::ModelRef modele) {
  host::Point3d uor;
  if (!ctrl_origineCellule(uor, idCellule, modele)) return false;
  origine = {host::uorToMaster(modele, uor.x), host::uorToMaster(modele, uor.y), 0.0};
  return true;
}

bool ctrl_presDuZero(const host::Point3d& point, double tolerance) {
  return std::fabs(point.x) < tolerance && std::fabs(point.y) < tolerance;
}

const wchar_t* ctrl_dateFond(const std::wstring& texte, bool& posterieure) {
  verdate date, aujourdhui;
  cart_lireDate(date, texte);
  cart_dateDuJour(aujourdhui);
  posterieure = date.valide && date.cle > aujourdhui.cle;
  if (!date.valide) return L"Date de fond de plan non sp\u00e9cifi\u00e9e ou incorrecte";
  if (posterieure) return L"Date de fond de plan post\u00e9rieure \u00e0 la date du jour";
  return nullptr;
}
