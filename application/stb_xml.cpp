#include "application/stb_xml.h"

#include <exception>

#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;

constexpr int kTypeDebut = 1;
constexpr int kTypeFin = 2;
constexpr int kTypeTexte = 3;
constexpr int kTypeVide = 4;

// A UTF-8 byte-order mark as a file read in ISO 8859-1 gives it: "ï»¿".
const std::wstring kMarqueOrdre = L"\u00ef\u00bb\u00bf";

// White space of the "C" locale once line breaks are dropped; the process's locale is never
// consulted.
const wchar_t* const kBlancs = L" \t\v\f";

// The characters the tokenizer acts on; every other one goes into the token.
const std::wstring kSpeciaux(L"<>\r\n");

void rogner(std::wstring& texte) {
  const std::size_t debut = texte.find_first_not_of(kBlancs);
  if (debut == std::wstring::npos) {
    texte.clear();
    return;
  }
  texte.erase(texte.find_last_not_of(kBlancs) + 1);
  texte.erase(0, debut);
}

// A text may hold millions of character references: the message list hears of them once a load.
void signalerReference(StbXml& document) {
  if (document.referenceSignalee) return;
  document.referenceSignalee = true;
  stbMsg_afficher(4, L"", L"Erreur de lecture dans StbXml");
}

void typer(StbXmlJeton& jeton) {
  if (!jeton.estBalise) {
    jeton.type = kTypeTexte;
  } else if (!jeton.texte.empty() && jeton.texte.front() == L'/') {
    jeton.type = kTypeFin;
    jeton.texte.erase(0, 1);
  } else if (!jeton.texte.empty() && jeton.texte.back() == L'/') {
    jeton.type = kTypeVide;
    jeton.texte.pop_back();
  } else {
    jeton.type = kTypeDebut;
  }
}

}  // namespace

std::int32_t StbXml::charger(StbXml& document, const std::vector<std::wstring>& lignes) {
  try {
    std::vector<std::wstring> duFichier;
    if (lignes.empty()) {
      if (document.chemin.empty() || !stbFichier_existe(document.chemin)) return kEchec;
      stbFichier_lireLignes(duFichier, document.chemin);
      if (duFichier.empty()) {
        stbMsg_afficher(-1, L"", stbStr_toString(L"Impossible d'ouvrir le fichier %s.", document.chemin));
        return kEchec;
      }
    }
    const std::vector<std::wstring>& source = lignes.empty() ? duFichier : lignes;

    document.noeuds.clear();
    document.niveau = -1;
    document.referenceSignalee = false;
    StbXmlJeton jeton;
    lireJeton(jeton, source);
    while (!jeton.erreur && traiterJeton(document, jeton) == 0) {
      if (jeton.fin) {
        lierNoeuds(document);
        return 0;
      }
      lireJeton(jeton, source);
    }
    stbMsg_afficher(-1, L"", stbStr_toString(L"Erreur lors de la lecture du fichier XML - Ligne %d", jeton.numeroLigne));
  } catch (const std::exception&) {
    // A text too large for memory is refused like any other.
  }
  return kEchec;
}

std::int32_t StbXml::chercherNoeud(const std::wstring& nom, const StbXml& document) {
  for (std::size_t i = 0; i < document.noeuds.size(); ++i)
    if (stbStr_comparer(document.noeuds[i].nom, nom, false) == 0) return static_cast<std::int32_t>(i);
  return -1;
}

std::int32_t StbXml::chercherAttribut(const std::wstring& nom, const StbXmlNoeud& noeud) {
  for (std::size_t i = 0; i < noeud.attributs.size(); ++i)
    if (stbStr_comparer(noeud.attributs[i].nom, nom, false) == 0) return static_cast<std::int32_t>(i);
  return -1;
}

void StbXml::lireJeton(StbXmlJeton& jeton, const std::vector<std::wstring>& lignes) {
  jeton.erreur = false;
  jeton.type = 0;
  jeton.texte.clear();
  jeton.estBalise = jeton.dansBalise;
  for (;;) {
    if (jeton.colonne < 0) {
      if (static_cast<std::size_t>(jeton.numeroLigne) >= lignes.size()) {
        jeton.fin = true;
        // An unclosed tag, or anything after the last ">" (blanks included), is an error.
        if (jeton.dansBalise || !jeton.texte.empty()) {
          jeton.erreur = true;
        } else {
          jeton.type = kTypeTexte;
        }
        return;
      }
      jeton.ligne = lignes[static_cast<std::size_t>(jeton.numeroLigne)];
      ++jeton.numeroLigne;
      jeton.colonne = 0;
      if (jeton.numeroLigne == 1 && jeton.ligne.compare(0, kMarqueOrdre.size(), kMarqueOrdre) == 0)
        jeton.ligne.erase(0, kMarqueOrdre.size());
    }
    if (static_cast<std::size_t>(jeton.colonne) >= jeton.ligne.size()) {
      jeton.colonne = -1;
      continue;
    }
    // Ordinary characters are taken in one run, up to the next one that matters.
    const auto debut = static_cast<std::size_t>(jeton.colonne);
    std::size_t p = jeton.ligne.find_first_of(kSpeciaux, debut);
    if (p == std::wstring::npos) p = jeton.ligne.size();
    jeton.texte.append(jeton.ligne, debut, p - debut);
    jeton.colonne = static_cast<std::int32_t>(p);
    if (p == jeton.ligne.size()) continue;
    const wchar_t c = jeton.ligne[p];
    if (c == L'<') {
      if (jeton.dansBalise) {
        jeton.erreur = true;
        return;
      }
      jeton.dansBalise = true;
      ++jeton.colonne;
      if (!jeton.texte.empty()) break;  // the text before the tag is the token
      jeton.estBalise = true;
      continue;
    }
    if (c == L'>') {
      if (!jeton.dansBalise || jeton.texte.empty()) {  // outside a tag, or "<>"
        jeton.erreur = true;
        return;
      }
      jeton.dansBalise = false;
      ++jeton.colonne;
      break;
    }
    ++jeton.colonne;  // CR and LF are dropped
  }
  typer(jeton);
}

