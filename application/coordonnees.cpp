// The coordinates dialog's hooks: the projection combo box, the paste and go-to buttons, the menu
// bar that starts the copy tools, and the dialog, which frees the go-to's cross.
#include "application/coordonnees.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "application/a_propos.h"
#include "application/proj_application.h"
#include "application/verapplication.h"
#include "host/clipboard.h"
#include "host/config.h"
#include "host/model_ref.h"
#include "host/text.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "host/views.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_symbologie.h"

namespace d = host::dialogs;

std::int32_t projectionCourante = -1;
host::transients::Transient* marqueurCoordonnees = nullptr;
std::vector<host::Point3d> pointsCoordonnees;
std::int32_t modeCopie = 0;

namespace {

constexpr int kDialogue = 5;
constexpr int kCombo = 51;
constexpr int kAllerPoint = 51;
constexpr int kIdentifiantDefaut = 40;  // "RGF93-Lambert 93"
constexpr int kTypeGeographique = 2;
constexpr double kDemiBrasCroix = 10000000.0;  // master units: the cross reaches beyond any view

const wchar_t* const kModeleSansProjection =
    L"Op\u00e9ration impossible car la projection du mod\u00e8le actif n'est pas d\u00e9finie.";

void libererMarqueur() {
  if (!marqueurCoordonnees) return;
  host::transients::free(marqueurCoordonnees);
  marqueurCoordonnees = nullptr;
}

// The row named by the projection label field, or -1.
std::int32_t ligneDuLibelle() {
  std::wstring libelle;
  stbStr_versLarge(libelle, std::string(TvkDlg.libelleProjection, sizeof TvkDlg.libelleProjection));
  return proj_indiceParLibelle(appTolvek.projections, libelle);
}

bool geographique(std::int32_t ligne) {
  return appTolvek.projections[static_cast<std::size_t>(ligne)].type == kTypeGeographique;
}

// The pair of fields of a row's kind: 2 the geographic pair, else the projected pair.
double* paire(std::int32_t ligne) { return geographique(ligne) ? &TvkDlg.coordonnees[2] : &TvkDlg.coordonnees[0]; }

void synchroniserPaire(d::Dialog* dialogue, bool geo) {
  d::synchronize(d::findItem(dialogue, d::ItemType::Text, geo ? 53 : 51));
  d::synchronize(d::findItem(dialogue, d::ItemType::Text, geo ? 54 : 52));
}

// Text items 51 and 52 for a projected row, 53 and 54 for the geographic one.
void montrerChamps(d::Dialog* dialogue, bool geo) {
  d::setVisible(d::findItem(dialogue, d::ItemType::Text, 51), !geo);
  d::setVisible(d::findItem(dialogue, d::ItemType::Text, 52), !geo);
  d::setVisible(d::findItem(dialogue, d::ItemType::Text, 53), geo);
  d::setVisible(d::findItem(dialogue, d::ItemType::Text, 54), geo);
}

bool vueValide() { return TvkDlg.numeroVue >= 0 && TvkDlg.numeroVue < host::views::kCount; }

// A point of the fields (master units) in UORs of the active model.
host::Point3d versUors(double x, double y) {
  const host::ModelRef actif = host::activeModel();
  return {host::masterToUor(actif, x), host::masterToUor(actif, y), host::masterToUor(actif, 0.0)};
}

void creerListe(d::ItemMessage* message) {
  d::ListModel* liste = d::createListModel(1);
  d::ListRow vide = liste->makeRow();
  vide.cells[0].value = -1;
  liste->rows.push_back(vide);
  for (std::size_t i = 0; i < appTolvek.projections.size(); ++i) {
    d::ListRow ligne = liste->makeRow();
    ligne.cells[0].text = appTolvek.projections[i].libelle;
    ligne.cells[0].value = static_cast<std::int64_t>(i);
    liste->rows.push_back(std::move(ligne));
  }
  d::setListModel(message->item, liste);
  remplir(TvkDlg.libelleProjection, L"");
  projectionCourante = -1;
  for (std::size_t i = 0; i < appTolvek.projections.size(); ++i)
    if (appTolvek.projections[i].identifiant == kIdentifiantDefaut) {
      remplir(TvkDlg.libelleProjection, appTolvek.projections[i].libelle);
      projectionCourante = static_cast<std::int32_t>(i);
      break;
    }
}

// The combo box shows another row: the point of the current row is converted into the new
// row's pair. A point that cannot be converted leaves that pair as it was.
void changerProjection(d::ItemMessage* message) {
  const std::int32_t ligne = ligneDuLibelle();
  if (ligne < 0 || message->dialogId != kDialogue) return;
  const bool geo = geographique(ligne);
  montrerChamps(message->dialog, geo);
  if (ligne == projectionCourante) return;
  if (projectionCourante >= 0) {
    const double* depart = paire(projectionCourante);
    std::vector<host::Point3d> point{versUors(depart[0], depart[1])};
    const auto& table = appTolvek.projections;
    if (coord_reprojeter(point, table[static_cast<std::size_t>(projectionCourante)],
                         table[static_cast<std::size_t>(ligne)]) == 0) {
      const host::ModelRef actif = host::activeModel();
      double* arrivee = paire(ligne);
      arrivee[0] = host::uorToMaster(actif, point[0].x);
      arrivee[1] = host::uorToMaster(actif, point[0].y);
      synchroniserPaire(message->dialog, geo);
    } else {
      coord_signalerConversionImpossible();
    }
  }
  projectionCourante = ligne;
}

// The clipboard's Unicode text, up to its first null; false when it cannot be opened or holds
// none. A text larger than TOLVEK_PRESSE_PAPIER_MAX_MB (of UTF-16), which no pasted GML nor pair
// of numbers reaches, is read as empty: nothing can be made of it. The clipboard is closed again.
bool lirePressePapier(std::wstring& texte) {
  if (!host::clipboard::open()) return false;
  void* donnees = nullptr;
  std::size_t octets = 0;
  const bool lu = host::clipboard::getData(host::clipboard::formatUnicodeText, &donnees, &octets);
  texte.clear();
  if (lu) {
    if (octets <= host::config::megabytes(L"TOLVEK_PRESSE_PAPIER_MAX_MB", coord_pressePapierMaxMo)) {
      const auto* unites = static_cast<const char16_t*>(donnees);
      std::size_t n = 0;
      while (n < octets / sizeof(char16_t) && unites[n] != u'\0') ++n;
      texte = host::text::fromUtf16(std::u16string(unites, n));
    }
    host::clipboard::freeMemory(donnees);
  }
  host::clipboard::close();
  return lu;
}

// The lines handed to the GML reader: cut at line feeds, a carriage return before one dropped.
std::vector<std::wstring> lignesDe(const std::wstring& texte) {
  std::vector<std::wstring> lignes;
  stbStr_decouper(lignes, texte, L"\n");
  for (std::wstring& l : lignes)
    if (!l.empty() && l.back() == L'\r') l.pop_back();
  return lignes;
}

// Two plain numbers "X,Y", each made only of "-0123456789.".
bool nombresSimples(const std::wstring& texte) {
  std::wstring gauche, droite;
  if (stbStr_separer(gauche, droite, texte, L",") != 0 || gauche.empty() || droite.empty()) return false;
  const auto permis = [](const std::wstring& s) {
    return s.find_first_not_of(L"-0123456789.") == std::wstring::npos;
  };
  if (!permis(gauche) || !permis(droite)) return false;
  pointsCoordonnees.assign(1, host::Point3d{stbStr_versReel(gauche), stbStr_versReel(droite), 0.0});
  return true;
}

void coller(d::ItemMessage* message) {
  std::wstring texte;
  if (!lirePressePapier(texte)) {
    stbMsg_afficher(2, L"", L"Aucune donn\u00e9e dans le presse-papier.");
    return;
  }
  std::int32_t ligne = -1;
  const bool gml = coord_importerGml(ligne, lignesDe(texte), appTolvek.projections) == 0 && !pointsCoordonnees.empty() &&
                   ligne >= 0 && ligne < static_cast<std::int32_t>(appTolvek.projections.size());
  if (!gml) {
    ligne = -1;
    if (!nombresSimples(texte)) {
      stbMsg_afficher(2, L"", L"Le contenu du presse-papier ne peut \u00eatre interpr\u00e9t\u00e9.");
      return;
    }
  }

  // The centre: the point itself, or the middle of the box of the ring, closed here.
  if (pointsCoordonnees.size() > 1) pointsCoordonnees.push_back(pointsCoordonnees.front());
  host::Point3d bas = pointsCoordonnees.front(), haut = bas;
  for (const host::Point3d& p : pointsCoordonnees) {
    bas = {std::min(bas.x, p.x), std::min(bas.y, p.y), 0.0};
    haut = {std::max(haut.x, p.x), std::max(haut.y, p.y), 0.0};
  }
  // Halves added, not the sum halved: two large coordinates of one sign would overflow.
  const double cx = pointsCoordonnees.size() == 1 ? bas.x : bas.x * 0.5 + haut.x * 0.5;
  const double cy = pointsCoordonnees.size() == 1 ? bas.y : bas.y * 0.5 + haut.y * 0.5;

  if (ligne < 0) {
    TvkDlg.coordonnees[0] = cx;
    TvkDlg.coordonnees[1] = cy;
    synchroniserPaire(message->dialog, false);
    return;
  }
  // The pasted row becomes the current one before the combo box shows it, so that its hook has
  // nothing to convert.
  const bool geo = geographique(ligne);
  remplir(TvkDlg.libelleProjection, appTolvek.projections[static_cast<std::size_t>(ligne)].libelle);
  projectionCourante = ligne;
  d::synchronize(d::findItem(message->dialog, d::ItemType::ComboBox, kCombo));
  montrerChamps(message->dialog, geo);
  double* champs = paire(ligne);
  champs[0] = cx;
  champs[1] = cy;
  synchroniserPaire(message->dialog, geo);
  if (pointsCoordonnees.size() <= 1) return;

  const std::int32_t modele = coord_ligneModele();
  if (modele < 0) {
    stbMsg_afficher(7, L"", kModeleSansProjection);
    return;
  }
  const auto& table = appTolvek.projections;
  std::vector<host::Point3d> coins{versUors(bas.x, bas.y), versUors(haut.x, haut.y)};
  if (coord_reprojeter(coins, table[static_cast<std::size_t>(ligne)], table[static_cast<std::size_t>(modele)]) != 0) {
    coord_signalerConversionImpossible();
    return;
  }
  // The area's extra arguments of the platform (2.0 and 1.0) have no counterpart in the host.
  if (vueValide()) host::views::setArea(TvkDlg.numeroVue, host::Range3d::from(coins[0], coins[1]));
  std::wstring erreur;
  d::press(d::findItem(message->dialog, d::ItemType::PushButton, kAllerPoint), erreur);
}

void allerPoint() {
  libererMarqueur();
  const std::int32_t ligne = ligneDuLibelle();
  if (ligne < 0) return;
  const double* champs = paire(ligne);
  const host::Point3d point = versUors(champs[0], champs[1]);
  const std::int32_t modele = coord_ligneModele();
  if (modele < 0) {
    stbMsg_afficher(7, L"", kModeleSansProjection);
    return;
  }
  const host::ModelRef actif = host::activeModel();
  std::vector<host::Point3d> reprojete{point};
  if (coord_reprojeter(reprojete, appTolvek.projections[static_cast<std::size_t>(ligne)],
                       appTolvek.projections[static_cast<std::size_t>(modele)]) != 0) {
    coord_signalerConversionImpossible();
    return;
  }
  const host::Point3d cible = reprojete[0];
  // A view number is typed by the user: outside 0..7 nothing is zoomed nor drawn.
  if (!vueValide()) return;
  const int vue = TvkDlg.numeroVue;
  host::views::zoom(vue, vue, cible, 1.0);
  host::views::update(vue);

  const double bras = host::masterToUor(actif, kDemiBrasCroix);
  const std::vector<host::Point3d> croix = {{cible.x - bras, cible.y, cible.z}, {cible.x + bras, cible.y, cible.z},
                                            cible,
                                            {cible.x, cible.y - bras, cible.z}, {cible.x, cible.y + bras, cible.z}};
  host::ElementHandle element;
  if (stbElem_creerLigneBrisee(element, nullptr, actif, croix, false) != 0) return;
  versymbologie symbologie;
  symbologie.couleur = 5;
  symbologie.epaisseur = 0;
  symbologie.style = 0;
  stbElem_appliquerSymbologie(element, symbologie, actif);
  if (const host::Element* e = element.element())
    marqueurCoordonnees = host::transients::addElement(nullptr, *e, host::transients::drawNormal, 1u << vue);
}

}  // namespace

