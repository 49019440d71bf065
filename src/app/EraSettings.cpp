#include "app/EraSettings.h"

namespace tabrix {

EraTable EraTableOf(const Settings& settings) {
    return MakeEraTable(settings.GengoDate, settings.GengoShort, settings.GengoLong);
}

}  // namespace tabrix
