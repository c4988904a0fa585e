// The classifier's rows, transcribed from the drawing standard. UTF-8 source: the level names are
// matched exactly, accents, blanks and the standard's irregular forms included.
#include "standard/niv_classement_table.h"

namespace {

using R = niv_regle;

constexpr std::uint32_t parType = niv_contenuParType;
constexpr std::uint32_t parCouleur = niv_etatParCouleur;
constexpr std::uint32_t parCouleurGaz = niv_reseauParCouleur;

// ---- three-file standard, theme 62 (electricity file) ----

constexpr niv_groupeClassement groupesElec[] = {
    {2, 1, {L"CâblesBrancht", L"AccNonAffBranchtEle", L"AccAffBranchtEle", L"TxtBranchtEle", L"TxtAccNonAffBrtEle",
            L"TxtAccAffBrtEle", L"Cote+PtConstBrtEle", L""}},
    {2, 0, {L"CâblesBT", L"AccNonAffBT", L"AccAffBT", L"TxtCâblesBT", L"TxtAccNonAffBT", L"TxtAccAffBT",
            L"Cote+PtConstBT", L"RésIncertainBT"}},
    {4, 0, {L"CâblesHTA", L"AccNonAffHTA", L"AccAffHTA", L"TxtCâblesHTA", L"TxtAccNonAffHTA", L"TxtAccAffHTA",
            L"Cote+PtConstHTA", L"RésIncertainHTA"}},
    {8, 0, {L"CâblesTLCEle", L"AccNonAffTLCEle", L"AccAffTLCEle", L"TxtCâblesTLCEle", L"TxtAccNonAffTLCEle",
            L"TxtAccAffTLCEle", L"Cote+PtConstTLCEle", L"RésIncertainTLCEle"}},
    {16, 0, {L"CâblesTLR", L"AccNonAffTLR", L"AccAffTLR", L"TxtCâblesTLR", L"TxtAccNonAffTLR", L"TxtAccAffTLR",
             L"Cote+PtConstTLR", L"RésIncertainTLR"}},
};

constexpr niv_exception exceptionsElec[] = {
    {L"CâblesBrancht", R::styleBranchtV3}, {L"CâblesBT", R::styleBTV3},       {L"RésIncertainBT", R::incertainBTV3},
    {L"CâblesHTA", R::styleHTAV3},         {L"TxtCâblesHTA", R::classeHtb},   {L"RésIncertainHTA", R::incertainHTAV3},
};

constexpr niv_ligne lignesElec[] = {
    {L"RéseauAbandonnéEle", 2, parType, 8, 0, 0, R::abandonEle},
    {L"Cote+PtConsAbanEle", 2, 8, 8},
    {L"ProtectionsIndif", 8192, 1, 0, 0, 0, R::protection},
    {L"ProtectionsBT", 8192, 1, 0, 0, 2, R::protection},
    {L"ProtectionsHTA", 8192, 1, 0, 0, 4, R::protection},
    {L"TxtProtecIndiff", 8192, 4, 0, 0, 0, R::couleur6},
    {L"TxtProtecBT", 8192, 4, 0, 0, 2, R::couleur6},
    {L"TxtProtecHTA", 8192, 4, 0, 0, 4, R::couleur6},
    {L"CoteProtecIndiff", 8192, 8, parCouleur, 0, 0},
    {L"CoteProtecBT", 8192, 8, parCouleur, 0, 2},
    {L"CoteProtecHTA", 8192, 8, parCouleur, 0, 4},
    {L"Drap+TxtIndiffEle", 62, 4, 0, 0, 0, R::textes},
};

// ---- three-file standard, theme 1984 (gas file) ----

constexpr niv_groupeClassement groupesGaz[] = {
    {64, 0, {L"CanalisationBP", L"AccNonAffBP", L"AccAffBP", L"TxtCanaBP", L"TxtAccNonAffBP", L"TxtAccAffBP",
             L"Cote+PtConstBP", L"RésIncertainBP"}},
    {128, 0, {L"CanalisationMPB", L"AccNonAffMPB", L"AccAffMPB", L"TxtCanaMPB", L"TxtAccNonAffMPB", L"TxtAccAffMPB",
              L"Cote+PtConsMPB", L"RésIncertainMPB"}},
    {256, 0, {L"CanalisationMPC", L"AccNonAffMPC", L"AccAffMPC", L"TxtMPC", L"TxtAccNonAffMPC", L"TxtAccAffMPC",
              L"Cote+PtConstMPC", L"RésIncertainMPC"}},
    {1024, 0, {L"CâblesPRC", L"AccNonAffPRC", L"AccAffPRC", L"TxtCâblesPRC", L"TxtAccNonAffPRC", L"TxtAccAffPRC",
               L"Cote+PtConstPRC", L"RésIncertainPRC"}},
    {512, 0, {L"CâblesTLCGaz", L"AccNonAffTLCGaz", L"AccAffTLCGaz", L"TxtCâblesTLCGaz", L"TxtAccNonAffTLCGaz",
              L"TxtAccAffTLCGaz", L"Cote+PtConstTLCGaz", L"RésIncertainTLCGaz"}},
    {parCouleurGaz, 1, {L"CanaBrancht", L"AccNonAffBranchtGaz", L"AccAffBranchtGaz", L"TxtBranchtGaz",
                        L"TxtAccNonAffBrtGaz", L"TxtAccAffBrtGaz", L"Cote+PtConstBrtGaz", L""}},
};

constexpr niv_ligne lignesGaz[] = {
    {L"RéseauAbandonnéGaz", 128, parType, 8},
    {L"Cote+PtConsAbanGaz", 128, 8, 8},
    {L"Protections", 8192, 1, 0},
    {L"TxtProtections", 8192, 4, 0},
    {L"Cote+PtConsProt", 8192, 8, parCouleur},
};

// ---- three-file standard, theme 6144 (other networks) ----

constexpr niv_groupeClassement groupesAutres[] = {
    {2048, 0, {L"CâblesEP", L"AccNonAfflEP", L"AccAffEP", L"TxtCâblesEP", L"TxtAccNonAffEP", L"TxtAccAffEP",
               L"Cote+PtConstEP", L"RésIncertainEP"}},
    {4096, 0, {L"CâblesVDC", L"AccNonAffVDC", L"AccAffVDC", L"TxtCâblesVDC", L"TxtAccNonAffVDC", L"TxtAccAffVDC",
               L"Cote+PtConstVDC", L"RésIncertainVDC"}},
};

constexpr niv_ligne lignesAutres[] = {
    {L"RéseauAbandonnéAut", 2048, parType, 8},
    {L"Cote+PtConsAbanAut", 2048, 8, 8},
};

// ---- one-file standard ----

constexpr niv_ligne lignesV2Communes[] = {
    {L"Fourreaux+Tub_", 8192, 1, 0, 0, 0, R::protection},
    {L"TxtFourreaux", 8192, 4, 0, 0, 0, R::couleur21},
    {L"CotesFourreaux", 8192, 8, parCouleur},
    {L"58", 8192, 8, parCouleur},
};

constexpr niv_ligne lignesV2Elec[] = {
    {L"SymbolesFixes", 2, 2, 0, 0, 0, R::cellulesElec},
    {L"Topo4Divers", 2, 4, 0, 0, 0, R::texte17},
    {L"RéseauBT", 2, 1, 0, 0, 0, R::reseauV2},
    {L"TxtRéseauBT", 2, 4, 0, 0, 0, R::texteAbandonV2},
    {L"CotesRéseauBT", 2, 8, parCouleur},
    {L"RéseauHTA", 4, 1, 0, 0, 0, R::reseauHTAV2},
    {L"TxtRéseauHTA", 4, 4, 0, 0, 0, R::texteHTAV2},
    {L"CotesRéseauHTA", 4, 8, parCouleur},
    {L"RéseauTLR", 16, 1, 0, 0, 0, R::reseauV2},
    {L"RéseauEP", 2048, 1, 0, 0, 0, R::reseauV2},
    {L"RéseauVDC", 4096, 1, 0, 0, 0, R::reseauV2},
    {L"TxtRéseauTLR", 16, 4, 0},
    {L"TxtRéseauEP", 2048, 4, 0},
    {L"TxtRéseauVDC", 4096, 4, 0},
    {L"CotesRéseauTLR", 16, 8, parCouleur},
    {L"CotesRéseauEP", 2048, 8, parCouleur},
    {L"CotesRéseauVDC", 4096, 8, parCouleur},
};

constexpr niv_ligne lignesV2Gaz[] = {
    {L"SymbolesFixes", 128, 2, 0, 0, 0, R::cellulesGaz},
    {L"Topo4Divers", 128, 4, 0, 0, 0, R::texte17},
    {L"CanaBrancht", parCouleurGaz, 1, 0, 1},
    {L"AccNonAffBranchtGaz", parCouleurGaz, 2, 4096, 1},
    {L"AccAffBranchtGaz", parCouleurGaz, 2, 2048, 1},
    {L"TxtBranchtGaz", parCouleurGaz, 4, 0, 1},
    {L"RéseauBP", 64, 1, 0, 0, 0, R::reseauV2},
    {L"AccNonAffBP", 64, 2, 4096},
    {L"AccAffBP", 64, 2, 2048},
    {L"TxtRéseauBP", 64, 4, 0},
    {L"CotesRéseauBP", 64, 8, parCouleur},
    {L"RéseauMPB", 128, 1, 0, 0, 0, R::reseauV2},
    {L"AccNonAffMPB", 128, 2, 4096},
    {L"AccAffMPB", 128, 2, 2048},
    {L"TxtRéseauMPB", 128, 4, 0},
    {L"CotesRéseauMPB", 128, 8, parCouleur},
    {L"RéseauMPC", 256, 1, 0, 0, 0, R::reseauV2},
    {L"AccNonAffMPC", 256, 2, 4096},
    {L"AccAffMPC", 256, 2, 2048},
    {L"TxtRéseauMPC", 256, 4, 0},
    {L"CotesRéseauMPC", 256, 8, parCouleur},
    {L"RéseauPRC", 1024, 1, 0, 0, 0, R::reseauV2},
    {L"TxtRéseauPRC", 1024, 4, 0},
    {L"CotesRéseauPRC", 1024, 8, parCouleur},
    {L"RésIncertainPRC", 1024, 1, 4},
    {L"CâblesTLCGaz", 512, 1, 0, 0, 0, R::reseauV2},
    {L"AccNonAffTLCGaz", 512, 2, 4096},
    {L"AccAffTLCGaz", 512, 2, 2048},
    {L"TxtCâblesTLCGaz", 512, 4, 0},
    {L"CotesRéseauTLC", 512, 8, parCouleur},
    {L"RésIncertainTLCGaz", 512, 1, 4},
    {L"RéseauAbandonnéGaz", 128, 1, 8, 0, 0, R::abandonGazV2},
};

const niv_section sectionVide{};

}  // namespace

