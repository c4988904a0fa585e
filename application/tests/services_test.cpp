// What the application sees of the toolbox, the verification engine and the title block: the
// operations it may call, with their signatures, compiled and linked into its own build.
#include <gtest/gtest.h>

#include <type_traits>

#include "engine/emprise_lecture.h"
#include "engine/encart.h"
#include "engine/erreur.h"
#include "engine/halvorn.h"
#include "engine/plan_construire.h"
#include "engine/plan_fichier.h"
#include "engine/plan_verifier.h"
#include "engine/vercontexte.h"
#include "engine/veremprise.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"
#include "engine/verprojection.h"
#include "host/config.h"
#include "host/messages.h"
#include "titleblock/cart_nom_plan.h"
#include "titleblock/cart_zone_projection.h"
#include "titleblock/cart_zone_utile.h"
#include "toolbox/stb_date.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_clip.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_niveau.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_symbologie.h"
#include "toolbox/stb_sys.h"

namespace {

using W = std::wstring;
using host::ElementHandle;
using host::ModelRef;
using host::Point3d;

#define SIGNATURE(f, ...) static_assert(std::is_same_v<decltype(&f), __VA_ARGS__>, #f)

// Strings.
SIGNATURE(stbStr_comparer, int (*)(const W&, const W&, bool));
SIGNATURE(stbStr_chercher, int (*)(const W&, const W&, bool));
SIGNATURE(stbStr_separer, int (*)(W&, W&, const W&, const W&));
SIGNATURE(stbStr_decouper, void (*)(std::vector<W>&, const W&, const W&));
SIGNATURE(stbStr_decouperLignes, void (*)(std::vector<W>&, const W&));
SIGNATURE(stbStr_avantPointVirgule, const W& (*)(W&, const W&));
SIGNATURE(stbStr_majuscules, void (*)(W&));
SIGNATURE(stbStr_remplacerPremier, int (*)(W&, const W&, const W&));
SIGNATURE(stbStr_versReel, double (*)(const W&));
// Files and dates.
SIGNATURE(stbFichier_existe, bool (*)(const W&));
SIGNATURE(stbFichier_composer, const W& (*)(W&, const W&, const W&, const W&, const W&));
SIGNATURE(stbFichier_copier, int (*)(const W&, const W&, int));
SIGNATURE(stbFichier_supprimer, int (*)(const W&));
SIGNATURE(stbFichier_lister, const std::vector<W>& (*)(std::vector<W>&, const W&, const W&));
SIGNATURE(stbFichier_lireLignes, const std::vector<W>& (*)(std::vector<W>&, const W&));
SIGNATURE(stbFichier_ecrireLignes, int (*)(const W&, const std::vector<W>&));
SIGNATURE(stbFichier_dateModification, int (*)(W*, W*, int, const W&));
SIGNATURE(stbFichier_nom, const W& (*)(W&, const W&));
SIGNATURE(stbFichier_nomSansExtension, const W& (*)(W&, const W&));
SIGNATURE(stbFichier_extension, const W& (*)(W&, const W&));
SIGNATURE(stbDate_maintenant, const W& (*)(W&, const std::string&));
SIGNATURE(stbDate_comparer, int (*)(W, W, W, W));
// Messages and configuration.
SIGNATURE(stbMsg_afficher, int (*)(int, const W&, const W&));
SIGNATURE(stbSys_lireVariable, int (*)(W&, const W&, int));
// Models and references.
SIGNATURE(stbDgn_modeleValide, bool (*)(ModelRef));
SIGNATURE(stbDgn_scanner, void (*)(std::vector<host::ElementId>&, host::ScanCriteria&, ModelRef));
SIGNATURE(stbDgn_nomFichier, const W& (*)(W&, ModelRef));
SIGNATURE(stbDgn_nomModele, const W& (*)(W&, ModelRef));
SIGNATURE(stbDgn_trouverReference, int (*)(ModelRef&, const W&, const W&, const W&, ModelRef));
SIGNATURE(stbDgn_ouvrirFichier, int (*)(ModelRef*, std::uint32_t*, bool*, const W&, const W&, bool));
SIGNATURE(stbDgn_detacherReferences, void (*)(const W&));
// Levels and elements.
SIGNATURE(stbElem_niveau, std::uint32_t (*)(const ElementHandle&));
SIGNATURE(stbNiveau_nom, const W& (*)(W&, ModelRef, std::uint32_t));
SIGNATURE(stbElem_lireCellule, int (*)(Point3d*, host::RotMatrix*, Point3d*, W*, const ElementHandle&));
SIGNATURE(stbElem_enfantDeType, int (*)(ElementHandle&, const ElementHandle&, int));
SIGNATURE(stbElem_contourCellule, std::vector<Point3d>& (*)(std::vector<Point3d>&, const ElementHandle&));
SIGNATURE(stbElem_contourTexte, std::vector<Point3d>& (*)(std::vector<Point3d>&, const ElementHandle&));
SIGNATURE(stbElem_lireTexte, int (*)(Point3d*, W*, host::RotMatrix*, W*, stbPoint2d*, double*, std::uint32_t*,
                                     std::uint32_t*, const ElementHandle&));
SIGNATURE(stbElem_texte, const W& (*)(W&, const ElementHandle&));
SIGNATURE(stbElem_estSignificatif, int (*)(const ElementHandle&));
SIGNATURE(stbElem_symbologie, int (*)(std::uint32_t*, std::uint32_t*, std::uint32_t*, const ElementHandle&));
SIGNATURE(stbElem_styleLigne, int (*)(W&, host::LineStyleParams*, const ElementHandle&, ModelRef));
SIGNATURE(stbElem_appliquerSymbologie, int (*)(ElementHandle&, const versymbologie&, ModelRef));
SIGNATURE(stbElem_zoneTampon, int (*)(ElementHandle&, const ElementHandle&, double, double, ModelRef));
SIGNATURE(stbElem_decouper, int (*)(host::ElementAgenda&, host::ElementAgenda&, const ElementHandle&,
                                    const host::ClipVector&, std::uint32_t, const host::CurveVector*));
SIGNATURE(stbElem_assemblerChaine, int (*)(ElementHandle&, std::vector<host::ElementId>, ModelRef, double));
// Geometry.
SIGNATURE(stbGeom_discretiserCourbe, int (*)(std::vector<Point3d>&, const host::CurveVector*, double, bool));
SIGNATURE(stbGeom_plusProchePoint, double (*)(Point3d*, host::Vector3d*, const host::CurveVector*, const Point3d&));
SIGNATURE(stbGeom_plageAutourPoint, const host::Range3d& (*)(host::Range3d&, const Point3d&, double));
SIGNATURE(stbGeom_projeterSurPolyligne, void (*)(Point3d&, const std::vector<Point3d>&, const Point3d&));
SIGNATURE(stbGeom_angleDirections, double (*)(double, double));
SIGNATURE(stbGeom_raccordExtremites, int (*)(const host::CurveVector*, const host::CurveVector*, double));
// Coordinate systems.
SIGNATURE(stbProj_nomSysteme, const W& (*)(W&, ModelRef, const W&));
SIGNATURE(stbProj_affecterSysteme, int (*)(const verprojection&, ModelRef, const W&));

// Verification engine: the five operations of libhalvorn.so ...
SIGNATURE(verif_initialiserDossier, std::int32_t (*)(verdossier&, W&, const W&));
SIGNATURE(verif_verifierListePlan, std::int32_t (*)(const std::vector<std::int32_t>&, verdossier&, drapeauxVerification));
SIGNATURE(verif_verifierPlan, std::int32_t (*)(verplan&, verdossier&, drapeauxVerification));
SIGNATURE(verif_comparerPlan, std::int32_t (*)(verplan&, verdossier&, drapeauxVerification));
SIGNATURE(verif_actualiserCartouche, std::int32_t (*)(W&, verplan&, verdossier&, drapeauxVerification));
// ... and its records and operations compiled into the application.
SIGNATURE(erreur_ajouter, void (*)(std::vector<vererreur>&, const W&, std::uint64_t, std::uint32_t, std::uint32_t,
                                   const Point3d*, const W&, const W&));
SIGNATURE(plan_ouvrir, std::uint32_t (*)(verplaninfo&));
SIGNATURE(plan_fichierTheme, const W& (*)(W&, std::uint32_t, const verplaninfo&));
SIGNATURE(plan_nomDepuisFichier, std::uint32_t (*)(W&, const W&));
SIGNATURE(plan_typeFichierModele, std::uint32_t (*)(ModelRef));
SIGNATURE(verplaninfo_construire, void (*)(verplaninfo&));
SIGNATURE(verprojection_construire, void (*)(verprojection&));
SIGNATURE(plan_verifier, void (*)(verplan&, std::int32_t, vercontexte&, drapeauxVerification));
SIGNATURE(plan_copierIdentite, void (*)(verplaninfo&, const verplanfichiers&, std::uint32_t));
SIGNATURE(emprise_localiserFichier, std::int32_t (*)(bool&, ModelRef&, const W&));
SIGNATURE(emprise_formeDuGroupe, std::uint64_t (*)(std::uint32_t, ModelRef));
SIGNATURE(emprise_chercherDansZone, std::int32_t (*)(std::vector<veremprise>&, ModelRef, const W&, const host::ElementHandle&,
                                                     const std::vector<W>&));
SIGNATURE(encart_remplirAgenda, void (*)(host::ElementAgenda&, const verplaninfo&));
SIGNATURE(encart_contientElement, std::int32_t (*)(const host::ElementHandle&, const host::ElementAgenda&));

// Title block.
SIGNATURE(cart_codeZoneProjection, const W& (*)(W&, const W&));
SIGNATURE(cart_convertirNomPlan, std::uint32_t (*)(W&, const W&));
SIGNATURE(cart_zoneUtile, std::uint32_t (*)(std::vector<Point3d>&, const verplaninfo&, bool));

#undef SIGNATURE

// The records cross by value and by reference between the application and the engine.
static_assert(std::is_copy_constructible_v<verdossier> && std::is_copy_constructible_v<verplan> &&
              std::is_copy_constructible_v<vererreur> && std::is_copy_constructible_v<verecart> &&
              std::is_copy_constructible_v<verplaninfo> && std::is_copy_constructible_v<verplanfichiers> &&
              std::is_copy_constructible_v<vercontexte> && std::is_copy_constructible_v<veremprise> &&
              std::is_copy_constructible_v<versymbologie>);

// The two operations whose messages the application shows take the message mode last; without it
// they stay silent, as the engine calls them.
TEST(Services, MessageModeIsTheLastArgumentAndSilentByDefault) {
  host::config::clear();
  host::messages::clearLog();
  std::wstring valeur;
  EXPECT_NE(stbSys_lireVariable(valeur, L"TOLVEK_ABSENTE"), 0);
  EXPECT_NE(stbFichier_copier(L"absent.dgn", L"copie.dgn"), 0);
  EXPECT_TRUE(host::messages::log().empty());
  EXPECT_NE(stbSys_lireVariable(valeur, L"TOLVEK_ABSENTE", 5), 0);
  EXPECT_NE(stbFichier_copier(L"absent.dgn", L"copie.dgn", 5), 0);
  const auto log = host::messages::log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].kind, host::messages::Kind::MessageBox);
  EXPECT_EQ(log[0].brief, L"La variable d'environnement TOLVEK_ABSENTE n'est pas d\u00e9finie.");
  EXPECT_EQ(log[1].kind, host::messages::Kind::MessageBox);
  EXPECT_EQ(log[1].brief, L"Impossible de copier le fichier absent.dgn en copie.dgn.");
  host::messages::clearLog();
}

TEST(Services, TitleBlockCodesAsTheApplicationUsesThem) {
  std::wstring code;
  EXPECT_EQ(cart_codeZoneProjection(code, L"47"), L"C47");
  EXPECT_EQ(cart_codeZoneProjection(code, L""), L"");
  std::wstring nom;
  EXPECT_EQ(cart_convertirNomPlan(nom, L"44109012301"), 0u);
  EXPECT_EQ(nom, L"44010123.109");
}

}  // namespace