std::int32_t coord_ligneModele() {
  std::wstring nom;
  stbProj_nomSysteme(nom, host::activeModel(), L"");
  if (nom.empty()) return -1;
  return proj_indiceParCle(appTolvek.projections, nom);
}

std::int32_t coord_reprojeter(std::vector<host::Point3d>& points, const verprojection& source,
                              const verprojection& cible) {
  constexpr std::int32_t kEchec = 0x8000;
  // How far a point reprojected there and back may land from where it was, in master units of
  // its system: a centimetre, or a ten-millionth of a degree (about a centimetre too).
  constexpr double kEcartProjete = 1e-2;
  constexpr double kEcartDegres = 1e-7;
  try {
    const host::ModelRef actif = host::activeModel();
    std::vector<host::Point3d> aller = points;
    if (stbProj_reprojeter(aller, source, cible, actif) != 0) return kEchec;
    std::vector<host::Point3d> retour = aller;
    if (stbProj_reprojeter(retour, cible, source, actif) != 0) return kEchec;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (!aller[i].isFinite()) return kEchec;
      const double x = host::uorToMaster(actif, aller[i].x), y = host::uorToMaster(actif, aller[i].y);
      if (cible.type == kTypeGeographique && !(std::abs(x) <= 180.0 && std::abs(y) <= 90.0)) return kEchec;
      const double dx = host::uorToMaster(actif, retour[i].x - points[i].x);
      const double dy = host::uorToMaster(actif, retour[i].y - points[i].y);
      if (source.type == kTypeGeographique) {
        // Longitudes a turn apart are one; at a pole every longitude is.
        const double dLongitude = std::remainder(dx, 360.0);
        const double latitude = host::uorToMaster(actif, points[i].y) * (std::numbers::pi / 180.0);
        if (!(std::abs(dy) <= kEcartDegres && std::abs(dLongitude * std::cos(latitude)) <= kEcartDegres)) return kEchec;
      } else if (!(std::abs(dx) <= kEcartProjete && std::abs(dy) <= kEcartProjete)) {
        return kEchec;
      }
    }
    points = std::move(aller);
    return 0;
  } catch (...) {
    return kEchec;
  }
}