// cable, non-flush accessory, flush accessory, cable text, non-flush text, flush text, dimension,
// uncertain cable.
const std::array<niv_issue, 8> niv_issuesGroupe = {{
    {1, 2}, {2, 4096}, {2, 2048}, {4, 1024}, {4, 4096}, {4, 2048}, {8, niv_etatParCouleur}, {1, 4},
}};

const std::array<std::wstring_view, 3> niv_cellulesElec = {L"COELEC", L"ARELEC", L"1RREMB"};
const std::array<std::wstring_view, 8> niv_cellulesGaz = {L"COGAZ", L"ARGAZ",  L"BOUGAZ", L"GFCART",
                                                          L"GFCOF", L"GFCOFD", L"GACOE",  L"GACOF"};

const niv_section& niv_sectionV3(std::uint32_t theme) {
  static const niv_section elec{groupesElec, lignesElec, exceptionsElec};
  static const niv_section gaz{groupesGaz, lignesGaz, {}};
  static const niv_section autres{groupesAutres, lignesAutres, {}};
  switch (theme) {
    case 62: return elec;
    case 1984: return gaz;
    case 6144: return autres;
    default: return sectionVide;
  }
}

const niv_section& niv_sectionV2Commune() {
  static const niv_section communes{{}, lignesV2Communes, {}};
  return communes;
}

const niv_section& niv_sectionV2(std::uint32_t theme) {
  static const niv_section elec{{}, lignesV2Elec, {}};
  static const niv_section gaz{{}, lignesV2Gaz, {}};
  switch (theme) {
    case 62: return elec;
    case 1984: return gaz;
    default: return sectionVide;
  }
}
