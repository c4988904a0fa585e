#include "engine/plan_signature.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cwctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>

#include "engine/fixture/plan_fixture.h"
#include "engine/sha256.h"
#include "host/config.h"
#include "host/design_file.h"
#include "host/fixture/signer.h"
#include "host/paths.h"
#include "host/text.h"

namespace fs = boost::filesystem;

namespace {

// The digest of bytes taken in one piece.
std::string hexUnePiece(const std::string& octets) {
  unsigned char d[EVP_MAX_MD_SIZE];
  unsigned int n = 0;
  EVP_Digest(octets.data(), octets.size(), d, &n, EVP_sha256(), nullptr);
  std::string hex;
  static constexpr char c[] = "0123456789abcdef";
  for (unsigned int i = 0; i < n; ++i) (hex += c[d[i] >> 4]) += c[d[i] & 15];
  return hex;
}

std::string hexFlux(const std::string& octets) {
  std::istringstream flux(octets);
  std::string hex;
  EXPECT_EQ(sha256_flux(hex, flux), 0);
  return hex;
}

// A stream that fails (bad) after giving some bytes.
class FluxDefaillant : public std::streambuf {
 protected:
  int_type underflow() override {
    if (donne_) throw std::ios_base::failure("lecture");
    donne_ = true;
    setg(tampon_, tampon_, tampon_ + sizeof tampon_);
    return traits_type::to_int_type(tampon_[0]);
  }

 private:
  char tampon_[16] = "quelques octets";
  bool donne_ = false;
};

}  // namespace