void coord_signalerConversionImpossible() {
  stbMsg_afficher(7, L"", L"Op\u00e9ration impossible car les coordonn\u00e9es ne peuvent \u00eatre converties.");
}

void cmd_ouvrirCoordonnees(const wchar_t* /*argument*/) {
  try {
    d::open(kDialogue);
  } catch (...) {
  }
}

void coord_hookDialogue(d::DialogMessage* message) {
  message->msgUnderstood = true;
  if (message->messageType != d::msgDestroy) {
    message->msgUnderstood = false;
    return;
  }
  libererMarqueur();
}

void coord_hookMenu(d::ItemMessage* message) {
  message->msgUnderstood = true;
  if (message->messageType != d::msgItemButton) {
    message->msgUnderstood = false;
    return;
  }
  try {
    const int entree = message->item ? message->item->menuSelection : message->menuValue;
    if (entree == 1) {
      modeCopie = 1;
      coord_demarrerOutil(coord_copierPoint, coord_outilPoint, 10, 11);
    } else if (entree == 2) {
      pointsCoordonnees.clear();
      modeCopie = 2;
      coord_demarrerOutil(coord_premierPointPolygone, coord_outilPolygone, 12, 13);
    }
  } catch (...) {
  }
}

void coord_hookProjection(d::ItemMessage* message) {
  message->msgUnderstood = true;
  try {
    switch (message->messageType) {
      case d::msgItemCreate:
        creerListe(message);
        break;
      case d::msgItemDestroy: {
        d::ListModel* liste = message->item ? message->item->model : nullptr;
        d::setListModel(message->item, nullptr);
        d::destroyListModel(liste);
        break;
      }
      case d::msgItemSynchronize:
      case d::msgItemValueChanged:
      case d::msgItemInit:
        changerProjection(message);
        break;
      default:
        message->msgUnderstood = false;
    }
  } catch (...) {
  }
}

void coord_collerPressePapier(d::ItemMessage* message) {
  message->msgUnderstood = true;
  if (message->messageType != d::msgItemActivate) {
    message->msgUnderstood = false;
    return;
  }
  // While a copy tool picks, the paste works on a list of its own: the tool's points are put
  // back as they were, whatever the paste read.
  std::vector<host::Point3d> pointsOutil;
  bool misDeCote = false;
  try {
    if (coord_outilEnCours()) {
      pointsOutil = pointsCoordonnees;
      misDeCote = true;
    }
    coller(message);
  } catch (...) {
  }
  if (misDeCote) pointsCoordonnees.swap(pointsOutil);
}

void coord_allerPoint(d::ItemMessage* message) {
  message->msgUnderstood = true;
  if (message->messageType != d::msgItemActivate) {
    message->msgUnderstood = false;
    return;
  }
  try {
    allerPoint();
  } catch (...) {
  }
}
