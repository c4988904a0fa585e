#include "toolbox/stb_dgn.h"

#include "host/paths.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"

namespace {

constexpr int kEchec = 0x8000;
// The host gives reference names in buffers of this many characters.
constexpr std::size_t kLongueurNomReference = 1024;

std::wstring tronquer(const std::wstring& texte, std::size_t longueur) {
  return texte.size() > longueur ? texte.substr(0, longueur) : texte;
}

bool estFichierActif(const std::wstring& chemin) {
  const std::wstring actif = host::activeFileName();
  if (actif.empty()) return false;
  if (stbStr_comparer(actif, chemin, false) == 0) return true;
  // The same file named another way (relative path, other case of a folder).
  return stbStr_comparer(actif, host::paths::fromNative(host::paths::resolve(chemin)), false) == 0;
}

}  // namespace

int stbDgn_ouvrirFichier(host::ModelRef* modele, std::uint32_t* format, bool* est3d, const std::wstring& chemin,
                         const std::wstring& /*inutilise*/, bool lectureSeuleAcceptee) {
  try {
    std::uint32_t numeroFormat = 0;
    if (host::validateDesignFile(chemin, &numeroFormat) != host::kSuccess || numeroFormat < 1 || numeroFormat > 4)
      return kEchec;
    if (estFichierActif(chemin) && host::isValid(host::activeModel())) {
      const host::ModelRef actif = host::activeModel();
      if (est3d) *est3d = host::is3d(actif);
      if (format) *format = numeroFormat;
      if (modele) *modele = actif;
      return 0;
    }
    host::ModelRef ouvert;
    if (host::openWorkFile(&ouvert, format, est3d, chemin, L"", lectureSeuleAcceptee) != host::kSuccess) return kEchec;
    if (!lectureSeuleAcceptee && host::isReadOnly(ouvert)) {
      if (!host::isActive(ouvert)) host::closeWorkFile(ouvert);
      return kEchec;
    }
    if (modele) *modele = ouvert;
    return 0;
  } catch (...) {
    return kEchec;
  }
}

int stbDgn_fermerFichier(host::ModelRef modele) {
  try {
    if (!modele) return kEchec;
    if (host::isActive(modele)) return 0;
    return host::closeWorkFile(modele) == host::kSuccess ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

bool stbDgn_modeleValide(host::ModelRef modele) { return modele && host::modelId(modele) < host::kInvalidModelId; }

void stbDgn_scanner(std::vector<host::ElementId>& elements, host::ScanCriteria& criteres, host::ModelRef modele) {
  elements.clear();
  if (!stbDgn_modeleValide(modele)) return;
  try {
    elements = host::scan(modele, criteres);
  } catch (...) {
    elements.clear();
  }
}

void stbDgn_elementsDuGroupe(std::vector<host::ElementId>& elements, std::uint32_t groupe, host::ModelRef modele) {
  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.graphicGroup = groupe;
  stbDgn_scanner(elements, criteres, modele);
}

int stbDgn_etendueModele(host::Range3d& etendue, host::ModelRef modele) {
  try {
    etendue = host::Range3d{};
    host::ScanCriteria criteres;
    criteres.drawnOnly = true;
    std::vector<host::ElementId> elements;
    stbDgn_scanner(elements, criteres, modele);
    if (elements.empty()) return kEchec;
    for (host::ElementId id : elements) etendue.extend(host::elementRangeOf(modele, id));
    return 0;
  } catch (...) {
    etendue = host::Range3d{};
    return kEchec;
  }
}

int stbDgn_trouverReference(host::ModelRef& reference, const std::wstring& nomFichier, const std::wstring& nomModele,
                            const std::wstring& prefixeNomLogique, host::ModelRef parent) {
  return stbDgn_chercherAttachement(&reference, nomFichier, nomModele, prefixeNomLogique, parent);
}

const std::wstring& stbDgn_nomFichier(std::wstring& nom, host::ModelRef modele) {
  try {
    nom.clear();
    if (host::isReference(modele)) {
      const host::ReferenceAttachment* a = host::attachment(modele);
      if (a && !a->skip) nom = tronquer(a->fileName, kLongueurNomReference);
    } else {
      nom = host::fileName(modele);
    }
    return nom;
  } catch (...) {
    nom.clear();
    return nom;
  }
}

const std::wstring& stbDgn_nomModele(std::wstring& nom, host::ModelRef modele) {
  try {
    nom.clear();
    if (host::isReference(modele)) {
      const host::ReferenceAttachment* a = host::attachment(modele);
      if (a && !a->skip) nom = a->modelName.empty() ? host::modelName(modele) : tronquer(a->modelName, kLongueurNomReference);
    } else {
      nom = host::modelName(modele);
    }
    return nom;
  } catch (...) {
    nom.clear();
    return nom;
  }
}

const host::Range3d& stbGeom_plageAutourPoint(host::Range3d& plage, const host::Point3d& point, double tolerance) {
  const host::Point3d p{point.x, point.y, 0.0};
  const host::Point3d d{tolerance, tolerance, tolerance};
  plage = host::Range3d::from(p - d, p + d);
  return plage;
}
