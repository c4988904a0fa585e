#include "host/tools.h"

#include "host/application.h"
#include "host/view_display.h"

namespace host::tools {
namespace {

struct Tool {
  Kind kind = Kind::None;
  int owner = 0;
  DataPointFunction dataPoint = nullptr;
  ResetFunction reset = nullptr;
  DynamicsFunction dynamics = nullptr;
  AcceptFunction accept = nullptr;
  RestartFunction restart = nullptr;
  CleanupFunction cleanup = nullptr;
  int nameId = 0;
  int promptId = 0;
  bool namesAreMessages = false;
};

struct State {
  Tool tool;
  int generation = 0;
  LocateStep locate = nullptr;
};

State& state() {
  static State s;
  return s;
}

template <typename F, typename... A>
void call(int owner, F f, A... args) {
  if (!f) return;
  application::CallScope scope(owner);
  try {
    f(args...);
  } catch (...) {
  }
}

void end() {
  views::clearDynamics();
  ++state().generation;
  Tool old = state().tool;
  state().tool = Tool{};
  call(old.owner, old.cleanup);
}

}  // namespace

void startPrimitive(DataPointFunction dataPoint, ResetFunction reset, int commandNameId, int promptId) {
  end();
  Tool t;
  t.kind = Kind::Primitive;
  t.owner = application::currentId();
  t.dataPoint = dataPoint;
  t.reset = reset;
  t.nameId = commandNameId;
  t.promptId = promptId;
  state().tool = t;
}

void startModifyCommand(RestartFunction restart, AcceptFunction accept, DynamicsFunction dynamics,
                        CleanupFunction cleanup, int commandMessageId, int promptId, bool, int) {
  end();
  Tool t;
  t.kind = Kind::Modify;
  t.owner = application::currentId();
  t.restart = restart;
  t.accept = accept;
  t.dynamics = dynamics;
  t.cleanup = cleanup;
  t.nameId = commandMessageId;
  t.promptId = promptId;
  state().tool = t;
}

void setDataPointFunction(DataPointFunction f) {
  Tool& t = state().tool;
  if (t.kind == Kind::Primitive) t.dataPoint = f;
  else if (t.kind == Kind::Modify) t.accept = f;
}

void setResetFunction(ResetFunction f) {
  Tool& t = state().tool;
  if (t.kind == Kind::Primitive) t.reset = f;
  else if (t.kind == Kind::Modify) t.restart = f;
}

void setDynamicsFunction(DynamicsFunction f) {
  if (state().tool.kind != Kind::None) state().tool.dynamics = f;
}

void startDefaultCommand() { end(); }

void restartCurrentCommand() {
  const Tool t = state().tool;
  if (t.kind == Kind::Modify) call(t.owner, t.restart);
}

void endOwnedBy(int owner) {
  if (state().tool.kind != Kind::None && state().tool.owner == owner) end();
}

Status status() {
  const Tool& t = state().tool;
  Status s;
  s.kind = t.kind;
  s.owner = t.owner;
  s.hasDynamics = t.dynamics != nullptr;
  s.generation = state().generation;
  if (const auto* app = application::byId(t.owner)) {
    s.commandName = application::resourceString(t.owner, app->commandNameList, t.nameId).value_or(L"");
    s.prompt = application::resourceString(t.owner, app->promptList, t.promptId).value_or(L"");
  }
  return s;
}

bool dataPoint(int view, const Point3d& point, std::wstring& error) {
  if (view < 0 || view > 7) {
    error = L"numéro de vue hors de 0 à 7 : " + std::to_wstring(view);
    return false;
  }
  const Tool t = state().tool;
  if (t.kind == Kind::Primitive && t.dataPoint) {
    call(t.owner, t.dataPoint, &point, view);
    return true;
  }
  if (t.kind == Kind::Modify && t.accept) {
    if (state().locate && !state().locate(view, point)) return true;
    call(t.owner, t.accept, &point, view);
    return true;
  }
  error = L"aucun outil ne prend de point de donnée";
  return false;
}

bool reset(std::wstring& error) {
  const Tool t = state().tool;
  if (t.kind == Kind::Primitive && t.reset) {
    call(t.owner, t.reset);
    return true;
  }
  if (t.kind == Kind::Modify && t.restart) {
    call(t.owner, t.restart);
    return true;
  }
  error = L"aucun outil ne prend de remise à zéro";
  return false;
}

void motion(int view, const Point3d& point) {
  // What the last position drew is gone before the new one is drawn.
  views::clearDynamics();
  const Tool t = state().tool;
  if (t.dynamics && view >= 0 && view <= 7) call(t.owner, t.dynamics, &point, view);
}

void setLocateStep(LocateStep step) { state().locate = step; }

}  // namespace host::tools
