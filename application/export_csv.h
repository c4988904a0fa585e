#pragma once
// The folder-wide exports of the summary's menu: every error and every comparison record of the
// folder's plans, as the application holds them, in two CSV files of the Rapport directory. A
// record is one line in the form of the plans' own reports (engine/rapport.h): a ";", a carriage
// return or a line feed inside a text field never shifts the columns or splits the record.
#include "engine/halvorn.h"

// Writes "<folder>_Erreurs_<stamp>.csv" and "<folder>_Compare_<stamp>.csv" in the folder's
// Rapport directory, the stamp "%Y%m%d-%H%M%S" taken once from the host's clock: an export in
// the same second replaces the files of the previous one. Each file that cannot be written is
// named in the message list; the closing message box only follows when both were written.
// The folder record is only read.
void rapport_exporterCsv(const verdossier& dossier);
