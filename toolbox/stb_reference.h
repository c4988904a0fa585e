#pragma once
// Reference attachments of the active model that the application makes and removes by the
// prefix of their logical names.
#include <string>

#include "host/model_ref.h"

// Detaches from the active model every direct reference whose logical name starts with the
// prefix, ignoring case; an empty prefix detaches them all. Skipped references count too. The
// references are collected first and detached afterwards, in attachment order. Nothing to
// detach (no active model, no reference) is no failure; never throws.
void stbDgn_detacherReferences(const std::wstring& prefixe);

// The first attachment of the parent model, in attachment order, whose file and model are both
// there and which meets every criterion given (an empty criterion is not tested): full file path
// equal, model name equal, logical name starting with the prefix, all without regard to case.
// 0 and `attachement` set (when not null), or 0x8000 when none.
int stbDgn_chercherAttachement(host::ModelRef* attachement, const std::wstring& cheminFichier,
                               const std::wstring& nomModele, const std::wstring& prefixe, host::ModelRef parent);

// Attaches a model of a file (empty name: its default model) to the parent model under the
// logical name prefix + file stem + extension without the dot, placed by `transformation`. The
// reference, or no model when it cannot be made (a missing file or model is no attachment).
host::ModelRef stbDgn_attacherFichier(const std::wstring& chemin, const std::wstring& nomModele,
                                      const std::wstring& prefixe, const host::Transform& transformation,
                                      host::ModelRef parent);

// Attaches a model of a file (empty name: its default model) to the parent model under the
// logical name prefix + file stem + extension without the dot, with its locate and snap locks on.
// An attachment already there (same file, model and prefix) is handed back as it is. 0 and
// `attachement` set (when not null); 0x8000 when the attachment cannot be created (the file or
// the model is missing: nothing stays attached); the host's status when it cannot be written.
// The reason of a failure is built for the message output but not shown.
int stbDgn_attacherModele(host::ModelRef* attachement, const std::wstring& cheminFichier,
                          const std::wstring& nomModele, const std::wstring& prefixe,
                          const std::wstring& description, host::ModelRef parent);

// The logical name of a reference; empty for a model that is not a reference or a skipped one.
const std::wstring& stbDgn_nomLogique(std::wstring& nom, host::ModelRef modele);
