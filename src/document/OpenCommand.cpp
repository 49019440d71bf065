#include "document/OpenCommand.h"

#include "app/UserInterface.h"
#include "document/EucConvert.h"
#include "document/TabrixDoc.h"

namespace tabrix {

bool FileToOpen(IUserInterface& ui, const std::string& chosen, OpenFormat format, std::string& path) {
    if (format == OpenFormat::Sjis) {
        path = chosen;
        return true;
    }
    FileDialogRequest request;
    request.title = OpenCommandTexts::kCopyTitle;
    request.filter = OpenCommandTexts::kFilter;
    request.initialDir = chosen.substr(0, chosen.size() - FileNameOf(chosen).size());
    request.overwritePrompt = true;
    if (!ui.getSaveFileName(request)) return false;
    if (!ConvertEucToSjis(chosen, request.fileName, ui)) return false;
    path = request.fileName;
    return true;
}

}  // namespace tabrix
