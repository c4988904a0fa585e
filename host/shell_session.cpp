#include "host/shell_session.h"

#include <algorithm>
#include <cwchar>
#include <sstream>

#include <boost/filesystem.hpp>

#include "host/application.h"
#include "host/clipboard.h"
#include "host/clock.h"
#include "host/color_palette.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/console.h"
#include "host/config.h"
#include "host/desktop.h"
#include "host/dialog_variable.h"
#include "host/dialogs.h"
#include "host/file_list.h"
#include "host/locate.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/paths.h"
#include "host/text.h"
#include "host/svg_view.h"
#include "host/tools.h"
#include "host/view_display.h"
#include "host/views.h"

namespace host::shell {
namespace {

using dialogs::Dialog;
using dialogs::Item;
using resources::ItemType;

constexpr const wchar_t* helpText =
    L"Commandes de l'hôte (une par ligne ; « # » commence un commentaire) :\n"
    L"  help                              cette aide\n"
    L"  cfg NOM=VALEUR                    définit une variable de configuration\n"
    L"  load CHEMIN [ARG...]              charge une application (MdlMain) ; la recharge si elle l'est\n"
    L"  unload NOM                        décharge une application\n"
    L"  apps                              applications chargées et leurs key-ins\n"
    L"  keyin TEXTE                       key-in d'une application (aussi : toute ligne inconnue)\n"
    L"  dialogs                           dialogues ouverts\n"
    L"  show DLG                          un dialogue en tableau de texte\n"
    L"  open DLG | close DLG              ouvre ou ferme un dialogue\n"
    L"  select DLG LISTE L1[,L2...]|all   sélectionne des lignes, ou toutes (clic)\n"
    L"  dclick DLG LISTE LIGNE            double-clic sur une ligne\n"
    L"  rclick DLG LISTE LIGNE            clic droit sur une ligne\n"
    L"  sort DLG LISTE COLONNE [desc]     trie une liste par une colonne\n"
    L"  type DLG TEXTE_ID VALEUR...       saisit un texte\n"
    L"  press DLG BOUTON                  appuie sur un bouton (poussoir ou bascule)\n"
    L"  toggle DLG BOUTON                 bascule un bouton bascule\n"
    L"  choose DLG ELEMENT CHOIX          choix d'un bouton d'option ou d'une liste déroulante (texte ou #n)\n"
    L"  menu DLG VALEUR                   entrée de la barre de menus\n"
    L"  popup DLG MENU VALEUR             entrée d'un menu contextuel\n"
    L"  resize DLG LARGEUR HAUTEUR        redimensionne (pixels)\n"
    L"  answer ok|yes|no|N                réponse d'avance à la prochaine boîte de question\n"
    L"  pick CHEMIN | pick cancel         réponse d'avance au prochain sélecteur de dossier\n"
    L"  design FICHIER                    ouvre un fichier de dessin comme fichier actif\n"
    L"  view VUE on|off                   ouvre ou ferme une vue (1 à 8)\n"
    L"  views                             vues ouvertes et leurs zones\n"
    L"  area VUE X1 Y1 X2 Y2 | fit VUE    zone d'une vue (UOR du modèle actif) | ajustée au modèle actif et à ses références\n"
    L"  svg VUE FICHIER                   écrit ce que montre la vue en image SVG\n"
    L"  point VUE X Y [Z]                 point de donnée dans une vue (UOR du modèle actif)\n"
    L"  reset                             remise à zéro de l'outil\n"
    L"  move VUE X Y [Z]                  déplacement du curseur (dynamique, fonction de mouvement)\n"
    L"  selection | highlights            jeu de sélection | éléments en surbrillance\n"
    L"  references                        références du modèle actif (nom logique, fichier)\n"
    L"  default                           commande par défaut (fin de l'outil)\n"
    L"  at-pump COMMANDE...               exécute une commande au prochain pompage des messages\n"
    L"  clipboard | clipboard set TEXTE   montre ou fixe le presse-papier\n"
    L"  clipboard refuse|accept           le presse-papier refuse ou accepte de s'ouvrir\n"
    L"  clock AAAA-MM-JJ HH:MM:SS | clock system   fixe ou libère l'horloge\n"
    L"  palettes refuse|accept            l'hôte refuse ou accepte les palettes\n"
    L"  documents                         documents ouverts par le shell\n"
    L"  commands                          commandes exécutées ou envoyées\n"
    L"  echo TEXTE                        affiche un texte\n"
    L"  quit                              fin\n";

std::wstring lowerText(std::wstring s) {
  for (wchar_t& c : s) c = paths::lower(c);
  return s;
}

bool toInt(const std::wstring& s, int& out) {
  if (s.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long v = std::wcstol(s.c_str(), &end, 0);
  if (*end != L'\0' || errno != 0 || v < -2147483647L - 1 || v > 2147483647L) return false;
  out = static_cast<int>(v);
  return true;
}

bool toDouble(const std::wstring& s, double& out) {
  if (s.empty()) return false;
  wchar_t* end = nullptr;
  out = std::wcstod(s.c_str(), &end);
  return *end == L'\0';
}

std::wstring join(const std::vector<std::wstring>& words, std::size_t from) {
  std::wstring out;
  for (std::size_t i = from; i < words.size(); ++i) out += (i > from ? L" " : L"") + words[i];
  return out;
}

std::wstring hex64(std::uint64_t n) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"0x%016llX", static_cast<unsigned long long>(n));
  return buf;
}

int modeOf(const messages::Entry& e) {
  switch (e.kind) {
    case messages::Kind::MessageCenter: return e.priority == 13 ? 1 : e.priority == 12 ? 3 : 2;
    case messages::Kind::MessageList: return 4;
    case messages::Kind::MessageBox:
      return e.dialogId == messages::questionBoxId ? 6 : e.iconType == 4 ? 7 : 5;
  }
  return 0;
}

std::wstring cellText(const dialogs::ListCell& c) {
  std::wstring t = c.text;
  if (c.colorEntry >= 0) t += L" {" + std::to_wstring(c.colorEntry) + L"}";
  return t;
}

void describeList(std::wostringstream& o, const Item& item) {
  const dialogs::ListModel* m = item.model;
  o << L"    colonnes :";
  for (std::size_t c = 0; c < item.headings.size(); ++c) o << L" | " << item.headings[c];
  o << L" |\n";
  if (!m) {
    o << L"    (pas de modèle de liste)\n";
    return;
  }
  for (std::size_t r = 0; r < m->rows.size(); ++r) {
    const bool selected = std::find(item.selection.begin(), item.selection.end(), static_cast<int>(r)) != item.selection.end();
    o << L"    " << r << (selected ? L"*" : L" ");
    for (const auto& c : m->rows[r].cells) o << L"| " << cellText(c) << L" ";
    o << L"| [" << (m->rows[r].cells.empty() ? 0 : m->rows[r].cells[0].value) << L"]\n";
  }
}

void describeMenus(std::wostringstream& o, const Item& item) {
  for (const auto& menu : item.spec.menus) {
    o << L"    " << menu.label << L" :";
    for (const auto& e : menu.entries) o << L" [" << e.value << L"] " << e.label << L" ;";
    o << L"\n";
  }
}

Dialog* needDialog(const std::wstring& word, std::wstring& error) {
  int id = 0;
  if (!toInt(word, id)) {
    error = L"numéro de dialogue attendu : " + word;
    return nullptr;
  }
  Dialog* d = dialogs::find(id);
  if (!d) error = L"le dialogue " + word + L" n'est pas ouvert";
  return d;
}

Item* needItem(Dialog* d, std::initializer_list<ItemType> types, const std::wstring& word, std::wstring& error) {
  int id = 0;
  if (!toInt(word, id)) {
    error = L"numéro d'élément attendu : " + word;
    return nullptr;
  }
  for (ItemType t : types)
    if (Item* i = d->item(t, id)) return i;
  std::wstring names;
  for (ItemType t : types) names += (names.empty() ? L"" : L" ou ") + resources::itemTypeName(t);
  error = L"pas d'élément " + names + L" " + word + L" dans le dialogue " + std::to_wstring(d->id);
  return nullptr;
}

bool needArgs(const std::vector<std::wstring>& w, std::size_t n, const wchar_t* usage, std::wstring& error) {
  if (w.size() >= n) return true;
  error = std::wstring(L"usage : ") + usage;
  return false;
}

bool point(const std::vector<std::wstring>& w, int& view, Point3d& p, std::wstring& error) {
  double z = 0;
  if (!toInt(w[1], view) || !toDouble(w[2], p.x) || !toDouble(w[3], p.y) || (w.size() > 4 && !toDouble(w[4], z))) {
    error = L"usage : " + w[0] + L" VUE X Y [Z]";
    return false;
  }
  p.z = z;
  if (view < 1 || view > views::kCount) {
    error = L"numéro de vue hors de 1 à 8 : " + w[1];
    return false;
  }
  --view;
  return true;
}

}  // namespace

