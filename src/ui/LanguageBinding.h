#pragma once

class QQmlEngine;

namespace orvelane {

/**
 * @brief Makes an engine's qsTr texts follow the shared localizer.
 *
 * Installs the process's bundle translator (once) and retranslates the engine whenever the
 * string bundle changes, so open windows switch language without reopening.
 */
void bindEngineToLocalizer(QQmlEngine& engine);

} // namespace orvelane