TEST(Sha256, FipsExamplesAndBlockBoundaries) {
  EXPECT_EQ(hexFlux(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(hexFlux("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(hexFlux("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(hexFlux(std::string(1000000, 'a')), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");

  const fs::path dossier = fs::current_path() / "Sha256";
  fs::remove_all(dossier);
  fs::create_directories(dossier);
  for (const std::size_t taille : {std::size_t{0}, tailleBlocSha256 - 1, tailleBlocSha256, tailleBlocSha256 + 1,
                                   3 * tailleBlocSha256 + 17}) {
    SCOPED_TRACE(taille);
    std::string octets(taille, '\0');
    for (std::size_t i = 0; i < taille; ++i) octets[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    const fs::path f = dossier / "donnees.bin";
    std::ofstream(f.string(), std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
    std::string hex;
    ASSERT_EQ(sha256_fichier(hex, host::paths::fromNative(f)), 0);
    EXPECT_EQ(hex, hexUnePiece(octets));
  }
  std::string hex = "x";
  EXPECT_EQ(sha256_fichier(hex, host::paths::fromNative(dossier / "absent.bin")), 0x8000);
  EXPECT_EQ(sha256_fichier(hex, host::paths::fromNative(dossier)), 0x8000);  // a folder
  EXPECT_TRUE(hex.empty());
}

TEST(Sha256, AReadErrorGivesNoDigest) {
  FluxDefaillant tampon;
  std::istream flux(&tampon);
  flux.exceptions(std::ios::goodbit);
  std::string hex = "x";
  EXPECT_EQ(sha256_flux(hex, flux), 0x8000);
  EXPECT_TRUE(hex.empty());
}

class PlanSignature : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    dossier_ = fs::current_path() / "PlanSignature" / test;
    fs::remove_all(dossier_);
    fs::create_directories(dossier_ / "Origine" / "Signature");
    origine_ = host::paths::fromNative(dossier_ / "Origine") + L"/";
    liste_ = origine_ + L"Signature/Signature.json";
  }
  void TearDown() override { host::config::unset(L"BREVANE_MAFILE"); }

  void ecrireListe(const std::vector<std::string>& lignes) const {
    std::ofstream f(host::paths::toNative(liste_).string(), std::ios::binary);
    for (const std::string& l : lignes) f << l << "\n";
  }
  std::string digest(const std::wstring& chemin) const {
    std::string hex;
    EXPECT_EQ(sha256_fichier(hex, chemin), 0);
    return hex;
  }

  fs::path dossier_;
  std::wstring origine_;
  std::wstring liste_;
};

TEST_F(PlanSignature, TheListGivesEachFileItsStatus) {
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), origine_);
  ASSERT_FALSE(plan.empty());
  const std::string d = digest(plan);
  std::string maj = d;
  for (char& c : maj) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::string autre = d;
  autre[0] = autre[0] == '0' ? '1' : '0';
  const std::string cle = "    \"nomFichier\": \"44010450.109\",";
  const auto somme = [](const std::string& v) { return "    \"checksum\": " + v; };
  const struct {
    const char* pourquoi;
    std::vector<std::string> lignes;
    std::int32_t attendu;
  } cas[] = {
      {"right digest", {"{", cle, somme("\"" + d + "\""), "}"}, 0},
      {"upper case", {"{", cle, somme("\"" + maj + "\""), "}"}, 0},
      {"spaces and lower-case name", {"{", "\"nomFichier\" : \"44010450.109\" ,", "\"checksum\" : \"" + d + "\"", "}"}, 0},
      {"another digest", {"{", cle, somme("\"" + autre + "\""), "}"}, 6},
      {"non-hexadecimal", {"{", cle, somme("\"" + std::string(64, 'z') + "\""), "}"}, 6},
      {"no entry", {"{", "\"nomFichier\": \"44010451.109\",", somme("\"" + d + "\""), "}"}, 4},
      {"entry on the last line", {"{", cle}, 4},
      {"next line without colon", {"{", cle, "\"checksum\"", "}"}, 4},
      {"another member", {"{", cle, "\"somme\": \"" + d + "\"", "}"}, 4},
      {"65 characters", {"{", cle, somme("\"" + d.substr(1) + "\""), "}"}, 5},
      {"67 characters", {"{", cle, somme("\"" + d + "0\""), "}"}, 5},
      {"comma after the quote", {"{", cle, somme("\"" + d + "\","), "}"}, 5},
      {"empty", {}, 4},
      {"binary", {std::string("\0\xff\x01:\"", 5)}, 4},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    ecrireListe(c.lignes);
    EXPECT_EQ(verif_verifierChecksumJson(plan, liste_), c.attendu);
    EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureListe, liste_), c.attendu);
  }
  // The name is upper-cased from the path's: a lower-case entry still matches.
  ecrireListe({"{", "\"NOMFICHIER\":\"44010450.109\"", "\"CHECKSUM\":\"" + d + "\"", "}"});
  EXPECT_EQ(verif_verifierChecksumJson(plan, liste_), 0);
  fs::remove(host::paths::toNative(liste_));
  EXPECT_EQ(verif_verifierChecksumJson(plan, liste_), 4);
  EXPECT_EQ(verif_verifierSignatureFichier(origine_ + L"ABSENT.109", modeSignatureListe, liste_), 1);
  fs::create_directories(dossier_ / "Origine" / "DOSSIER.109");
  EXPECT_EQ(verif_verifierSignatureFichier(origine_ + L"DOSSIER.109", modeSignatureListe, liste_), 1);
}

TEST_F(PlanSignature, CutAndMutatedListsGiveAStatus) {
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), origine_);
  ASSERT_FALSE(plan.empty());
  const std::string base = "{\n  \"nomFichier\": \"44010450.109\",\n  \"checksum\": \"" + digest(plan) + "\"\n}\n";
  unsigned graine = 12345;
  for (int i = 0; i < 200; ++i) {
    std::string texte = base.substr(0, (graine = graine * 1103515245u + 12345u) % (base.size() + 1));
    for (int k = 0; k < 3 && !texte.empty(); ++k) {
      graine = graine * 1103515245u + 12345u;
      texte[graine % texte.size()] = static_cast<char>(graine >> 16);
    }
    std::ofstream(host::paths::toNative(liste_).string(), std::ios::binary) << texte;
    const std::int32_t s = verif_verifierChecksumJson(plan, liste_);
    EXPECT_TRUE(s >= -1 && s <= 6) << s;
  }
  // One line of several MiB, without a line end.
  std::ofstream(host::paths::toNative(liste_).string(), std::ios::binary) << std::string(5u << 20, 'a');
  EXPECT_EQ(verif_verifierChecksumJson(plan, liste_), 4);
}

// A list larger than TOLVEK_LISTE_SIGNATURE_MAX_MB is refused unread, as a damaged one (5); the
// same list within the bound gives the file's status.
TEST_F(PlanSignature, AListBeyondItsBoundIsRefusedUnread) {
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), origine_);
  ASSERT_FALSE(plan.empty());
  // Between 1 and 2 MB: other files' entries, then the plan's.
  std::vector<std::string> lignes{"{"};
  for (int i = 0; i < 12000; ++i)
    lignes.insert(lignes.end(), {"  \"nomFichier\": \"AUTRE" + std::to_string(i) + ".109\",",
                                 "  \"checksum\": \"" + std::string(64, '0') + "\","});
  lignes.insert(lignes.end(), {"  \"nomFichier\": \"44010450.109\",", "  \"checksum\": \"" + digest(plan) + "\"", "}"});
  ecrireListe(lignes);
  ASSERT_GT(fs::file_size(host::paths::toNative(liste_)), 1u << 20);
  ASSERT_LT(fs::file_size(host::paths::toNative(liste_)), 2u << 20);
  const struct {
    const wchar_t* borne;  // none: the default
    std::int32_t attendu;
  } cas[] = {{L"1", 5}, {L"2", 0}, {nullptr, 0}};
  for (const auto& c : cas) {
    SCOPED_TRACE(c.borne ? host::text::toUtf8(c.borne) : "default");
    if (c.borne) host::config::set(L"TOLVEK_LISTE_SIGNATURE_MAX_MB", c.borne);
    else host::config::unset(L"TOLVEK_LISTE_SIGNATURE_MAX_MB");
    EXPECT_EQ(verif_verifierChecksumJson(plan, liste_), c.attendu);
  }
}

