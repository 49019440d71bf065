// Every desktop dialog, registered by the type of its model so that the core's
// runModal finds it. A new dialog adds one line to RegisterDialogs.
#pragma once

namespace tabrix {

class DialogRegistry;

void RegisterDialogs(DialogRegistry& registry);

}  // namespace tabrix
