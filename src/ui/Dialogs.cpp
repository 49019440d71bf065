#include "ui/Dialogs.h"

#include "ui/OptionDlg.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

void RegisterDialogs(DialogRegistry& registry) {
    registry.add<COption>([](COption& model, QWidget* parent) { return new COptionDlg(model, parent); });
}

}  // namespace tabrix
