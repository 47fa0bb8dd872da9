#pragma once

#include "WindowState.h"

#include <QObject>

namespace orvelane::testing {

/**
 * @brief A window's state that QML can create (`TestWindowState {}`), on the layout the
 * environment selects, as the application's entry would choose it: for QML tests and the
 * gallery, which build windows without the shell.
 */
class TestWindowState : public WindowState
{
    Q_OBJECT

public:
    explicit TestWindowState(QObject* parent = nullptr);
};

} // namespace orvelane::testing
