#pragma once
// The engine's folder record, rebuilt from a verdossier at the start of every exported operation
// and dropped at its end. Internal to the library. Directory paths end with the separator.
#include <string>
#include <vector>

#include "engine/verdeptproj.h"
#include "engine/verplaninfo.h"
#include "engine/verprojection.h"

struct vercontexte {
  std::wstring nom;
  bool initialise = false;
  std::wstring repertoire;
  std::wstring repLivre;
  std::wstring repOrigine;
  std::wstring repRapport;
  std::wstring repErreur;
  std::wstring repComparaison;
  std::wstring repTemp;            // work copies of previous versions, the footprint drawing
  std::wstring repParametres;
  std::wstring fichierEmprises;
  std::wstring fichierBilan;
  std::wstring fichierPrototype;   // "Prototype.dgn" in the parameter folder
  std::vector<verplaninfo> planInfos;  // one per plan
  verprojection projectionDossier;
  std::wstring fichierProjections;  // "Emprise_Projection.ini"
  std::wstring fichierDeptProj;     // "Emprise_Dept_Proj.ini"
  std::wstring fichierPrefixes;     // "Prefixe_Texte_Valide.ini"
  std::wstring fichierSignature;    // Origine's "Signature/Signature.json"
  std::vector<verprojection> projections;
  std::vector<verdeptproj> deptProjections;
  std::vector<std::wstring> prefixesTexte;  // text prefixes exempt from the text-symbology check
};