std::vector<std::wstring> splitWords(const std::wstring& line) {
  std::vector<std::wstring> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && std::iswspace(line[i])) ++i;
    if (i >= line.size()) break;
    std::wstring word;
    if (line[i] == L'"') {
      for (++i; i < line.size() && line[i] != L'"'; ++i) {
        if (line[i] == L'\\' && i + 1 < line.size()) ++i;
        word.push_back(line[i]);
      }
      ++i;
    } else {
      while (i < line.size() && !std::iswspace(line[i])) word.push_back(line[i++]);
    }
    out.push_back(word);
  }
  return out;
}

file_list::Answer answerPicker(const file_list::Request& request, bool terminal, std::istream& in, std::ostream& out) {
  if (!terminal) {
    out << "[sélecteur] « " << text::toUtf8(request.title) << " » : annulé (aucune réponse préparée par pick)\n";
    return {};
  }
  out << "[sélecteur] « " << text::toUtf8(request.title) << " »\nchemin (vide pour annuler) : " << std::flush;
  std::string line;
  if (!std::getline(in, line)) return {};
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const auto start = line.find_first_not_of(" \t"), end = line.find_last_not_of(" \t");
  if (start == std::string::npos) return {};
  const std::wstring path = text::fromUtf8(line.substr(start, end - start + 1));
  return {file_list::actionOk, {paths::fromNative(boost::filesystem::absolute(paths::toNative(path)))}};
}

