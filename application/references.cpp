#include "application/references.h"

#include "host/coordinate_system.h"
#include "host/model_ref.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_reference.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;
// Theme mask of the electricity networks: the theme a plan is shown and searched by.
constexpr std::uint32_t kMasqueElectricite = 62;

}  // namespace

host::Transform transformationPlan(const host::Range3d& etendue, const std::wstring& projectionDossier,
                                   const std::wstring& projectionPlan, host::ModelRef modele) {
  if (projectionDossier.empty() || projectionPlan.empty() || etendue.isNull()) return host::Transform::identity();
  const auto systemePlan = host::CoordinateSystem::create(projectionPlan);
  const auto systemeDossier = host::CoordinateSystem::create(projectionDossier);
  if (!systemePlan || !systemeDossier) return host::Transform::identity();
  const host::Point3d centre{(etendue.low.x + etendue.high.x) / 2.0, (etendue.low.y + etendue.high.y) / 2.0, 0.0};
  const double uorParMaitre = host::uorPerSub(modele) * host::subPerMaster(modele);
  if (!(uorParMaitre > 0.0)) return host::Transform::identity();
  return host::localTransform(*systemePlan, *systemeDossier, centre, uorParMaitre)
      .value_or(host::Transform::identity());
}

std::int32_t ref_attacherPlan(const std::wstring& chemin, const std::wstring& prefixe, const host::Range3d& etendue,
                              const std::wstring& projectionDossier, const std::wstring& projectionPlan) {
  try {
    const host::ModelRef actif = host::activeModel();
    if (stbDgn_chercherAttachement(nullptr, chemin, L"", prefixe, actif) == 0) return 0;

    const host::ModelRef reference = stbDgn_attacherFichier(
        chemin, L"", prefixe, transformationPlan(etendue, projectionDossier, projectionPlan, actif), actif);
    return reference ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

verplaninfo& plan_construireInfo(verplaninfo& info, const verplan& plan, const std::wstring& repertoire) {
  verplaninfo_construire(info);
  try {
    if (plan.type == 1) {
      info.type = 1;
      stbFichier_composer(info.chemin, repertoire, plan.nom, L"", L"");
    } else if (plan.type == 2) {
      info.type = 2;
      stbFichier_composer(info.chemin, repertoire, plan.nom, L"FP2", L"");
    }
    if (plan.version == 1 || plan.version == 2) info.version = static_cast<std::uint32_t>(plan.version);
    info.nomPlan = plan.nom;
    stbFichier_nom(info.nomFichier, info.chemin);
    info.masqueTheme = kMasqueElectricite;
  } catch (...) {
  }
  return info;
}
