#include "toolbox/stb_proj.h"

#include "host/coordinate_system.h"
#include "toolbox/stb_dgn.h"

namespace {

constexpr int kEchec = 0x8000;

// The display name of the model's system; empty when it has none the host knows.
std::wstring nomDuModele(host::ModelRef modele) {
  const auto systeme = host::coordinateSystemOfModel(modele);
  return systeme ? systeme->displayName() : std::wstring();
}

}  // namespace

const std::wstring& stbProj_nomSysteme(std::wstring& nom, host::ModelRef modele, const std::wstring& chemin) {
  nom.clear();
  try {
    if (modele) {
      nom = nomDuModele(modele);
      return nom;
    }
    if (chemin.empty()) return nom;
    host::ModelRef ouvert;
    if (stbDgn_ouvrirFichier(&ouvert, nullptr, nullptr, chemin, L"", true) != 0) return nom;
    nom = nomDuModele(ouvert);
    stbDgn_fermerFichier(ouvert);  // the active model is kept open
  } catch (...) {
    nom.clear();
  }
  return nom;
}

int stbProj_affecterSysteme(const verprojection& projection, host::ModelRef modele, const std::wstring& chemin) {
  host::ModelRef ouvert;  // a work file opened here, closed on every path
  try {
    const std::wstring& cle = projection.cleSysteme;
    if (cle.empty() || (!modele && chemin.empty())) return kEchec;
    std::wstring actuel;
    if (stbProj_nomSysteme(actuel, modele, chemin) == cle) return 0;
    host::ModelRef cible = modele;
    if (!cible) {
      if (stbDgn_ouvrirFichier(&ouvert, nullptr, nullptr, chemin, L"", false) != 0) return kEchec;
      cible = ouvert;
    }
    int resultat = kEchec;
    if (!host::isReadOnly(cible) && host::CoordinateSystem::create(cle)) resultat = host::setCoordinateSystemKey(cible, cle);
    if (ouvert) {
      // Closing writes the file: a key that was set but not saved is no success.
      const int fermeture = stbDgn_fermerFichier(ouvert);
      ouvert = host::ModelRef{};
      if (resultat == 0 && fermeture != 0) resultat = kEchec;
    }
    return resultat;
  } catch (...) {
    if (ouvert) {
      try {
        stbDgn_fermerFichier(ouvert);
      } catch (...) {
      }
    }
    return kEchec;
  }
}

int stbProj_reprojeter(std::vector<host::Point3d>& points, const verprojection& source, const verprojection& cible,
                       host::ModelRef modele) {
  try {
    if (source.cleSysteme.empty() || cible.cleSysteme.empty()) return kEchec;
    if (points.empty()) return 0;
    const auto de = host::CoordinateSystem::create(source.cleSysteme);
    const auto vers = host::CoordinateSystem::create(cible.cleSysteme);
    if (!de || !vers || !host::isValid(modele)) return kEchec;
    // reprojectUors replaces the points only when every one of them was reprojected.
    return host::reprojectUors(points, *de, *vers, host::uorPerSub(modele) * host::subPerMaster(modele)) ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

int stbProj_reprojeterPoint(host::Point3d& sortie, const host::Point3d& entree, const verprojection& source,
                            const verprojection& cible, host::ModelRef modele) {
  try {
    std::vector<host::Point3d> point{entree};
    if (stbProj_reprojeter(point, source, cible, modele) != 0) return kEchec;
    sortie = {point[0].x, point[0].y, entree.z};
    return 0;
  } catch (...) {
    return kEchec;
  }
}
