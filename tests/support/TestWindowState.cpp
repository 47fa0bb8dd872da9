#include "TestWindowState.h"

#include "Layout.h"

namespace orvelane::testing {

TestWindowState::TestWindowState(QObject* parent) : WindowState(JunkScanner::layoutFromEnvironment(), parent) {}

} // namespace orvelane::testing
