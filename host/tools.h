#pragma once
// Tools: the command that takes the user's data points and resets. A primitive tool has a
// data-point, a reset and a dynamics function, which it may swap while it runs; a modify command
// has accept and restart functions and may locate an element before accepting. Starting a tool
// ends the one before; the default command is "no tool". Data points and resets come from the
// shell or a test, as a point of the active model (UORs) in a view (0 to 7).
#include <string>

#include "host/geom_types.h"

namespace host::tools {

using DataPointFunction = void (*)(const Point3d* point, int view);
using ResetFunction = void (*)();
using DynamicsFunction = void (*)(const Point3d* point, int view);
using AcceptFunction = void (*)(const Point3d* point, int view);
using RestartFunction = void (*)();
using CleanupFunction = void (*)();

enum class Kind { None, Primitive, Modify };

// Starts a primitive tool of the running application; command name and prompt are string ids
// of its resources (the command-name and prompt lists it registered).
void startPrimitive(DataPointFunction dataPoint, ResetFunction reset, int commandNameId, int promptId);

// Starts a modify command: each data point is handed to `accept` (after locating, when
// auto-locate is on and the locate module finds an element); a reset calls `restart`. One data
// point locates and accepts: `useSelection` and `pointsRequired` are taken as given and change
// nothing here.
void startModifyCommand(RestartFunction restart, AcceptFunction accept, DynamicsFunction dynamics,
                        CleanupFunction cleanup, int commandMessageId, int promptId, bool useSelection,
                        int pointsRequired);

// Swaps a function of the running tool (no effect without one).
void setDataPointFunction(DataPointFunction f);
void setResetFunction(ResetFunction f);
void setDynamicsFunction(DynamicsFunction f);

// Ends the running tool (its cleanup function runs); no tool is active afterwards.
void startDefaultCommand();

// Runs the restart function of the running modify command.
void restartCurrentCommand();

// Ends the tool of an application that unloads.
void endOwnedBy(int owner);

struct Status {
  Kind kind = Kind::None;
  int owner = 0;
  std::wstring commandName;  // texts of the resource string ids, empty when missing
  std::wstring prompt;
  bool hasDynamics = false;
  int generation = 0;  // counts tool starts: settings made for one tool end with it
};
Status status();

// --- The user's input ---
// A data point in a view; false and an error when no tool takes it.
bool dataPoint(int view, const Point3d& point, std::wstring& error);
bool reset(std::wstring& error);
// The cursor moves to `point` in `view`: the tool's dynamics, if any, draw.
void motion(int view, const Point3d& point);

// The locate step of modify commands; installed by the locate module. Returns true when the data
// point may go on to `accept` (an element was located and accepted, or locating is off).
using LocateStep = bool (*)(int view, const Point3d& point);
void setLocateStep(LocateStep step);

}  // namespace host::tools
