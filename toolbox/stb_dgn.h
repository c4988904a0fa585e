#pragma once
// Models of the host: opening plan files as work files and closing them, scanning a model,
// a model's range, reference attachments, file and model names, and the scan range around a
// point. A model is the host's model handle (none: a null handle); an element reference is the
// host's 64-bit element id. Failures are results (0x8000, empty outputs); no message, no throw.
#include <cstdint>
#include <string>
#include <vector>

#include "host/design_file.h"
#include "host/model_ref.h"

// Opens a plan file as a work file of the host, or gives the active model when the path is the
// active file's (compared without case; nothing is opened then). The file must be a design file
// of format 1 to 4. Without lectureSeuleAcceptee a read-only file is refused (and not left
// open). 0 or 0x8000; each output is optional; `inutilise` is not read. The caller closes the
// model with stbDgn_fermerFichier.
int stbDgn_ouvrirFichier(host::ModelRef* modele, std::uint32_t* format, bool* est3d, const std::wstring& chemin,
                         const std::wstring& inutilise, bool lectureSeuleAcceptee);

// Closes a work file; the active model is never closed (0). 0 or 0x8000 (none, not a work file).
int stbDgn_fermerFichier(host::ModelRef modele);

// True when the handle is open and its model found.
bool stbDgn_modeleValide(host::ModelRef modele);

// The elements of the model that pass the criteria, in file order; emptied first, and left empty
// for an invalid model. The caller owns the criteria.
void stbDgn_scanner(std::vector<host::ElementId>& elements, host::ScanCriteria& criteres, host::ModelRef modele);

// The drawn elements of graphic group `groupe` of the model, in file order; emptied first, and
// left empty for an invalid model.
void stbDgn_elementsDuGroupe(std::vector<host::ElementId>& elements, std::uint32_t groupe, host::ModelRef modele);

// The range (UORs) of the drawn elements of the model: 0, or 0x8000 (range empty) when there is none.
int stbDgn_etendueModele(host::Range3d& etendue, host::ModelRef modele);

// The first direct reference of the parent, not skipped and with its file and model there,
// whose file name and model name equal those given and whose logical name starts with the prefix
// (all without case; an empty criterion holds always): 0, or 0x8000 when none. The same look-up
// as stbDgn_chercherAttachement (stb_reference.h), with a reference to fill.
int stbDgn_trouverReference(host::ModelRef& reference, const std::wstring& nomFichier, const std::wstring& nomModele,
                            const std::wstring& prefixeNomLogique, host::ModelRef parent);

// The file name of a model (its design file's path) or of a reference (as attached); empty for a
// skipped reference or a model without file.
const std::wstring& stbDgn_nomFichier(std::wstring& nom, host::ModelRef modele);

// The model's name; empty for a skipped reference.
const std::wstring& stbDgn_nomModele(std::wstring& nom, host::ModelRef modele);

// The scan range around a point: the point at z 0, grown by the tolerance (UORs) every way.
const host::Range3d& stbGeom_plageAutourPoint(host::Range3d& plage, const host::Point3d& point, double tolerance);
