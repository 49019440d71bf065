// Every desktop dialog, registered by the type of its model so that the core's
// runModal finds it. A new dialog adds one line to RegisterDialogs.
#pragma once

namespace tabrix {

class DialogRegistry;
struct Settings;

// settings must outlive the registry: dialogs read them when they open.
void RegisterDialogs(DialogRegistry& registry, const Settings& settings);

}  // namespace tabrix