TEST_F(PlanSignature, TheLibraryResultsAreMapped) {
  host::config::set(L"BREVANE_MAFILE", host::paths::fromNative(fs::path(TEST_SOURCE_DIR) / ".." / ".." / "resources" / "brevane.json"));
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), origine_);
  ASSERT_FALSE(plan.empty());
  const fs::path natif = host::paths::toNative(plan);
  const auto signer = [&](const host::fixture::SignOptions& o) {
    std::optional<host::DesignFile> f = host::DesignFile::load(natif);
    ASSERT_TRUE(f);
    host::fixture::sign(*f, o);
    ASSERT_TRUE(f->save(natif));
  };
  EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureBibliotheque, liste_), 2);  // not signed
  signer({});
  EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureBibliotheque, liste_), 0);
  ASSERT_TRUE(plan_fixture::enregistrer(plan_fixture::planUnique(), origine_) == plan);
  signer(host::fixture::SignOptions().oneMore(91));
  EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureBibliotheque, liste_), 6);
  ASSERT_TRUE(plan_fixture::enregistrer(plan_fixture::planUnique(), origine_) == plan);
  signer(host::fixture::SignOptions().withIdentifier(1));
  EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureBibliotheque, liste_), 4);
  ASSERT_TRUE(plan_fixture::enregistrer(plan_fixture::planUnique(), origine_) == plan);
  signer(host::fixture::SignOptions().cutTo(40));
  EXPECT_EQ(verif_verifierSignatureFichier(plan, modeSignatureBibliotheque, liste_), 5);

  std::ofstream(host::paths::toNative(origine_ + L"TEXTE.109").string()) << "pas un dessin";
  EXPECT_EQ(verif_verifierSignatureFichier(origine_ + L"TEXTE.109", modeSignatureBibliotheque, liste_), -1);
}

TEST_F(PlanSignature, ThePlanTakesItsModeAndSlots) {
  const plan_fixture::PlanTroisFichiers trois = plan_fixture::planTroisFichiers();
  const plan_fixture::CheminsTroisFichiers c = plan_fixture::enregistrer(trois, origine_);
  ASSERT_FALSE(plan_fixture::enregistrer(plan_fixture::planUnique(), origine_).empty());
  fs::remove(host::paths::toNative(c.ar2));
  std::vector<std::string> lignes{"{"};
  const auto entree = [&](const std::wstring& chemin, const std::string& somme) {
    std::wstring nom = host::paths::toNative(chemin).filename().wstring();
    for (wchar_t& ch : nom) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));  // lower-case entry
    lignes.push_back("\"nomFichier\": \"" + std::string(nom.begin(), nom.end()) + "\",");
    lignes.push_back("\"checksum\": \"" + somme + "\"");
  };
  entree(c.fp2, digest(c.fp2));
  entree(c.el2, std::string(64, '0'));
  lignes.push_back("}");
  ecrireListe(lignes);

  const auto statuts = [&](std::int32_t type, const std::wstring& nom, drapeauxVerification drapeaux) {
    verplan plan;
    plan.nom = nom;
    plan.type = type;
    plan.version = 1;
    verif_verifierSignaturePlan(plan, origine_, liste_, drapeaux);
    return plan.statuts;
  };
  using S = std::array<std::int32_t, 6>;
  // The list: FP2 signed, EL2 modified, AR2 missing; the one-file plan has no entry.
  EXPECT_EQ(statuts(2, trois.nom, 0), (S{-1, -1, -1, 0, 6, 1}));
  EXPECT_EQ(statuts(1, L"44010450.109", 0), (S{-1, -1, 4, -1, -1, -1}));
  // Flag 1: an existing file is not read (the EL2 would give 6), a missing one is 1.
  EXPECT_EQ(statuts(2, trois.nom, drapeauSansSignature), (S{-1, -1, -1, 0, 0, 1}));
  // No list, no resource file: the library says its resource is unavailable.
  fs::remove(host::paths::toNative(liste_));
  host::config::unset(L"BREVANE_MAFILE");
  const S bibliotheque = statuts(2, trois.nom, 0);
  EXPECT_EQ(bibliotheque[5], 1);
  EXPECT_NE(bibliotheque[3], 0);
  // A missing or file Origine directory: every file missing.
  verplan plan;
  plan.nom = L"44010450.109";
  plan.type = 1;
  plan.version = 1;
  verif_verifierSignaturePlan(plan, origine_ + L"absent/", liste_, 0);
  EXPECT_EQ(plan.statuts[2], 1);
  verif_verifierSignaturePlan(plan, liste_ + L"/", liste_, 0);
  EXPECT_EQ(plan.statuts[2], 1);
}