std::int32_t StbXml::traiterJeton(StbXml& document, const StbXmlJeton& jeton) {
  if (jeton.type == kTypeFin) {
    if (jeton.texte.empty() || document.niveau < 0) return kEchec;
    const StbXmlNoeud& ouvert = document.noeuds[static_cast<std::size_t>(document.pile[static_cast<std::size_t>(document.niveau)])];
    if (stbStr_comparer(jeton.texte, ouvert.nom, true) != 0) return kEchec;
    --document.niveau;
    return 0;
  }
  if (jeton.type == kTypeTexte) {
    std::wstring texte = jeton.texte;
    rogner(texte);
    if (texte.empty()) return 0;
    if (document.niveau < 0) return kEchec;
    StbXmlNoeud& ouvert = document.noeuds[static_cast<std::size_t>(document.pile[static_cast<std::size_t>(document.niveau)])];
    if (!ouvert.texte.empty()) return kEchec;  // one text per element
    const bool reference = decoderEntites(texte);
    ouvert.texte = std::move(texte);
    if (reference) signalerReference(document);
    return 0;
  }
  if (jeton.type != kTypeDebut && jeton.type != kTypeVide) return kEchec;
  if (jeton.texte.empty()) return kEchec;
  if (stbStr_commencePar(jeton.texte, L"?xml", true) || stbStr_commencePar(jeton.texte, L"!--", true)) return 0;
  // One more open element than the chain holds would be written past it.
  if (document.niveau + 1 >= static_cast<std::int32_t>(kProfondeurMax)) return kEchec;

  const auto indice = static_cast<std::int32_t>(document.noeuds.size());
  document.noeuds.emplace_back();
  ++document.niveau;
  document.pile[static_cast<std::size_t>(document.niveau)] = indice;
  StbXmlNoeud& noeud = document.noeuds.back();
  bool reference = false;
  const std::int32_t lu = lireAttributs(noeud, jeton.texte, reference);
  if (reference) signalerReference(document);
  if (lu != 0) return kEchec;
  noeud.niveau = document.niveau;
  if (document.niveau > 0) {
    noeud.parent = document.pile[static_cast<std::size_t>(document.niveau - 1)];
    const StbXmlNoeud& parent = document.noeuds[static_cast<std::size_t>(noeud.parent)];
    noeud.cle = parent.cle.empty() ? parent.nom : parent.cle + L"|" + parent.nom;
  }
  if (jeton.type == kTypeVide) --document.niveau;
  return 0;
}

std::int32_t StbXml::lireAttributs(StbXmlNoeud& noeud, const std::wstring& balise, bool& reference) {
  const std::size_t blanc = balise.find(L' ');
  noeud.nom = balise.substr(0, blanc);
  if (noeud.nom.empty()) return kEchec;
  if (blanc == std::wstring::npos) return 0;

  std::wstring nom, valeur;
  bool egal = false, dansValeur = false;
  for (std::size_t i = blanc + 1; i < balise.size(); ++i) {
    const wchar_t c = balise[i];
    if (dansValeur) {
      if (c != L'"') {
        valeur += c;
        continue;
      }
      if (nom.empty()) return kEchec;
      if (decoderEntites(valeur)) reference = true;
      noeud.attributs.push_back({std::move(nom), std::move(valeur)});
      nom.clear();
      valeur.clear();
      egal = dansValeur = false;
    } else if (c == L'=') {
      if (egal) return kEchec;
      egal = true;
    } else if (c == L'"') {
      dansValeur = true;
    } else if (c != L' ') {
      // Single quotes are ordinary characters: a value in them is never read.
      nom += c;
    }
  }
  // A name without a value, or a value left open, is dropped.
  return 0;
}

bool StbXml::decoderEntites(std::wstring& texte) {
  std::wstring sortie, entite;
  sortie.reserve(texte.size());
  bool dansEntite = false, reference = false;
  for (const wchar_t c : texte) {
    if (c == L'&') {
      dansEntite = true;  // a second "&" restarts the name
      entite.clear();
    } else if (!dansEntite) {
      sortie += c;
    } else if (c != L';') {
      entite += c;
    } else {
      dansEntite = false;
      if (entite == L"amp") sortie += L'&';
      else if (entite == L"lt") sortie += L'<';
      else if (entite == L"gt") sortie += L'>';
      else if (entite == L"quot") sortie += L'"';
      else if (entite == L"apos") sortie += L'\'';
      else if (!entite.empty() && entite.front() == L'#') reference = true;
    }
  }
  texte = std::move(sortie);
  return reference;
}

void StbXml::lierNoeuds(StbXml& document) {
  auto& noeuds = document.noeuds;
  if (noeuds.empty()) return;
  if (noeuds.front().niveau < 0) noeuds.front().niveau = 0;
  // A parent always comes before its children: one walk in order gives each parent its
  // children in document order, the parent's depth already set.
  for (std::size_t i = 0; i < noeuds.size(); ++i) {
    const std::int32_t parent = noeuds[i].parent;
    if (parent < 0) continue;
    StbXmlNoeud& p = noeuds[static_cast<std::size_t>(parent)];
    if (noeuds[i].niveau < 0) noeuds[i].niveau = p.niveau + 1;
    p.enfants.push_back(static_cast<std::int32_t>(i));
  }
}