std::wstring describeDialog(int dialogId) {
  Dialog* d = dialogs::find(dialogId);
  if (!d) return {};
  std::wostringstream o;
  o << L"Dialogue " << d->id << L" « " << d->title << L" »\n";
  for (const auto& ip : d->items) {
    const Item& item = *ip;
    o << L"  " << resources::itemTypeName(item.spec.type) << L" " << item.spec.id;
    if (!item.spec.label.empty()) o << L" « " << item.spec.label << L" »";
    if (!item.visible) o << L" (caché)";
    if (!item.enabled) o << L" (inactif)";
    switch (item.spec.type) {
      case ItemType::Text:
      case ItemType::ComboBox:
      case ItemType::OptionButton:
      case ItemType::ToggleButton: o << L" = « " << dialogs::displayText(&item) << L" »"; break;
      default: break;
    }
    if (item.spec.type == ItemType::PushButton) o << L" valeur " << item.spec.value;
    o << L"\n";
    if (item.spec.type == ItemType::ListBox) describeList(o, item);
    if (item.spec.type == ItemType::ComboBox && item.model) {
      o << L"    choix :";
      for (std::size_t r = 0; r < item.model->rows.size(); ++r)
        o << L" #" << r << L" « " << (item.model->rows[r].cells.empty() ? L"" : item.model->rows[r].cells[0].text) << L" »";
      o << L"\n";
    }
    if (item.spec.type == ItemType::OptionButton) {
      o << L"    choix :";
      for (std::size_t r = 0; r < item.spec.options.size(); ++r) o << L" #" << r << L" « " << item.spec.options[r] << L" »";
      o << L"\n";
    }
    if (item.spec.type == ItemType::MenuBar || item.spec.type == ItemType::PopupMenu) describeMenus(o, item);
  }
  return o.str();
}

Session::Session(std::ostream& out) : out_(out) {
  messagesSeen_ = messages::log().size();
  barsSeen_ = completion_bar::log().size();
  documentsSeen_ = desktop::requests().size();
  consoleSeen_ = console::log().size();
}

Session::~Session() = default;

void Session::print(const std::wstring& text) { out_ << text::toUtf8(text) << '\n'; }

