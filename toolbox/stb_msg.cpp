#include "toolbox/stb_msg.h"

#include "host/messages.h"
#include "toolbox/stb_fichier.h"

int stbMsg_afficher(int mode, const std::wstring& cheminTrace, const std::wstring& message) {
  namespace msg = host::messages;
  int reponse = 0;
  switch (mode) {
    case 1: msg::messageCenter(13, message, message, 2); break;
    case 2: msg::messageCenter(10, message, message, 0); break;
    case 3: msg::messageCenter(12, message, message, 0); break;
    case 4: msg::messageList(message); break;
    case 5: msg::messageBox(-97, message, 1); break;
    case 6: reponse = msg::messageBox(msg::questionBoxId, message, 3); break;
    case 7: msg::messageBox(-97, message, 4); break;
    default: break;
  }
  if (!cheminTrace.empty()) return stbFichier_ajouterLigne(cheminTrace, message);
  return reponse;
}
