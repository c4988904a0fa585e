#include "toolbox/stb_reference.h"

#include <vector>

#include "host/model_ref.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

// The host hands logical names out in buffers of this many characters.
constexpr std::size_t kLongueurNomLogique = 1024;
constexpr int kEchec = 0x8000;

std::wstring nomLogiqueDe(const host::ReferenceAttachment& a) { return a.logicalName.substr(0, kLongueurNomLogique); }

// The file of an attachment is compared as attached and as the host resolved it: a plan attached
// as "LIVRE/P0123.FP2" whose file is "livre/p0123.fp2" is the same file either way.
bool memeFichier(host::ModelRef r, const host::ReferenceAttachment& a, const std::wstring& chemin) {
  return stbStr_comparer(a.fileName.substr(0, kLongueurNomLogique), chemin, false) == 0 ||
         stbStr_comparer(host::fileName(r), chemin, false) == 0;
}

bool memeModele(host::ModelRef r, const host::ReferenceAttachment& a, const std::wstring& nomModele) {
  const std::wstring nom = a.modelName.empty() ? host::modelName(r) : a.modelName.substr(0, kLongueurNomLogique);
  return stbStr_comparer(nom, nomModele, false) == 0;
}

}  // namespace

void stbDgn_detacherReferences(const std::wstring& prefixe) {
  try {
    std::vector<host::ModelRef> aDetacher;
    for (host::ModelRef r : host::references(host::activeModel())) {
      const host::ReferenceAttachment* a = host::attachment(r);
      if (!a) continue;
      if (stbStr_commencePar(nomLogiqueDe(*a), prefixe, false)) aDetacher.push_back(r);
    }
    for (host::ModelRef r : aDetacher) host::detachReference(r);
  } catch (...) {
  }
}

int stbDgn_chercherAttachement(host::ModelRef* attachement, const std::wstring& cheminFichier,
                               const std::wstring& nomModele, const std::wstring& prefixe, host::ModelRef parent) {
  try {
    for (host::ModelRef r : host::references(parent)) {
      const host::ReferenceAttachment* a = host::attachment(r);
      // A skipped reference, or one whose file or model is missing, is passed over.
      if (!a || a->skip || !host::isValid(r)) continue;
      if (!cheminFichier.empty() && !memeFichier(r, *a, cheminFichier)) continue;
      if (!nomModele.empty() && !memeModele(r, *a, nomModele)) continue;
      if (!prefixe.empty() && !stbStr_commencePar(nomLogiqueDe(*a), prefixe, false)) continue;
      if (attachement) *attachement = r;
      return 0;
    }
  } catch (...) {
  }
  return kEchec;
}

host::ModelRef stbDgn_attacherFichier(const std::wstring& chemin, const std::wstring& nomModele,
                                      const std::wstring& prefixe, const host::Transform& transformation,
                                      host::ModelRef parent) {
  try {
    std::wstring tige, extension;
    stbFichier_nomSansExtension(tige, chemin);
    stbFichier_extension(extension, chemin);
    host::ReferenceAttachment a;
    a.logicalName = prefixe + tige + extension;
    a.fileName = chemin;
    a.modelName = nomModele;
    a.transform = transformation;
    // The host writes the attachment into the parent's file as it attaches it.
    const host::ModelRef r = host::attachReference(parent, a);
    if (r && host::isValid(r)) return r;
    // The host attaches a missing file or model as an empty reference: that is no attachment.
    if (r) host::detachReference(r);
  } catch (...) {
  }
  return host::ModelRef{};
}

int stbDgn_attacherModele(host::ModelRef* attachement, const std::wstring& cheminFichier,
                          const std::wstring& nomModele, const std::wstring& prefixe,
                          const std::wstring& description, host::ModelRef parent) {
  (void)description;  // the stand-in host keeps no description on an attachment
  try {
    host::ModelRef trouve;
    if (stbDgn_chercherAttachement(&trouve, cheminFichier, nomModele, prefixe, parent) == 0) {
      if (attachement) *attachement = trouve;
      return 0;
    }
    const host::ModelRef r = stbDgn_attacherFichier(cheminFichier, nomModele, prefixe, host::Transform::identity(), parent);
    if (!r) {
      const std::wstring message =
          nomModele.empty()
              ? stbStr_toString(L"Impossible d'attacher le mod\u00e8le par d\u00e9faut du fichier %s.", cheminFichier)
              : stbStr_toString(L"Impossible d'attacher le mod\u00e8le %s du fichier %s.", nomModele, cheminFichier);
      stbMsg_afficher(-1, L"", message);
      return kEchec;
    }
    if (attachement) *attachement = r;
    return 0;
  } catch (...) {
    return kEchec;
  }
}

const std::wstring& stbDgn_nomLogique(std::wstring& nom, host::ModelRef modele) {
  nom.clear();
  try {
    const host::ReferenceAttachment* a = host::attachment(modele);
    if (a && !a->skip) nom = nomLogiqueDe(*a);
  } catch (...) {
    nom.clear();
  }
  return nom;
}
