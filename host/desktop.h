#pragma once
// The desktop shell's open of a document (a web page, a file): recorded, not launched, unless
// launching is switched on (the interactive shell), which runs `xdg-open` with the target.
#include <string>
#include <vector>

namespace host::desktop {

struct Request {
  std::wstring target;
  std::wstring parameters;
};

// Opens a document; the platform's answer: above 32 on success, 2 when the target is empty or
// the launcher cannot be started.
int openDocument(const std::wstring& target, const std::wstring& parameters);

void setLaunch(bool launch);
std::vector<Request> requests();
void clearRequests();

}  // namespace host::desktop
