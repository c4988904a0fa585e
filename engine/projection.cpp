#include "engine/projection.h"

#include "engine/projection_table.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;

bool egalSansCasse(const std::wstring& a, const std::wstring& b) { return stbStr_comparer(a, b, false) == 0; }

// x and y of the range as the file gives them (not reordered); z 0.
host::Range3d etendue(const std::wstring& xMin, const std::wstring& yMin, const std::wstring& xMax,
                      const std::wstring& yMax) {
  host::Range3d r;
  r.low = {stbStr_versReel(xMin), stbStr_versReel(yMin), 0.0};
  r.high = {stbStr_versReel(xMax), stbStr_versReel(yMax), 0.0};
  return r;
}

}  // namespace

verprojection projection_rechercher(const std::wstring& codeCourt, const std::wstring& cle) {
  verprojection projection;
  projection.codeCourt = codeCourt;
  projection.cleSysteme = cle;
  for (const projection_code& ligne : projection_tableCodes()) {
    if (cle.empty() && egalSansCasse(codeCourt, ligne.codeCourt)) {
      projection.cleSysteme = ligne.cleSysteme;
      break;
    }
    if (codeCourt.empty() && !cle.empty() && egalSansCasse(cle, ligne.cleSysteme)) {
      projection.codeCourt = ligne.codeCourt;
      break;
    }
  }
  return projection;
}

void projection_lireFichier(std::vector<verprojection>& projections, const std::wstring& chemin) {
  std::vector<std::wstring> lignes, champs;
  stbFichier_lireLignes(lignes, chemin);
  for (const std::wstring& ligne : lignes) {
    stbStr_decouper(champs, ligne, L";");
    if (champs.size() < 7) continue;
    verprojection projection;
    projection.libelle = champs[0];
    projection.codeCourt = champs[1];
    projection.codeZone = champs[2];
    projection.domaine = etendue(champs[3], champs[4], champs[5], champs[6]);
    projections.push_back(std::move(projection));
  }
}

void deptproj_lireFichier(std::vector<verdeptproj>& relations, const std::wstring& chemin) {
  std::vector<std::wstring> lignes, champs;
  stbFichier_lireLignes(lignes, chemin);
  for (const std::wstring& ligne : lignes) {
    if (ligne.empty() || ligne[0] == L'#') continue;
    stbStr_decouper(champs, ligne, L";");
    if (champs.size() < 6) continue;
    relations.push_back(verdeptproj{champs[0], champs[1], etendue(champs[2], champs[3], champs[4], champs[5])});
  }
}

std::wstring projection_familleDossier(const std::wstring& codeCourt) {
  static const wchar_t* const lambert[] = {L"LZ1", L"LZ2", L"LZ3", L"LZ4", L"C42", L"C43", L"C44",
                                           L"C45", L"C46", L"C47", L"C48", L"C49", L"C50"};
  static const wchar_t* const outreMer[] = {L"U20", L"U22", L"U40"};
  for (const wchar_t* code : lambert)
    if (egalSansCasse(codeCourt, code)) return L"L93";
  for (const wchar_t* code : outreMer)
    if (egalSansCasse(codeCourt, code)) return codeCourt;
  return std::wstring();  // "L93" itself is not counted
}

std::int32_t projection_controlerCodes(verprojection& projectionDossier, std::wstring& message,
                                       const std::vector<std::wstring>& codesCourts) {
  projectionDossier = verprojection{};
  bool premier = true;
  bool incoherent = false;
  for (const std::wstring& code : codesCourts) {
    const std::wstring famille = projection_familleDossier(code);
    if (famille.empty()) continue;
    if (premier) {
      projectionDossier.codeCourt = famille;
      premier = false;
    } else if (!egalSansCasse(famille, projectionDossier.codeCourt)) {
      incoherent = true;
    }
  }
  if (incoherent) {
    message = L"Incoh\u00e9rences sur les projections des plans du dossier.";
    return kEchec;
  }
  projectionDossier = projection_rechercher(projectionDossier.codeCourt, L"");
  return 0;
}

void dossier_lireProjections(vercontexte& ctx) {
  projection_lireFichier(ctx.projections, ctx.fichierProjections);
  deptproj_lireFichier(ctx.deptProjections, ctx.fichierDeptProj);
}

std::int32_t dossier_controlerProjections(vercontexte& ctx, std::wstring& message) {
  std::vector<std::wstring> codes;
  codes.reserve(ctx.planInfos.size());
  for (const verplaninfo& plan : ctx.planInfos) codes.push_back(plan.projection.codeCourt);
  return projection_controlerCodes(ctx.projectionDossier, message, codes);
}
