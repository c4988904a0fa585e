#pragma once
// Wide strings: formatting, comparison, search, splitting, text to numbers and file masks.
// Case-insensitive operations fold ASCII and Latin-1 letters; numbers use "." and no grouping,
// whatever the process locale. No operation throws.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <boost/format.hpp>

namespace stb_detail {
// Posts the formatting failure to the host's message centre.
void signalerErreurFormatage() noexcept;
}  // namespace stb_detail

// A printf-like wide format over Boost.Format: "%s", "%d", "%c", "%0.3f"... each argument is
// streamed. When the format does not fit the arguments the result is empty and
// "Erreur de formatage stbStr_toString" goes to the message centre.
template <typename... Args>
std::wstring stbStr_toString(const std::wstring& format, const Args&... args) {
  std::wstring resultat;
  try {
    // The "C" locale: "." as the decimal point and no digit grouping, whatever the process's.
    boost::wformat f(format, std::locale::classic());
    ((void)(f % args), ...);
    resultat = f.str();
  } catch (...) {
    resultat.clear();
    stb_detail::signalerErreurFormatage();
  }
  return resultat;
}

// Cuts text at the first occurrence of separator (case-sensitive): 0, or 0x8000 when absent
// (then gauche is the whole text and droite empty).
int stbStr_separer(std::wstring& gauche, std::wstring& droite, const std::wstring& texte,
                   const std::wstring& separateur);

bool stbStr_commencePar(const std::wstring& texte, const std::wstring& prefixe, bool sensibleCasse);

// -1, 0 or 1; with case by UTF-16 code unit, a proper prefix sorting first.
int stbStr_comparer(const std::wstring& a, const std::wstring& b, bool sensibleCasse);

// Index of the first occurrence of quoi, or -1; an empty quoi is found at 0.
int stbStr_chercher(const std::wstring& texte, const std::wstring& quoi, bool sensibleCasse);

// Replaces the first occurrence of quoi, found without case: 0, or 0x8000 when absent.
int stbStr_remplacerPremier(std::wstring& texte, const std::wstring& quoi, const std::wstring& remplacement);

// Narrow text (ISO 8859-1) to wide, up to its first null character.
const std::wstring& stbStr_versLarge(std::wstring& sortie, const std::string& texte);

void stbStr_majuscules(std::wstring& texte);

// Reads the run of decimal digits of `texte` that starts at `position` and moves `position` past
// it: false, `position` unchanged, when no digit stands there or the number exceeds `maximum`.
// The one digit reader of the lenient and the strict integer readings.
bool stbStr_lireChiffres(std::uint64_t& valeur, const std::wstring& texte, std::size_t& position, std::uint64_t maximum);

// Base 10, leading white space skipped, optional sign, the rest ignored; 0 when there is no
// digit or the value does not fit 32 bits.
int stbStr_versEntier(const std::wstring& texte);

// Decimal number with "." and an optional exponent, the rest ignored; 0.0 when there is no
// number or it is out of range.
double stbStr_versReel(const std::wstring& texte);

// Cleared first. A one-character separator cuts at each occurrence; a longer one at any of its
// characters; empty fields are kept (n cuts give n+1 fields); an empty separator gives the text.
void stbStr_decouper(std::vector<std::wstring>& sortie, const std::wstring& texte, const std::wstring& separateur);

// Splits at carriage returns (the lines of a multi-line text).
void stbStr_decouperLignes(std::vector<std::wstring>& sortie, const std::wstring& texte);

// A field of a ";"-separated text file as it stands in the file, so that a value written and a
// value looked up take one form: ";" becomes ",", CR and LF a space, a character above U+00FF
// (which the files' one-byte encoding cannot hold) "_".
std::wstring stbStr_champCsv(const std::wstring& texte);

// The text before the first ";" (the whole text when there is none).
const std::wstring& stbStr_avantPointVirgule(std::wstring& sortie, const std::wstring& texte);

// Index of the first entry equal to texte, or -1.
int stbStr_indiceDansListe(const std::vector<std::wstring>& liste, const std::wstring& texte, bool sensibleCasse);

// A file mask ("*.dgn", "P?.csv") as a regular expression to match whole names; braces are left
// as they are.
const std::wstring& stbStr_masqueVersRegex(std::wstring& sortie, const std::wstring& masque);

// One narrow character per wide character, keeping its low byte (no code-page conversion: a
// character above U+00FF comes out as an unrelated byte).
std::string stbStr_versEtroit(const std::wstring& texte);