void Session::flushOutputs() {
  const auto log = messages::log();
  for (std::size_t i = messagesSeen_; i < log.size(); ++i) {
    const auto& e = log[i];
    std::wstring line = L"[mode " + std::to_wstring(modeOf(e)) + L"] " + e.brief;
    if (modeOf(e) == 6) line += e.answer == messages::answerYes ? L" -> Oui" : e.answer == messages::answerNo ? L" -> Non" : L" -> " + std::to_wstring(e.answer);
    print(line);
  }
  messagesSeen_ = log.size();
  const auto bars = completion_bar::log();
  for (std::size_t i = barsSeen_; i < bars.size(); ++i) {
    const auto& b = bars[i];
    if (b.event == completion_bar::Event::Open) print(L"[barre] ouverte : " + b.text);
    else if (b.event == completion_bar::Event::Update) print(L"[barre] " + std::to_wstring(b.percent) + L" % " + b.text);
    else print(L"[barre] fermée");
  }
  barsSeen_ = bars.size();
  const auto consoleLog = console::log();
  for (std::size_t i = consoleSeen_; i < consoleLog.size(); ++i) {
    if (consoleLog[i].beep) {
      print(L"[bip]");
      continue;
    }
    // One printed line per console line; a text without a final line feed is printed all the same.
    const std::wstring& t = consoleLog[i].text;
    for (std::size_t start = 0; start < t.size();) {
      const auto end = t.find(L'\n', start);
      print(L"[console] " + t.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
      start = end == std::wstring::npos ? t.size() : end + 1;
    }
  }
  consoleSeen_ = consoleLog.size();
  const auto docs = desktop::requests();
  for (std::size_t i = documentsSeen_; i < docs.size(); ++i) print(L"[document] " + docs[i].target);
  documentsSeen_ = docs.size();
  const auto tool = tools::status();
  std::wstring now;
  if (tool.kind != tools::Kind::None) now = tool.commandName + L" > " + tool.prompt;
  if (now != lastTool_) print(now.empty() ? L"[outil] commande par défaut" : L"[outil] " + now);
  lastTool_ = now;
}

bool Session::run(const std::wstring& line, std::wstring& error) {
  std::wstring trimmed = line;
  trimmed.erase(0, trimmed.find_first_not_of(L" \t\r\n"));
  while (!trimmed.empty() && std::iswspace(trimmed.back())) trimmed.pop_back();
  if (trimmed.empty() || trimmed[0] == L'#') return true;
  const auto words = splitWords(trimmed);
  bool ok = false;
  try {
    ok = dispatch(words, trimmed, error);
  } catch (const std::exception& e) {
    error = L"erreur interne : " + text::fromUtf8(e.what());
  } catch (...) {
    error = L"erreur interne";
  }
  commands::runQueue();
  flushOutputs();
  return ok;
}

bool Session::dispatch(const std::vector<std::wstring>& w, const std::wstring& line, std::wstring& error) {
  const std::wstring cmd = lowerText(w[0]);
  if (cmd == L"help") {
    out_ << text::toUtf8(helpText);
    return true;
  }
  if (cmd == L"quit" || cmd == L"exit") {
    quit_ = true;
    return true;
  }
  if (cmd == L"echo") {
    print(join(w, 1));
    return true;
  }
  if (cmd == L"cfg") {
    if (!needArgs(w, 2, L"cfg NOM=VALEUR", error)) return false;
    const std::wstring def = join(w, 1);
    const auto eq = def.find(L'=');
    if (eq == std::wstring::npos || eq == 0) {
      error = L"usage : cfg NOM=VALEUR";
      return false;
    }
    config::set(def.substr(0, eq), def.substr(eq + 1));
    return true;
  }
  if (cmd == L"load") {
    if (!needArgs(w, 2, L"load CHEMIN [ARG...]", error)) return false;
    std::vector<std::wstring> args(w.begin() + 2, w.end());
    return application::load(w[1], args, error) != 0;
  }
  if (cmd == L"unload") {
    if (!needArgs(w, 2, L"unload NOM", error)) return false;
    return application::unload(w[1], application::reasonRequest, error);
  }
  if (cmd == L"apps") {
    for (const auto* a : application::loaded()) print(std::to_wstring(a->id) + L" " + a->name + L" " + a->path);
    for (const auto& k : commands::keyins()) print(L"  " + k.keyin + L" -> " + hex64(k.number));
    return true;
  }
  if (cmd == L"keyin") {
    if (!needArgs(w, 2, L"keyin TEXTE", error)) return false;
    return commands::keyin(join(w, 1), error);
  }
  if (cmd == L"dialogs") {
    for (Dialog* d : dialogs::openDialogs()) print(std::to_wstring(d->id) + L" « " + d->title + L" »");
    return true;
  }
  if (cmd == L"show") {
    if (!needArgs(w, 2, L"show DLG", error)) return false;
    Dialog* d = needDialog(w[1], error);
    if (!d) return false;
    out_ << text::toUtf8(describeDialog(d->id));
    return true;
  }
  if (cmd == L"open") {
    int id = 0;
    if (!needArgs(w, 2, L"open DLG", error)) return false;
    if (!toInt(w[1], id) || !dialogs::open(id)) {
      error = L"aucune ressource ne décrit le dialogue " + w[1];
      return false;
    }
    return true;
  }
  if (cmd == L"close") {
    if (!needArgs(w, 2, L"close DLG", error)) return false;
    Dialog* d = needDialog(w[1], error);
    if (!d) return false;
    dialogs::close(d);
    return true;
  }
  if (cmd == L"select" || cmd == L"dclick" || cmd == L"rclick") {
    if (!needArgs(w, 4, L"select|dclick|rclick DLG LISTE LIGNE", error)) return false;
    Dialog* d = needDialog(w[1], error);
    Item* item = d ? needItem(d, {ItemType::ListBox}, w[2], error) : nullptr;
    if (!item) return false;
    std::vector<int> rows;
    std::wstring rest = w[3];
    if (cmd == L"select" && lowerText(rest) == L"all") {
      // Every row the list shows; an empty list is left as it is.
      const int count = item->model ? static_cast<int>(item->model->rows.size()) : 0;
      for (int r = 0; r < count; ++r) rows.push_back(r);
      return rows.empty() || dialogs::select(item, rows, error);
    }
    for (std::wstring part; !rest.empty();) {
      const auto comma = rest.find(L',');
      part = rest.substr(0, comma);
      rest = comma == std::wstring::npos ? L"" : rest.substr(comma + 1);
      int r = 0;
      if (!toInt(part, r)) {
        error = L"numéro de ligne attendu : " + part;
        return false;
      }
      rows.push_back(r);
    }
    if (cmd == L"select") return dialogs::select(item, rows, error);
    if (rows.size() != 1) {
      error = L"une seule ligne attendue";
      return false;
    }
    return cmd == L"dclick" ? dialogs::doubleClick(item, rows[0], error) : dialogs::rightClick(item, rows[0], error);
  }
  if (cmd == L"sort") {
    if (!needArgs(w, 4, L"sort DLG LISTE COLONNE [desc]", error)) return false;
    Dialog* d = needDialog(w[1], error);
    Item* item = d ? needItem(d, {ItemType::ListBox}, w[2], error) : nullptr;
    int column = 0;
    if (!item) return false;
    if (!toInt(w[3], column)) {
      error = L"numéro de colonne attendu : " + w[3];
      return false;
    }
    return dialogs::sort(item, column, !(w.size() > 4 && lowerText(w[4]) == L"desc"), error);
  }
  if (cmd == L"type") {
    if (!needArgs(w, 3, L"type DLG TEXTE_ID VALEUR...", error)) return false;
    Dialog* d = needDialog(w[1], error);
    Item* item = d ? needItem(d, {ItemType::Text}, w[2], error) : nullptr;
    return item && dialogs::type(item, join(w, 3), error);
  }
  if (cmd == L"press" || cmd == L"toggle") {
    if (!needArgs(w, 3, L"press|toggle DLG BOUTON", error)) return false;
    Dialog* d = needDialog(w[1], error);
    Item* item = d ? (cmd == L"toggle" ? needItem(d, {ItemType::ToggleButton}, w[2], error)
                                       : needItem(d, {ItemType::PushButton, ItemType::ToggleButton}, w[2], error))
                   : nullptr;
    return item && dialogs::press(item, error);
  }
  if (cmd == L"choose") {
    if (!needArgs(w, 4, L"choose DLG ELEMENT CHOIX", error)) return false;
    Dialog* d = needDialog(w[1], error);
    Item* item = d ? needItem(d, {ItemType::OptionButton, ItemType::ComboBox}, w[2], error) : nullptr;
    return item && dialogs::choose(item, join(w, 3), error);
  }
  if (cmd == L"menu" || cmd == L"popup") {
    const bool popup = cmd == L"popup";
    if (!needArgs(w, popup ? 4 : 3, popup ? L"popup DLG MENU VALEUR" : L"menu DLG VALEUR", error)) return false;
    Dialog* d = needDialog(w[1], error);
    if (!d) return false;
    Item* item = nullptr;
    if (popup) {
      item = needItem(d, {ItemType::PopupMenu}, w[2], error);
    } else {
      for (auto& i : d->items)
        if (i->spec.type == ItemType::MenuBar) item = i.get();
      if (!item) error = L"le dialogue " + w[1] + L" n'a pas de barre de menus";
    }
    int value = 0;
    if (!item) return false;
    if (!toInt(w[popup ? 3 : 2], value)) {
      error = L"valeur d'entrée de menu attendue";
      return false;
    }
    return dialogs::chooseMenu(item, value, error);
  }
  if (cmd == L"resize") {
    if (!needArgs(w, 4, L"resize DLG LARGEUR HAUTEUR", error)) return false;
    Dialog* d = needDialog(w[1], error);
    int width = 0, height = 0;
    if (!d) return false;
    if (!toInt(w[2], width) || !toInt(w[3], height)) {
      error = L"usage : resize DLG LARGEUR HAUTEUR";
      return false;
    }
    dialogs::resize(d, width, height);
    return true;
  }
  if (cmd == L"answer") {
    if (!needArgs(w, 2, L"answer ok|yes|no|N", error)) return false;
    const std::wstring a = lowerText(w[1]);
    int n = 0;
    if (a == L"ok") n = messages::answerOk;
    else if (a == L"yes" || a == L"oui") n = messages::answerYes;
    else if (a == L"no" || a == L"non") n = messages::answerNo;
    else if (!toInt(a, n)) {
      error = L"réponse inconnue : " + w[1];
      return false;
    }
    messages::queueAnswer(n);
    return true;
  }
  if (cmd == L"pick") {
    if (!needArgs(w, 2, L"pick CHEMIN | pick cancel", error)) return false;
    file_list::Answer a;
    // A picker answers full paths: a relative one is taken from the shell's current folder.
    if (lowerText(w[1]) != L"cancel")
      a = {file_list::actionOk, {paths::fromNative(boost::filesystem::absolute(paths::toNative(join(w, 1))))}};
    file_list::queueAnswer(a);
    return true;
  }
  if (cmd == L"point" || cmd == L"move") {
    if (!needArgs(w, 4, L"point|move VUE X Y [Z]", error)) return false;
    int view = 0;
    Point3d p;
    if (!point(w, view, p, error)) return false;
    if (cmd == L"move") {
      tools::motion(view, p);
      views::cursorMotion(view, p);
      return true;
    }
    return tools::dataPoint(view, p, error);
  }
  if (cmd == L"reset") return tools::reset(error);
  if (cmd == L"design") {
    if (!needArgs(w, 2, L"design FICHIER", error)) return false;
    std::string why;
    if (openActiveFile(join(w, 1), &why) != 0) {
      error = L"ouverture impossible de " + join(w, 1) + (why.empty() ? L"" : L" : " + text::fromUtf8(why));
      return false;
    }
    return true;
  }
  if (cmd == L"view" || cmd == L"area" || cmd == L"fit" || cmd == L"svg") {
    int view = 0;
    if (!needArgs(w, 2, L"view|area|fit|svg VUE ...", error)) return false;
    if (!toInt(w[1], view) || view < 1 || view > views::kCount) {
      error = L"numéro de vue hors de 1 à 8 : " + w[1];
      return false;
    }
    --view;
    if (cmd == L"view") {
      const std::wstring state = w.size() > 2 ? lowerText(w[2]) : L"";
      if (state == L"on") views::open(view);
      else if (state == L"off") views::close(view);
      else {
        error = L"usage : view VUE on|off";
        return false;
      }
      return true;
    }
    if (cmd == L"svg") {
      if (!needArgs(w, 3, L"svg VUE FICHIER", error)) return false;
      return svg::writeView(view, join(w, 2), error);
    }
    if (cmd == L"fit") {
      std::vector<ModelRef> models{activeModel()};
      for (ModelRef r : references(activeModel())) models.push_back(r);
      if (!views::fit(view, models)) {
        error = L"rien à montrer dans la vue " + w[1];
        return false;
      }
      return true;
    }
    double c[4];
    if (w.size() < 6 || !toDouble(w[2], c[0]) || !toDouble(w[3], c[1]) || !toDouble(w[4], c[2]) || !toDouble(w[5], c[3])) {
      error = L"usage : area VUE X1 Y1 X2 Y2";
      return false;
    }
    views::setArea(view, Range3d::from({c[0], c[1], 0}, {c[2], c[3], 0}));
    return true;
  }
  if (cmd == L"views") {
    for (int v = 0; v < views::kCount; ++v) {
      if (!views::isOpen(v)) continue;
      const Range3d a = views::area(v);
      print(L"vue " + std::to_wstring(v + 1) + L" : " + std::to_wstring(a.low.x) + L" " + std::to_wstring(a.low.y) + L" " +
            std::to_wstring(a.high.x) + L" " + std::to_wstring(a.high.y));
    }
    return true;
  }
  if (cmd == L"references") {
    for (ModelRef r : references(activeModel())) {
      const ReferenceAttachment* a = attachment(r);
      print(L"référence " + (a ? a->logicalName : L"") + L" " + fileName(r) + (a && a->skip ? L" (ignorée)" : L""));
    }
    return true;
  }
  if (cmd == L"selection" || cmd == L"highlights") {
    const auto list = cmd == L"selection" ? selection::members() : locate::hilited();
    for (const auto& [m, position] : list) {
      const Model* content = host::model(m);
      const Element* e = content ? content->findByPosition(position) : nullptr;
      print(fileName(m) + L" position " + std::to_wstring(position) + L" id " + std::to_wstring(e ? e->id : 0));
    }
    return true;
  }
  if (cmd == L"default") {
    tools::startDefaultCommand();
    return true;
  }
  if (cmd == L"at-pump") {
    if (!needArgs(w, 2, L"at-pump COMMANDE...", error)) return false;
    const std::wstring scheduled = line.substr(line.find(w[0]) + w[0].size());
    commands::scheduleForPump([this, scheduled] {
      std::wstring why;
      if (!run(scheduled, why)) print(L"[pompage] échec : " + why);
    });
    return true;
  }
  if (cmd == L"clipboard") {
    if (w.size() >= 2 && lowerText(w[1]) == L"set") {
      clipboard::setText(join(w, 2));
      return true;
    }
    if (w.size() == 2 && (lowerText(w[1]) == L"refuse" || lowerText(w[1]) == L"accept")) {
      clipboard::setUnavailable(lowerText(w[1]) == L"refuse");
      return true;
    }
    auto t = clipboard::text();
    print(t ? L"[presse-papier] " + *t : L"[presse-papier] vide");
    return true;
  }
  if (cmd == L"clock") {
    if (!needArgs(w, 2, L"clock AAAA-MM-JJ HH:MM:SS | clock system", error)) return false;
    if (lowerText(w[1]) == L"system") {
      clock::useSystem();
      return true;
    }
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const std::string when = text::toUtf8(join(w, 1));
    if (std::sscanf(when.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6 || !clock::setFixed(y, mo, d, h, mi, s)) {
      error = L"date invalide : " + join(w, 1);
      return false;
    }
    return true;
  }
  if (cmd == L"palettes") {
    if (!needArgs(w, 2, L"palettes refuse|accept", error)) return false;
    colors::setRefusePalettes(lowerText(w[1]) == L"refuse");
    return true;
  }
  if (cmd == L"documents") {
    for (const auto& r : desktop::requests()) print(r.target + (r.parameters.empty() ? L"" : L" " + r.parameters));
    return true;
  }
  if (cmd == L"commands") {
    for (const auto& h : commands::history())
      print(hex64(h.number) + L" « " + h.argument + L" »" + (h.handled ? L"" : L" (non traitée)"));
    return true;
  }
  return commands::keyin(line, error);
}

}  // namespace host::shell
