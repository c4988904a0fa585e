#pragma once
// Files and paths. Paths are wide strings; "/" and "\" both separate, composition inserts "/".
// A path that reaches an existing file or folder is resolved without regard to case; a file to
// be written replaces (or extends) the existing file found that way, else goes into its folder
// resolved the same way, under the name given. Text files are
// one byte per character (ISO 8859-1), lines end with "\n" and a final "\r" is dropped on
// reading. Failures are results (0x8000, false or an empty list); nothing throws. The failure
// messages go to stbMsg_afficher with mode -1 (nothing shown) unless said otherwise.
#include <string>
#include <vector>

// True when the path names an existing regular file.
bool stbFichier_existe(const std::wstring& chemin);

// True when the path names an existing regular file that nobody may write (no write bit): the
// platform's read-only attribute. Such a file is never replaced by the writers below.
bool stbFichier_lectureSeule(const std::wstring& chemin);

// True when the path names an existing directory.
bool stbFichier_dossierExiste(const std::wstring& chemin);

// The path of an existing file or folder as it stands on disk (found without regard to case), so
// that a path written for the user names a file; the path itself when nothing matches.
const std::wstring& stbFichier_cheminSurDisque(std::wstring& sortie, const std::wstring& chemin);

// Creates every missing level: 0, or 0x8000 (also for an empty path).
int stbFichier_creerDossier(const std::wstring& chemin);

// File name with its extension (empty when the path ends with a separator).
const std::wstring& stbFichier_nom(std::wstring& sortie, const std::wstring& chemin);

// Parent folder, stem and extension (without its "."); the extension starts at the name's
// last ".".
void stbFichier_decomposer(std::wstring& dossier, std::wstring& nom, std::wstring& extension,
                           const std::wstring& chemin);

const std::wstring& stbFichier_nomSansExtension(std::wstring& sortie, const std::wstring& chemin);

const std::wstring& stbFichier_extension(std::wstring& sortie, const std::wstring& chemin);

// folder + "/" + name + "." + extension, each piece taken from the model path when its argument
// is empty: the name argument's own extension is used when no extension is given; a folder
// ending with a separator does not get a second one; an empty folder gives no separator.
const std::wstring& stbFichier_composer(std::wstring& sortie, const std::wstring& dossier, const std::wstring& nom,
                                        const std::wstring& extension, const std::wstring& cheminModele);

// The system's temporary directory, or the path of `nom` in it: 0, or 0x8000 with the message
// in the message list.
int stbFichier_cheminTemporaire(std::wstring& sortie, const std::wstring& nom);

// Copies through a temporary file beside the target, renamed over it: the target is replaced
// only by a complete copy. Across file systems, where the system's copy refuses, the bytes are
// read and written. A missing source, a copy onto itself or any failure gives 0x8000 and
// leaves the target as it was; the message goes to stbMsg_afficher in modeMessage.
int stbFichier_copier(const std::wstring& source, const std::wstring& cible, int modeMessage = -1);

// Removes the leftovers of the writers' temporary files (host::paths::isTemporaryName) from a
// folder, left by a run killed between writing and renaming; nothing else. The number removed.
int stbFichier_supprimerProvisoires(const std::wstring& dossier);

// Gives an existing regular file its owner's write bit (the platform's "normal" attributes: the
// read-only attribute cleared), other mode bits kept: 0, or 0x8000 for a missing file, a folder
// or a failure.
int stbFichier_attributsNormaux(const std::wstring& chemin);
// Removes a file (or an empty folder); a missing path is no failure: 0, or 0x8000.
int stbFichier_supprimer(const std::wstring& chemin);

// The regular files of a folder (not recursive) whose whole name matches the mask ("*" and "?";
// an empty mask takes every file), as full paths sorted by upper-cased name. A listed path always
// names the entry listed: an entry whose name cannot be written as such a path (a "\" in it, or
// bytes that read back as another name) is left out. A file-system error
// ends the listing: its text is written to standard output and what was found is returned.
const std::vector<std::wstring>& stbFichier_lister(std::vector<std::wstring>& sortie, const std::wstring& dossier,
                                                   const std::wstring& masque);

// The lines of a text file; empty when the file does not exist.
const std::vector<std::wstring>& stbFichier_lireLignes(std::vector<std::wstring>& sortie, const std::wstring& chemin);

// Writes the lines through a temporary file renamed over the target; characters above U+00FF
// become "_": 0, or 0x8000 and the target as it was (also for a target without any write bit,
// which cannot be opened for writing).
int stbFichier_ecrireLignes(const std::wstring& chemin, const std::vector<std::wstring>& lignes);

// Appends one line, creating the file when missing; characters above U+00FF become "_":
// 0, or 0x8000.
int stbFichier_ajouterLigne(const std::wstring& chemin, const std::wstring& ligne);

// The last-write date ("%d/%m/%Y") and time ("%H:%M:%S"), local time, into the outputs given
// (both cleared first); 0, or 0x8000 when the file does not exist. The third argument is not read.
int stbFichier_dateModification(std::wstring* date, std::wstring* heure, int nonLu, const std::wstring& chemin);
