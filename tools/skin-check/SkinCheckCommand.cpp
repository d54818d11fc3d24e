#include "SkinCheckCommand.h"

#include "FileBytes.h"
#include "JsonReport.h"
#include "OutlinePreview.h"
#include "TextReport.h"

namespace {

constexpr char kUsage[] = "usage: skin-check [--json] [--preview OUT.png] SKIN.png [BUTTON_IMAGE_FOLDER]\n";

struct Options {
    bool json = false;
    std::string previewPath;
    std::vector<std::string> inputs;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            options.json = true;
        } else if (args[i] == "--preview" && i + 1 < args.size()) {
            options.previewPath = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            return false;
        } else {
            options.inputs.push_back(args[i]);
        }
    }
    return !options.inputs.empty() && options.inputs.size() <= 2;
}

} // namespace

int RunSkinCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    if (!ParseOptions(args, options)) {
        err << kUsage;
        return 2;
    }
    const SkinCheck check = CheckSkin(options.inputs[0], options.inputs.size() == 2 ? options.inputs[1] : "");
    std::vector<Message> messages = Assess(check);
    if (!options.previewPath.empty() && check.decoding.decoded) {
        const std::vector<std::uint8_t> preview = EncodePng(MakeOutlinePreview(check.skin, check.findings));
        if (preview.empty() || !WriteFileBytes(options.previewPath, preview))
            messages.push_back(
                {Severity::Error, "The preview cannot be written to " + options.previewPath + "."});
    }
    if (options.json)
        WriteJsonReport(out, check, messages);
    else
        WriteTextReport(out, check, messages);
    return ExitStatus(messages);
}
