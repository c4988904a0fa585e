// Every host test starts from a clean host state, whatever the tests before it left (the suite
// also runs as one process): a listener resets the host before each test.
#include <gtest/gtest.h>

#include "host/application.h"
#include "host/clipboard.h"
#include "host/clock.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "host/desktop.h"
#include "host/file_list.h"
#include "host/level_audit.h"
#include "host/locate.h"
#include "host/messages.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "host/transients.h"
#include "host/view_display.h"
#include "host/views.h"

namespace {

class EtatHotePropre : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    host::application::unloadAll();
    host::resetModels();
    host::resetGlobalModes();
    host::level_audit::reset();
    host::views::reset();
    host::views::resetDisplay();
    host::locate::clearHilite();
    host::selection::freeAll();
    host::transients::clear();
    host::clipboard::clear();
    host::clock::useSystem();
    host::commands::clearHistory();
    host::commands::clearQueue();
    host::commands::clearScheduledInputs();
    host::completion_bar::clearLog();
    host::desktop::clearRequests();
    host::file_list::clearAnswers();
    host::file_list::clearRequests();
    host::messages::clearAnswers();
    host::messages::clearLog();
  }
};

[[maybe_unused]] const bool inscrit = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new EtatHotePropre);
  return true;
}();

}  // namespace
