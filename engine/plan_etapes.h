#pragma once
// The stages of a plan's verification that the driver calls and whose checks live elsewhere:
// each is one call at its place in the driver's order.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"
#include "engine/verplaninfo.h"

// Required levels: a one-file plan's file, or the existing FP2, EL2 and AR2 files with their
// roles. Runs before any file is opened; its findings stop the plan.
void etape_niveauxRequis(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// The signature of the previous version in the Origine directory: sets `statuts`[2] (one-file
// plan) or [3] to [5] (FP2, EL2, AR2), following the flags.
void etape_signature(verplan& plan, const vercontexte& contexte, drapeauxVerification drapeaux);

// Frame, title-block and identification-cell checks on the open files: non-zero stops the plan.
std::int32_t etape_cartouche(std::vector<vererreur>& erreurs, vercontexte& contexte, verplanfichiers& fichiers);

// The network dates of one title block or identification cell (the cell `idCellule` of
// `fichier`) against the networks drawn in the plan record's network set over the whole plan:
// each (network label, date text) pair, in order, through the network-date rule with that
// network's length less its abandoned part.
void etape_datesReseaux(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                        const verplaninfo& plan, const std::vector<std::pair<std::wstring, std::wstring>>& dates);

// Drawing rules of the plan's standard, file by file: builds each file's element table.
void etape_elements(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// Useful area and element classes over the file set.
void etape_zoneUtile(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// Node cells of the electricity file lying on the plan's limit.
void etape_noeudsSurLimite(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// Texts without any significant character, on each existing file in slot order.
void etape_textesVides(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// PTR groups: pass 1 before the comparison, pass 2 as the last network check.
void etape_groupesPTRL(std::vector<vererreur>& erreurs, verplanfichiers& fichiers, std::int32_t passe);

// Comparison with the previous version, appended to `ecarts`.
void etape_comparaison(std::vector<verecart>& ecarts, verplanfichiers& fichiers, vercontexte& contexte);

// Insets of the plan: the network file's elements inside one leave the network checks.
void etape_encarts(verplaninfo& plan, verfichier& reseau);

// Cable topology of the network file.
void etape_topologieCables(std::vector<vererreur>& erreurs, std::vector<verecart>& ecarts, vercontexte& contexte,
                           verplaninfo& plan, verfichier& reseau);

// Cell scales and texts with the plan's scale class.
void etape_echellesEtTextes(std::vector<vererreur>& erreurs, verplanfichiers& fichiers);

// Graphic groups with their flags, and the flag texts against their symbology.
void etape_groupesGraphiques(std::vector<vererreur>& erreurs, vercontexte& contexte, verplaninfo& plan,
                             verfichier& reseau);

// The host's LevelAudit run on a plan file: 0, or 0x8000 when it reports several main level
// tables; -1 when the run could not be made or its log not read back.
std::int32_t etape_levelAudit(const std::wstring& cheminFichier);

// The four-character title-block code of a plan (verif_actualiserCartouche, once its arguments
// pass): 0 with the code, or 0x8000 with `code` empty.
std::int32_t etape_quadrigramme(std::wstring& code, verdossier& dossier, verplan& plan, drapeauxVerification drapeaux);
