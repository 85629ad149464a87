#include "platform/replace_report.h"

namespace platform {
namespace {

std::string Sentence(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text + ".";
}

void Append(std::string& report, const std::string& sentence) {
    if (!report.empty())
        report += ' ';
    report += sentence;
}

}  // namespace

std::string ReplaceReport(const ReplaceResult& result) {
    std::string report;
    if (!result) {
        if (!result.failedStep.empty())
            Append(report, Sentence(result.systemError.empty()
                                        ? result.failedStep
                                        : result.failedStep + ": " + result.systemError));
        if (!result.Damaged())
            Append(report, "The file is as it was.");
        else if (result.oldContentsCopy.empty())
            Append(report, "The file may be damaged, and no copy of its old contents is left.");
        else
            Append(report, "The file may be damaged; its old contents are in " +
                               result.oldContentsCopy + ".");
        if (!result.newContentsFile.empty())
            Append(report, "The new contents are in " + result.newContentsFile + ".");
    }
    for (const std::string& file : result.undeletedFiles)
        Append(report, "The file " + file + " is no longer needed but could not be deleted.");
    return report;
}

}  // namespace platform
